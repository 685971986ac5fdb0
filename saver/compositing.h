// Flicker-free drawing: every frame restores the clean backdrop under each sprite
// in background_work (erase pass), draws the sprites there (draw pass), then copies
// to the screen one rectangle per sprite covering where it was and where it is now
// (present pass), handing rectangles that lie near each other to the display as
// one update. The screen never sees a half-drawn frame.
//
// The erase pass notes each sprite's place before the motion and erases once the
// motion is known, at the start of the draw pass: what a copied sprite covers
// again is not erased first. The frame comes out the same, with a fraction of
// the copying.
#pragma once

#include "saver/bas_sprites.h"
#include "saver/blitter.h"

namespace velmora {

inline constexpr int backdrop_width = 640;
inline constexpr int backdrop_height = 480;

// Stretches the black 640 x 480 backdrop over the window and copies the result
// into background_work and background_copy, both resized to the window.
void prepare_buffers(const Screen& screen, Blitter& blitter);

void blit_old_sprites(Scene& scene);                          // remember where each sprite was
void blit_new_sprites(Scene& scene, Blitter& blitter);        // erase those places, draw at the new
void blit_flicker_free(const Scene& scene, Blitter& blitter); // present

// The repaint on request: the top-left 640 x 480 of the clean backdrop to the
// screen, whatever the screen's size.
void full_repaint(Blitter& blitter);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// Whether a rectangle joins the screen update being gathered, or the gathered one
// goes to the display first: it joins when the box around both is at most twice
// their areas together, or wastes only a few pixels (64 K). A banner along the
// top and a photograph along the bottom are two small updates, not one box over
// most of the screen.
bool joins_update(const Rect& gathered, const Rect& next);

// The rectangle the present pass copies for one sprite: one column (row) more than
// the union of old and new place along an axis on which it moved.
Rect present_rect(int old_x, int old_y, int x, int y, int w, int h);

}  // namespace velmora
