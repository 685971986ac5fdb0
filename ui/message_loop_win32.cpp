#include "ui/message_loop_win32.h"

namespace ui {

void dispatch(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && is_dialog(root)) {
        // Escape cancels only a dialog that has something to cancel with: without
        // a Cancel button it does nothing, not even in a multi-line text box, which
        // would otherwise take it as its dialog's cue to close.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && !GetDlgItem(root, IDCANCEL)) return;
        if (IsDialogMessageA(root, &message)) return;
    }
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
