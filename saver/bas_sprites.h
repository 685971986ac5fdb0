// The scene: where each picture lies in the sprite sheet (image_table), the
// sparkle animation (anim_seq), one slot per sprite, and the per-frame motion.
//
// Slot 1 is the banner, scrolling right to left along one edge; slot 2 the
// photograph of the pass, left to right along the other edge; slots 4 to 8 the
// sparkles. Slot 3 is set up like a sparkle but nothing switches it on.
#pragma once

#include "saver/random_source.h"

#include <array>
#include <cstdint>

namespace velmora {

struct ImageRow {
    std::int32_t src_x = 0, src_y = 0, width = 0, height = 0;
};

struct SpriteSlot {
    std::int32_t sprite_active = 0;
    double sprite_x = 0, sprite_y = 0;  // may be fractional and off screen
    double sprite_dx = 0;
    std::int32_t sprite_image = 0;      // image_table row shown now
    std::int32_t sprite_transparent = 0;  // non-zero: drawn ORed onto the frame
    std::int32_t sprite_anim = 0;       // anim_seq sequence played; 0 = none
    std::int32_t sprite_step = 0;
    std::int32_t sprite_end_mode = 0;   // at the end mark: 0 loop, 1 switch off, 2 hold the last image
    std::int32_t old_x = 0, old_y = 0;  // where it was before this frame's motion
    std::int32_t old_width = 0, old_height = 0;  // and its size there: the image may change in the motion
    std::int32_t erase_pending = 0;  // non-zero: the old place is still to be erased this frame
};

inline constexpr int table_bound = 20;   // slots, images and sequences 0..20
inline constexpr int step_bound = 200;   // animation steps 0..200
inline constexpr std::int32_t anim_end = -1;
inline constexpr std::int32_t max_speed = 100;  // stored speeds above move no faster
inline constexpr std::int32_t banner_row = 1;
inline constexpr std::int32_t banner_width = 1134;
inline constexpr std::int32_t banner_height = 73;

struct Scene {
    std::array<ImageRow, table_bound + 1> image_table{};
    std::array<std::array<std::int32_t, step_bound + 1>, table_bound + 1> anim_seq{};
    std::array<SpriteSlot, table_bound + 1> sprites{};
    std::int32_t sprite_count = 0;
    std::int32_t picture_index = 0;  // row of this pass's photograph, 2..11
    std::int32_t banner_on_top = 0;  // toggled each pass; the first banner runs along the top
    double edge_margin = 0;          // screen_height / 15, unrounded
};

// The part of the window that the scene needs to know.
struct Screen {
    std::int32_t screen_width = 0, screen_height = 0;
};

// Fills the tables and switches every slot off, then picks the first photograph.
void init_sprites(Scene& scene, RandomSource& random);

// Sets the frame length (50 ms) and sets up the scene for a window of the given size.
void init_game(Scene& scene, const Screen& screen, std::int32_t& frame_delay, RandomSource& random);

// The screen has a new size while the scene runs: the margin follows the new
// height, and the banner and the photograph of the pass move to the edges they
// run along, keeping their way across; the next pass starts from the new width.
void fit_scene_to_screen(Scene& scene, const Screen& screen);

// One frame of motion: a new pass when banner and photograph are both gone,
// otherwise their movement; then perhaps a new sparkle, then anim_sprites.
// `speed` is the setting (0 Normal, 1 Faster, 2 Fastest), read at each new pass;
// a stored value beyond them counts as the nearest of the three.
void move_sprites(Scene& scene, const Screen& screen, std::int32_t speed, RandomSource& random);

void anim_sprites(Scene& scene);
void sprite_off(Scene& scene, int slot);

}  // namespace velmora
