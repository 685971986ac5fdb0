// Window layouts are written in twips (1/1440 inch). The screen's twips per pixel
// come from its dots per inch; every conversion to pixels, in both programs, goes
// through here.
#pragma once

#include <cstdint>

namespace ui {

// 1440 / dpi rounded half to even: 15 at 96, 12 at 120, 10 at 144, 8 at 192.
// A reported DPI of 0 or less is taken as 96; never less than one twip per pixel.
std::int16_t twips_per_pixel(int dpi);

// A length or position in twips as whole pixels, rounded half to even. A twips
// per pixel of 0 or less counts as 15 (96 dpi).
int twips_to_pixels(double twips, int twips_per_pixel);

}  // namespace ui
