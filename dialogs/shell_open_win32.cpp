#include "dialogs/shell_open_win32.h"

#include <shellapi.h>

namespace velmora::win32 {

void shell_open(HWND owner, const std::string& file) {
    ShellExecuteA(owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
