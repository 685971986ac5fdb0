#include "shell/preview.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Preview, OnlyACloseMessageDetachesThePictureAndOnlyOnce) {
    PreviewState state;
    state.preview_attached = true;
    for (std::uint32_t other : {0u, 2u /* WM_DESTROY */, 15u /* WM_PAINT */, 17u, 0x10000u + close_message})
        EXPECT_FALSE(preview_message_detaches(state, other)) << other;
    EXPECT_TRUE(state.preview_attached);

    EXPECT_TRUE(preview_message_detaches(state, close_message));
    EXPECT_FALSE(state.preview_attached);
    EXPECT_FALSE(preview_message_detaches(state, close_message)) << "already back in the hidden form";
}

TEST(Preview, TheTimerUnloadsWhenTheHostIsGoneOrThePictureDetached) {
    struct Case {
        bool attached, host_is_window, unload;
    };
    for (const Case c : {Case{true, true, false}, Case{true, false, true}, Case{false, true, true},
                         Case{false, false, true}}) {
        PreviewState state;
        state.preview_attached = c.attached;
        EXPECT_EQ(c.unload, preview_should_unload(state, c.host_is_window))
            << "attached " << c.attached << ", host " << c.host_is_window;
    }
}

}  // namespace
}  // namespace velmora
