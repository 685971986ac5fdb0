// Handing an address to the shell, which starts the user's default browser.
#include "catalogue/open_address_win32.h"

#include "catalogue/addresses.h"
#include "catalogue/messages.h"
#include "catalogue/show_message_win32.h"

#include <shellapi.h>

namespace orvane::win32 {

void open_address(HWND owner, const std::string& address) {
    // The shell would run a program or open a folder for anything but a web
    // address: such an address, an empty one included, fails like a missing browser.
    const auto result = is_web_address(address)
                            ? reinterpret_cast<INT_PTR>(
                                  ShellExecuteA(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL))
                            : 0;
    // Success is a value above 32; 32 itself is a failure (SE_ERR_DLLNOTFOUND).
    if (result <= 32) show_message(owner, browser_error_title, browser_error_text);
}

}  // namespace orvane::win32
