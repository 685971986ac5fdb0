// What a program knows about itself and its screen: its own path, the screen's
// DPI as twips per pixel, and its version from its version resource.
#pragma once

#include "ui/layout.h"

#include <string>

namespace ui {

// The full path of the running program, however long.
std::string program_path();

// The screen's dots per inch across and down, and the twips per pixel they give.
int screen_dpi_x();
int screen_dpi_y();
Scale screen_scale();

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};
// The file version of the running program's version resource.
ProgramVersion program_version();

}  // namespace ui
