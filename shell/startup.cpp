#include "shell/startup.h"

#include "shell/command_line.h"
#include "shell/twips.h"

namespace velmora {

void start_up(ShellState& shell, std::string_view arguments, StartupPlatform& platform) {
    shell.twips_per_pixel_x = twips_per_pixel(platform.screen_dpi_x());
    shell.twips_per_pixel_y = twips_per_pixel(platform.screen_dpi_y());
    const LaunchRequest request = parse_launch_request(arguments);
    platform.load_settings();

    switch (request.mode) {
    case SaverMode::configuration:
        if (platform.is_second_configuration_instance()) return;
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
