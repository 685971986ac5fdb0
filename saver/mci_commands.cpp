#include "saver/mci_commands.h"

#include "saver/media_control.h"
#include "shell/text_compare.h"

#include <array>
#include <utility>

namespace velmora::mci {
namespace {

std::string with_alias(std::string_view verb) { return std::string(verb) + " " + std::string(song_alias); }

}  // namespace

std::string open_command(std::string_view file_name, std::string_view device_type, bool shareable) {
    return "open \"" + std::string(file_name) + "\" type " + std::string(device_type) + " alias " +
           std::string(song_alias) + (shareable ? " shareable" : "");
}

std::string play_command(bool notify, bool wait) {
    return with_alias("play") + (notify ? " notify" : "") + (wait ? " wait" : "");
}

std::string close_command() { return with_alias("close"); }

std::string status_mode_command() { return with_alias("status") + " mode"; }

int mode_from_status(std::string_view status) {
    static constexpr std::array<std::pair<std::string_view, int>, 7> modes{{
        {"not ready", mci_mode_not_open},
        {"stopped", mci_mode_stopped},
        {"playing", mci_mode_playing},
        {"recording", 527},
        {"seeking", 528},
        {"paused", 529},
        {"open", 530},
    }};
    for (const auto& [text, mode] : modes)
        if (equals_ignoring_case(status, text)) return mode;
    return mci_mode_not_open;
}

}  // namespace velmora::mci
