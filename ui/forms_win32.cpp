#include "ui/forms_win32.h"

#include "ui/controls_win32.h"
#include "ui/layout.h"
#include "ui/program_win32.h"
#include "ui/twips.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

struct Registered {
    ATOM atom;
    const FormClass* form;
};

// A handful of classes per program: a short list is the simplest look-up.
std::vector<Registered>& registered() {
    static std::vector<Registered> classes;
    return classes;
}

// What the layer keeps on a form, as window properties: its client size in twips
// (fixed forms) and the DPI it was last told of by WM_DPICHANGED.
constexpr const char* client_width_property = "ui.client_width_twips";
constexpr const char* client_height_property = "ui.client_height_twips";
constexpr const char* dpi_property = "ui.dpi";

const FormClass* form_of(HWND window) {
    const auto atom = static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM));
    for (const Registered& entry : registered())
        if (entry.atom == atom) return entry.form;
    return nullptr;
}

LRESULT CALLBACK form_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const FormClass* form = form_of(window);
    if (!form) return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCCREATE && form->counted) live_windows().opened();
    const LRESULT result = form->procedure ? form->procedure(window, message, wparam, lparam)
                                           : default_procedure(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        for (const char* property :
             {client_width_property, client_height_property, dpi_property, form_controls_property})
            RemovePropA(window, property);
        // The last counted window gone: the program's message loop ends.
        if (form->counted && live_windows().closed()) PostQuitMessage(0);
    }
    return result;
}

// The outer size of a window with this style whose client area is so many twips, at
// this DPI. Windows 10 sizes the frame of a per-monitor window for its monitor's DPI.
RECT frame_for_client(int client_width_twips, int client_height_twips, int dpi_x, int dpi_y, DWORD style,
                      DWORD ex_style) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust_for_dpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
    const Scale scale = Scale::at_dpi(dpi_x, dpi_y);
    RECT frame{0, 0, twips_to_pixels(client_width_twips, scale.x), twips_to_pixels(client_height_twips, scale.y)};
    if (!adjust_for_dpi || !adjust_for_dpi(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi_y)))
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    OffsetRect(&frame, -frame.left, -frame.top);
    return frame;
}

// A new DPI: a fixed form takes the size of its twips at it, where Windows suggests
// (on the monitor the form has moved to), and its controls are laid out again.
void follow_dpi_change(HWND window, WPARAM dpis, const RECT* suggested) {
    const int dpi_x = LOWORD(dpis), dpi_y = HIWORD(dpis);
    if (dpi_x <= 0 || dpi_y <= 0) return;
    const Scale scale = Scale::at_dpi(dpi_x, dpi_y);
    SetPropA(window, dpi_property, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(MAKELONG(dpi_x, dpi_y))));
    const auto width_twips = reinterpret_cast<INT_PTR>(GetPropA(window, client_width_property));
    const auto height_twips = reinterpret_cast<INT_PTR>(GetPropA(window, client_height_property));
    if (width_twips > 0 && height_twips > 0) {
        const RECT frame = frame_for_client(static_cast<int>(width_twips), static_cast<int>(height_twips), dpi_x,
                                            dpi_y, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                                            static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
        RECT now;
        GetWindowRect(window, &now);
        const POINT at = suggested ? POINT{suggested->left, suggested->top} : POINT{now.left, now.top};
        SetWindowPos(window, nullptr, at.x, at.y, frame.right, frame.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        // Where the frame is drawn at another DPI than the one computed with (a
        // system that scales no frames), the client area is made right by measure.
        RECT client;
        GetClientRect(window, &client);
        const int short_x = twips_to_pixels(static_cast<double>(width_twips), scale.x) - client.right;
        const int short_y = twips_to_pixels(static_cast<double>(height_twips), scale.y) - client.bottom;
        if (short_x != 0 || short_y != 0)
            SetWindowPos(window, nullptr, 0, 0, frame.right + short_x, frame.bottom + short_y,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    relayout_controls(window, scale);
}

bool register_form(const FormClass& form) {
    for (const Registered& entry : registered())
        if (entry.form == &form) return true;
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = form.class_style;
    window_class.lpfnWndProc = form_procedure;
    window_class.cbWndExtra = form.dialog ? DLGWINDOWEXTRA : 0;
    window_class.hInstance = GetModuleHandleA(nullptr);
    if (form.icon_id) window_class.hIcon = LoadIconA(window_class.hInstance, MAKEINTRESOURCEA(form.icon_id));
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = form.background ? form.background : GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = form.name;
    const ATOM atom = RegisterClassExA(&window_class);
    if (!atom) return false;
    registered().push_back({atom, &form});
    return true;
}

}  // namespace

LRESULT default_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DPICHANGED) {
        follow_dpi_change(window, wparam, reinterpret_cast<const RECT*>(lparam));
        return 0;
    }
    const FormClass* form = form_of(window);
    if (!form || !form->dialog) return DefWindowProcA(window, message, wparam, lparam);
    // The close box unloads a form, as it does any window; the dialog manager would
    // turn it into Escape's IDCANCEL instead.
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    return DefDlgProcA(window, message, wparam, lparam);
}

HWND create_form(const FormClass& form, const char* caption, DWORD style, DWORD ex_style, RECT place, HWND owner,
                 void* data) {
    if (!register_form(form)) return nullptr;
    return CreateWindowExA(ex_style, form.name, caption, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, owner, nullptr, GetModuleHandleA(nullptr), data);
}

HWND create_fixed_form(const FormClass& form, const char* caption, int client_width_twips, int client_height_twips,
                       HWND owner, void* data) {
    // No WS_CLIPCHILDREN: see-through labels show the form painted behind them.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    // Made on the monitor it opens on, so that Windows gives it that monitor's DPI
    // from the start and its controls are laid out once, at that DPI.
    HMONITOR monitor = owner ? MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY)
                             : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO place{};
    place.cbSize = sizeof place;
    if (!GetMonitorInfoA(monitor, &place)) place.rcWork = RECT{0, 0, 0, 0};
    const int dpi = monitor_dpi(monitor);
    RECT frame = frame_for_client(client_width_twips, client_height_twips, dpi, dpi, style, ex_style);
    OffsetRect(&frame, place.rcWork.left, place.rcWork.top);
    HWND window = create_form(form, caption, style, ex_style, frame, owner, data);
    if (window) {
        SetPropA(window, client_width_property, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(client_width_twips)));
        SetPropA(window, client_height_property, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(client_height_twips)));
    }
    return window;
}

Scale form_scale(HWND form) {
    if (const auto dpis = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(GetPropA(form, dpi_property))); dpis != 0)
        return Scale::at_dpi(LOWORD(dpis), HIWORD(dpis));
    const int dpi = window_dpi(form);
    return Scale::at_dpi(dpi, dpi);
}

void centre_in_work_area(HWND window) {
    RECT bounds, work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(window, &bounds);
    HWND owner = GetWindow(window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        work = monitor.rcWork;
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    // A form larger than the work area keeps its caption on screen.
    const int left = std::max<int>(work.left, work.left + (work.right - work.left - width) / 2);
    const int top = std::max<int>(work.top, work.top + (work.bottom - work.top - height) / 2);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool is_dialog(HWND window) {
    const FormClass* form = window ? form_of(window) : nullptr;
    return form && form->dialog;
}

LiveWindows& live_windows() {
    static LiveWindows windows;
    return windows;
}

}  // namespace ui
