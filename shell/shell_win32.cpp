// The shared routines over the real system calls, and the program's lifetime.
#include "shell/shell_win32.h"

#include "shell/shell_routines.h"
#include "ui/message_loop_win32.h"
#include "ui/twips.h"

#include <mmsystem.h>

namespace velmora::win32 {

ShellState& shell() {
    static ShellState state;
    return state;
}

void mark_saver_running() {
    velmora::mark_saver_running([](unsigned action, unsigned parameter, std::uint32_t* output, unsigned flag) {
        SystemParametersInfoA(action, parameter, output, flag);
    });
}

void mark_saver_stopped() {
    velmora::mark_saver_stopped([](unsigned action, unsigned parameter, std::uint32_t* output, unsigned flag) {
        SystemParametersInfoA(action, parameter, output, flag);
    });
}

void show_cursor() {
    velmora::show_cursor([](bool show) { return ShowCursor(show ? TRUE : FALSE); });
}

void hide_cursor() {
    velmora::hide_cursor([](bool show) { return ShowCursor(show ? TRUE : FALSE); });
}

std::int32_t elapsed_ms() {
    return static_cast<std::int32_t>(timeGetTime());
}

void center_form(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const float tx = shell().twips_per_pixel_x, ty = shell().twips_per_pixel_y;
    const auto [left, top] = centred_position(
        GetSystemMetrics(SM_CXSCREEN) * tx, GetSystemMetrics(SM_CYSCREEN) * ty,
        (bounds.right - bounds.left) * tx, (bounds.bottom - bounds.top) * ty);
    SetWindowPos(window, nullptr, twips_to_pixels_x(left), twips_to_pixels_y(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    process_pending_events();
}

bool no_window_titled(const char* caption) {
    return FindWindowA(nullptr, caption) == nullptr;
}

void load_settings() {
    velmora::load_settings(shell().settings, registry_settings());
}

void save_settings() {
    velmora::save_settings(shell().settings, registry_settings());
}

void process_pending_events() {
    if (!ui::pump_pending_messages()) shell().saver_running = false;
}

int twips_to_pixels_x(double twips) {
    return ui::twips_to_pixels(twips, shell().twips_per_pixel_x);
}

int twips_to_pixels_y(double twips) {
    return ui::twips_to_pixels(twips, shell().twips_per_pixel_y);
}

}  // namespace velmora::win32
