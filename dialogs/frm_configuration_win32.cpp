// frm_configuration: the settings dialog. Its controls come from the layout
// table; every decision (which item is lit, where the frame goes, what closing
// saves) is the platform-free logic's, and this file only carries mouse moves,
// clicks and control values between the two.
//
// The text items are static controls that take the mouse, so each is a window
// holding its own text. The highlight frame Shape1 is a child window too: a
// ring-shaped window above the items, which lets the mouse through. Lighting an
// item repaints that item and moves the ring; nothing else is drawn again.
#include "dialogs/configuration.h"
#include "dialogs/frm_about_win32.h"
#include "dialogs/shell_open_win32.h"
#include "resources/resource_ids.h"
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "ui/controls_win32.h"
#include "ui/forms_win32.h"
#include "ui/window_data_win32.h"
#include "ui/program_win32.h"
#include "ui/twips.h"

#include <commctrl.h>
#include <objbase.h>
#include <uxtheme.h>

#include <algorithm>
#include <new>

namespace velmora::win32 {
namespace {

// The frame's line: one pixel at 96 DPI, thicker as the DPI grows.
constexpr int shape1_line_twips = 15;

struct ConfigurationWindow {
    ConfigurationState state = opening_state();
    ui::FormControls controls;
    ui::GdiObject<HBITMAP> picture;  // shown by Image1, which does not own it
    ui::Scale scale;                 // the scale the controls are placed at
    HWND shape1 = nullptr;
    HCURSOR hand = nullptr;          // shared resource: never destroyed
};


COLORREF colorref(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

bool is_item(int control_id) {
    return std::any_of(configuration_items.begin(), configuration_items.end(),
                       [control_id](const ConfigurationItem& item) { return item.id == control_id; });
}

// --- Shape1 -----------------------------------------------------------------

LRESULT CALLBACK shape1_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    // The frame is drawn over the items but is no control: the mouse goes through it.
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        SetDCBrushColor(dc, colorref(blue));
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    default: return ui::default_procedure(window, message, wparam, lparam);
    }
}

const ui::FormClass shape1_class{.name = "frm_configuration.Shape1", .procedure = shape1_procedure, .counted = false};

// Shows the ring where the state puts the frame, or hides it.
void place_shape1(ConfigurationWindow& data) {
    if (!data.shape1) return;
    if (!data.state.shape1_visible) {
        ShowWindow(data.shape1, SW_HIDE);
        return;
    }
    const TwipsRect& frame = data.state.shape1;
    const ui::PixelRect outer = ui::to_pixels(frame.left, frame.top, frame.width, frame.height, data.scale);
    const int line = std::max(1, ui::twips_to_pixels(shape1_line_twips, data.scale.x));
    HRGN ring = CreateRectRgn(0, 0, outer.width, outer.height);
    HRGN inside = CreateRectRgn(line, line, outer.width - line, outer.height - line);
    CombineRgn(ring, ring, inside, RGN_DIFF);
    DeleteObject(inside);
    SetWindowRgn(data.shape1, ring, TRUE);  // the window owns the region from here
    SetWindowPos(data.shape1, HWND_TOP, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// --- the items --------------------------------------------------------------

void show_change(HWND window, ConfigurationWindow& data, const HoverChange& change) {
    for (int id : change.recoloured) InvalidateRect(GetDlgItem(window, id), nullptr, TRUE);
    if (change.frame_changed) place_shape1(data);
}

// Each item's own mouse moves (Label2_MouseMove, Check2_MouseMove, ...).
LRESULT CALLBACK item_subclass(HWND item, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_MOUSEMOVE) {
        HWND window = GetParent(item);
        if (ConfigurationWindow* data = ui::data_of<ConfigurationWindow>(window))
            show_change(window, *data, item_mouse_move(data->state, GetDlgCtrlID(item)));
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(item, item_subclass, id);
    return DefSubclassProc(item, message, wparam, lparam);
}

void create_configuration_controls(HWND window, ConfigurationWindow& data) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    data.scale = ui::form_scale(window);
    ui::create_controls(window, frm_configuration_controls, data.scale, data.controls);

    data.picture.reset(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_TITLE_PICTURE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    SendDlgItemMessageA(window, id_image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(data.picture.get()));
    data.hand = static_cast<HCURSOR>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDC_HAND_CURSOR), IMAGE_CURSOR, 32, 32, LR_SHARED));

