#include "password/frm_checkpassword.h"

namespace velmora {

bool password_accepted(std::string_view password, std::string_view typed, const KeyboardLayout& layout) {
    return layout.upper_case(password) == layout.upper_case(typed) || normalize_password(typed, layout) == password;
}

void prompt_accepted(FrameLoopState& loop) {
    loop.pw_shown = 0;
    loop.exit_now = 1;
}

void prompt_unloaded(FrameLoopState& loop) {
    loop.pw_shown = 0;
    loop.activity = 0;
    loop.repaint_screen = 1;
}

}  // namespace velmora
