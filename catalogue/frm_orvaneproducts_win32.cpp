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
#include "catalogue/twips.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
#include <string>

namespace orvane::win32 {
namespace {

constexpr const char* window_class = "Orvane_Products.frm_orvaneproducts";
constexpr WORD icon_id = 1;

struct WindowData {
    CatalogueState state;
    HFONT bold_font = nullptr;
    HWND focus = nullptr;  // the control that gets the focus back when the window is activated
};

WindowData* data_of(HWND window) { return reinterpret_cast<WindowData*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

// Twips per pixel across and down, from this screen's DPI.
struct Scale {
    int x, y;
};

Scale screen_scale() {
    HDC screen = GetDC(nullptr);
    const Scale scale{twips_per_pixel(GetDeviceCaps(screen, LOGPIXELSX)),
                      twips_per_pixel(GetDeviceCaps(screen, LOGPIXELSY))};
    ReleaseDC(nullptr, screen);
    return scale;
}

const char* class_of(ControlKind kind) {
    switch (kind) {
    case ControlKind::label: return "STATIC";
    case ControlKind::list_box: return "LISTBOX";
    case ControlKind::button: return "BUTTON";
    case ControlKind::text_box: return "EDIT";
    }
    return "STATIC";
}

DWORD style_of(const ControlLayout& control) {
    DWORD style = WS_CHILD | WS_VISIBLE | (control.tab_index >= 0 ? WS_TABSTOP : 0);
    switch (control.kind) {
    // Labels are painted see-through over the window (see WM_CTLCOLORSTATIC): where two
    // overlap, as Label1 and Label3 do, both texts show.
    case ControlKind::label: return style | SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT);
    // No integral height: the list keeps the height of the layout; not sorted: file order.
    case ControlKind::list_box: return style | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    // BS_NOTIFY reports focus changes, so the focused button can be made the default one.
    case ControlKind::button: return style | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_MULTILINE | BS_NOTIFY;
    case ControlKind::text_box:
        style |= WS_CLIPSIBLINGS;
        return control.multi_line ? style | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                  : style | ES_AUTOHSCROLL;
    }
    return style;
}

DWORD ex_style_of(const ControlLayout& control) {
    return control.kind == ControlKind::list_box || control.kind == ControlKind::text_box ? WS_EX_CLIENTEDGE : 0;
}

void add_tooltip(HWND tooltips, HWND window, HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void create_controls(HWND window, WindowData& data, HINSTANCE instance) {
    const Scale scale = screen_scale();
    const auto dialog_font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    data.bold_font = CreateFontA(-twips_to_pixels(bold_label_font_height, scale.y), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, bold_label_font);
    HWND tooltips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                    instance, nullptr);
    for (const ControlLayout* control : creation_order()) {
        HWND child = CreateWindowExA(
            ex_style_of(*control), class_of(control->kind), control->text, style_of(*control),
            twips_to_pixels(control->left, scale.x), twips_to_pixels(control->top, scale.y),
            twips_to_pixels(control->width, scale.x), twips_to_pixels(control->height, scale.y), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance, nullptr);
        if (!child) continue;
        const WPARAM font = control->bold && data.bold_font ? reinterpret_cast<WPARAM>(data.bold_font) : dialog_font;
        SendMessageA(child, WM_SETFONT, font, FALSE);
        if (control->tooltip && tooltips) add_tooltip(tooltips, window, child, control->tooltip);
    }
}

std::string program_path() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path may have been cut short: try again with more room.
        if (length < path.size() || path.size() >= 32768) {
            path.resize(std::min<std::size_t>(length, path.size()));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

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

void on_command(HWND window, WindowData& data, int id, int code, HWND control) {
    if (id == id_list1) {
        if (code == LBN_SELCHANGE) show_selected_product(window, data);
        if (code == LBN_DBLCLK) open_address(window, data.state.selected_home_url);
        return;
    }
    if (id < id_command1 || id > id_command6) return;  // also Enter's IDOK and Escape's IDCANCEL
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
        // The focused button is the default one: Enter presses it, and it looks so.
        SendMessageA(control, BM_SETSTYLE, code == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        return;
    }
    if (code != BN_CLICKED) return;
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

// A multi-line text box asks for the next control with WM_NEXTDLGCTL when Tab is
// pressed, as inside a dialog; without this the focus would stay in it for good.
void move_focus(HWND window, WPARAM wparam, LPARAM lparam) {
    HWND next = LOWORD(lparam) ? reinterpret_cast<HWND>(wparam) : GetNextDlgTabItem(window, GetFocus(), wparam != 0);
    if (!next) return;
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* data = new (std::nothrow) WindowData();
        if (!data) return FALSE;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
        return DefWindowProcA(window, message, wparam, lparam);
    }
    WindowData* data = data_of(window);
    if (!data) return DefWindowProcA(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        create_controls(window, *data, reinterpret_cast<CREATESTRUCTA*>(lparam)->hInstance);
        return 0;
    case WM_ACTIVATE:
        // The window keeps its focused control across deactivation, as a dialog does.
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) data->focus = focus;
        } else {
            SetFocus(data->focus && IsWindow(data->focus) ? data->focus : GetDlgItem(window, id_command2));
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        if (!is_label(reinterpret_cast<HWND>(lparam))) return DefWindowProcA(window, message, wparam, lparam);
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    case WM_NEXTDLGCTL:
        move_focus(window, wparam, lparam);
        return 0;
    case WM_COMMAND:
        on_command(window, *data, LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (data->bold_font) DeleteObject(data->bold_font);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete data;
        return DefWindowProcA(window, message, wparam, lparam);
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

HICON program_icon(HINSTANCE instance, int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(icon_id), IMAGE_ICON,
                                         GetSystemMetrics(width_metric), GetSystemMetrics(height_metric), 0));
}

}  // namespace

HWND create_frm_orvaneproducts(HINSTANCE instance) {
    WNDCLASSEXA window_class_info{};
    window_class_info.cbSize = sizeof window_class_info;
    window_class_info.lpfnWndProc = window_procedure;
    window_class_info.hInstance = instance;
    window_class_info.hIcon = program_icon(instance, SM_CXICON, SM_CYICON);
    window_class_info.hIconSm = program_icon(instance, SM_CXSMICON, SM_CYSMICON);
    window_class_info.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    window_class_info.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class_info.lpszClassName = window_class;
    if (!RegisterClassExA(&window_class_info)) return nullptr;

    // A close box, and neither a minimize nor a maximize button.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const Scale scale = screen_scale();
    RECT frame{0, 0, twips_to_pixels(frm_orvaneproducts_client_width, scale.x),
               twips_to_pixels(frm_orvaneproducts_client_height, scale.y)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = std::max<int>(work.left, work.left + (work.right - work.left - width) / 2);
    const int top = std::max<int>(work.top, work.top + (work.bottom - work.top - height) / 2);
    return CreateWindowExA(0, window_class, frm_orvaneproducts_caption, style, left, top, width, height, nullptr,
                           nullptr, instance, nullptr);
}

void load_frm_orvaneproducts(HWND window) {
    WindowData* data = data_of(window);
    if (!data) return;
    data->state.app_folder = folder_of(program_path());
    read_products_into_list(window, *data);
    HWND list = list_of(window);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        // A selection made in code sends no notification, so the first product is shown here.
        show_selected_product(window, *data);
    }
}

}  // namespace orvane::win32
