#include "ui/program_win32.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

int screen_dpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Per-monitor DPI came with Windows 8.1 (shcore) and 10 (user32): looked up by
// name, so the program still starts on the Windows before them.
template <class Function>
Function system_function(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

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

int screen_dpi_x() { return screen_dpi(LOGPIXELSX); }
int screen_dpi_y() { return screen_dpi(LOGPIXELSY); }
Scale screen_scale() { return Scale::at_dpi(screen_dpi_x(), screen_dpi_y()); }

int monitor_dpi(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto get_dpi_for_monitor = system_function<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    constexpr int effective_dpi = 0;  // MDT_EFFECTIVE_DPI: the DPI the user chose for that monitor
    UINT dpi_x = 0, dpi_y = 0;
    if (monitor && get_dpi_for_monitor && SUCCEEDED(get_dpi_for_monitor(monitor, effective_dpi, &dpi_x, &dpi_y)) &&
        dpi_y > 0)
        return static_cast<int>(dpi_y);
    return screen_dpi_y();
}

int window_dpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi_for_window = system_function<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    if (get_dpi_for_window) {
        if (const UINT dpi = get_dpi_for_window(window); dpi > 0) return static_cast<int>(dpi);
    }
    return monitor_dpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
}

ProgramVersion program_version() {
    const std::string path = program_path();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof *info)
        return {};
    return {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS)};
}

}  // namespace ui
