// frm_configuration: the settings dialog. For now a plain window with its caption
// and size; closing it ends the program.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"

#include <string>

namespace velmora::win32 {

void show_frm_configuration() {
    const ProgramVersion version = program_version();
    const std::string caption = "Velmora Screen Saver Configuration v." + std::to_string(version.major) + "." +
                                std::to_string(version.minor) + "." + std::to_string(version.revision);
    HWND window = create_dialog_window("frm_configuration", caption.c_str(), 7125, 4605, nullptr, nullptr);
    if (window) ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
