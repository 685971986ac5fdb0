// A window's layout as data: each control's kind, text and place in twips, its
// tab order and its look. The Win32 layer turns such a table into child windows
// (ui/controls_win32); this side converts places to pixels and orders creation.
#pragma once

#include <span>
#include <vector>

namespace ui {

enum class ControlKind { label, list_box, button, text_box, check_box, option_button, picture };

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Twips per pixel across and down, as the screen's DPI gives them.
struct Scale {
    int x = 15, y = 15;
    static Scale at_dpi(int dpi_x, int dpi_y);
};

// What a control's kind does not settle, as bits of ControlLayout::flags.
namespace control_flags {
// A label or picture that gets the mouse itself (a static control otherwise lets
// it through to the form): clicks, moves, its own cursor and tooltip.
inline constexpr unsigned takes_mouse = 1;
// Begins a group for the arrow keys; option buttons up to the next such control
// are one set, of which at most one is selected.
inline constexpr unsigned starts_group = 2;
// A sunken edge inside the control's rectangle.
inline constexpr unsigned sunken_border = 4;
// A label kept to one line: a text wider than its rectangle ends in "..." rather
// than losing its last words to a line below, out of sight.
inline constexpr unsigned one_line = 8;
// A text box that shows its input as "*".
inline constexpr unsigned masked = 16;
// The button Enter presses while the focus is on no other button.
inline constexpr unsigned default_button = 32;
}  // namespace control_flags

struct ControlLayout {
    int id;
    const char* name;
    ControlKind kind;
    const char* text;
    int left, top, width, height;  // twips in the client area
    int tab_index;                 // -1: not a tab stop
    bool bold = false;             // bold "MS Sans Serif" 8.25 pt
    bool centred = false;
    bool multi_line = false;       // with a vertical scroll bar
    const char* tooltip = nullptr;
    unsigned flags = 0;            // control_flags
};

// A rectangle in twips (left, top, width, height) in pixels at this scale.
PixelRect to_pixels(int left, int top, int width, int height, Scale scale);
inline PixelRect to_pixels(const ControlLayout& control, Scale scale) {
    return to_pixels(control.left, control.top, control.width, control.height, scale);
}

// The order to create the controls in: tab stops by tab index, then the rest in
// table order. Windows follows creation order for Tab and Shift+Tab.
std::vector<const ControlLayout*> creation_order(std::span<const ControlLayout> controls);

// The bold label font's height: 8.25 points in twips.
inline constexpr int bold_font_height_twips = 165;
inline constexpr const char* bold_font_face = "MS Sans Serif";

}  // namespace ui
