// Start-up of the screen saver program: the one entry point. It reads the screen's
// twips per pixel and the settings, then opens the one window of the mode Windows
// asked for. The windows and the waiting are the platform's (StartupPlatform).
#pragma once

#include "shell/bas_shellcode.h"

#include "shell/settings_store.h"

#include <string>
#include <string_view>

namespace velmora {

// The caption of the full-screen window; a second "/S" start finds it and ends.
inline constexpr const char* saver_window_caption = "screen saver running";

class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;
    virtual int screen_dpi_x() = 0;
    virtual int screen_dpi_y() = 0;
    // The running program's full path.
    virtual std::string program_path() = 0;
    // Marks this process as the configuration instance for its lifetime; true when
    // another process already was.
    virtual bool another_configuration_instance_runs() = 0;
    virtual bool no_window_titled(std::string_view caption) = 0;
    virtual void show_configuration() = 0;
    virtual void show_screensaver() = 0;
    virtual void load_preview() = 0;
    virtual void show_new_password() = 0;
    // Lets the message loop run while `saver_running` is true, then ends the process.
    virtual void wait_while_saver_runs_then_exit() = 0;
};

// The configuration-mode guard applies only to a program named "Velmora Screen
// Saver" (any folder, any extension, any letter case).
bool is_guarded_configuration_program(std::string_view program_path);

// The start-up routine, given the command line's arguments (after the program
// name) and the settings store it reads the settings from.
void start_up(ShellState& shell, std::string_view arguments, StartupPlatform& platform, SettingsStore& store);

}  // namespace velmora
