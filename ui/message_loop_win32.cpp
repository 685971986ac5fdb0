#include "ui/message_loop_win32.h"

namespace ui {

void dispatch(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && is_dialog(root) && IsDialogMessageA(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void run_message_loop() {
    run_message_loop([] { return true; });
}

bool pump_pending_messages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatch(message);
    }
    return true;
}

}  // namespace ui
