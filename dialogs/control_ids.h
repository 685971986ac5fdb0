// Control ids of the settings dialog and the about box; the end-to-end tests
// address controls by these numbers. Label<n> is 400 + n, Check<n> 300 + n,
// Option<n> 310 + n, Command<n> 100 + n, Image1 501, Shape1 601. All stay clear of
// IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter and Escape.
#pragma once

namespace velmora {

// frm_configuration
inline constexpr int id_label1 = 401;  // the maker link
inline constexpr int id_label2 = 402;  // About
inline constexpr int id_label5 = 405;  // Cool Downloads
inline constexpr int id_label7 = 407;  // Password
inline constexpr int id_label8 = 408;  // Exit
inline constexpr int id_check2 = 302;  // Play Music
inline constexpr int id_option1 = 311; // Normal
inline constexpr int id_option2 = 312; // Faster
inline constexpr int id_option3 = 313; // Fastest
inline constexpr int id_image1 = 501;  // the title picture (also the about box's picture)
inline constexpr int id_shape1 = 601;  // the highlight frame

// frm_about
inline constexpr int id_command1 = 101;  // Ok
inline constexpr int id_command2 = 102;  // the maker's home page
inline constexpr int id_about_title = 411;
inline constexpr int id_about_developed_by = 412;
inline constexpr int id_about_maker = 413;
inline constexpr int id_about_mail = 414;
inline constexpr int id_about_web = 415;
inline constexpr int id_about_notice = 416;

}  // namespace velmora
