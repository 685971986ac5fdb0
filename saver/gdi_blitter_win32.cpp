#include "saver/gdi_blitter_win32.h"

#include "saver/compositing.h"
#include "resources/resource_ids.h"

namespace velmora::win32 {
namespace {

// The sprite sheet, a 256-colour picture, in the screen's own format: copied as
// it is, GDI would look up every pixel's colour again on every frame. Should
// there be no memory for the copy, the sheet serves as it is.
HBITMAP sprite_sheet(HDC screen) {
    HBITMAP sheet = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPRITE_SHEET),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP size{};
    if (!sheet || !GetObjectA(sheet, sizeof size, &size)) return sheet;
    HBITMAP converted = CreateCompatibleBitmap(screen, size.bmWidth, size.bmHeight);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    if (converted && from && to) {
        HGDIOBJ from_was = SelectObject(from, sheet), to_was = SelectObject(to, converted);
        BitBlt(to, 0, 0, size.bmWidth, size.bmHeight, from, 0, 0, SRCCOPY);
        SelectObject(from, from_was);
        SelectObject(to, to_was);
        DeleteObject(sheet);
        sheet = converted;
    } else if (converted) {
        DeleteObject(converted);
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    return sheet;
}

}  // namespace

GdiBlitter::GdiBlitter(HWND window) : window_(window), screen_(GetDC(window)) {
    HBITMAP backdrop = CreateCompatibleBitmap(screen_, backdrop_width, backdrop_height);
    attach(Surface::background_main, backdrop);
    PatBlt(dc(Surface::background_main), 0, 0, backdrop_width, backdrop_height, BLACKNESS);
    attach(Surface::sprite, sprite_sheet(screen_));
}

GdiBlitter::~GdiBlitter() {
    for (Buffer& buffer : buffers_) {
        if (!buffer.dc) continue;
        SelectObject(buffer.dc, buffer.original);
        DeleteObject(buffer.bitmap);
        DeleteDC(buffer.dc);
    }
    ReleaseDC(window_, screen_);
}

HDC GdiBlitter::dc(Surface which) const {
    return which == Surface::screen ? screen_ : buffers_[static_cast<std::size_t>(which)].dc;
}

void GdiBlitter::attach(Surface which, HBITMAP bitmap) {
    // A bitmap that could not be made (memory running short) leaves the buffer as
    // it was: its old bitmap stays selected and owned.
    if (!bitmap) return;
    Buffer& buffer = buffers_[static_cast<std::size_t>(which)];
    if (!buffer.dc) {
        buffer.dc = CreateCompatibleDC(screen_);
        if (!buffer.dc) {
            DeleteObject(bitmap);
            return;
        }
        buffer.original = SelectObject(buffer.dc, bitmap);
    } else {
        SelectObject(buffer.dc, bitmap);
        DeleteObject(buffer.bitmap);
    }
    buffer.bitmap = bitmap;
}

void GdiBlitter::bit_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x, int source_y,
                         RasterOp op) {
    BitBlt(dc(destination), x, y, w, h, dc(source), source_x, source_y, static_cast<DWORD>(op));
}

void GdiBlitter::stretch_blt(Surface destination, int x, int y, int w, int h, Surface source, int source_x,
                             int source_y, int source_w, int source_h, RasterOp op) {
    StretchBlt(dc(destination), x, y, w, h, dc(source), source_x, source_y, source_w, source_h,
               static_cast<DWORD>(op));
}

void GdiBlitter::flush_screen() {
    GdiFlush();
    // Wine hands a window's drawing to the X server, as one box around everything
    // drawn since, when the thread next waits for messages or looks at the input
    // state. Asking for a key's state is the lightest of those (it seldom needs
    // the wineserver), and keeps each group of rectangles its own small update;
    // on Windows it costs next to nothing.
    GetAsyncKeyState(VK_LBUTTON);
}

void GdiBlitter::resize(Surface buffer, int width, int height) {
    if (buffer == Surface::screen) return;
    attach(buffer, CreateCompatibleBitmap(screen_, width, height));
}

}  // namespace velmora::win32
