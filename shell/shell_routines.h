// The small routines the windows share, written over the few system calls they
// make so that their rules can be checked without Windows: the system's screen
// saver flags, the cursor's display count, and centring a window.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace velmora {

inline constexpr unsigned spi_set_screen_saver_running = 97;
inline constexpr unsigned spi_set_screen_saver_active = 17;

// SystemParametersInfoA(action, parameter, output, update flag).
using SystemParametersCall = std::function<void(unsigned action, unsigned parameter, std::uint32_t* output, unsigned update_flag)>;

// Both routines share one output variable, 0 at entry: each call writes into it,
// and the second call takes its profile-update flag from what the first left there
// (the previous running state).
void mark_saver_running(const SystemParametersCall& call);
void mark_saver_stopped(const SystemParametersCall& call);

// ShowCursor(show) returning the new display count.
using ShowCursorCall = std::function<int(bool show)>;

// Call ShowCursor until the count says visible (>= 0) or hidden (< 0). The loop
// is bounded: a count that never moves (no mouse, a broken driver) cannot hang us.
void show_cursor(const ShowCursorCall& call);
void hide_cursor(const ShowCursorCall& call);

// Top-left corner, in twips, that centres a window on the screen:
// screen / 2 - window / 2 on each axis, negative when the window is larger.
std::pair<float, float> centred_position(float screen_width, float screen_height, float window_width, float window_height);

}  // namespace velmora
