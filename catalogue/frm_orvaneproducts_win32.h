// The catalogue window on Win32: made from its layout table, loaded with the
// products, and answering the list and the buttons.
#pragma once

#include <windows.h>

namespace orvane::win32 {

// Creates the window and its controls, centred, not yet shown; null when it
// cannot be made. The program lives while it is open.
HWND create_frm_orvaneproducts();

// The window's loading: the program's folder, the products, and the first product
// shown. Runs before the window is first shown, as a form's load does.
void load_frm_orvaneproducts(HWND window);

}  // namespace orvane::win32
