// The scene: passes of banner and photograph, their speeds and edges, switching
// off, the photograph cycle, and the sparkles.
#include "saver/bas_sprites.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velmora {
namespace {

using testing::ScriptedRandom;

struct SceneFixture : ::testing::Test {
    // A scene on a screen of the given size whose first photograph is `first_row` - 1
    // (the first pass then shows row `first_row`). Sparkles land in slot 4 by default.
    void set_up(int width, int height, int first_row = 2) {
        screen = {width, height};
        random.queued = {(first_row - 2) / 10.0 + 0.05};
        init_game(scene, screen, frame_delay, random);
    }
    void frame(std::int32_t speed = 0) { move_sprites(scene, screen, speed, random); }
    const SpriteSlot& slot(int i) const { return scene.sprites[i]; }

    Scene scene;
    Screen screen;
    std::int32_t frame_delay = 0;
    ScriptedRandom random;
};

TEST_F(SceneFixture, SetUpFillsTheTablesAndSwitchesEverySlotOff) {
    set_up(640, 480);
    EXPECT_EQ(frame_delay, 50);
    EXPECT_EQ(scene.sprite_count, 8);
    EXPECT_DOUBLE_EQ(scene.edge_margin, 32.0);
    EXPECT_EQ(scene.image_table[1].width, 1134);
    EXPECT_EQ(scene.image_table[11].src_x, 664);
    EXPECT_EQ(scene.image_table[18].src_x, 965 + 18 * 6);
    EXPECT_EQ(scene.image_table[19].width, 0);
    for (int step = 1; step <= 7; ++step) EXPECT_EQ(scene.anim_seq[1][step], 11 + step);
    EXPECT_EQ(scene.anim_seq[1][8], -1);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(slot(i).sprite_active, 0);
        EXPECT_EQ(slot(i).sprite_transparent, i > 2 ? 1 : 0);
    }
    EXPECT_EQ(scene.picture_index, 1);
}

TEST_F(SceneFixture, FirstTwoPassesOnSmallAndLargeScreens) {
    struct Case {
        int width, height;
        double banner_y1, photo_y1, banner_y2, photo_y2;
    };
    const Case cases[] = {
        {640, 480, 32, 208, 375, 32},
        {1024, 768, 51.2, 768 - 240 - 51.2, 768 - 73 - 51.2, 51.2},
    };
    for (const Case& c : cases) {
        scene = Scene{};
        set_up(c.width, c.height);
        frame();
        EXPECT_DOUBLE_EQ(slot(1).sprite_x, c.width);
        EXPECT_DOUBLE_EQ(slot(1).sprite_y, c.banner_y1);
        EXPECT_DOUBLE_EQ(slot(2).sprite_x, -320);
        EXPECT_DOUBLE_EQ(slot(2).sprite_y, c.photo_y1);
        EXPECT_EQ(slot(2).sprite_image, 2);
        // Run the pass out: the new one starts in the frame after both went off.
        int frames = 0;
        while (slot(1).sprite_active || slot(2).sprite_active) frame(), ++frames;
        EXPECT_GT(frames, 300);
        frame();
        EXPECT_DOUBLE_EQ(slot(1).sprite_y, c.banner_y2) << c.width;
        EXPECT_DOUBLE_EQ(slot(2).sprite_y, c.photo_y2) << c.width;
        EXPECT_EQ(slot(2).sprite_image, 3);
    }
}

TEST_F(SceneFixture, SpeedSetsTheDistancePerFrame) {
    struct Case {
        std::int32_t speed;
        double banner_step, photo_step;
    };
    // Higher stored speeds (a hand-edited registry) move faster, up to 100; below 0
    // counts as 0.
    const Case cases[] = {{0, 3, 2},          {1, 4, 3},    {2, 5, 4},      {3, 6, 5},
                          {7, 10, 9},         {100, 103, 102}, {101, 103, 102}, {-3, 3, 2},
                          {INT32_MIN, 3, 2}, {INT32_MAX, 103, 102}};
    for (const Case& c : cases) {
        scene = Scene{};
        set_up(640, 480);
        frame(c.speed);
        frame(c.speed);
        EXPECT_DOUBLE_EQ(slot(1).sprite_x, 640 - c.banner_step) << c.speed;
        EXPECT_DOUBLE_EQ(slot(2).sprite_x, -320 + c.photo_step) << c.speed;
    }
}

