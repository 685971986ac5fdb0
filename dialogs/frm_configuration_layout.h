// The settings dialog frm_configuration as data: its client size and every
// control's place in twips, text, tab order, look and tooltip, and the normal
// text colour of each item that lights up under the mouse.
#pragma once

#include "dialogs/colour.h"
#include "dialogs/control_ids.h"
#include "ui/layout.h"

#include <array>

namespace velmora {

inline constexpr int frm_configuration_client_width = 7125;   // twips
inline constexpr int frm_configuration_client_height = 4605;  // twips
inline constexpr const char* frm_configuration_caption_prefix = "Velmora Screen Saver Configuration v.";

namespace configuration_layout {
using ui::ControlKind;
using ui::control_flags::one_line;
using ui::control_flags::starts_group;
using ui::control_flags::takes_mouse;
// Every control is its own group for the arrow keys but the options, which are one.
inline constexpr unsigned text_item = takes_mouse | starts_group | one_line;

// Check2 and the options are the tab stops; the text items take the mouse only.
inline constexpr std::array<ui::ControlLayout, 10> controls{{
    {id_image1, "Image1", ControlKind::picture, "", 75, 90, 4800, 3600, -1, false, false, false, nullptr,
     takes_mouse | starts_group},
    {id_label1, "Label1", ControlKind::label, "A Orvane Software Production", 4875, 615, 2160, 225, -1, false, true,
     false, "Click here to launch your Web Browser to our home page on the internet!", text_item},
    {id_label2, "Label2", ControlKind::label, "About", 5610, 1050, 795, 225, -1, true, true, false,
     "Click here to learn more about this screen saver", text_item},
    {id_check2, "Check2", ControlKind::check_box, "Play Music", 5520, 1545, 1230, 285, 0, false, false, false,
     "Place a check here to play Frostmere Music during the screen saver! (Requires a .MIDI device player to be "
     "installed!)",
     starts_group},
    {id_option1, "Option1", ControlKind::option_button, "Normal", 5505, 2100, 795, 255, 1, false, false, false,
     "Normal Speed", starts_group},
    {id_option2, "Option2", ControlKind::option_button, "Faster", 5505, 2505, 795, 255, 2, false, false, false,
     "Faster Scrolling Speed"},
    {id_option3, "Option3", ControlKind::option_button, "Fastest", 5505, 2955, 915, 255, 3, false, false, false,
     "Fastest Scrolling Speed"},
    {id_label5, "Label5", ControlKind::label, "Cool Downloads", 5310, 3570, 1455, 225, -1, true, true, false,
     "Click here to learn about other Orvane Software products!", text_item},
    {id_label7, "Label7", ControlKind::label, "Password", 3525, 4125, 1035, 225, -1, true, true, false,
     "Click here to change the password for this screen saver", text_item},
    {id_label8, "Label8", ControlKind::label, "Exit", 5745, 4125, 525, 225, -1, true, true, false,
     "Click here to exit", text_item},
}};
}  // namespace configuration_layout

inline constexpr const auto& frm_configuration_controls = configuration_layout::controls;

// The items that light up under the mouse, with their normal text colour.
struct ConfigurationItem {
    int id;
    Colour normal;
};

inline constexpr std::array<ConfigurationItem, 9> configuration_items{{
    {id_label1, grey},
    {id_label2, red},
    {id_check2, green},
    {id_option1, green},
    {id_option2, green},
    {id_option3, green},
    {id_label5, red},
    {id_label7, yellow},
    {id_label8, yellow},
}};

}  // namespace velmora
