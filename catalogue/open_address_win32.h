// The one way the catalogue opens an address: in the default browser.
#pragma once

#include <windows.h>

#include <string>

namespace orvane::win32 {

// Opens a web address with the shell's default verb; reports a failure in a message
// box. An empty address, or anything that is not a web address, opens nothing.
void open_address(HWND owner, const std::string& address);

}  // namespace orvane::win32
