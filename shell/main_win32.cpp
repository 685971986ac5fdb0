// The screen saver program's entry point: start-up over the real platform, then
// the message loop for as long as a window of the program is open.
#include "shell/command_line.h"
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "shell/startup.h"
#include "ui/message_loop_win32.h"
#include "ui/program_win32.h"

#include <string>

namespace velmora::win32 {
namespace {

class Win32Startup final : public StartupPlatform {
public:
    int screen_dpi_x() override { return ui::screen_dpi_x(); }
    int screen_dpi_y() override { return ui::screen_dpi_y(); }
    std::string program_path() override { return ui::program_path(); }
    bool another_configuration_instance_runs() override {
        // A named mutex held for the life of this process marks a running instance.
        CreateMutexA(nullptr, FALSE, "Velmora Screen Saver configuration instance");
        return GetLastError() == ERROR_ALREADY_EXISTS;
    }
    bool no_window_titled(std::string_view caption) override {
        return win32::no_window_titled(std::string(caption).c_str());
    }
    void show_configuration() override { show_frm_configuration(); }
    void show_screensaver() override { show_frm_screensaver(); }
    void load_preview() override { load_frm_preview(); }
    void show_new_password() override { show_frm_newpassword(); }

    void wait_while_saver_runs_then_exit() override {
        // GetMessage sleeps until a message comes; the saver's frame loop runs
        // nested inside one of them and clears saver_running when it ends.
        ui::run_message_loop([] { return shell().saver_running; });
        ExitProcess(0);
    }
};

}  // namespace
}  // namespace velmora::win32

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    velmora::win32::Win32Startup platform;
    velmora::start_up(velmora::win32::shell(), velmora::arguments_of(GetCommandLineA()), platform,
                      velmora::win32::registry_settings());
    // The program lives as long as a window of it is open.
    ui::run_message_loop();
    return 0;
}
