// frm_newpassword, the change-password dialog, without its window: its layout,
// its messages, the reduction of a password to the keys that type it, and what
// OK decides and stores.
#pragma once

#include "password/keyboard_layout.h"
#include "shell/bas_shellcode.h"
#include "ui/layout.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int id_newpassword_label1 = 101;
inline constexpr int id_newpassword_label2 = 102;
inline constexpr int id_newpassword_label3 = 103;
inline constexpr int id_newpassword = 104;
inline constexpr int id_newpassword2 = 105;
// OK and Cancel carry the dialog manager's ids: Enter presses OK, Escape Cancel.
inline constexpr int id_newpassword_ok = 1;      // IDOK
inline constexpr int id_newpassword_cancel = 2;  // IDCANCEL

inline constexpr const char* frm_newpassword_caption = "Change  Password";
inline constexpr int frm_newpassword_client_width = 5265;   // twips
inline constexpr int frm_newpassword_client_height = 1545;  // twips

// The form's font is bold: the text boxes take it, the labels and buttons are
// set in the normal weight. Each label is one line: a font wider than the one the
// places were measured with cuts it at the right instead of wrapping words away.
inline constexpr std::array<ui::ControlLayout, 7> frm_newpassword_controls{{
    {.id = id_newpassword_label1, .name = "Label1", .kind = ui::ControlKind::label,
     .text = "Change password for Velmora", .left = 120, .top = 150, .width = 3450, .height = 240, .tab_index = -1,
     .flags = ui::control_flags::one_line},
    {.id = id_newpassword_label2, .name = "Label2", .kind = ui::ControlKind::label, .text = "New Password:",
     .left = 180, .top = 630, .width = 1110, .height = 195, .tab_index = -1, .flags = ui::control_flags::one_line},
    {.id = id_newpassword, .name = "NewPassword", .kind = ui::ControlKind::text_box, .text = "", .left = 1980,
     .top = 630, .width = 1605, .height = 330, .tab_index = 0, .bold = true, .flags = ui::control_flags::masked},
    {.id = id_newpassword_label3, .name = "Label3", .kind = ui::ControlKind::label, .text = "Confirm new password:",
     .left = 180, .top = 1080, .width = 1635, .height = 195, .tab_index = -1, .flags = ui::control_flags::one_line},
    {.id = id_newpassword2, .name = "NewPassword2", .kind = ui::ControlKind::text_box, .text = "", .left = 1980,
     .top = 1080, .width = 1605, .height = 315, .tab_index = 1, .bold = true, .flags = ui::control_flags::masked},
    {.id = id_newpassword_ok, .name = "OK", .kind = ui::ControlKind::button, .text = "OK", .left = 4050, .top = 180,
     .width = 1095, .height = 330, .tab_index = 2, .flags = ui::control_flags::default_button},
    {.id = id_newpassword_cancel, .name = "Cancel", .kind = ui::ControlKind::button, .text = "Cancel", .left = 4050,
     .top = 585, .width = 1095, .height = 330, .tab_index = 3},
}};

inline constexpr std::size_t max_password_length = 30;

// A message box of the dialogs: its text, its title and its icon.
enum class MessageIcon { stop, exclamation };
struct Message {
    const char* text;
    const char* title;
    MessageIcon icon;
};

inline constexpr Message passwords_do_not_match{
    "The new and confirmed passwords do not match. Please type them again.", "Microsoft Windows", MessageIcon::stop};
inline constexpr Message new_password_too_long{"New password too long\nMaximum length 30 chars", "Change Password",
                                               MessageIcon::exclamation};

// Each character replaced by the one its key types without Shift on this layout:
// letters become capitals, "!" becomes "1" on a US keyboard. A character no key
// types, one whose key is a dead key, and both bytes of a two-byte character are
// kept as they are, so that the prompt can still match them as typed. The result
// is as long as the text.
std::string normalize_password(std::string_view text, const KeyboardLayout& layout);

enum class NewPasswordVerdict { mismatch, too_long, accepted };

struct NewPasswordCheck {
    std::string new_password;  // both entries normalized: the boxes show these from now on
    std::string confirmation;
    NewPasswordVerdict verdict;
};

// OK's test: the entries must agree (tested first), then be at most 30 characters.
NewPasswordCheck check_new_password(std::string_view new_password, std::string_view confirmation,
                                    const KeyboardLayout& layout);

// An accepted password: held as the password, scrambled, and written to "misc".
void store_new_password(Settings& settings, SettingsStore& store, std::string_view password);

}  // namespace velmora
