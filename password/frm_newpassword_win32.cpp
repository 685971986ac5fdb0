// frm_newpassword: the change-password dialog. For now a plain window with its
// caption and size; closing it ends the program.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"

namespace velmora::win32 {

void show_frm_newpassword() {
    HWND window = create_dialog_window("frm_newpassword", "Change  Password", 5265, 1545, nullptr, nullptr);
    if (window) ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
