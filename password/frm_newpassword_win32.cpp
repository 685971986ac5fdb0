// frm_newpassword: the change-password dialog. With "/a" it is the program's only
// window, modeless, and the program ends when it closes; the settings dialog opens
// it modal. OK stores an accepted password at once; the opener sees it only in the
// shell's settings and in the store.
#include "password/frm_newpassword.h"
#include "password/password_win32.h"
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "ui/controls_win32.h"
#include "ui/forms_win32.h"
#include "ui/window_data_win32.h"
#include "ui/message_loop_win32.h"
#include "ui/program_win32.h"

#include <new>

namespace velmora::win32 {
namespace {

struct DialogData {
    ui::FormControls controls;
};


// Nothing of the dialog is used once a message box has been shown: the box runs
// its own message loop, in which the dialog could be closed.
void OK_Click(HWND window) {
    const NewPasswordCheck check = check_new_password(control_text(window, id_newpassword),
                                                      control_text(window, id_newpassword2), keyboard_layout());
    SetDlgItemTextA(window, id_newpassword, check.new_password.c_str());
    SetDlgItemTextA(window, id_newpassword2, check.confirmation.c_str());
    switch (check.verdict) {
    case NewPasswordVerdict::mismatch: show_message(window, passwords_do_not_match); return;
    case NewPasswordVerdict::too_long: show_message(window, new_password_too_long); return;
    case NewPasswordVerdict::accepted: break;
    }
    store_new_password(shell().settings, registry_settings(), check.new_password);
    ui::pump_pending_messages();
    if (IsWindow(window)) DestroyWindow(window);
}

LRESULT CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) return ui::attach_data(window, new (std::nothrow) DialogData(), wparam, lparam);
    DialogData* data = ui::data_of<DialogData>(window);
    if (!data) return ui::default_procedure(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        ui::create_controls(window, frm_newpassword_controls, ui::form_scale(window), data->controls);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wparam) != BN_CLICKED) break;
        if (LOWORD(wparam) == id_newpassword_ok) OK_Click(window);
        else if (LOWORD(wparam) == id_newpassword_cancel) DestroyWindow(window);  // nothing stored
        return 0;
    case WM_NCDESTROY:
        return ui::release_data<DialogData>(window, wparam, lparam);
    default:
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_newpassword{
    .name = "frm_newpassword", .procedure = dialog_procedure, .dialog = true, .icon_id = 1};

// Centred, both boxes empty. Shown, the dialog manager gives the first tab stop
// (NewPassword) the focus.
HWND load_frm_newpassword(HWND owner) {
    HWND window = ui::create_fixed_form(frm_newpassword, frm_newpassword_caption, frm_newpassword_client_width,
                                        frm_newpassword_client_height, owner, nullptr);
    if (!window) return nullptr;
    center_form(window);
    if (!IsWindow(window)) return nullptr;
    SetDlgItemTextA(window, id_newpassword, "");
    SetDlgItemTextA(window, id_newpassword2, "");
    return window;
}

}  // namespace

void show_frm_newpassword() {
    if (HWND window = load_frm_newpassword(nullptr)) ShowWindow(window, SW_SHOWNORMAL);
}

void show_frm_newpassword_modal(HWND owner) {
    if (HWND window = load_frm_newpassword(owner)) ui::run_modal(window, owner);
}

}  // namespace velmora::win32
