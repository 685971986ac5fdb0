// The frame loop with a fake clock and window system: pacing without spinning,
// the activity rules, an unload from outside, long frames and the repaint request.
#include "saver/frm_screensaver.h"
#include "saver/soft_raster.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace velmora {
namespace {

using testing::FakeSaverPlatform;
using testing::RecordingControl;
using testing::ScriptedRandom;

// A loaded and activated saver on a 640 x 480 screen. `events` arrive while the
// frame with that number is drawn (frames count from 1), so they wait in the
// queue for that frame's sleep; after `max_frames` frames the test ends the run
// as if the saver had been stopped.
struct FrameLoopFixture : ::testing::Test {
    void run(int max_frames, std::map<int, std::function<void()>> events = {}) {
        platform.on_frame = [this, max_frames, events] {
            ++frames;
            frame_pumps.push_back(0);
            if (auto found = drawing_ms.find(frames); found != drawing_ms.end()) platform.now += found->second;
            if (auto found = events.find(frames); found != events.end()) platform.pending.push_back(found->second);
            if (frames >= max_frames) shell.saver_running = false;
        };
        platform.on_pump = [this] {
            if (!frame_pumps.empty()) ++frame_pumps.back();
        };
        Form_Load(saver);
        Form_Activate(saver, Screen{640, 480});
    }

    ShellState shell;
    FakeSaverPlatform platform;
    SoftRaster raster{640, 480, Pixels(1140, 838)};
    ScriptedRandom random;
    RecordingControl control;
    MemorySettingsStore store;
    ScreenSaver saver{shell, store, platform, raster, random, control};
    int frames = 0;
    std::map<int, int> drawing_ms;  // frames whose drawing takes this long
    std::vector<int> frame_pumps;   // event pumps in each frame
};

TEST_F(FrameLoopFixture, FramesLastFiftyMillisecondsAndSleepInsteadOfSpinning) {
    run(10);
    EXPECT_EQ(frames, 10);
    // Each frame: one sleep for the whole frame that nothing interrupts, and with
    // nothing to run, no pump at all.
    for (int pumps : frame_pumps) EXPECT_EQ(pumps, 0);
    ASSERT_EQ(platform.waits.size(), 10u);
    for (std::uint32_t wait : platform.waits) EXPECT_EQ(wait, 50u);
    EXPECT_EQ(saver.loop.exit_now, 0);
    EXPECT_EQ(platform.unloads, 1);
    EXPECT_EQ(saver.loop.block_unload, 0);
}

TEST_F(FrameLoopFixture, AMessageDuringTheSleepRunsAndTheSleepGoesOnForTheRest) {
    platform.message_after_ms = {20};
    run(2);
    EXPECT_EQ(frame_pumps, (std::vector<int>{1, 0}));
    EXPECT_EQ(platform.waits, (std::vector<std::uint32_t>{50, 30, 50}));
}

TEST_F(FrameLoopFixture, WaitIsRightAcrossTheClockWrap) {
    platform.now = -20;  // 0xFFFFFFEC: the counter wraps 20 ms into the first frame
    run(3);
    for (std::uint32_t wait : platform.waits) EXPECT_EQ(wait, 50u);
    EXPECT_EQ(platform.now, 130);
}

TEST_F(FrameLoopFixture, LoadAndActivationSetUpInOrder) {
    // Activation reads the settings again: a change made since start-up counts.
    store.values["speed"] = "2";
    run(1);
    EXPECT_EQ(shell.settings.speed, 2);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"hide_cursor", "mark_saver_running", "make_topmost",
                                                        "settle_window"}));
    EXPECT_EQ(saver.loop.activity_limit, 20);
    EXPECT_EQ(saver.loop.frame_delay, 50);
    EXPECT_EQ(saver.loop.screen.screen_width, 640);
    EXPECT_EQ(saver.playlist.song_count, 10);
    // A second activation sets nothing up again and runs no second loop.
    const int pumps = platform.pumps;
    Form_Activate(saver, Screen{640, 480});
    EXPECT_EQ(platform.pumps, pumps);
}

TEST_F(FrameLoopFixture, ActivityRules) {
    struct Case {
        const char* name;
        std::map<int, int> moves_in_frame;
        int ended_after;  // 0: never triggered within 100 frames
    };
    const Case cases[] = {
        {"20 moves do nothing", {{3, 20}}, 0},
        {"the 21st triggers at the end of that frame", {{3, 20}, {4, 1}}, 4},
        {"15, the clearing at the 81st frame, 15 more", {{80, 15}, {82, 15}}, 0},
        {"moves in the 81st frame are cleared with it", {{79, 10}, {81, 15}}, 0},
        {"15 and 15 before the clearing", {{79, 15}, {80, 15}}, 80},
    };
    for (const Case& c : cases) {
        shell = ShellState{};
        saver.loop = FrameLoopState{};
        frames = 0;
        std::map<int, std::function<void()>> events;
        for (const auto& [frame, count] : c.moves_in_frame)
            events[frame] = [this, moves = count] {
                for (int i = 0; i < moves; ++i) Form_MouseMove(saver);
            };
        run(100, events);
        EXPECT_EQ(saver.loop.exit_now, c.ended_after ? 1 : 0) << c.name;
        EXPECT_EQ(frames, c.ended_after ? c.ended_after : 100) << c.name;
    }
}

