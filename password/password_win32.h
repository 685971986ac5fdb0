// The Win32 side of password protection that the saver window uses: the desktop
// password option and the prompt. The keyboard layout is shared by both dialogs.
#pragma once

#include "password/frm_newpassword.h"
#include "password/keyboard_layout.h"
#include "saver/frm_screensaver.h"

#include <windows.h>

namespace velmora::win32 {

// Windows' own screen saver password option, read from the registry.
bool password_protection_on();

// Opens frm_checkpassword over the saver window, owned by it, unless a prompt is
// already open. When the prompt closes it clears `loop`'s prompt flags; the saver
// window must outlive it (an owned window is destroyed before its owner).
void show_frm_checkpassword(HWND saver_window, FrameLoopState& loop);

// The keyboard layout and text rules of the current thread's locale.
const KeyboardLayout& keyboard_layout();

// The message box of a dialog, with one OK button, modal over `owner`.
void show_message(HWND owner, const Message& message);

// A control's whole text.
std::string control_text(HWND dialog, int id);

}  // namespace velmora::win32
