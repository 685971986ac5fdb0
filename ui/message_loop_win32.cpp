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

void run_modal(HWND dialog, HWND owner) {
    const bool owner_was_enabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOWNORMAL);
    MSG message;
    while (IsWindow(dialog)) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message);
    }
    if (owner_was_enabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

bool pump_pending_messages() {
    // PM_NOYIELD: Wine gives up the processor after every peek that finds
    // nothing, a system call for nothing; the callers that wait do so properly.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatch(message);
    }
    return true;
}

}  // namespace ui
