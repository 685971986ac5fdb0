// The one window that each mode of the screen saver opens. Each lives in the
// folder of its subsystem; start-up only calls these.
#pragma once

namespace velmora::win32 {

void show_frm_configuration();  // dialogs/: the settings dialog, modeless
void show_frm_screensaver();    // saver/: the full-screen saver, modeless
void load_frm_preview();        // shell/: the preview, loaded but never shown
void show_frm_newpassword();    // password/: the change-password dialog, modeless

}  // namespace velmora::win32