TEST_F(SceneFixture, PhotographsCycleFromRowElevenToTwo) {
    set_up(640, 480, 11);
    frame();
    EXPECT_EQ(slot(2).sprite_image, 11);
    EXPECT_EQ(scene.image_table[11].width, 353);
    EXPECT_DOUBLE_EQ(slot(2).sprite_x, -353);
    scene.sprites[1].sprite_active = scene.sprites[2].sprite_active = 0;
    frame();
    EXPECT_EQ(slot(2).sprite_image, 2);
}

TEST_F(SceneFixture, SwitchingOffHappensInTheMotionStepAtTheExactBounds) {
    set_up(640, 480);
    frame();
    scene.sprites[1].sprite_x = -1123;  // -1126 + 1134 = 8 < 10: off in this step
    scene.sprites[2].sprite_x = 648;    // 650 = screen_width + 10: stays on
    frame();
    EXPECT_EQ(slot(1).sprite_active, 0);
    EXPECT_DOUBLE_EQ(slot(1).sprite_x, -1126);
    EXPECT_EQ(slot(2).sprite_active, 1);
    EXPECT_DOUBLE_EQ(slot(2).sprite_x, 650);
    frame();
    EXPECT_EQ(slot(2).sprite_active, 0);  // 652 > 650
    EXPECT_DOUBLE_EQ(slot(2).sprite_x, 652);
    EXPECT_EQ(slot(1).sprite_active, 0);  // no new pass in the frame that ended this one
    frame();
    EXPECT_EQ(slot(1).sprite_active, 1);
    EXPECT_DOUBLE_EQ(slot(1).sprite_x, 640);
}

TEST_F(SceneFixture, ANewScreenSizeMovesThePassToTheNewEdgesAndKeepsItsWayAcross) {
    struct Case {
        int passes;  // 1: banner along the top; 2: along the bottom
        int width, height;
        double margin, banner_y, photo_y;
    };
    const Case cases[] = {
        {1, 1024, 768, 51.2, 51.2, 768 - 240 - 51.2},
        {2, 1024, 768, 51.2, 768 - 73 - 51.2, 51.2},
        {1, 640, 480, 32, 32, 208},
    };
    for (const Case& c : cases) {
        scene = Scene{};
        set_up(800, 600);
        frame();
        for (int pass = 1; pass < c.passes; ++pass) {
            scene.sprites[1].sprite_active = scene.sprites[2].sprite_active = 0;
            frame();
        }
        for (int i = 0; i < 10; ++i) frame();
        const SpriteSlot banner = slot(1), photo = slot(2);
        fit_scene_to_screen(scene, Screen{c.width, c.height});
        EXPECT_DOUBLE_EQ(scene.edge_margin, c.margin);
        EXPECT_DOUBLE_EQ(slot(1).sprite_y, c.banner_y) << c.passes << " " << c.width;
        EXPECT_DOUBLE_EQ(slot(2).sprite_y, c.photo_y) << c.passes << " " << c.width;
        EXPECT_DOUBLE_EQ(slot(1).sprite_x, banner.sprite_x);
        EXPECT_DOUBLE_EQ(slot(2).sprite_x, photo.sprite_x);
        EXPECT_EQ(slot(1).sprite_active, banner.sprite_active);
        EXPECT_EQ(slot(2).sprite_active, photo.sprite_active);
        EXPECT_EQ(scene.banner_on_top, c.passes == 1 ? 1 : 0);
    }
}

