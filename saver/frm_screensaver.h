// frm_screensaver: the full-screen saver. Its frame loop runs inside the window's
// first activation: each frame erases, moves, draws and presents the sprites, then
// waits out the rest of its 50 ms while window events run, then acts on what those
// events counted (activity), repaints on request and lets the music advance.
// The window's input handlers only set the flags and counters read here; the
// unload handler cleans up and, while the loop runs, leaves the rest to it.
#pragma once

#include "saver/bas_sprites.h"
#include "saver/blitter.h"
#include "saver/music_playlist.h"
#include "shell/bas_shellcode.h"
#include "shell/settings_store.h"

#include <cstdint>

namespace velmora {

struct FrameLoopState {
    std::int32_t block_unload = 0;  // 1: an unload from outside is cancelled and finished by the loop
    bool activated = false;
    Screen screen;                  // screen_width, screen_height
    std::int32_t frame_delay = 0;   // shortest frame, ms
    std::int32_t frame_start = 0;
    std::int32_t frame_counter = 0; // frames since `activity` was last cleared (every 81 frames)
    std::int32_t activity = 0;
    std::int32_t activity_limit = 0;
    std::int32_t pw_shown = 0;      // the password prompt is open
    std::int32_t exit_now = 0;
    std::int32_t repaint_screen = 0;
};

// What the frame loop needs of the window system.
class SaverPlatform {
public:
    virtual ~SaverPlatform() = default;
    virtual std::int32_t elapsed_ms() = 0;
    // Lets every pending window event run.
    virtual void process_pending_events() = 0;
    // Sleeps until a window message arrives or the time is up, whichever is
    // first; true when a message is waiting, including one that was already
    // waiting when the sleep began.
    virtual bool wait_for_events(std::uint32_t timeout_ms) = 0;
    virtual void hide_cursor() = 0;
    virtual void show_cursor() = 0;
    virtual void mark_saver_running() = 0;
    virtual void mark_saver_stopped() = 0;
    // Top-most at the window's own place and size.
    virtual void make_topmost() = 0;
    // Redraw at once, let events run once, then stop the window repainting itself.
    virtual void settle_window() = 0;
    virtual bool password_protection_on() = 0;
    virtual void show_password_prompt() = 0;
    // Unloads the window (its unload event runs, not cancelled this time).
    virtual void unload_window() = 0;
    // Told after each present pass; the benchmark's frame trace listens here.
    virtual void frame_presented() {}
};

// One full-screen saver: its state and the services it draws on.
struct ScreenSaver {
    ShellState& shell;  // saver_running and the settings
    SettingsStore& settings_store;  // read again at the first activation
    SaverPlatform& platform;
    Blitter& blitter;
    RandomSource& random;
    MediaControl& MMControl1;
    FrameLoopState loop{};
    Scene scene{};
    Playlist playlist{};
};

void Form_Load(ScreenSaver& saver);
// The first activation, once the window is maximised and has been measured:
// settings, buffers, top-most, music, scene, then the frame loop. Later
// activations return at once.
void Form_Activate(ScreenSaver& saver, const Screen& maximised_window);
void main_loop(ScreenSaver& saver);

// The screen changed while the saver runs (its size, or its monitors): the
// buffers are made again, black, for the new screen, and the scene goes on
// along the new edges. Before the first activation nothing is to be done: the
// activation measures the screen itself.
void Form_DisplayChange(ScreenSaver& saver, const Screen& new_screen);

void Form_MouseMove(ScreenSaver& saver);
void Form_Click(ScreenSaver& saver);
void Form_KeyPress(ScreenSaver& saver);  // a key that produced a character
// The unload event; returns true when the unload is cancelled (it came from
// outside while the loop runs, and the loop will finish it after this frame).
bool Form_Unload(ScreenSaver& saver);

}  // namespace velmora
