// The about box frm_about as data: caption, client size, and every control's
// place in twips, text, tab order and look. The maker's addresses are on a
// reserved example domain.
#pragma once

#include "dialogs/control_ids.h"
#include "ui/layout.h"

#include <array>

namespace velmora {

inline constexpr const char* frm_about_caption = "About This Screen Saver...";
inline constexpr int frm_about_client_width = 4680;   // twips
inline constexpr int frm_about_client_height = 2355;  // twips

namespace about_layout {
using ui::ControlKind;
using ui::control_flags::default_button;
using ui::control_flags::one_line;
using ui::control_flags::sunken_border;

// "Ok" is first in tab order, so it has the focus when the box opens.
inline constexpr std::array<ui::ControlLayout, 9> controls{{
    {id_image1, "Image1", ControlKind::picture, "", 90, 90, 2310, 1740, -1, false, false, false, nullptr,
     sunken_border},
    {id_about_title, "Label1", ControlKind::label, "Velmora Saver", 2520, 90, 2055, 195, -1, true, true, false,
     nullptr, one_line},
    {id_about_developed_by, "Label2", ControlKind::label, "Developed By:", 2520, 330, 2055, 225, -1, false, true,
     false, nullptr, one_line},
    {id_about_maker, "Label3", ControlKind::label, "Orvane Software", 2520, 600, 2055, 225, -1, true, true, false,
     nullptr, one_line},
    {id_about_mail, "Label4", ControlKind::label, "mail@orvane.example", 2520, 870, 2055, 225, -1, false, true,
     false, nullptr, one_line},
    {id_about_web, "Label5", ControlKind::label, "www.orvane.example", 2520, 1200, 2055, 225, -1, false, true,
     false, nullptr, one_line},
    {id_about_notice, "Label6", ControlKind::label, "(C) Orvane Software", 2460, 1530, 2145, 225, -1, false,
     true, false, nullptr, one_line},
    {id_command2, "Command2", ControlKind::button, "Want more screen savers? Click Here!", 90, 1920, 3015, 345, 1,
     false, false, false, "Click here to launch your browser to our internet home page!"},
    {id_command1, "Command1", ControlKind::button, "Ok", 3270, 1920, 1275, 345, 0, false, false, false,
     "Click here to exit this screen", default_button},
}};
}  // namespace about_layout

inline constexpr const auto& frm_about_controls = about_layout::controls;

}  // namespace velmora
