// What the screen shows, on the software raster: the present rectangles, the two
// raster operations, clipping at every edge, switching off, and the full repaint.
#include "saver/compositing.h"
#include "saver/soft_raster.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr std::uint32_t red = 0xFF0000, blue = 0x0000FF, green = 0x00FF00;

// A sheet with solid images: the banner red, the photographs blue, sparkle
// images green (the last black), on black like the real sheet.
Pixels solid_sheet(const Scene& scene) {
    Pixels sheet(1140, 838);
    for (int row = 1; row <= 18; ++row) {
        const ImageRow& r = scene.image_table[row];
        const std::uint32_t colour = row == 1 ? red : row <= 11 ? blue : row < 18 ? green : 0;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x) sheet.at(r.src_x + x, r.src_y + y) = colour;
    }
    return sheet;
}

struct CompositingFixture : ::testing::Test {
    void SetUp() override {
        init_sprites(scene, random);
    }
    // One frame's passes around a motion that the test performs itself.
    template <class Motion>
    void frame(SoftRaster& raster, Motion motion) {
        blit_old_sprites(scene);
        motion();
        blit_new_sprites(scene, raster);
        blit_flicker_free(scene, raster);
    }
    void place(int slot, double x, double y, int image, int transparent) {
        SpriteSlot& s = scene.sprites[slot];
        s.sprite_active = 1;
        s.sprite_x = x;
        s.sprite_y = y;
        s.sprite_image = image;
        s.sprite_transparent = transparent;
    }
    Scene scene;
    testing::ScriptedRandom random;
};

TEST(PresentRect, CoversOldAndNewPlaceWithOneMoreAlongEachMovedAxis) {
    EXPECT_EQ(present_rect(100, 50, 97, 52, 15, 21), (Rect{97, 50, 19, 24}));
    EXPECT_EQ(present_rect(97, 52, 100, 50, 15, 21), (Rect{97, 50, 19, 24}));
    EXPECT_EQ(present_rect(40, 60, 40, 60, 15, 21), (Rect{40, 60, 15, 21}));
    EXPECT_EQ(present_rect(0, 0, 300, 200, 15, 21), (Rect{0, 0, 316, 222}));  // never erased before
}

