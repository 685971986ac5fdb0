// The one window that each mode of the screen saver opens. Each lives in the
// folder of its subsystem; start-up only calls these.
#pragma once

#include <windows.h>

namespace velmora::win32 {

void show_frm_configuration();  // dialogs/: the settings dialog, modeless
void show_frm_screensaver();    // saver/: the full-screen saver, modeless
void load_frm_preview();        // shell/: the preview, loaded but never shown
void show_frm_newpassword();    // password/: the change-password dialog, modeless

// password/: the change-password dialog, modal over `owner` (the settings
// dialog's "Password"); returns when it closes.
void show_frm_newpassword_modal(HWND owner);

}  // namespace velmora::win32
