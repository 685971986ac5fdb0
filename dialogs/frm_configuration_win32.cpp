// frm_configuration: the settings dialog. For now a plain dialog with its caption
// and size; closing it saves the settings and ends the program.
#include "shell/mode_windows_win32.h"
#include "shell/shell_win32.h"
#include "ui/forms_win32.h"
#include "ui/program_win32.h"

#include <string>

namespace velmora::win32 {
namespace {

LRESULT CALLBACK configuration_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CLOSE) {
        save_settings();
        DestroyWindow(window);
        return 0;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

const ui::FormClass frm_configuration{
    .name = "frm_configuration", .procedure = configuration_procedure, .dialog = true, .icon_id = 1};

}  // namespace

void show_frm_configuration() {
    const ui::ProgramVersion version = ui::program_version();
    const std::string caption = "Velmora Screen Saver Configuration v." + std::to_string(version.major) + "." +
                                std::to_string(version.minor) + "." + std::to_string(version.revision);
    HWND window = ui::create_fixed_form(frm_configuration, caption.c_str(), 7125, 4605, nullptr, nullptr);
    if (!window) return;
    center_form(window);
    load_settings();
    ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace velmora::win32
