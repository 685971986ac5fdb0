#!/usr/bin/python3
"""Reads pixels of a screen capture (the driver's `capture`, a 24-bit BMP).

    screen_pixels.py count CAPTURE X Y W H R,G,B   pixels of exactly that colour in the rectangle
    screen_pixels.py same CAPTURE X Y PICTURE      pixels at X, Y that differ from the picture file
    screen_pixels.py crop CAPTURE X Y W H OUT.png  the rectangle as a PNG file
"""
import sys

from PIL import Image


def rectangle(args):
    return tuple(int(v) for v in args[:4])


def main():
    command, capture, args = sys.argv[1], sys.argv[2], sys.argv[3:]
    screen = Image.open(capture).convert("RGB")
    if command == "count":
        x, y, w, h = rectangle(args)
        colour = tuple(int(v) for v in args[4].split(","))
        print(sum(1 for j in range(y, y + h) for i in range(x, x + w) if screen.getpixel((i, j)) == colour))
    elif command == "same":
        x, y = int(args[0]), int(args[1])
        picture = Image.open(args[2]).convert("RGB")
        print(sum(1 for j in range(picture.height) for i in range(picture.width)
                  if screen.getpixel((x + i, y + j)) != picture.getpixel((i, j))))
    elif command == "crop":
        x, y, w, h = rectangle(args)
        screen.crop((x, y, x + w, y + h)).save(args[4])
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
