// frm_preview: the miniature in the Display Properties preview box. The hidden
// form is never shown; its picture `Picture1` moves into the host window, and a
// subclass on the picture's window stands watch for the close message.
#include "resources/resource_ids.h"
#include "shell/mode_windows_win32.h"
#include "shell/preview.h"
#include "shell/shell_win32.h"
#include "ui/forms_win32.h"
#include "ui/owners_win32.h"

namespace velmora::win32 {
namespace {

constexpr UINT_PTR timer1 = 1;

struct Preview {
    PreviewState state;
    HWND form = nullptr;
    HWND picture1 = nullptr;
    WNDPROC picture_procedure = nullptr;  // the picture window's own, behind the watch
    ui::GdiObject<HBITMAP> bitmap;
};

Preview& preview() {
    static Preview instance;
    return instance;
}

HWND host() {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(shell().host_window));
}

// The picture at its top-left corner, unscaled: a larger host shows black
// beside and below it, a smaller one crops it.
void paint_picture(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (HDC source = CreateCompatibleDC(dc)) {
        BITMAP size{};
        GetObjectA(preview().bitmap.get(), sizeof size, &size);
        HGDIOBJ old = SelectObject(source, preview().bitmap.get());
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK picture_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paint_picture(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills every pixel
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// The watch on the picture's window: it sees every message before the picture
// does. A close message from the host takes the picture back into the hidden
// form instead of destroying it; the next tick unloads the form.
LRESULT CALLBACK picture_watch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Preview& p = preview();
    if (preview_message_detaches(p.state, message)) {
        SetParent(window, p.form);
        return 0;
    }
    return CallWindowProcA(p.picture_procedure, window, message, wparam, lparam);
}

LRESULT CALLBACK preview_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER && wparam == timer1) {
        if (preview_should_unload(preview().state, IsWindow(host()) != FALSE)) DestroyWindow(window);
        return 0;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_preview{.name = "frm_preview", .procedure = preview_procedure};
const ui::FormClass picture_box{.name = "Velmora Preview Picture", .procedure = picture_procedure, .counted = false};

}  // namespace

void load_frm_preview() {
    Preview& p = preview();
    p.form = ui::create_form(frm_preview, "", WS_POPUP, 0, RECT{}, nullptr, nullptr);
    if (!p.form) return;
    p.bitmap.reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PREVIEW_PICTURE), IMAGE_BITMAP, 0, 0, 0)));
    p.picture1 = ui::create_form(picture_box, "", WS_CHILD | WS_VISIBLE, 0, RECT{}, p.form, nullptr);
    if (p.picture1) {
        p.picture_procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(p.picture1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(picture_watch)));
        // No host (0, or a handle that is not a window): the picture stays 0 x 0 in
        // the hidden form and the first tick ends the program.
        RECT client{};
        if (IsWindow(host()) && GetClientRect(host(), &client)) {
            p.state.host_client_rect = {client.left, client.top, client.right, client.bottom};
            MoveWindow(p.picture1, 0, 0, client.right - client.left, client.bottom - client.top, FALSE);
            SetParent(p.picture1, host());
        }
    }
    p.state.preview_attached = true;
    SetTimer(p.form, timer1, preview_timer_interval_ms, nullptr);
}

}  // namespace velmora::win32
