// Top-level windows of both programs: each kind of form is described once as a
// FormClass and registered the first time a window of it is made. Every form's
// messages pass through the layer first, which counts the program's live windows
// (the program ends when the last counted one is destroyed) and, for dialogs,
// makes DefDlgProc the default handling, so the dialog manager gives them Tab,
// Enter, Escape, the default button and the remembered focus.
//
// Every form opens at the DPI of the monitor it opens on and follows a change of
// DPI (WM_DPICHANGED, when it is moved to a monitor of another DPI or the user
// changes the scale): the default handling gives a fixed form its client size
// from twips again and lays its controls out again from their twips table.
#pragma once

#include "ui/layout.h"
#include "ui/live_windows.h"

#include <windows.h>

namespace ui {

struct FormClass {
    const char* name;
    // The form's own procedure. It ends with ui::default_procedure for what it
    // does not handle itself.
    WNDPROC procedure;
    bool dialog = false;          // handled by the dialog manager
    bool counted = true;          // the program lives while a window of it is open
    UINT class_style = 0;         // e.g. CS_OWNDC
    HBRUSH background = nullptr;  // null: the system's dialog face colour
    WORD icon_id = 0;             // the program's icon resource, 0 for none
};

// DefDlgProc for a dialog, DefWindowProc for any other form. For both, the close
// box (WM_CLOSE) destroys the form; Escape in a dialog (IDCANCEL) does not; a
// change of DPI lays the form out again at the new DPI.
LRESULT default_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// A form of this class (which must outlive its windows); `data` reaches the
// procedure in WM_NCCREATE's CREATESTRUCT. Null if the window cannot be made.
HWND create_form(const FormClass& form, const char* caption, DWORD style, DWORD ex_style, RECT place, HWND owner,
                 void* data);

// A fixed-size form with a close box and no minimize or maximize button, its
// client area given in twips. It opens on its owner's monitor (without an owner,
// on the primary one), sized at that monitor's DPI; the caller places it there.
HWND create_fixed_form(const FormClass& form, const char* caption, int client_width_twips, int client_height_twips,
                       HWND owner, void* data);

// Twips per pixel of the form at the DPI it is shown at now: the one to lay out
// its controls with (ui::create_controls), from WM_CREATE on.
Scale form_scale(HWND form);

// Moves the window to the middle of the work area of its owner's monitor (of
// its own monitor when it has no owner), keeping its size.
void centre_in_work_area(HWND window);

// Is this one of the program's dialogs (for the message loop's key routing)?
bool is_dialog(HWND window);

// The program's live counted windows.
LiveWindows& live_windows();

}  // namespace ui
