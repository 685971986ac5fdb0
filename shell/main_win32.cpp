// The screen saver program's entry point: start-up over the real platform, then
// the message loop for as long as a window of the program is open.
#include "shell/command_line.h"
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "shell/startup.h"

#include <mmsystem.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace velmora::win32 {
namespace {

class Win32Startup final : public StartupPlatform {
public:
    int screen_dpi_x() override { return screen_dpi(LOGPIXELSX); }
    int screen_dpi_y() override { return screen_dpi(LOGPIXELSY); }
    void load_settings() override { win32::load_settings(); }

    bool is_second_configuration_instance() override {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string name = path;
        name = name.substr(name.find_last_of("\\/") + 1);
        name = name.substr(0, name.find_last_of('.'));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        if (name != "velmora screen saver") return false;
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
        MSG message;
        // GetMessage sleeps until a message comes; the saver's frame loop runs
        // nested inside one of them and clears saver_running when it ends.
        while (shell().saver_running && GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        ExitProcess(0);
    }

private:
    static int screen_dpi(int axis) {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, axis);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
};

int run_message_loop() {
    MSG message;
    while (open_window_count() > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace
}  // namespace velmora::win32

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    velmora::win32::Win32Startup platform;
    velmora::start_up(velmora::win32::shell(), velmora::arguments_of(GetCommandLineA()), platform);
    return velmora::win32::run_message_loop();
}