TEST_F(FrameLoopFixture, ClickOrCharacterKeyEndsTheSaverAtTheEndOfThatFrame) {
    run(50, {{5, [this] { Form_Click(saver); }}});
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(saver.loop.exit_now, 1);
    EXPECT_EQ(platform.unloads, 1);

    shell = ShellState{};
    saver.loop = FrameLoopState{};
    frames = 0;
    run(50, {{7, [this] { Form_KeyPress(saver); }}});
    EXPECT_EQ(frames, 7);
}

TEST_F(FrameLoopFixture, WithPasswordProtectionActivityOpensOnePromptAndTheLoopGoesOn) {
    platform.password_on = true;
    run(30, {{3, [this] { Form_Click(saver); }},
             {5, [this] { Form_Click(saver); }},
             {8, [this] { saver.loop.exit_now = 1; }}});  // set while the prompt is open
    EXPECT_EQ(platform.prompts, 1);
    EXPECT_EQ(saver.loop.pw_shown, 1);
    EXPECT_EQ(saver.loop.activity, 0);
    EXPECT_EQ(frames, 30);  // exit_now alone does not end the loop while the prompt is open
}

TEST_F(FrameLoopFixture, UnloadFromOutsideIsCancelledAndFinishedAfterTheFrame) {
    bool cancelled = false;
    run(50, {{4, [&] { cancelled = Form_Unload(saver); }}});
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(platform.unloads, 1);
    EXPECT_EQ(saver.loop.block_unload, 0);
    // The loop's own unload now goes through, and the clean-up simply runs again.
    EXPECT_FALSE(Form_Unload(saver));
    EXPECT_FALSE(shell.saver_running);
    int shows = 0, stops = 0;
    for (const auto& call : platform.calls) shows += call == "show_cursor", stops += call == "mark_saver_stopped";
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(stops, 2);
}

TEST_F(FrameLoopFixture, LateFramesStillLetEventsRunOnceAndTheNextStartsAtOnce) {
    // Frame 3's events take 70 ms: they run as its sleep begins, which ends there.
    run(6, {{3, [this] { platform.now += 70; }}});
    ASSERT_EQ(frame_pumps.size(), 6u);
    EXPECT_EQ(frame_pumps, (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(platform.waits, (std::vector<std::uint32_t>{50, 50, 50, 50, 50, 50}));

    // Frame 3's drawing takes 70 ms: no sleep, but its events still run once.
    shell = ShellState{};
    saver.loop = FrameLoopState{};
    frames = 0;
    frame_pumps.clear();
    platform.waits.clear();
    drawing_ms = {{3, 70}};
    run(6);
    EXPECT_EQ(frame_pumps, (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(platform.waits.size(), 5u);
}

TEST_F(FrameLoopFixture, RepaintHappensOnceOnRequest) {
    // The first frame repaints; a request in frame 5 repaints once more, at its end.
    Pixels& screen = raster.surface(Surface::screen);
    run(8, {{2, [&] { screen.at(300, 5) = 0xFFFFFF; }},
            {5, [&] {
                 EXPECT_EQ(screen.at(300, 5), 0xFFFFFFu);
                 saver.loop.repaint_screen = 1;
             }},
            {6, [&] {
                 EXPECT_EQ(screen.at(300, 5), 0u);
                 EXPECT_EQ(saver.loop.repaint_screen, 0);
             }}});
    EXPECT_EQ(frames, 8);
}

TEST_F(FrameLoopFixture, DisplayChangeMakesTheBuffersAgainAndTheSceneGoesOnAlongTheNewEdges) {
    // Frame 4's events: the screen grows to 1024 x 768, showing whatever it showed.
    Pixels& screen = raster.surface(Surface::screen);
    double banner_x = 0;
    run(6, {{4, [&] {
                 banner_x = saver.scene.sprites[1].sprite_x;
                 screen = Pixels(1024, 768, 0x808080);
                 Form_DisplayChange(saver, Screen{1024, 768});
                 EXPECT_EQ(saver.loop.screen.screen_width, 1024);
                 EXPECT_EQ(saver.loop.screen.screen_height, 768);
                 for (Surface buffer : {Surface::background_work, Surface::background_copy}) {
                     EXPECT_EQ(raster.surface(buffer).width, 1024);
                     EXPECT_EQ(raster.surface(buffer).height, 768);
                 }
                 // The whole new screen is the black backdrop again.
                 for (std::uint32_t pixel : screen.data) ASSERT_EQ(pixel, 0u);
             }},
            {5, [&] {
                 // The banner went on from where it was, along the new top edge.
                 EXPECT_DOUBLE_EQ(saver.scene.sprites[1].sprite_x, banner_x - 3);
                 EXPECT_DOUBLE_EQ(saver.scene.sprites[1].sprite_y, 768 / 15.0);
                 EXPECT_DOUBLE_EQ(saver.scene.sprites[2].sprite_y, 768 - 240 - 768 / 15.0);
             }}});
    EXPECT_EQ(frames, 6);
}

TEST_F(FrameLoopFixture, DisplayChangeBeforeTheFirstActivationLeavesTheMeasuringToIt) {
    Form_Load(saver);
    Form_DisplayChange(saver, Screen{1024, 768});
    EXPECT_EQ(saver.loop.screen.screen_width, 0);
    EXPECT_EQ(raster.transfers_to_screen, 0);
}

}  // namespace
}  // namespace velmora
