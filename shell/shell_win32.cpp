// The shared routines over the real system calls, and the program's lifetime.
#include "shell/shell_win32.h"

#include "shell/shell_routines.h"
#include "shell/twips.h"

#include <mmsystem.h>

namespace velmora::win32 {
namespace {

int open_windows = 0;

LRESULT CALLBACK counted_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) note_window_destroyed();
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

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
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            shell().saver_running = false;
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

int twips_to_pixels_x(double twips) {
    return velmora::twips_to_pixels(twips, shell().twips_per_pixel_x);
}

int twips_to_pixels_y(double twips) {
    return velmora::twips_to_pixels(twips, shell().twips_per_pixel_y);
}

void note_window_opened() {
    ++open_windows;
}

void note_window_destroyed() {
    if (--open_windows <= 0) PostQuitMessage(0);
}

int open_window_count() {
    return open_windows;
}

HWND create_dialog_window(const char* class_name, const char* caption, double client_width_twips,
                          double client_height_twips, WNDPROC procedure, void* creation_data) {
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), class_name, &window_class)) {
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = procedure ? procedure : counted_window_procedure;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
        window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = class_name;
        RegisterClassExA(&window_class);
    }
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, twips_to_pixels_x(client_width_twips), twips_to_pixels_y(client_height_twips)};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, class_name, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), creation_data);
    if (window) {
        note_window_opened();
        center_form(window);
    }
    return window;
}

}  // namespace velmora::win32
