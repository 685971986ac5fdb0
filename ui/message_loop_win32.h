// The one way messages are handled in both programs. A message for a dialog or
// one of its controls goes to the dialog manager first (IsDialogMessage), so
// every open dialog, modeless ones included, gets Tab, Enter and Escape. Escape
// does nothing in a dialog without a Cancel button (IDCANCEL).
#pragma once

#include <windows.h>

namespace ui {

// Runs one message: the dialog manager's keys first, then the window's procedure.
void dispatch(MSG& message);

// Runs messages until the program's last counted window is gone (its quit
// request) or `keep_going` turns false; returns at once when no window is open.
template <class KeepGoing>
void run_message_loop(KeepGoing keep_going);
void run_message_loop();

// Shows `dialog` modal over `owner`: the owner takes no input until the dialog
// is gone, then gets the focus back. Returns when the dialog is destroyed or the
// program is asked to quit (the request is posted again for the outer loop).
void run_modal(HWND dialog, HWND owner);

// Lets every pending message run, then returns. False when a quit request came:
// it is posted again, so the loop that owns the program still sees it.
bool pump_pending_messages();

}  // namespace ui

#include "ui/forms_win32.h"

template <class KeepGoing>
void ui::run_message_loop(KeepGoing keep_going) {
    MSG message;
    while (!live_windows().none_left() && keep_going() && GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatch(message);
}
