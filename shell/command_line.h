// How Windows starts a screen saver: the switch ("/S", "/C", "/P <hwnd>", "/A <hwnd>")
// and, for preview and change-password, the window handle after it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

enum class SaverMode { configuration, full_screen, preview, change_password, none };

struct LaunchRequest {
    SaverMode mode = SaverMode::none;
    std::int32_t host_window = 0;  // only read for preview and change-password
};

// The arguments of a whole Windows command line: the text after the program name
// (quoted or not) and the blanks that follow it.
std::string_view arguments_of(std::string_view command_line);

// Only the first two characters choose the mode, compared upper-cased; an empty
// command line means configuration.
std::string switch_of(std::string_view arguments);
LaunchRequest parse_launch_request(std::string_view arguments);

}  // namespace velmora
