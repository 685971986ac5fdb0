#include "shell/command_line.h"

#include "shell/numeric_text.h"
#include "ui/rounding.h"

#include <cctype>
#include <cstdint>

namespace velmora {

std::string_view arguments_of(std::string_view command_line) {
    std::size_t pos = 0;
    if (!command_line.empty() && command_line[0] == '"') {
        const std::size_t closing = command_line.find('"', 1);
        pos = closing == std::string_view::npos ? command_line.size() : closing + 1;
    } else {
        while (pos < command_line.size() && command_line[pos] != ' ' && command_line[pos] != '\t') ++pos;
    }
    while (pos < command_line.size() && (command_line[pos] == ' ' || command_line[pos] == '\t')) ++pos;
    return command_line.substr(pos);
}

std::string switch_of(std::string_view arguments) {
    std::string mode_switch(arguments.substr(0, 2));
    for (char& c : mode_switch) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return mode_switch.empty() ? "/C" : mode_switch;
}

namespace {

// A window handle is a 32-bit pattern: Windows may write it as an unsigned number,
// so 2^31 to 2^32 - 1 are read as that pattern; anything else as a signed number.
std::int32_t read_window_handle(std::string_view text) {
    const double value = ui::round_half_even(read_number(text));
    if (value >= 2147483648.0 && value <= 4294967295.0)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return ui::round_to_int32(value);
}

}  // namespace

LaunchRequest parse_launch_request(std::string_view arguments) {
    const std::string mode_switch = switch_of(arguments);
    const std::string_view after_switch = arguments.substr(std::min<std::size_t>(2, arguments.size()));
    if (mode_switch == "/C") return {SaverMode::configuration, 0};
    if (mode_switch == "/S") return {SaverMode::full_screen, 0};
    if (mode_switch == "/P") return {SaverMode::preview, read_window_handle(after_switch)};
    if (mode_switch == "/A") return {SaverMode::change_password, read_window_handle(after_switch)};
    return {SaverMode::none, 0};
}

}  // namespace velmora
