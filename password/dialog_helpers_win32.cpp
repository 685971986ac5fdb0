// What both password dialogs do alike: their message boxes and reading a box.
#include "password/password_win32.h"

#include <vector>

namespace velmora::win32 {

void show_message(HWND owner, const Message& message) {
    const UINT icon = message.icon == MessageIcon::stop ? MB_ICONSTOP : MB_ICONEXCLAMATION;
    MessageBoxA(owner, message.text, message.title, MB_OK | icon);
}

std::string control_text(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace velmora::win32
