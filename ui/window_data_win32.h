// State that belongs to one form: made with the window (WM_NCCREATE), reached
// from its procedure, and deleted once the window is gone (WM_NCDESTROY).
#pragma once

#include "ui/forms_win32.h"

#include <windows.h>

namespace ui {

template <class Data>
Data* data_of(HWND window) {
    return reinterpret_cast<Data*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// For WM_NCCREATE, with the state made by `new (std::nothrow)`: no state (no
// memory) refuses the window, so CreateWindow returns null.
template <class Data>
LRESULT attach_data(HWND window, Data* data, WPARAM wparam, LPARAM lparam) {
    if (!data) return FALSE;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    return default_procedure(window, WM_NCCREATE, wparam, lparam);
}

// For WM_NCDESTROY: the window goes, then its state.
template <class Data>
LRESULT release_data(HWND window, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = default_procedure(window, WM_NCDESTROY, wparam, lparam);
    delete data_of<Data>(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return result;
}

}  // namespace ui
