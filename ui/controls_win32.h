// A form's controls made from its layout table: each a child window at its
// place in pixels for the screen's DPI, created in tab order, holding its own
// text, with the bold font or the dialog font and its tooltip.
#pragma once

#include "ui/layout.h"
#include "ui/owners_win32.h"

#include <windows.h>

#include <span>

namespace ui {

// What the controls share and the form keeps for as long as they live.
struct FormControls {
    GdiObject<HFONT> bold_font;
    HWND tooltips = nullptr;
};

void create_controls(HWND form, std::span<const ControlLayout> controls, Scale scale, FormControls& made);

}  // namespace ui
