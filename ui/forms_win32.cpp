#include "ui/forms_win32.h"

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
    // The last counted window gone: the program's message loop ends.
    if (message == WM_NCDESTROY && form->counted && live_windows().closed()) PostQuitMessage(0);
    return result;
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
    const Scale scale = screen_scale();
    // No WS_CLIPCHILDREN: see-through labels show the form painted behind them.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, twips_to_pixels(client_width_twips, scale.x), twips_to_pixels(client_height_twips, scale.y)};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    OffsetRect(&frame, -frame.left, -frame.top);
    return create_form(form, caption, style, ex_style, frame, owner, data);
}

void centre_in_work_area(HWND window) {
    RECT bounds, work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(window, &bounds);
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
