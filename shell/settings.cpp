#include "shell/bas_shellcode.h"

#include "password/scramble.h"
#include "shell/numeric_text.h"

#include <string>

namespace velmora {
namespace {

std::string read_text(SettingsStore& store, std::string_view name, std::string_view fallback) {
    auto stored = store.read(name);
    return stored ? *stored : std::string(fallback);
}

// A stored number is read like any numeric text: "1" is 1, " 2x" is 2, and text
// that is not a number at all ("abc", "") is 0 rather than an error or a guess.
std::int32_t read_setting_number(SettingsStore& store, std::string_view name, std::string_view fallback) {
    return read_int32(read_text(store, name, fallback));
}

}  // namespace

void load_settings(Settings& settings, SettingsStore& store) {
    settings.install_path = read_text(store, "install_path", "empty");
    settings.music_on = read_setting_number(store, "music_on", "1");
    settings.soundfx_on = read_setting_number(store, "soundfx_on", "1");
    settings.speed = read_setting_number(store, "speed", "0");
    settings.scrambled_password = read_text(store, "misc", "");
    settings.password = unscramble_password(settings.scrambled_password);
}

void save_settings(Settings& settings, SettingsStore& store) {
    store.write("music_on", std::to_string(settings.music_on));
    store.write("soundfx_on", std::to_string(settings.soundfx_on));
    store.write("speed", std::to_string(settings.speed));
    settings.scrambled_password = scramble_password(settings.password);
    store.write("misc", settings.scrambled_password);
}

}  // namespace velmora
