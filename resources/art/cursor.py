"""The hand cursor of the settings dialog's links, and a .cur writer.

A pointing hand, 32 x 32, drawn pixel by pixel: a monochrome cursor has
only black, white and see-through, so it is drawn as pixel art rather than
painted and thresholded.  The hotspot is the top of the index finger.
"""

import struct

HOTSPOT = (12, 1)

# '.' see-through, '#' black outline, 'o' white.  The index finger points up;
# the other three fingers are folded, their knuckles in a row to its right.
HAND = [
    "................................",
    "...........###..................",
    "..........#ooo#.................",
    ".........#ooooo#................",
    ".........#ooooo#................",
    ".........#ooooo#................",
    ".........#ooooo#................",
    ".........#ooooo#................",
    ".........#ooooo#................",
    ".........#ooooo#####............",
    ".........#ooooo#oooo#####.......",
    ".........#ooooo#oooo#oooo#......",
    ".........#ooooo#oooo#oooo####...",
    ".........#ooooo#oooo#oooo#ooo#..",
    "...###...#ooooo#oooo#oooo#ooo#..",
    "..#ooo#..#ooooo#oooo#oooo#ooo#..",
    "..#oooo#.#ooooo#oooo#oooo#ooo#..",
    "...#oooo##ooooo#oooo#oooo#ooo#..",
    "...#ooooo#ooooooooooooooooooo#..",
    "....#oooooooooooooooooooooooo#..",
    "....#oooooooooooooooooooooooo#..",
    ".....#ooooooooooooooooooooooo#..",
    ".....#ooooooooooooooooooooooo#..",
    "......#oooooooooooooooooooooo#..",
    "......#ooooooooooooooooooooo#...",
    ".......#oooooooooooooooooooo#...",
    ".......#ooooooooooooooooooo#....",
    "........#oooooooooooooooooo#....",
    "........#oooooooooooooooooo#....",
    "........####################....",
    "................................",
    "................................",
]


def _rows_of_bits(test):
    """32 rows, bottom row first, 4 bytes each, bit set where test(char)."""
    rows = []
    for line in reversed(HAND):
        value = 0
        for ch in line:
            value = (value << 1) | (1 if test(ch) else 0)
        rows.append(struct.pack(">I", value))
    return b"".join(rows)


def cursor_bytes():
    """The hand as a .cur file: one 32 x 32 monochrome image.

    Windows draws a monochrome cursor as (screen AND mask) XOR image, so
    see-through is mask 1 / image 0, black is 0 / 0 and white is 0 / 1.
    """
    assert len(HAND) == 32 and all(len(line) == 32 for line in HAND)
    assert HAND[HOTSPOT[1]][HOTSPOT[0]] == "#", "the hotspot must be on the fingertip"
    w = h = 32
    # the DIB is twice as tall as the cursor: image rows, then mask rows
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = bytes((0, 0, 0, 0, 255, 255, 255, 0))      # black, white (BGRx)
    image = _rows_of_bits(lambda ch: ch == "o")
    mask = _rows_of_bits(lambda ch: ch == ".")
    blob = header + colours + image + mask
    directory = struct.pack("<HHH", 0, 2, 1)              # reserved, 2 = cursor, count
    entry = struct.pack("<BBBBHHII", w, h, 2, 0, HOTSPOT[0], HOTSPOT[1], len(blob), 6 + 16)
    return directory + entry + blob


def write_cursor(path):
    with open(path, "wb") as f:
        f.write(cursor_bytes())
    print(f"wrote {path}")
