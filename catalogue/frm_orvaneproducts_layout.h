// The catalogue window frm_orvaneproducts as data: caption, client size and every
// control's place in twips, text, tab order and look. The Win32 layer only turns
// this table into windows (ui/controls_win32).
#pragma once

#include "catalogue/control_ids.h"
#include "ui/layout.h"

#include <array>

namespace orvane {

using ui::ControlKind;
using ui::ControlLayout;

inline constexpr const char* frm_orvaneproducts_caption = "Orvane Software Product Information - Visit Us On The Web!";
inline constexpr int frm_orvaneproducts_client_width = 6765;   // twips
inline constexpr int frm_orvaneproducts_client_height = 5475;  // twips

// Three buttons share the access key L and two share G: the dialog manager cycles among them.
inline constexpr std::array<ControlLayout, 15> frm_orvaneproducts_controls{{
    {id_label1, "Label1", ControlKind::label, "Program Name:", 60, 90, 1755, 225, -1, true},
    {id_label3, "Label3", ControlKind::label, "Please make sure you are connected to the internet!", 1710, 90, 3795,
     225, -1, false, true},
    {id_list1, "List1", ControlKind::list_box, "", 90, 300, 3645, 2790, 6},
    // Command2 opens with the focus, so Enter presses it; from then on the dialog
    // manager makes whichever button has the focus the default one.
    {id_command2, "Command2", ControlKind::button, "&Launch Your Browser To Our Home Page On The Internet!", 3810, 300,
     2900, 735, 0, false, false, false, nullptr, ui::control_flags::default_button},
    {id_command3, "Command3", ControlKind::button, "&Launch Your Browser To The Home Page Of The Selected Program",
     3810, 1050, 2900, 735, 1},
    {id_command4, "Command4", ControlKind::button, "&Launch Your Browser To The Download Link Of The Selected  Program",
     3810, 1800, 2900, 735, 2},
    {id_command1, "Command1", ControlKind::button, "&Exit", 3810, 2550, 2895, 555, 3},
    {id_label2, "Label2", ControlKind::label, "Program Description:", 60, 3180, 2175, 195, -1, true},
    {id_text1, "Text1", ControlKind::text_box, "", 60, 3390, 6645, 765, 7, false, false, true},
    {id_label5, "Label5", ControlKind::label, "Internet Website For This Program:", 60, 4260, 3405, 225, -1, true},
    {id_text2, "Text2", ControlKind::text_box, "", 60, 4470, 6165, 315, 12},
    {id_command5, "Command5", ControlKind::button, "&Go!", 6300, 4470, 405, 315, 4, false, false, false,
     " Click here to launch your browser to the home page of the selected program "},
    {id_label6, "Label6", ControlKind::label, "Download Link For This Program:", 60, 4890, 4035, 225, -1, true},
    {id_text3, "Text3", ControlKind::text_box, "", 60, 5100, 6195, 315, 13},
    {id_command6, "Command6", ControlKind::button, "&Go!", 6300, 5100, 405, 315, 5, false, false, false,
     " Click here to launch your browser to the download link for the selected program "},
}};

}  // namespace orvane
