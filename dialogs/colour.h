// Colours of the dialogs as red, green and blue, free of any platform type.
#pragma once

#include <cstdint>

namespace velmora {

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    constexpr bool operator==(const Colour&) const = default;
};

inline constexpr Colour black{0, 0, 0};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour grey{128, 128, 128};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour green{0, 255, 0};
inline constexpr Colour yellow{255, 255, 0};
inline constexpr Colour blue{0, 0, 255};

}  // namespace velmora