TEST_F(SceneFixture, SparklesPlaySevenImagesThenSwitchOff) {
    set_up(640, 480);
    // Slot int(0.5 * 5 + 1) + 3 = 6, at x = int(0.25 * 640 + 1), y = int(0.5 * 480 + 1).
    random.queued = {0.5, 0.25, 0.5};
    random.fallback = 0.5;  // every later frame picks slot 6 again: busy, so nothing new
    frame();
    EXPECT_EQ(slot(6).sprite_active, 1);
    EXPECT_DOUBLE_EQ(slot(6).sprite_x, 161);
    EXPECT_DOUBLE_EQ(slot(6).sprite_y, 241);
    EXPECT_EQ(slot(6).sprite_image, 12);
    for (int image = 13; image <= 18; ++image) {
        frame();
        EXPECT_EQ(slot(6).sprite_image, image);
        EXPECT_DOUBLE_EQ(slot(6).sprite_x, 161);  // a busy slot is not moved
    }
    frame();  // the end mark: off before the draw pass, image kept
    EXPECT_EQ(slot(6).sprite_active, 0);
    EXPECT_EQ(slot(6).sprite_anim, 0);
    EXPECT_EQ(slot(6).sprite_step, 0);
    EXPECT_EQ(slot(6).sprite_image, 18);
    for (int i : {3, 4, 5, 7, 8}) EXPECT_EQ(slot(i).sprite_active, 0) << i;
}

TEST_F(SceneFixture, EveryMotionStepReseedsAndSlotThreeNeverShows) {
    set_up(320, 200);
    const int seedings = random.seedings;
    random.fallback = 0.999999;
    for (int i = 0; i < 500; ++i) {
        frame();
        ASSERT_EQ(slot(3).sprite_active, 0);
    }
    EXPECT_EQ(random.seedings, seedings + 500);
    EXPECT_EQ(slot(8).sprite_x, 320);  // int(0.999999 * 320 + 1): the far edge at most
}

TEST_F(SceneFixture, EndModesLoopHoldOrIgnore) {
    set_up(640, 480);
    SpriteSlot& s = scene.sprites[5];
    s.sprite_active = 1;
    s.sprite_anim = 1;
    s.sprite_step = 7;
    s.sprite_end_mode = 0;
    anim_sprites(scene);
    EXPECT_EQ(s.sprite_step, 1);
    EXPECT_EQ(s.sprite_image, 12);
    // Hold and ignore leave the image as the sprite shows it: a marker image
    // shows that neither of them picks one from the sequence.
    constexpr std::int32_t shown = 99;
    s.sprite_step = 7;
    s.sprite_image = shown;
    s.sprite_end_mode = 2;
    anim_sprites(scene);
    EXPECT_EQ(s.sprite_anim, 0);
    EXPECT_EQ(s.sprite_active, 1);
    EXPECT_EQ(s.sprite_image, shown);
    s.sprite_anim = 1;
    s.sprite_step = 7;
    s.sprite_end_mode = 3;
    anim_sprites(scene);
    EXPECT_EQ(s.sprite_anim, 1);
    EXPECT_EQ(s.sprite_active, 1);
    EXPECT_EQ(s.sprite_image, shown);
}

TEST(ClockSeededRandomTest, TwoSeedingsInOneMillisecondKeepTheClockInTheNumbers) {
    // The saver's activation and its playlist seed one after the other, often in
    // the same millisecond: the first song must still depend on the clock.
    auto after_two_seedings = [](std::uint32_t now) {
        ClockSeededRandom random([now] { return now; });
        random.seed_from_clock();
        random.seed_from_clock();
        return random.next();
    };
    EXPECT_NE(after_two_seedings(1234), after_two_seedings(5678));
    ClockSeededRandom random([] { return 42u; });
    for (int i = 0; i < 1000; ++i) {
        const double value = random.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
    }
}

}  // namespace
}  // namespace velmora
