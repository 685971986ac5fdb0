#include "password/frm_checkpassword.h"
#include "tests/unit/password/fake_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using testing::FakeUsLayout;

TEST(PasswordPrompt, WhichTypedPasswordsAreAccepted) {
    struct Case {
        const char* what;
        std::string stored, typed;
        bool accepted;
    };
    const Case cases[] = {
        {"no password: Enter on the empty field", "", "", true},
        {"no password: anything typed is wrong", "", "x", false},
        {"same letters", "SECRET", "SECRET", true},
        {"lower case typed", "SECRET", "secret", true},
        {"mixed case typed", "SECRET", "SeCrEt", true},
        {"one letter short", "SECRET", "SECRE", false},
        {"one letter more", "SECRET", "SECRETS", false},
        // "a!b" as the change-password dialog stores it: "A1B".
        {"the password as it was set", "A1B", "a!b", true},
        {"the keys without Shift", "A1B", "a1b", true},
        {"capitals and the shifted mark", "A!B", "a!b", true},
        {"another shifted mark on another key", "A1B", "a@b", false},
        {"digit stored, its shifted mark typed", "1", "!", true},
        // A password not stored by the dialog keeps its shifted marks: only they match.
        {"stored as typed", "a!b", "A!B", true},
        {"stored shifted, typed unshifted", "a!b", "a1b", false},
        {"no key of its own: as typed", "CAF\xE9", "caf\xE9", true},
    };
    const FakeUsLayout us;
    for (const Case& c : cases) EXPECT_EQ(password_accepted(c.stored, c.typed, us), c.accepted) << c.what;
}

TEST(PasswordPrompt, ClosingHandsTheLoopBackItsFlags) {
    FrameLoopState loop;
    loop.pw_shown = 1;
    loop.activity = 7;
    prompt_unloaded(loop);  // Cancel or the time-out
    EXPECT_EQ(loop.pw_shown, 0);
    EXPECT_EQ(loop.activity, 0);
    EXPECT_EQ(loop.repaint_screen, 1);
    EXPECT_EQ(loop.exit_now, 0);

    loop = FrameLoopState{};
    loop.pw_shown = 1;
    prompt_accepted(loop);
    prompt_unloaded(loop);
    EXPECT_EQ(loop.pw_shown, 0);
    EXPECT_EQ(loop.exit_now, 1);
    EXPECT_EQ(loop.repaint_screen, 1);
}

}  // namespace
}  // namespace velmora
