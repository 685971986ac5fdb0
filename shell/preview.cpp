#include "shell/preview.h"

namespace velmora {

bool preview_message_detaches(PreviewState& state, std::uint32_t message) {
    if (message != close_message || !state.preview_attached) return false;
    state.preview_attached = false;
    return true;
}

bool preview_should_unload(const PreviewState& state, bool host_is_window) {
    return !host_is_window || !state.preview_attached;
}

}  // namespace velmora
