// A Blitter over plain 32-bit pixels, with the rules of GDI's BitBlt: SRCCOPY and
// SRCPAINT, and a rectangle that reaches past an edge of either surface (negative
// coordinates too) transfers only its part inside both. Tests read the pixels
// to see what the screen shows.
#pragma once

#include "saver/blitter.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> data;  // row by row, top row first

    Pixels() = default;
    Pixels(int w, int h, std::uint32_t fill = 0) : width(w), height(h), data(std::size_t(w) * h, fill) {}
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint32_t& at(int x, int y) { return data[std::size_t(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return data[std::size_t(y) * width + x]; }
};

class SoftRaster final : public Blitter {
public:
    // The screen of the given size, a black 640 x 480 background_main, and the sheet.
    SoftRaster(int screen_width, int screen_height, Pixels sheet);

    void bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                 RasterOp op) override;
    void stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                     int source_w, int source_h, RasterOp op) override;
    void resize(Surface buffer, int width, int height) override;
    void flush_screen() override { ++screen_flushes; }

    Pixels& surface(Surface which) { return surfaces_[static_cast<std::size_t>(which)]; }
    int transfers_to_screen = 0;
    int screen_flushes = 0;
    std::int64_t pixels_erased = 0;  // asked to copy from background_copy, before clipping

private:
    std::array<Pixels, 5> surfaces_;
};

}  // namespace velmora