    for (const ConfigurationItem& item : configuration_items) {
        HWND control = GetDlgItem(window, item.id);
        if (!control) continue;
        SetWindowSubclass(control, item_subclass, 1, 0);
        // A themed check box or option button draws its text in the theme's colour,
        // whatever WM_CTLCOLORSTATIC says: these keep the classic look and their colours.
        if (item.id == id_check2 || speed_of_option(item.id) != no_speed_selected)
            SetWindowTheme(control, L"", L"");
    }

    // A child of the dialog, hidden until the pointer lights an item.
    data.shape1 = ui::create_form(shape1_class, "", WS_CHILD | WS_CLIPSIBLINGS, 0, RECT{}, window, nullptr);
    if (data.shape1) SetWindowLongPtrA(data.shape1, GWLP_ID, id_shape1);
}

// --- the settings -----------------------------------------------------------

void show_choices(HWND window, const ConfigurationChoices& choices) {
    CheckDlgButton(window, id_check2, choices.music_checked ? BST_CHECKED : BST_UNCHECKED);
    if (const int option = option_for_speed(choices.selected_speed)) CheckDlgButton(window, option, BST_CHECKED);
}

ConfigurationChoices read_choices(HWND window) {
    ConfigurationChoices choices;
    choices.music_checked = IsDlgButtonChecked(window, id_check2) == BST_CHECKED;
    for (int speed = 0; speed <= 2; ++speed)
        if (IsDlgButtonChecked(window, option_for_speed(speed)) == BST_CHECKED) choices.selected_speed = speed;
    return choices;
}

// Label1, Label2, Label5, Label7 and Label8 clicked. The window may be gone when a
// modal dialog returns (closing the settings dialog closes its dialogs too), so
// nothing of it is used after one.
void item_click(HWND window, int control_id) {
    switch (control_id) {
    case id_label1: shell_open(window, maker_home_page); break;
    case id_label2: show_frm_about(window); break;
    case id_label5: shell_open(window, catalogue_document(shell().settings)); break;
    case id_label7: show_frm_newpassword_modal(window); break;
    // Closed from the message loop, not from inside the label's own click.
    case id_label8: PostMessageA(window, WM_CLOSE, 0, 0); break;
    default: break;
    }
}

LRESULT CALLBACK configuration_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) return ui::attach_data(window, new (std::nothrow) ConfigurationWindow(), wparam, lparam);
    ConfigurationWindow* data = ui::data_of<ConfigurationWindow>(window);
    if (!data) return ui::default_procedure(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        create_configuration_controls(window, *data);
        return 0;
    // The dialog manager paints the background with this brush, not the class's.
    case WM_CTLCOLORDLG: return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, colorref(fore_colour(data->state, GetDlgCtrlID(reinterpret_cast<HWND>(lparam)))));
        SetBkColor(dc, colorref(black));
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    }
    case WM_SETCURSOR:
        if (LOWORD(lparam) == HTCLIENT && data->hand && reinterpret_cast<HWND>(wparam) != window &&
            is_item(GetDlgCtrlID(reinterpret_cast<HWND>(wparam)))) {
            SetCursor(data->hand);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        show_change(window, *data, form_mouse_move(data->state));
        return 0;
    case WM_COMMAND:
        if (HIWORD(wparam) == STN_CLICKED && is_item(LOWORD(wparam))) item_click(window, LOWORD(wparam));
        return 0;
    case WM_DPICHANGED: {
        // The layer places the controls for the new DPI; the frame follows them.
        const LRESULT result = ui::default_procedure(window, message, wparam, lparam);
        data->scale = ui::Scale::at_dpi(LOWORD(wparam), HIWORD(wparam));
        place_shape1(*data);
        return result;
    }
    // "Exit" and the close box: the controls become the settings, which are saved;
    // then the program ends with its last window.
    case WM_CLOSE:
        update_settings(read_choices(window), shell().settings, registry_settings());
        DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        return ui::release_data<ConfigurationWindow>(window, wparam, lparam);
    default:
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_configuration{.name = "frm_configuration",
                                      .procedure = configuration_procedure,
                                      .dialog = true,
                                      .icon_id = 1};

}  // namespace

void show_frm_configuration() {
    // ShellExecute may hand the document or the address to a shell extension, which wants COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common_controls);

    const ui::ProgramVersion version = ui::program_version();
    const std::string caption = configuration_caption(version.major, version.minor, version.revision);
    HWND window = ui::create_fixed_form(frm_configuration, caption.c_str(), frm_configuration_client_width,
                                        frm_configuration_client_height, nullptr, nullptr);
    if (!window) return;
    center_form(window);
    load_settings();
    show_choices(window, choices_for(shell().settings));
    ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
