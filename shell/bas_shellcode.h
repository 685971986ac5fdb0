// The screen saver's shared state and the routines every window of it uses:
// the settings, the password, the screen's twips per pixel, the host window of
// preview and change-password mode, and whether the full-screen saver runs.
#pragma once

#include "shell/settings_store.h"

#include <cstdint>
#include <string>

namespace velmora {

// The settings as held for one run. The numbers are whatever the store held,
// read as numbers (see load_settings); the settings dialog writes 0/1/2.
struct Settings {
    std::string install_path;       // prefix of the media files; "empty" when never installed
    std::int32_t music_on = 0;
    std::int32_t soundfx_on = 0;    // kept and written back unchanged; nothing acts on it
    std::int32_t speed = 0;         // 0 Normal, 1 Faster, 2 Fastest
    std::string scrambled_password; // the stored form, value "misc"
    std::string password;           // the plain password; empty when there is none
};

struct ShellState {
    std::int16_t twips_per_pixel_x = 15;
    std::int16_t twips_per_pixel_y = 15;
    std::int32_t host_window = 0;
    bool saver_running = false;
    Settings settings;
};

// The key under HKEY_CURRENT_USER that holds the settings.
inline constexpr const char* settings_key =
    "Software\\VB and VBA Program Settings\\Orvane Velmora Screen Saver\\Config";

// Reads "install_path", "music_on", "soundfx_on", "speed" and "misc", in that
// order, then unscrambles the password. Missing values take their defaults.
void load_settings(Settings& settings, SettingsStore& store);

// Writes "music_on", "soundfx_on", "speed", rescrambles the password and writes
// "misc". "install_path" belongs to the installer and is never written.
void save_settings(Settings& settings, SettingsStore& store);

}  // namespace velmora
