// The saver's hidden buffers as memory device contexts with compatible bitmaps,
// and the window's own device context as the screen.
#pragma once

#include "saver/blitter.h"

#include <windows.h>

#include <array>

namespace velmora::win32 {

class GdiBlitter final : public Blitter {
public:
    // `window` must belong to a class with CS_OWNDC: its DC is kept for the window's
    // life. Call once the window exists (not while it is being created, when its
    // own DC is not there yet).
    explicit GdiBlitter(HWND window);
    ~GdiBlitter() override;
    GdiBlitter(const GdiBlitter&) = delete;
    GdiBlitter& operator=(const GdiBlitter&) = delete;

    void bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                 RasterOp op) override;
    void stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                     int source_w, int source_h, RasterOp op) override;
    void resize(Surface buffer, int width, int height) override;
    void flush_screen() override;

private:
    struct Buffer {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ original = nullptr;
    };
    HDC dc(Surface which) const;
    void attach(Surface which, HBITMAP bitmap);

    HWND window_;
    HDC screen_;
    std::array<Buffer, 5> buffers_{};
};

}  // namespace velmora::win32
