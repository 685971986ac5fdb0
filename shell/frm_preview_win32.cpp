// frm_preview: the miniature in the Display Properties preview box. For now the
// hidden form only watches its host and unloads itself when the host is gone.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "ui/forms_win32.h"

namespace velmora::win32 {
namespace {

constexpr UINT_PTR host_watch_timer = 1;

LRESULT CALLBACK preview_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER) {
        if (!IsWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(shell().host_window)))) DestroyWindow(window);
        return 0;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_preview{.name = "frm_preview", .procedure = preview_procedure};

}  // namespace

void load_frm_preview() {
    HWND form = ui::create_form(frm_preview, "", WS_POPUP, 0, RECT{}, nullptr, nullptr);
    if (form) SetTimer(form, host_watch_timer, 50, nullptr);
}

}  // namespace velmora::win32
