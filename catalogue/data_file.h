// Reading a data file whole, with a bound on its size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvane {

// No hand-written catalogue comes near this; a larger file is not read at all, so
// no file can make the program hold more than this much of it.
inline constexpr std::size_t max_data_file_bytes = 16 * 1024 * 1024;

// The file's bytes, or nothing when it is missing, unreadable or too large.
std::optional<std::string> read_data_file(const std::string& path);

}  // namespace orvane
