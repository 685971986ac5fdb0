#include "saver/compositing.h"

#include "ui/rounding.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmora {

using ui::round_to_int32;
namespace {

std::pair<int, int> extent(int old_position, int position, int size) {
    if (old_position < position) return {old_position, (position - old_position) + 1 + size};
    if (old_position > position) return {position, (old_position - position) + 1 + size};
    return {position, size};
}

// Copying this many pixels more costs less than a second update.
constexpr std::int64_t small_waste = 64 * 1024;

std::int64_t area(const Rect& r) {
    return std::int64_t(r.width) * r.height;
}

Rect bounding_box(const Rect& a, const Rect& b) {
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

// Rectangles for the screen gathered into one update, `box` around them all.
struct Update {
    Rect box;
    std::vector<Rect> parts;
};

void gather(std::vector<Update>& updates, const Rect& area);

}  // namespace

bool joins_update(const Rect& gathered, const Rect& next) {
    const std::int64_t both = area(gathered) + area(next), box = area(bounding_box(gathered, next));
    return box <= 2 * both || box - both <= small_waste;
}

namespace {

// Into the first update it joins, or a new one.
void gather(std::vector<Update>& updates, const Rect& area) {
    auto joined = std::find_if(updates.begin(), updates.end(),
                               [&](const Update& u) { return joins_update(u.box, area); });
    if (joined == updates.end()) {
        updates.push_back({area, {area}});
    } else {
        joined->box = bounding_box(joined->box, area);
        joined->parts.push_back(area);
    }
}

}  // namespace

Rect present_rect(int old_x, int old_y, int x, int y, int w, int h) {
    const auto [left, width] = extent(old_x, x, w);
    const auto [top, height] = extent(old_y, y, h);
    return {left, top, width, height};
}

void prepare_buffers(const Screen& screen, Blitter& blitter) {
    blitter.stretch_blt(Surface::screen, 0, 0, screen.screen_width, screen.screen_height, Surface::background_main, 0,
                        0, backdrop_width, backdrop_height, RasterOp::srccopy);
    for (Surface buffer : {Surface::background_work, Surface::background_copy}) {
        blitter.resize(buffer, screen.screen_width, screen.screen_height);
        blitter.bit_blt(buffer, 0, 0, screen.screen_width, screen.screen_height, Surface::screen, 0, 0,
                        RasterOp::srccopy);
    }
}

void blit_old_sprites(Scene& scene, Blitter& blitter) {
    for (int i = 1; i <= scene.sprite_count; ++i) {
        SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.sprite_active) continue;
        const ImageRow& r = scene.image_table[sprite.sprite_image];
        const int x = round_to_int32(sprite.sprite_x), y = round_to_int32(sprite.sprite_y);
        blitter.bit_blt(Surface::background_work, x, y, r.width, r.height, Surface::background_copy, x, y,
                        RasterOp::srccopy);
        sprite.old_x = x;
        sprite.old_y = y;
        sprite.old_width = r.width;
        sprite.old_height = r.height;
    }
}

void blit_new_sprites(const Scene& scene, Blitter& blitter) {
    for (int i = 1; i <= scene.sprite_count; ++i) {
        const SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.sprite_active) continue;
        const ImageRow& r = scene.image_table[sprite.sprite_image];
        blitter.bit_blt(Surface::background_work, round_to_int32(sprite.sprite_x), round_to_int32(sprite.sprite_y),
                        r.width, r.height, Surface::sprite, r.src_x, r.src_y,
                        sprite.sprite_transparent ? RasterOp::srcpaint : RasterOp::srccopy);
    }
}

void blit_flicker_free(const Scene& scene, Blitter& blitter) {
    std::vector<Update> updates;
    for (int i = 1; i <= scene.sprite_count; ++i) {
        const SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.sprite_active) continue;
        const ImageRow& r = scene.image_table[sprite.sprite_image];
        const int x = round_to_int32(sprite.sprite_x), y = round_to_int32(sprite.sprite_y);
        // A sprite that jumped (a sparkle lit somewhere new) presents its old and
        // its new place apart; the screen between them has not changed.
        const Rect old_place{sprite.old_x, sprite.old_y, sprite.old_width, sprite.old_height};
        const Rect new_place{x, y, r.width, r.height};
        if (joins_update(old_place, new_place)) {
            gather(updates, present_rect(sprite.old_x, sprite.old_y, x, y, r.width, r.height));
        } else {
            gather(updates, old_place);
            gather(updates, new_place);
        }
    }
    for (std::size_t u = 0; u < updates.size(); ++u) {
        if (u > 0) blitter.flush_screen();
        for (const Rect& area : updates[u].parts)
            blitter.bit_blt(Surface::screen, area.left, area.top, area.width, area.height, Surface::background_work,
                            area.left, area.top, RasterOp::srccopy);
    }
    // The last update goes to the display when the frame loop next waits.
}

void full_repaint(Blitter& blitter) {
    blitter.bit_blt(Surface::screen, 0, 0, backdrop_width, backdrop_height, Surface::background_copy, 0, 0,
                    RasterOp::srccopy);
}

}  // namespace velmora
