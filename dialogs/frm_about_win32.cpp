// The about box: its controls come from the layout table; "Ok" has the focus and
// is the default button, so Enter closes the box. Escape does nothing (there is
// no Cancel button), and the home-page button leaves the box open.
#include "dialogs/frm_about_win32.h"

#include "dialogs/configuration.h"
#include "dialogs/frm_about_layout.h"
#include "dialogs/shell_open_win32.h"
#include "resources/resource_ids.h"
#include "shell/shell_win32.h"
#include "ui/controls_win32.h"
#include "ui/forms_win32.h"
#include "ui/window_data_win32.h"
#include "ui/message_loop_win32.h"
#include "ui/program_win32.h"

#include <new>

namespace velmora::win32 {
namespace {

struct AboutWindow {
    ui::FormControls controls;
    ui::GdiObject<HBITMAP> picture;  // shown by Image1, which does not own it
};


void create_about_controls(HWND window, AboutWindow& data) {
    ui::create_controls(window, frm_about_controls, ui::form_scale(window), data.controls);
    data.picture.reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                       MAKEINTRESOURCEA(IDB_PREVIEW_PICTURE), IMAGE_BITMAP, 0, 0,
                                                       LR_DEFAULTCOLOR)));
    SendDlgItemMessageA(window, id_image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(data.picture.get()));
}

LRESULT CALLBACK about_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) return ui::attach_data(window, new (std::nothrow) AboutWindow(), wparam, lparam);
    AboutWindow* data = ui::data_of<AboutWindow>(window);
    if (!data) return ui::default_procedure(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        create_about_controls(window, *data);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wparam) != BN_CLICKED) return 0;
        if (LOWORD(wparam) == id_command1) DestroyWindow(window);
        if (LOWORD(wparam) == id_command2) shell_open(window, maker_home_page);
        return 0;
    case WM_NCDESTROY:
        return ui::release_data<AboutWindow>(window, wparam, lparam);
    default:
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_about{.name = "frm_about", .procedure = about_procedure, .dialog = true, .icon_id = 1};

}  // namespace

void show_frm_about(HWND owner) {
    HWND window = ui::create_fixed_form(frm_about, frm_about_caption, frm_about_client_width, frm_about_client_height,
                                        owner, nullptr);
    if (!window) return;
    center_form(window);
    ui::run_modal(window, owner);
}

}  // namespace velmora::win32
