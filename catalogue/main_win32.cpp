// Orvane_Products.exe: opens the catalogue window and runs until it is closed.
#include "catalogue/frm_orvaneproducts_win32.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // ShellExecute may hand an address to a shell extension, which wants COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = orvane::win32::create_frm_orvaneproducts(instance);
    if (!window) return 1;
    orvane::win32::load_frm_orvaneproducts(window);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Escape does nothing, as the window has no Cancel button; a multi-line text
        // box would otherwise take it as its dialog's cue to close the window.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) continue;
        // The dialog manager gives the window Tab, access keys and Enter.
        if (!IsWindow(window) || !IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
