// The block transfers the saver draws with, between the window and its hidden
// buffers. The program uses GDI (gdi_blitter_win32.cpp); tests use SoftRaster,
// which keeps real pixels with the same rules.
#pragma once

#include <cstdint>

namespace velmora {

enum class Surface { screen, background_main, background_copy, background_work, sprite };

enum class RasterOp : std::uint32_t {
    srccopy = 0x00CC0020,   // the destination takes the source pixels
    srcpaint = 0x00EE0086,  // the destination becomes source OR destination
};

class Blitter {
public:
    virtual ~Blitter() = default;
    // Copies w x h pixels; only the part inside both surfaces is transferred.
    virtual void bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x,
                         int source_y, RasterOp op) = 0;
    virtual void stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x,
                             int source_y, int source_w, int source_h, RasterOp op) = 0;
    // Gives a buffer a new size (its contents are undefined until drawn).
    virtual void resize(Surface buffer, int width, int height) = 0;
    // Hands what has been copied to the screen so far to the display as one
    // update; the copies after it make the next.
    virtual void flush_screen() {}
};

}  // namespace velmora
