// The catalogue window: its controls come from the layout table, its state is one
// CatalogueState hanging off the window, and every decision is made by the
// platform-free logic; this file only moves texts between the two.
#include "catalogue/frm_orvaneproducts_win32.h"

#include "catalogue/addresses.h"
#include "catalogue/app_folder.h"
#include "catalogue/catalogue_state.h"
#include "catalogue/control_ids.h"
#include "catalogue/data_file.h"
#include "catalogue/frm_orvaneproducts_layout.h"
#include "catalogue/messages.h"
#include "catalogue/open_address_win32.h"
#include "catalogue/product_display.h"
#include "catalogue/product_reading.h"
#include "catalogue/show_message_win32.h"
#include "ui/controls_win32.h"
#include "ui/forms_win32.h"
#include "ui/window_data_win32.h"
#include "ui/program_win32.h"

#include <algorithm>
#include <new>
#include <string>

namespace orvane::win32 {
namespace {

constexpr WORD icon_id = 1;

struct WindowData {
    CatalogueState state;
    ui::FormControls controls;
};


bool is_label(HWND control) {
    const int id = GetDlgCtrlID(control);
    return std::any_of(frm_orvaneproducts_controls.begin(), frm_orvaneproducts_controls.end(),
                       [id](const ControlLayout& c) { return c.id == id && c.kind == ControlKind::label; });
}

HWND list_of(HWND window) { return GetDlgItem(window, id_list1); }

// Reads the data files and lists the products; a read error leaves the list empty
// and is reported last, once nothing of the window is used any more: the message
// box runs its own message loop, in which the window could be closed.
void read_products_into_list(HWND window, WindowData& data) {
    HWND list = list_of(window);
    const ReadResult result = read_products(data.state, read_data_file);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int record = 0; record < data.state.product_count; ++record)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data.state.products[record].name.c_str()));
    if (result == ReadResult::read_error) show_message(window, read_error_title, read_error_text);
}

void show_selected_product(HWND window, WindowData& data) {
    // The entry's name comes from the product table, never back from the list box:
    // Wine hands a Unicode list box's text to an ANSI caller through a fixed buffer
    // of 512 characters and faults on a longer entry.
    const LRESULT entry = SendMessageA(list_of(window), LB_GETCURSEL, 0, 0);
    if (entry == LB_ERR) return;
    const Product* product = update_display_for_entry(data.state, static_cast<int>(entry));
    if (!product) return;
    SetDlgItemTextA(window, id_text1, product->description.c_str());
    SetDlgItemTextA(window, id_text2, data.state.selected_home_url.c_str());
    SetDlgItemTextA(window, id_text3, data.state.selected_download_url.c_str());
}

void on_command(HWND window, WindowData& data, int id, int code) {
    if (id == id_list1) {
        if (code == LBN_SELCHANGE) show_selected_product(window, data);
        if (code == LBN_DBLCLK) open_address(window, data.state.selected_home_url);
        return;
    }
    // Ids below Command1 include Enter's IDOK and Escape's IDCANCEL: neither is a button here.
    if (id < id_command1 || id > id_command6 || code != BN_CLICKED) return;
    // The buttons open the kept addresses: editing a text box changes nothing that is opened.
    switch (id) {
    case id_command1: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case id_command2: open_address(window, home_page_address(data.state.pid)); break;
    case id_command3:
    case id_command5: open_address(window, data.state.selected_home_url); break;
    case id_command4:
    case id_command6: open_address(window, data.state.selected_download_url); break;
    default: break;
    }
}

// The dialog manager does the keyboard: Tab and Shift+Tab in creation order, the
// focused button as the default one, access keys, and the focused control kept
// across deactivation.
LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) return ui::attach_data(window, new (std::nothrow) WindowData(), wparam, lparam);
    WindowData* data = ui::data_of<WindowData>(window);
    if (!data) return ui::default_procedure(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        ui::create_controls(window, frm_orvaneproducts_controls, ui::form_scale(window), data->controls);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (!is_label(reinterpret_cast<HWND>(lparam))) break;
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    case WM_COMMAND:
        on_command(window, *data, LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_NCDESTROY:
        return ui::release_data<WindowData>(window, wparam, lparam);
    default:
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_orvaneproducts{.name = "Orvane_Products.frm_orvaneproducts",
                                       .procedure = window_procedure,
                                       .dialog = true,
                                       .icon_id = icon_id};

}  // namespace

HWND create_frm_orvaneproducts() {
    HWND window = ui::create_fixed_form(frm_orvaneproducts, frm_orvaneproducts_caption,
                                        frm_orvaneproducts_client_width, frm_orvaneproducts_client_height, nullptr,
                                        nullptr);
    if (window) ui::centre_in_work_area(window);
    return window;
}

void load_frm_orvaneproducts(HWND window) {
    WindowData* data = ui::data_of<WindowData>(window);
    if (!data) return;
    data->state.app_folder = folder_of(ui::program_path());
    read_products_into_list(window, *data);
    HWND list = list_of(window);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        // A selection made in code sends no notification, so the first product is shown here.
        show_selected_product(window, *data);
    }
}

}  // namespace orvane::win32
