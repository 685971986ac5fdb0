// frm_about: the about box, opened modal over the settings dialog.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// Shows the about box modal over `owner` and returns when it is closed.
void show_frm_about(HWND owner);

}  // namespace velmora::win32
