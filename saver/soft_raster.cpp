#include "saver/soft_raster.h"

#include "saver/compositing.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

std::uint32_t apply(RasterOp op, std::uint32_t source, std::uint32_t destination) {
    return op == RasterOp::srcpaint ? (source | destination) : source;
}

}  // namespace

SoftRaster::SoftRaster(int screen_width, int screen_height, Pixels sheet) {
    surface(Surface::screen) = Pixels(screen_width, screen_height);
    surface(Surface::background_main) = Pixels(backdrop_width, backdrop_height);
    surface(Surface::sprite) = std::move(sheet);
}

void SoftRaster::bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                         RasterOp op) {
    if (source == Surface::background_copy) pixels_erased += std::int64_t(w) * h;
    if (destination == Surface::screen) ++transfers_to_screen;
    Pixels& to = surface(destination);
    const Pixels& from = surface(source);
    // Clip the rectangle's offsets to the part that lies inside both surfaces.
    const int i0 = std::max({0, -x, -source_x});
    const int j0 = std::max({0, -y, -source_y});
    const int i1 = std::min({w, to.width - x, from.width - source_x});
    const int j1 = std::min({h, to.height - y, from.height - source_y});
    if (i0 >= i1 || j0 >= j1) return;
    // Overlapping copies within one surface read the source as it was before.
    const Pixels before = source == destination ? from : Pixels();
    const Pixels& read = source == destination ? before : from;
    for (int j = j0; j < j1; ++j) {
        std::uint32_t* out = &to.at(x + i0, y + j);
        const std::uint32_t* in = read.data.data() + std::size_t(source_y + j) * read.width + (source_x + i0);
        for (int i = 0; i < i1 - i0; ++i) out[i] = apply(op, in[i], out[i]);
    }
}

void SoftRaster::stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x,
                             int source_y, int source_w, int source_h, RasterOp op) {
    if (destination == Surface::screen) ++transfers_to_screen;
    if (w <= 0 || h <= 0 || source_w <= 0 || source_h <= 0) return;
    Pixels& to = surface(destination);
    const Pixels& from = surface(source);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int sx = source_x + int(std::int64_t(i) * source_w / w);
            const int sy = source_y + int(std::int64_t(j) * source_h / h);
            if (to.contains(x + i, y + j) && from.contains(sx, sy))
                to.at(x + i, y + j) = apply(op, from.at(sx, sy), to.at(x + i, y + j));
        }
    }
}

void SoftRaster::resize(Surface buffer, int width, int height) {
    surface(buffer) = Pixels(std::max(width, 0), std::max(height, 0));
}

}  // namespace velmora
