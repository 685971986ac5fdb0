// A form's controls made from its layout table: each a child window at its
// place in pixels for the form's DPI, created in tab order, holding its own
// text, with the bold font or the dialog font and its tooltip. When the form's
// DPI changes, the same table places them again and gives them fonts of the
// new size.
#pragma once

#include "ui/layout.h"
#include "ui/owners_win32.h"

#include <windows.h>

#include <span>
#include <utility>
#include <vector>

namespace ui {

// What the controls share and the form keeps for as long as they live.
struct FormControls {
    GdiObject<HFONT> bold_font;
    HWND tooltips = nullptr;
    GdiObject<HFONT> dialog_font;  // the system's dialog face, 8 points at the form's DPI
    // Each control made and the table row it was made from (the table must outlive it).
    std::vector<std::pair<const ControlLayout*, HWND>> made;
};

// The window property under which a form keeps its FormControls.
inline constexpr const char* form_controls_property = "ui.controls";

// Makes the controls at this scale (ui::form_scale of the form, from WM_CREATE on).
// `made` must stay where it is for as long as the form lives.
void create_controls(HWND form, std::span<const ControlLayout> controls, Scale scale, FormControls& made);

// Places the form's table-made controls again and gives them new fonts, at this
// scale; a form without them is left alone. The window layer calls it when the
// form's DPI changes.
void relayout_controls(HWND form, Scale scale);

}  // namespace ui
