#include "saver/compositing.h"

#include "ui/rounding.h"

namespace velmora {

using ui::round_to_int32;
namespace {

std::pair<int, int> extent(int old_position, int position, int size) {
    if (old_position < position) return {old_position, (position - old_position) + 1 + size};
    if (old_position > position) return {position, (old_position - position) + 1 + size};
    return {position, size};
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
    for (int i = 1; i <= scene.sprite_count; ++i) {
        const SpriteSlot& sprite = scene.sprites[i];
        if (!sprite.sprite_active) continue;
        const ImageRow& r = scene.image_table[sprite.sprite_image];
        const Rect area = present_rect(sprite.old_x, sprite.old_y, round_to_int32(sprite.sprite_x),
                                       round_to_int32(sprite.sprite_y), r.width, r.height);
        blitter.bit_blt(Surface::screen, area.left, area.top, area.width, area.height, Surface::background_work,
                        area.left, area.top, RasterOp::srccopy);
    }
}

void full_repaint(Blitter& blitter) {
    blitter.bit_blt(Surface::screen, 0, 0, backdrop_width, backdrop_height, Surface::background_copy, 0, 0,
                    RasterOp::srccopy);
}

}  // namespace velmora
