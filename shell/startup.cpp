#include "shell/startup.h"

#include "shell/command_line.h"
#include "shell/text_compare.h"
#include "ui/twips.h"

namespace velmora {

bool is_guarded_configuration_program(std::string_view program_path) {
    std::string_view name = program_path.substr(program_path.find_last_of("\\/") + 1);
    name = name.substr(0, name.find_last_of('.'));
    return equals_ignoring_case(name, "Velmora Screen Saver");
}

void start_up(ShellState& shell, std::string_view arguments, StartupPlatform& platform, SettingsStore& store) {
    shell.twips_per_pixel_x = ui::twips_per_pixel(platform.screen_dpi_x());
    shell.twips_per_pixel_y = ui::twips_per_pixel(platform.screen_dpi_y());
    const LaunchRequest request = parse_launch_request(arguments);
    load_settings(shell.settings, store);

    switch (request.mode) {
    case SaverMode::configuration:
        if (is_guarded_configuration_program(platform.program_path()) &&
            platform.another_configuration_instance_runs())
            return;
        platform.show_configuration();
        return;
    case SaverMode::full_screen:
        if (!platform.no_window_titled(saver_window_caption)) return;
        shell.saver_running = true;
        platform.show_screensaver();
        platform.wait_while_saver_runs_then_exit();
        return;
    case SaverMode::preview:
        shell.host_window = request.host_window;
        platform.load_preview();
        return;
    case SaverMode::change_password:
        shell.host_window = request.host_window;
        platform.show_new_password();
        return;
    case SaverMode::none:
        return;
    }
}

}  // namespace velmora
