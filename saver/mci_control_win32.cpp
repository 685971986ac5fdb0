#include "saver/mci_control_win32.h"

#include <mmsystem.h>

#include <utility>

namespace velmora::win32 {
namespace {

constexpr const char* alias = "velmora_song";

}  // namespace

MciControl::~MciControl() {
    if (open_) send(std::string("close ") + alias);
}

void MciControl::send(const std::string& command) {
    // Results are not examined: a song that fails simply never reports stopped.
    mciSendStringA(command.c_str(), nullptr, 0, owner_);
}

void MciControl::set_Command(std::string_view command) {
    if (command == "Close") {
        if (open_) send(std::string("close ") + alias);
        open_ = false;
    } else if (command == "Open") {
        if (open_) send(std::string("close ") + alias);
        const std::string open_command = "open \"" + file_name_ + "\" type " + device_type_ + " alias " + alias +
                                         (shareable_ ? " shareable" : "");
        open_ = mciSendStringA(open_command.c_str(), nullptr, 0, owner_) == 0;
    } else if (command == "Play") {
        if (open_) send(std::string("play ") + alias + (notify_ ? " notify" : "") + (wait_ ? " wait" : ""));
    }
}

int MciControl::Mode() {
    if (!open_) return mci_mode_not_open;
    char mode[64] = {};
    if (mciSendStringA((std::string("status ") + alias + " mode").c_str(), mode, sizeof mode, nullptr) != 0)
        return mci_mode_not_open;
    static const std::pair<const char*, int> modes[] = {
        {"not ready", 524}, {"stopped", 525}, {"playing", 526}, {"recording", 527},
        {"seeking", 528},   {"paused", 529},  {"open", 530},
    };
    for (const auto& [text, value] : modes)
        if (lstrcmpiA(mode, text) == 0) return value;
    return mci_mode_not_open;
}

}  // namespace velmora::win32
