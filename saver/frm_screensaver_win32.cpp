// The full-screen saver window: black, borderless, covering every monitor, top-most,
// with the cursor hidden. The scene runs on the primary monitor; the others stay
// black. Its handlers only feed the frame loop's counters; the loop itself runs
// from the first activation (frm_screensaver.cpp).
#include "password/password_win32.h"
#include "saver/frame_trace_win32.h"
#include "saver/frm_screensaver.h"
#include "saver/gdi_blitter_win32.h"
#include "saver/mci_control_win32.h"
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "shell/startup.h"
#include "ui/forms_win32.h"

#include <mmsystem.h>

#include <memory>

namespace velmora::win32 {
namespace {

constexpr UINT first_activation_message = WM_APP + 1;
constexpr UINT_PTR music_status_timer = 1;
constexpr UINT music_status_interval_ms = 1000;

class Win32SaverPlatform final : public SaverPlatform {
public:
    explicit Win32SaverPlatform(HWND window) : window_(window) {}

    std::int32_t elapsed_ms() override { return win32::elapsed_ms(); }
    void process_pending_events() override { win32::process_pending_events(); }
    bool wait_for_events(std::uint32_t timeout_ms) override {
        return MsgWaitForMultipleObjectsEx(0, nullptr, timeout_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0;
    }
    void hide_cursor() override { win32::hide_cursor(); }
    void show_cursor() override { win32::show_cursor(); }
    void mark_saver_running() override { win32::mark_saver_running(); }
    void mark_saver_stopped() override { win32::mark_saver_stopped(); }
    void make_topmost() override {
        RECT bounds;
        GetWindowRect(window_, &bounds);
        SetWindowPos(window_, HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, 0);
    }
    void settle_window() override {
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        win32::process_pending_events();
        repaints_itself = false;
    }
    bool password_protection_on() override { return win32::password_protection_on(); }
    void show_password_prompt() override {
        if (prompt_flags) show_frm_checkpassword(window_, *prompt_flags);
    }
    void unload_window() override { SendMessageA(window_, WM_CLOSE, 0, 0); }
    void frame_presented() override { trace_.frame_presented(); }

    bool repaints_itself = true;
    FrameLoopState* prompt_flags = nullptr;  // what the prompt clears when it closes

private:
    HWND window_;
    FrameTrace trace_;
};

// The buffers are made at the first activation, once the window has its own DC;
// until then (and for any transfer asked before) nothing is drawn.
class DeferredBlitter final : public Blitter {
public:
    void create(HWND window) { gdi_ = std::make_unique<GdiBlitter>(window); }
    void release() { gdi_.reset(); }
    void bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                 RasterOp op) override {
        if (gdi_) gdi_->bit_blt(destination, x, y, w, h, source, source_x, source_y, op);
    }
    void stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                     int source_w, int source_h, RasterOp op) override {
        if (gdi_) gdi_->stretch_blt(destination, x, y, w, h, source, source_x, source_y, source_w, source_h, op);
    }
    void resize(Surface buffer, int width, int height) override {
        if (gdi_) gdi_->resize(buffer, width, height);
    }
    void flush_screen() override {
        if (gdi_) gdi_->flush_screen();
    }

private:
    std::unique_ptr<GdiBlitter> gdi_;
};

// Everything the window owns, created with it and freed when it goes.
struct SaverWindow {
    explicit SaverWindow(HWND window)
        : platform(window),
          random([] { return static_cast<std::uint32_t>(win32::elapsed_ms()); }),
          control(window),
          saver{shell(), registry_settings(), platform, blitter, random, control} {
        platform.prompt_flags = &saver.loop;
    }

