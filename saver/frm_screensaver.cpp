#include "saver/frm_screensaver.h"

#include "saver/compositing.h"

namespace velmora {
namespace {

constexpr std::int32_t frames_between_clearings = 80;

// Sleeps until the frame's time is up, letting events run whenever a message
// wakes it. A frame with nothing to run makes one wait and no other call; a
// frame that ran late, with no time left to sleep, still lets its events run once. The clock is compared by
// the unsigned difference, which stays right when the 32-bit millisecond counter
// wraps.
void wait_out_frame(ScreenSaver& saver) {
    FrameLoopState& loop = saver.loop;
    const auto delay = static_cast<std::uint32_t>(loop.frame_delay);
    for (bool slept = false;;) {
        const auto elapsed = static_cast<std::uint32_t>(saver.platform.elapsed_ms()) -
                             static_cast<std::uint32_t>(loop.frame_start);
        if (elapsed >= delay) {
            if (!slept) saver.platform.process_pending_events();
            return;
        }
        slept = true;
        if (saver.platform.wait_for_events(delay - elapsed)) saver.platform.process_pending_events();
    }
}

void act_on_activity(ScreenSaver& saver) {
    FrameLoopState& loop = saver.loop;
    if (++loop.frame_counter > frames_between_clearings) {
        loop.frame_counter = 0;
        loop.activity = 0;
    }
    if (loop.activity <= loop.activity_limit) return;
    loop.activity = 0;
    if (saver.platform.password_protection_on()) {
        if (loop.pw_shown == 0) {
            loop.pw_shown = 1;
            saver.platform.show_password_prompt();
        }
    } else {
        loop.exit_now = 1;
    }
}

}  // namespace

void Form_Load(ScreenSaver& saver) {
    saver.shell.saver_running = true;
    saver.loop.block_unload = 1;
    saver.loop.activity_limit = 20;
    saver.loop.activated = false;
    saver.platform.hide_cursor();
    saver.platform.mark_saver_running();
}

void Form_Activate(ScreenSaver& saver, const Screen& maximised_window) {
    FrameLoopState& loop = saver.loop;
    if (loop.activated) return;
    loop.activated = true;
    saver.random.seed_from_clock();
    loop.exit_now = 0;
    load_settings(saver.shell.settings, saver.settings_store);
    loop.activity = 0;
    loop.pw_shown = 0;
    loop.screen = maximised_window;
    prepare_buffers(loop.screen, saver.blitter);
    saver.platform.make_topmost();
    saver.platform.settle_window();
    init_sound(saver.playlist, saver.random);
    init_game(saver.scene, loop.screen, loop.frame_delay, saver.random);
    loop.repaint_screen = 1;
    main_loop(saver);
}

void main_loop(ScreenSaver& saver) {
    FrameLoopState& loop = saver.loop;
    for (;;) {
        if (!saver.shell.saver_running) break;
        loop.frame_start = saver.platform.elapsed_ms();
        blit_old_sprites(saver.scene);
        move_sprites(saver.scene, loop.screen, saver.shell.settings.speed, saver.random);
        blit_new_sprites(saver.scene, saver.blitter);
        blit_flicker_free(saver.scene, saver.blitter);
        saver.platform.frame_presented();
        wait_out_frame(saver);
        act_on_activity(saver);
        if (loop.repaint_screen == 1) {
            loop.repaint_screen = 0;
            full_repaint(saver.blitter);
        }
        handle_music(saver.playlist, saver.shell.settings, saver.MMControl1);
        // The prompt keeps the saver alive even once exit_now is set.
        if (loop.exit_now == 1 && loop.pw_shown != 1) break;
    }
    loop.block_unload = 0;
    saver.platform.unload_window();
}

void Form_DisplayChange(ScreenSaver& saver, const Screen& new_screen) {
    FrameLoopState& loop = saver.loop;
    if (!loop.activated) return;
    loop.screen = new_screen;
    prepare_buffers(loop.screen, saver.blitter);
    fit_scene_to_screen(saver.scene, loop.screen);
}

void Form_MouseMove(ScreenSaver& saver) {
    ++saver.loop.activity;
}

void Form_Click(ScreenSaver& saver) {
    saver.loop.activity = saver.loop.activity_limit + 1;
}

void Form_KeyPress(ScreenSaver& saver) {
    saver.loop.activity = saver.loop.activity_limit + 1;
}

bool Form_Unload(ScreenSaver& saver) {
    sound_off(saver.shell.settings, saver.MMControl1);
    saver.platform.show_cursor();
    saver.platform.mark_saver_stopped();
    saver.shell.saver_running = false;
    return saver.loop.block_unload == 1;
}

}  // namespace velmora
