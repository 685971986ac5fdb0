#!/usr/bin/python3
"""Prints the size and hotspot of the mouse cursor the X display shows now.

    x_cursor.py            (the display of $DISPLAY)

Wine's programs cannot read another process's cursor (GetIconInfo on its handle
fails), but Wine hands every cursor it shows to the X server, whose XFixes
extension gives it back:

    size 32 32
    hotspot 12 1
"""
import ctypes
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def main():
    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        print("no X display")
        return 1
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        print("no cursor image")
        return 1
    cursor = image.contents
    print(f"size {cursor.width} {cursor.height}")
    print(f"hotspot {cursor.xhot} {cursor.yhot}")
    x11.XFree(image)
    x11.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())
