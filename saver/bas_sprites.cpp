#include "saver/bas_sprites.h"

#include <algorithm>

namespace velmora {
namespace {

// Where each picture lies in the sprite sheet; rows 0, 19 and 20 stay empty.
constexpr std::array<ImageRow, 12> pictures = {{
    {0, 0, 0, 0},
    {2, 2, banner_width, banner_height},  // 1: the greeting banner
    {4, 82, 320, 240},                    // 2..11: the ten photographs
    {335, 84, 320, 240},
    {856, 84, 203, 240},
    {5, 582, 320, 240},
    {629, 597, 320, 240},
    {353, 588, 242, 240},
    {335, 330, 320, 240},
    {5, 327, 320, 240},
    {666, 84, 174, 240},
    {664, 330, 353, 240},
}};
constexpr std::int32_t first_photograph_row = 2;
constexpr std::int32_t last_photograph_row = 11;
constexpr std::int32_t first_sparkle_row = 12;  // 12..18: a shrinking cross, the last all black
constexpr int sparkle_images = 7;
constexpr std::int32_t sparkle_sequence = 1;
constexpr int banner_slot = 1, photograph_slot = 2, first_sparkle_slot = 4, sparkle_slots = 5;

// int(): the whole part, rounding down.
std::int32_t whole(double value) {
    return static_cast<std::int32_t>(value);
}

// The banner along the edge of this pass, the photograph along the other one.
void place_along_edges(Scene& scene, const Screen& screen) {
    SpriteSlot& banner = scene.sprites[banner_slot];
    SpriteSlot& photo = scene.sprites[photograph_slot];
    banner.sprite_y = scene.banner_on_top ? scene.edge_margin : (screen.screen_height - banner_height) - scene.edge_margin;
    photo.sprite_y = banner.sprite_y == scene.edge_margin
                         ? (screen.screen_height - scene.image_table[photo.sprite_image].height) - scene.edge_margin
                         : scene.edge_margin;
}

void start_pass(Scene& scene, const Screen& screen, std::int32_t stored_speed) {
    // The settings dialog writes 0, 1 or 2, and higher stored speeds simply move
    // faster. Below 0 the pass would freeze (no motion, or backwards), and far above
    // 100 a sprite would leap past any coordinate: those are bounded.
    const std::int32_t speed = std::clamp(stored_speed, 0, max_speed);
    SpriteSlot& banner = scene.sprites[banner_slot];
    banner.sprite_active = 1;
    banner.sprite_image = banner_row;
    scene.banner_on_top ^= 1;
    banner.sprite_x = screen.screen_width;
    banner.sprite_dx = -3.0 - speed;

    if (++scene.picture_index > last_photograph_row) scene.picture_index = first_photograph_row;
    const ImageRow& photo_row = scene.image_table[scene.picture_index];
    SpriteSlot& photo = scene.sprites[photograph_slot];
    photo.sprite_image = scene.picture_index;
    photo.sprite_x = -photo_row.width;
    photo.sprite_dx = speed + 2.0;
    place_along_edges(scene, screen);
    photo.sprite_active = 1;
}

void move_pass(Scene& scene, const Screen& screen) {
    SpriteSlot& banner = scene.sprites[banner_slot];
    if (banner.sprite_active) {
        banner.sprite_x += banner.sprite_dx;
        if (banner.sprite_x + banner_width < 10) banner.sprite_active = 0;
    }
    SpriteSlot& photo = scene.sprites[photograph_slot];
    if (photo.sprite_active) {
        photo.sprite_x += photo.sprite_dx;
        if (photo.sprite_x > screen.screen_width + 10.0) photo.sprite_active = 0;
    }
}

void maybe_spawn_sparkle(Scene& scene, const Screen& screen, RandomSource& random) {
    const int slot = whole(random.next() * sparkle_slots + 1) + (first_sparkle_slot - 1);
    SpriteSlot& sparkle = scene.sprites[slot];
    if (sparkle.sprite_active) return;
    sparkle.sprite_anim = sparkle_sequence;
    sparkle.sprite_end_mode = 1;
    sparkle.sprite_x = whole(random.next() * screen.screen_width + 1);
    sparkle.sprite_y = whole(random.next() * screen.screen_height + 1);
    sparkle.sprite_active = 1;
}

}  // namespace

void sprite_off(Scene& scene, int slot) {
    SpriteSlot& sprite = scene.sprites[slot];
    sprite.sprite_active = 0;
    sprite.sprite_anim = 0;
    sprite.sprite_step = 0;
}

void init_sprites(Scene& scene, RandomSource& random) {
    for (std::size_t row = 1; row < pictures.size(); ++row) scene.image_table[row] = pictures[row];
    for (int k = 0; k < sparkle_images; ++k) {
        scene.image_table[first_sparkle_row + k] = {965 + 18 * k, 597, 15, 21};
        scene.anim_seq[sparkle_sequence][1 + k] = first_sparkle_row + k;
    }
    scene.anim_seq[sparkle_sequence][1 + sparkle_images] = anim_end;

    scene.sprite_count = 8;
    for (int slot = 1; slot <= scene.sprite_count; ++slot) {
        sprite_off(scene, slot);
        if (slot > photograph_slot) scene.sprites[slot].sprite_transparent = 1;
    }
    random.seed_from_clock();
    scene.picture_index = whole(random.next() * 10 + 1);
}

void init_game(Scene& scene, const Screen& screen, std::int32_t& frame_delay, RandomSource& random) {
    frame_delay = 50;
    init_sprites(scene, random);
    scene.edge_margin = screen.screen_height / 15.0;
}

void fit_scene_to_screen(Scene& scene, const Screen& screen) {
    scene.edge_margin = screen.screen_height / 15.0;
    place_along_edges(scene, screen);
}

void move_sprites(Scene& scene, const Screen& screen, std::int32_t speed, RandomSource& random) {
    random.seed_from_clock();
    if (!scene.sprites[banner_slot].sprite_active && !scene.sprites[photograph_slot].sprite_active)
        start_pass(scene, screen, speed);
    else
        move_pass(scene, screen);
    maybe_spawn_sparkle(scene, screen, random);
    anim_sprites(scene);
}

void anim_sprites(Scene& scene) {
    for (int slot = 1; slot <= scene.sprite_count; ++slot) {
        SpriteSlot& sprite = scene.sprites[slot];
        if (!sprite.sprite_active || !sprite.sprite_anim) continue;
        const auto& sequence = scene.anim_seq[sprite.sprite_anim];
        // A sequence always holds its end mark within its steps; the bound only guards the table.
        if (++sprite.sprite_step > step_bound) sprite.sprite_step = step_bound;
        const std::int32_t entry = sequence[sprite.sprite_step];
        if (entry != anim_end) {
            sprite.sprite_image = entry;
            continue;
        }
        switch (sprite.sprite_end_mode) {
        case 0:
            sprite.sprite_step = 1;
            sprite.sprite_image = sequence[1];
            break;
        case 1:
            sprite.sprite_step = 0;
            sprite_off(scene, slot);
            break;
        case 2:
            sprite.sprite_anim = 0;
            break;
        default:
            break;
        }
    }
}

}  // namespace velmora
