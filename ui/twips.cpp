#include "ui/twips.h"

#include "ui/rounding.h"

namespace ui {

std::int16_t twips_per_pixel(int dpi) {
    if (dpi <= 0) dpi = 96;
    // Above 2880 dpi the quotient would round to 0; one twip per pixel keeps divisions sound.
    const std::int32_t rounded = round_to_int32(1440.0 / dpi);
    return static_cast<std::int16_t>(rounded < 1 ? 1 : rounded);
}

int twips_to_pixels(double twips, int twips_per_pixel) {
    return round_to_int32(twips / (twips_per_pixel > 0 ? twips_per_pixel : 15));
}

}  // namespace ui
