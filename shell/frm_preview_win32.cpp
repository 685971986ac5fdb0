// frm_preview: the miniature in the Display Properties preview box. For now the
// hidden form only watches its host and unloads itself when the host is gone.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"

namespace velmora::win32 {
namespace {

constexpr UINT_PTR host_watch_timer = 1;

LRESULT CALLBACK preview_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_TIMER:
        if (!IsWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(shell().host_window)))) DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        note_window_destroyed();
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void load_frm_preview() {
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = preview_procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "frm_preview";
    RegisterClassExA(&window_class);
    HWND form = CreateWindowExA(0, "frm_preview", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!form) return;
    note_window_opened();
    SetTimer(form, host_watch_timer, 50, nullptr);
}

}  // namespace velmora::win32
