#include "shell/shell_routines.h"

namespace velmora {
namespace {

// ShowCursor moves the count by one per call and the count starts near 0; far
// more calls than any program makes would still leave us well short of a hang.
constexpr int max_cursor_calls = 256;

}  // namespace

void mark_saver_running(const SystemParametersCall& call) {
    std::uint32_t shared = 0;
    call(spi_set_screen_saver_running, 1, &shared, 0);
    call(spi_set_screen_saver_active, 0, &shared, shared);
}

void mark_saver_stopped(const SystemParametersCall& call) {
    std::uint32_t shared = 0;
    call(spi_set_screen_saver_running, 0, &shared, shared);
    call(spi_set_screen_saver_active, 1, &shared, shared);
}

void show_cursor(const ShowCursorCall& call) {
    for (int i = 0; i < max_cursor_calls && call(true) < 0; ++i) {}
}

void hide_cursor(const ShowCursorCall& call) {
    for (int i = 0; i < max_cursor_calls && call(false) >= 0; ++i) {}
}

std::pair<float, float> centred_position(float screen_width, float screen_height, float window_width, float window_height) {
    return {screen_width / 2 - window_width / 2, screen_height / 2 - window_height / 2};
}

}  // namespace velmora
