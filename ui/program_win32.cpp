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
