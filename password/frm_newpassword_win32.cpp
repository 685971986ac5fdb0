// frm_newpassword: the change-password dialog. For now a plain dialog with its
// caption and size; closing it ends the program.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "ui/forms_win32.h"
#include "ui/message_loop_win32.h"

namespace velmora::win32 {
namespace {

const ui::FormClass frm_newpassword{.name = "frm_newpassword", .procedure = nullptr, .dialog = true, .icon_id = 1};

}  // namespace

void show_frm_newpassword() {
    HWND window = ui::create_fixed_form(frm_newpassword, "Change  Password", 5265, 1545, nullptr, nullptr);
    if (!window) return;
    center_form(window);
    ShowWindow(window, SW_SHOWNORMAL);
}

void show_frm_newpassword_modal(HWND owner) {
    HWND window = ui::create_fixed_form(frm_newpassword, "Change  Password", 5265, 1545, owner, nullptr);
    if (!window) return;
    center_form(window);
    ui::run_modal(window, owner);
}

}  // namespace velmora::win32
