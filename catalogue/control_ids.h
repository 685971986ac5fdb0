// Control ids of the catalogue window; the end-to-end tests address controls by
// these numbers. Command<n> is 100 + n, Text<n> 200 + n, List1 301, Label<n> 400 + n.
// They stay clear of IDOK (1) and IDCANCEL (2): the dialog manager sends those for
// Enter and Escape when no button takes the key, and neither may press Exit or the
// home-page button.
#pragma once

namespace orvane {

inline constexpr int id_command1 = 101;  // Exit
inline constexpr int id_command2 = 102;  // the maker's home page
inline constexpr int id_command3 = 103;  // the selected product's home page
inline constexpr int id_command4 = 104;  // the selected product's download link
inline constexpr int id_command5 = 105;  // Go! beside the web site
inline constexpr int id_command6 = 106;  // Go! beside the download link
inline constexpr int id_text1 = 201;     // description
inline constexpr int id_text2 = 202;     // web site with partner code
inline constexpr int id_text3 = 203;     // download link
inline constexpr int id_list1 = 301;     // product names
inline constexpr int id_label1 = 401;
inline constexpr int id_label2 = 402;
inline constexpr int id_label3 = 403;
inline constexpr int id_label5 = 405;
inline constexpr int id_label6 = 406;

}  // namespace orvane
