// Message boxes of the catalogue, owned by its window so the window waits for them.
#include "catalogue/show_message_win32.h"

namespace orvane::win32 {

void show_message(HWND owner, const char* title, const char* text) { MessageBoxA(owner, text, title, MB_OK); }

}  // namespace orvane::win32
