// frm_checkpassword, the password prompt over the running saver, without its
// window: its layout, its message, whether a typed password opens the way, and
// what each way of closing does to the frame loop's flags.
#pragma once

#include "password/frm_newpassword.h"
#include "password/keyboard_layout.h"
#include "saver/frm_screensaver.h"
#include "ui/layout.h"

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int id_checkpassword_label1 = 101;
inline constexpr int id_checkpassword_text1 = 102;
// Command1 and Command2 carry the dialog manager's ids: Enter in the text box
// presses "Ok" (and is not typed into it), Escape presses "Cancel".
inline constexpr int id_checkpassword_command1 = 1;  // IDOK
inline constexpr int id_checkpassword_command2 = 2;  // IDCANCEL

inline constexpr const char* frm_checkpassword_caption = "Screen Saver Password";
inline constexpr int frm_checkpassword_client_width = 3840;   // twips
inline constexpr int frm_checkpassword_client_height = 1125;  // twips
inline constexpr unsigned checkpassword_timeout_ms = 20000;   // Timer1: from load, typing does not restart it

inline constexpr std::array<ui::ControlLayout, 4> frm_checkpassword_controls{{
    {.id = id_checkpassword_label1, .name = "Label1", .kind = ui::ControlKind::label,
     .text = "Type your screen saver password:", .left = 180, .top = 180, .width = 2535, .height = 330,
     .tab_index = -1, .flags = ui::control_flags::one_line},
    {.id = id_checkpassword_text1, .name = "Text1", .kind = ui::ControlKind::text_box, .text = "", .left = 180,
     .top = 540, .width = 2040, .height = 285, .tab_index = 0, .flags = ui::control_flags::masked},
    {.id = id_checkpassword_command1, .name = "Command1", .kind = ui::ControlKind::button, .text = "Ok",
     .left = 2790, .top = 180, .width = 915, .height = 330, .tab_index = 1, .flags = ui::control_flags::default_button},
    {.id = id_checkpassword_command2, .name = "Command2", .kind = ui::ControlKind::button, .text = "Cancel",
     .left = 2790, .top = 630, .width = 915, .height = 330, .tab_index = 2},
}};

inline constexpr Message wrong_password{"The password that you typed is not correct. Try typing it again.", "Passwords",
                                        MessageIcon::exclamation};

// "Ok"'s test. Letters match in either case. The change-password dialog stores
// each character as its key types it without Shift ("a!b" is kept as "A1B"), so
// the typed text also matches when it reduces to the stored password that way;
// otherwise a password with a shifted character could never be given back.
bool password_accepted(std::string_view password, std::string_view typed, const KeyboardLayout& layout);

// "Ok" with the right password: the saver is to end once the prompt has closed.
void prompt_accepted(FrameLoopState& loop);

// The prompt has closed, however that came about: the loop counts activity
// afresh and redraws the screen from the clean backdrop.
void prompt_unloaded(FrameLoopState& loop);

}  // namespace velmora