TEST(SoftRasterTest, ClipsToBothSurfacesAtEveryEdge) {
    Pixels sheet(4, 4, 7);
    SoftRaster raster(6, 5, sheet);
    raster.bit_blt(Surface::screen, -2, -1, 4, 4, Surface::sprite, 0, 0, RasterOp::srccopy);
    raster.bit_blt(Surface::screen, 4, 3, 4, 4, Surface::sprite, 0, 0, RasterOp::srccopy);
    raster.bit_blt(Surface::screen, 0, 4, 3, 3, Surface::sprite, -2, 2, RasterOp::srccopy);
    const char* expected[] = {
        "77....",
        "77....",
        "77....",
        "....77",
        "..7.77",
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(raster.surface(Surface::screen).at(x, y), expected[y][x] == '7' ? 7u : 0u) << x << "," << y;
}

TEST_F(CompositingFixture, OverlapsOrWithSrcpaintAndCoverWithSrccopy) {
    SoftRaster raster(640, 480, solid_sheet(scene));
    prepare_buffers(Screen{640, 480}, raster);
    place(1, 100, 100, 1, 0);  // red banner, copied
    place(2, 150, 90, 2, 0);   // blue photograph over it, copied
    place(4, 140, 95, 12, 1);  // green sparkle ORed over both
    frame(raster, [] {});
    const Pixels& screen = raster.surface(Surface::screen);
    EXPECT_EQ(screen.at(120, 120), red);
    EXPECT_EQ(screen.at(160, 120), blue);           // the higher slot covers
    EXPECT_EQ(screen.at(145, 105), red | green);    // ORed onto the banner
    EXPECT_EQ(screen.at(152, 105), blue | green);   // and onto the photograph
    EXPECT_EQ(screen.at(145, 96), green);           // onto black: exactly its pixels
}

TEST_F(CompositingFixture, EachActiveSpriteIsPresentedOncePerFrameAndOffScreenPartsClip) {
    SoftRaster raster(640, 480, solid_sheet(scene));
    prepare_buffers(Screen{640, 480}, raster);
    place(1, 640, 32, 1, 0);    // banner entering at the right edge
    place(2, -320, 208, 2, 0);  // photograph entering at the left edge
    raster.transfers_to_screen = 0;
    frame(raster, [&] {
        scene.sprites[1].sprite_x -= 3;
        scene.sprites[2].sprite_x += 2;
    });
    EXPECT_EQ(raster.transfers_to_screen, 2);
    const Pixels& screen = raster.surface(Surface::screen);
    for (int x = 637; x < 640; ++x) EXPECT_EQ(screen.at(x, 32), red);
    EXPECT_EQ(screen.at(636, 32), 0u);
    EXPECT_EQ(screen.at(0, 208), blue);
    EXPECT_EQ(screen.at(1, 447), blue);
    EXPECT_EQ(screen.at(2, 208), 0u);
}

TEST(JoinsUpdate, RectanglesFarApartAreSeparateUpdatesUnlessTheSpaceBetweenIsSmall) {
    struct Case {
        Rect gathered, next;
        bool joins;
    } const cases[] = {
        {{0, 0, 1135, 74}, {100, 700, 321, 240}, false},  // banner at the top, photograph at the bottom
        {{0, 0, 1135, 74}, {500, 40, 16, 22}, true},      // a sparkle overlapping the banner
        {{0, 0, 100, 100}, {100, 0, 100, 100}, true},     // side by side: the box is exactly both
        {{0, 0, 400, 300}, {600, 500, 400, 300}, false},  // a box of 1000 x 800 over 2 x 400 x 300
        {{0, 0, 15, 21}, {200, 100, 15, 21}, true},       // two sparkles: the few pixels between cost less
        {{0, 0, 100, 100}, {0, 0, 0, 0}, true},           // nothing to add
    };
    for (const Case& c : cases) EXPECT_EQ(c.joins, joins_update(c.gathered, c.next)) << c.next.left << "," << c.next.top;
}

TEST_F(CompositingFixture, TheBannerAndAPhotographOnOppositeEdgesReachTheDisplayAsTwoUpdates) {
    SoftRaster raster(1920, 1080, solid_sheet(scene));
    prepare_buffers(Screen{1920, 1080}, raster);
    place(1, 900, 0, 1, 0);     // banner along the top
    place(2, 800, 840, 2, 0);   // photograph along the bottom
    place(3, 950, 20, 12, 1);   // a sparkle over the banner
    raster.screen_flushes = 0;
    frame(raster, [&] {
        scene.sprites[1].sprite_x -= 3;
        scene.sprites[2].sprite_x += 2;
    });
    EXPECT_EQ(raster.screen_flushes, 1) << "one hand-over between the top and the bottom; the last is the loop's";
}

TEST_F(CompositingFixture, ASpriteThatJumpsPresentsItsOldAndNewPlaceOnly) {
    SoftRaster raster(1920, 1080, solid_sheet(scene));
    prepare_buffers(Screen{1920, 1080}, raster);
    place(3, 100, 100, 12, 1);
    frame(raster, [] {});
    constexpr std::uint32_t untouched = 0x123456;
    raster.surface(Surface::screen).at(800, 500) = untouched;  // between the two places
    raster.transfers_to_screen = 0;
    frame(raster, [&] {
        scene.sprites[3].sprite_x = 1500;
        scene.sprites[3].sprite_y = 900;
    });
    EXPECT_EQ(raster.transfers_to_screen, 2);
    const Pixels& screen = raster.surface(Surface::screen);
    EXPECT_EQ(screen.at(100, 100), 0u) << "the old place is erased";
    EXPECT_EQ(screen.at(1500, 900), green) << "the new place is drawn";
    EXPECT_EQ(screen.at(800, 500), untouched) << "nothing between them is copied";
}

TEST_F(CompositingFixture, APhotographReplacedByANarrowerOneFarAwayLeavesNoTrail) {
    SoftRaster raster(1920, 1080, solid_sheet(scene));
    prepare_buffers(Screen{1920, 1080}, raster);
    const int wide = 11, narrow = 10;  // photographs 353 and 174 pixels wide
    ASSERT_GT(scene.image_table[wide].width, scene.image_table[narrow].width + 100);
    place(2, 1500, 800, wide, 0);
    frame(raster, [] {});
    frame(raster, [&] {
        scene.sprites[2].sprite_x = -100;
        scene.sprites[2].sprite_image = narrow;
    });
    const Pixels& screen = raster.surface(Surface::screen);
    for (int x = 1500; x < 1500 + scene.image_table[wide].width; x += 7)
        EXPECT_EQ(screen.at(x, 900), 0u) << "x " << x;
}

TEST_F(CompositingFixture, MovingSpriteLeavesNoTrailAndFractionalRowsRoundHalfToEven) {
    SoftRaster raster(1024, 768, solid_sheet(scene));
    prepare_buffers(Screen{1024, 768}, raster);
    place(1, 500, 51.2, 1, 0);
    frame(raster, [] {});
    frame(raster, [&] { scene.sprites[1].sprite_x -= 5; });
    const Pixels& screen = raster.surface(Surface::screen);
    EXPECT_EQ(screen.at(495, 51), red);
    EXPECT_EQ(screen.at(495, 50), 0u);
    EXPECT_EQ(screen.at(495, 123), red);
    EXPECT_EQ(screen.at(495, 124), 0u);
    place(2, 10, 2.5, 2, 0);  // 2.5 rounds to 2
    frame(raster, [] {});
    EXPECT_EQ(screen.at(10, 2), blue);
    EXPECT_EQ(screen.at(10, 1), 0u);
}

TEST_F(CompositingFixture, SpriteSwitchedOffInTheMotionStepIsNeitherDrawnNorPresented) {
    SoftRaster raster(640, 480, solid_sheet(scene));
    prepare_buffers(Screen{640, 480}, raster);
    place(5, 300, 300, 12, 1);
    frame(raster, [] {});
    EXPECT_EQ(raster.surface(Surface::screen).at(305, 305), green);
    raster.transfers_to_screen = 0;
    frame(raster, [&] { sprite_off(scene, 5); });
    EXPECT_EQ(raster.transfers_to_screen, 0);
    // The screen keeps what it last showed; the composed frame no longer holds it.
    EXPECT_EQ(raster.surface(Surface::screen).at(305, 305), green);
    EXPECT_EQ(raster.surface(Surface::background_work).at(305, 305), 0u);
}

// The erase waits for the motion and skips what a copied sprite covers again.
// Over a long run of the real scene, every composed frame and every screen
// equal those of erasing each sprite's whole old place before the motion.
TEST_F(CompositingFixture, ErasingOnlyWhatIsNotDrawnAgainComposesTheSameFrames) {
    Pixels sheet(1140, 838);
    for (std::size_t i = 0; i < sheet.data.size(); ++i) sheet.data[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFF;
    const Screen screen{640, 480};
    SoftRaster deferred(640, 480, sheet), whole(640, 480, sheet);
    prepare_buffers(screen, deferred);
    prepare_buffers(screen, whole);
    ClockSeededRandom chance([] { return 7u; });
    std::int32_t frame_delay = 0;
    init_game(scene, screen, frame_delay, chance);
    std::int64_t erased_whole = 0;
    for (int n = 0; n < 600; ++n) {
        blit_old_sprites(scene);
        for (int i = 1; i <= scene.sprite_count; ++i) {
            const SpriteSlot& s = scene.sprites[i];
            if (!s.erase_pending) continue;
            whole.bit_blt(Surface::background_work, s.old_x, s.old_y, s.old_width, s.old_height,
                          Surface::background_copy, s.old_x, s.old_y, RasterOp::srccopy);
        }
        move_sprites(scene, screen, 2, chance);
        Scene draw_only = scene;
        for (SpriteSlot& s : draw_only.sprites) s.erase_pending = 0;
        blit_new_sprites(scene, deferred);
        blit_new_sprites(draw_only, whole);
        blit_flicker_free(scene, deferred);
        blit_flicker_free(scene, whole);
        ASSERT_EQ(deferred.surface(Surface::background_work).data, whole.surface(Surface::background_work).data)
            << "frame " << n;
        ASSERT_EQ(deferred.surface(Surface::screen).data, whole.surface(Surface::screen).data) << "frame " << n;
    }
    erased_whole = whole.pixels_erased;
    EXPECT_LT(deferred.pixels_erased * 5, erased_whole) << "the banner and photograph erase only their trailing edge";
}

TEST_F(CompositingFixture, FullRepaintCoversOnlyTheTopLeft640By480) {
    SoftRaster raster(1024, 768, solid_sheet(scene));
    prepare_buffers(Screen{1024, 768}, raster);
    place(4, 630, 470, 12, 1);  // straddles the repaint's corner
    frame(raster, [] {});
    full_repaint(raster);
    const Pixels& screen = raster.surface(Surface::screen);
    EXPECT_EQ(screen.at(639, 479), 0u);
    EXPECT_EQ(screen.at(640, 475), green);
    EXPECT_EQ(screen.at(632, 480), green);
}

}  // namespace
}  // namespace velmora