    Win32SaverPlatform platform;
    DeferredBlitter blitter;
    ClockSeededRandom random;
    MciControl control;
    ScreenSaver saver;
    bool activation_posted = false;
    // The frame loop unloads the window from inside its own activation: what the
    // window owns is freed only once that activation has returned.
    bool in_activation = false;
    bool destroyed = false;
};

SaverWindow* saver_of(HWND window) {
    return reinterpret_cast<SaverWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The desktop of every monitor together.
RECT all_monitors() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The scene's screen: the primary monitor, whose top-left corner is the desktop's (0, 0).
Screen primary_screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Puts the window over every monitor (maximised it would cover one) and draws in
// desktop coordinates: the window's own DC, which the buffers' transfers use too,
// has the desktop's (0, 0), the primary monitor's corner, as its origin.
void cover_every_monitor(HWND window) {
    const RECT all = all_monitors();
    SetWindowPos(window, nullptr, all.left, all.top, all.right - all.left, all.bottom - all.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    HDC own = GetDC(window);
    SetViewportOrgEx(own, -corner.x, -corner.y, nullptr);
    ReleaseDC(window, own);
}

// The window's area in desktop coordinates.
RECT desktop_area_of(HWND window, RECT client_area) {
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    OffsetRect(&client_area, corner.x, corner.y);
    return client_area;
}

void run_first_activation(HWND window, SaverWindow& owner) {
    owner.in_activation = true;
    cover_every_monitor(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    process_pending_events();
    owner.blitter.create(window);
    SetTimer(window, music_status_timer, music_status_interval_ms, nullptr);
    Form_Activate(owner.saver, primary_screen());
    owner.in_activation = false;
}

// A new resolution or another set of monitors: the window covers them all again
// and turns black at once, before the next frame; the scene then goes on on the
// primary monitor at its new size.
void follow_display_change(HWND window, SaverWindow& owner) {
    cover_every_monitor(window);
    RECT client;
    GetClientRect(window, &client);
    const RECT area = desktop_area_of(window, client);
    HDC own = GetDC(window);
    FillRect(own, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, own);
    Form_DisplayChange(owner.saver, primary_screen());
}

LRESULT CALLBACK saver_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    SaverWindow* owner = saver_of(window);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new SaverWindow(window)));
        break;
    case WM_CREATE:
        timeBeginPeriod(1);  // frames of 50 ms, not stretched to the 15.6 ms tick
        Form_Load(owner->saver);
        return 0;
    case WM_DISPLAYCHANGE:
        if (owner) follow_display_change(window, *owner);
        return 0;
    case WM_ACTIVATE:
        // The frame loop runs from a message of its own: the activation must finish
        // first, so that the window holds the keyboard focus while the loop runs.
        if (owner && LOWORD(wparam) != WA_INACTIVE && !owner->activation_posted) {
            owner->activation_posted = true;
            PostMessageA(window, first_activation_message, 0, 0);
        }
        break;
    case first_activation_message:
        run_first_activation(window, *owner);
        if (owner->destroyed) delete owner;
        return 0;
    case WM_MOUSEACTIVATE:
        // A click on the animation while the password prompt is open still counts,
        // but leaves the keyboard with the prompt.
        if (owner && owner->saver.loop.pw_shown == 1) return MA_NOACTIVATE;
        break;
    case WM_MOUSEMOVE:
        Form_MouseMove(owner->saver);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Form_Click(owner->saver);
        return 0;
    case WM_CHAR:
        Form_KeyPress(owner->saver);
        return 0;
    case WM_TIMER:
        if (wparam == music_status_timer) MMControl1_StatusUpdate(owner->saver.playlist, owner->control);
        return 0;
    case WM_SYSCOMMAND:
        // No second screen saver over this one.
        if ((wparam & 0xFFF0) == SC_SCREENSAVE) return 0;
        break;
    case WM_ERASEBKGND:
        if (owner && !owner->platform.repaints_itself) return 1;
        break;
    case WM_PAINT:
        if (owner && !owner->platform.repaints_itself) {
            // Uncovered parts show the frame as last composed, sprites included, on
            // the primary monitor, and black on the others.
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            const RECT area = desktop_area_of(window, paint.rcPaint);
            FillRect(paint.hdc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            const Screen& scene = owner->saver.loop.screen;
            RECT frame{0, 0, scene.screen_width, scene.screen_height}, r;
            if (IntersectRect(&r, &area, &frame))
                owner->blitter.bit_blt(Surface::screen, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                       Surface::background_work, r.left, r.top, RasterOp::srccopy);
            EndPaint(window, &paint);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (!Form_Unload(owner->saver)) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, music_status_timer);
        timeEndPeriod(1);
        owner->blitter.release();  // its DC belongs to the window
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (owner->in_activation) owner->destroyed = true;
        else delete owner;
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_screensaver{.name = "frm_screensaver",
                                    .procedure = saver_procedure,
                                    .class_style = CS_OWNDC,
                                    .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
                                    .icon_id = 1};

}  // namespace

void show_frm_screensaver() {
    // Top-most comes with the first activation, once the window is set up.
    HWND window = ui::create_form(frm_screensaver, saver_window_caption, WS_POPUP, 0, all_monitors(), nullptr, nullptr);
    if (!window) {
        shell().saver_running = false;  // nothing to wait for
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    // Should the system not activate us (another program holding the foreground),
    // the saver still starts.
    if (SaverWindow* owner = saver_of(window); owner && !owner->activation_posted) {
        owner->activation_posted = true;
        PostMessageA(window, first_activation_message, 0, 0);
    }
}

}  // namespace velmora::win32
