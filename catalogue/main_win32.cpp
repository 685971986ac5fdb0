// Orvane_Products.exe: opens the catalogue window and runs until it is closed.
#include "catalogue/frm_orvaneproducts_win32.h"
#include "ui/message_loop_win32.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    // ShellExecute may hand an address to a shell extension, which wants COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = orvane::win32::create_frm_orvaneproducts();
    if (!window) return 1;
    orvane::win32::load_frm_orvaneproducts(window);
    ShowWindow(window, show);
    UpdateWindow(window);
    ui::run_message_loop();
    return 0;
}
