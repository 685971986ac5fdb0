// Layouts are written in twips (1/1440 inch); the screen's twips per pixel come
// from its dots per inch. Every conversion to pixels goes through here.
#pragma once

namespace orvane {

// 1440 / dpi rounded to nearest, halves to even: 15 at 96, 12 at 120, 10 at 144,
// 8 at 192. A DPI of 0 or less counts as 96; never less than one twip per pixel.
int twips_per_pixel(int dpi);

// Twips as whole pixels, rounded to nearest, halves to even.
int twips_to_pixels(int twips, int twips_per_pixel);

}  // namespace orvane
