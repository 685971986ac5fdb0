// The preview's rules: the picture lives in the host window of the Display
// Properties dialog until the host goes or a close message reaches the picture;
// the 50 ms timer then unloads the hidden form, the program's only window.
#pragma once

#include <cstdint>

namespace velmora {

struct ClientRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct PreviewState {
    ClientRect host_client_rect;    // the host's client area, read once at load
    bool preview_attached = false;  // the picture is inside the host window
};

inline constexpr std::uint32_t close_message = 16;  // WM_CLOSE
inline constexpr unsigned preview_timer_interval_ms = 50;

// A message the watch on the picture's window reports: a close message means the
// host is done with the picture, which goes back into the hidden form.
// True when the picture must be detached now.
bool preview_message_detaches(PreviewState& state, std::uint32_t message);

// The timer's question, every 50 ms.
bool preview_should_unload(const PreviewState& state, bool host_is_window);

}  // namespace velmora
