// The one way the catalogue shows a message: a box with an OK button.
#pragma once

#include <windows.h>

namespace orvane::win32 {

void show_message(HWND owner, const char* title, const char* text);

}  // namespace orvane::win32
