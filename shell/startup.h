// Start-up of the screen saver program: the one entry point. It reads the screen's
// twips per pixel and the settings, then opens the one window of the mode Windows
// asked for. The windows and the waiting are the platform's (StartupPlatform).
#pragma once

#include "shell/bas_shellcode.h"

#include <string_view>

namespace velmora {

// The caption of the full-screen window; a second "/S" start finds it and ends.
inline constexpr const char* saver_window_caption = "screen saver running";

class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;
    virtual int screen_dpi_x() = 0;
    virtual int screen_dpi_y() = 0;
    virtual void load_settings() = 0;
    // The configuration-mode guard: the executable is named "Velmora Screen Saver"
    // and another instance of it already runs.
    virtual bool is_second_configuration_instance() = 0;
    virtual bool no_window_titled(std::string_view caption) = 0;
    virtual void show_configuration() = 0;
    virtual void show_screensaver() = 0;
    virtual void load_preview() = 0;
    virtual void show_new_password() = 0;
    // Lets the message loop run while `saver_running` is true, then ends the process.
    virtual void wait_while_saver_runs_then_exit() = 0;
};

// The start-up routine, given the command line's arguments (after the program name).
void start_up(ShellState& shell, std::string_view arguments, StartupPlatform& platform);

}  // namespace velmora
