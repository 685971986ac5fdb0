// frm_configuration: the settings dialog. For now a plain window with its caption
// and size; closing it saves the settings and ends the program.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"

#include <string>

namespace velmora::win32 {
namespace {

LRESULT CALLBACK configuration_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CLOSE:
        save_settings();
        DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        note_window_destroyed();
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void show_frm_configuration() {
    const ProgramVersion version = program_version();
    const std::string caption = "Velmora Screen Saver Configuration v." + std::to_string(version.major) + "." +
                                std::to_string(version.minor) + "." + std::to_string(version.revision);
    HWND window = create_dialog_window("frm_configuration", caption.c_str(), 7125, 4605, configuration_procedure,
                                       nullptr);
    if (!window) return;
    load_settings();
    ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
