#include "saver/compositing.h"

#include "ui/rounding.h"

#include <algorithm>
#include <cstdint>
#include <array>
#include <cstddef>

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


}  // namespace

bool joins_update(const Rect& gathered, const Rect& next) {
    const std::int64_t both = area(gathered) + area(next), box = area(bounding_box(gathered, next));
    return box <= 2 * both || box - both <= small_waste;
}

namespace {

// The frame's screen rectangles, each tagged with the update it joins (the
// first whose box it joins, or a new one). At most two per sprite, since a jump
// presents two places; nothing is allocated per frame.
class PresentPlan {
public:
    void add(const Rect& area) {
        int u = 0;
        while (u < update_count_ && !joins_update(boxes_[u], area)) ++u;
        boxes_[u] = u == update_count_ ? area : bounding_box(boxes_[u], area);
        if (u == update_count_) ++update_count_;
        rects_[rect_count_] = area;
        update_of_[rect_count_++] = u;
    }
    // Copies update by update, handing each to the display before the next.
    void present(Blitter& blitter) const {
        for (int u = 0; u < update_count_; ++u) {
            if (u > 0) blitter.flush_screen();
            for (int i = 0; i < rect_count_; ++i) {
                if (update_of_[i] != u) continue;
                const Rect& r = rects_[i];
                blitter.bit_blt(Surface::screen, r.left, r.top, r.width, r.height, Surface::background_work, r.left,
                                r.top, RasterOp::srccopy);
            }
        }
    }

private:
    static constexpr std::size_t capacity = 2 * (table_bound + 1);
    std::array<Rect, capacity> rects_{}, boxes_{};
    std::array<int, capacity> update_of_{};
    int rect_count_ = 0, update_count_ = 0;
};

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

void blit_old_sprites(Scene& scene) {
    for (int i = 1; i <= scene.sprite_count; ++i) {
        SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.sprite_active) continue;
        const ImageRow& r = scene.image_table[sprite.sprite_image];
        sprite.old_x = round_to_int32(sprite.sprite_x);
        sprite.old_y = round_to_int32(sprite.sprite_y);
        sprite.old_width = r.width;
        sprite.old_height = r.height;
        sprite.erase_pending = 1;
    }
}

namespace {

void erase(Blitter& blitter, const Rect& r) {
    if (r.width <= 0 || r.height <= 0) return;
    blitter.bit_blt(Surface::background_work, r.left, r.top, r.width, r.height, Surface::background_copy, r.left,
                    r.top, RasterOp::srccopy);
}

// Erases `old` except where it overlaps `covered`: a band above and one below
// the overlap, and one either side of it.
void erase_outside(Blitter& blitter, const Rect& old, const Rect& covered) {
    const int left = std::max(old.left, covered.left), top = std::max(old.top, covered.top);
    const int right = std::min(old.left + old.width, covered.left + covered.width);
    const int bottom = std::min(old.top + old.height, covered.top + covered.height);
    if (left >= right || top >= bottom) return erase(blitter, old);
    erase(blitter, {old.left, old.top, old.width, top - old.top});
    erase(blitter, {old.left, bottom, old.width, old.top + old.height - bottom});
    erase(blitter, {old.left, top, left - old.left, bottom - top});
    erase(blitter, {right, top, old.left + old.width - right, bottom - top});
}

}  // namespace

void blit_new_sprites(Scene& scene, Blitter& blitter) {
    // Every erase comes before any drawing, so that no sprite's erase wipes out
    // another's drawing. Where a copied (opaque) sprite is about to be drawn
    // anyway, its old place needs no erasing: for the banner and the photograph,
    // which move a few pixels a frame, that is nearly all of it.
    for (int i = 1; i <= scene.sprite_count; ++i) {
        SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.erase_pending) continue;
        sprite.erase_pending = 0;
        const Rect old_place{sprite.old_x, sprite.old_y, sprite.old_width, sprite.old_height};
        if (sprite.sprite_active && !sprite.sprite_transparent) {
            const ImageRow& r = scene.image_table[sprite.sprite_image];
            erase_outside(blitter, old_place,
                          {round_to_int32(sprite.sprite_x), round_to_int32(sprite.sprite_y), r.width, r.height});
        } else {
            erase(blitter, old_place);
        }
    }
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
    PresentPlan plan;
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
            plan.add(present_rect(sprite.old_x, sprite.old_y, x, y, r.width, r.height));
        } else {
            plan.add(old_place);
            plan.add(new_place);
        }
    }
    // The last update goes to the display when the frame loop next waits.
    plan.present(blitter);
}

void full_repaint(Blitter& blitter) {
    blitter.bit_blt(Surface::screen, 0, 0, backdrop_width, backdrop_height, Surface::background_copy, 0, 0,
                    RasterOp::srccopy);
}

}  // namespace velmora
