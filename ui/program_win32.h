// What a program knows about itself and its screen: its own path, the screen's
// DPI as twips per pixel, each monitor's own DPI, and its version from its
// version resource.
#pragma once

#include "ui/layout.h"

#include <windows.h>

#include <string>

namespace ui {

// The full path of the running program, however long.
std::string program_path();

// The screen's dots per inch across and down, and the twips per pixel they give.
int screen_dpi_x();
int screen_dpi_y();
Scale screen_scale();

// A monitor's own DPI where Windows keeps one per monitor (8.1 and later, for a
// program that declares itself per-monitor aware); the screen's DPI elsewhere.
int monitor_dpi(HMONITOR monitor);
// The DPI Windows gives this window now (10 and later), else its monitor's.
int window_dpi(HWND window);

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};
// The file version of the running program's version resource.
ProgramVersion program_version();

}  // namespace ui
