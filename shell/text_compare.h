// Comparing texts the way Windows compares names and device answers: letters
// of either case are the same (ASCII only, as the names compared here are).
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace velmora {

inline bool equals_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace velmora
