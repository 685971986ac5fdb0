"""Where everything sits on the Velmora sprite sheet and the two dialog pictures.

The screen saver blits straight out of the sheet's rectangles, so they are the
contract between this generator and the C++ side: change them only together.
All rectangles are (left, top, width, height) in pixels from the top-left.
"""

SHEET_W, SHEET_H = 1140, 838

# The greeting strip across the top of the sheet.
BANNER = (2, 2, 1134, 73)

# The ten winter photographs, in the order the screen saver numbers them.
PHOTOS = [
    (4, 82, 320, 240),     # 1
    (335, 84, 320, 240),   # 2
    (856, 84, 203, 240),   # 3
    (5, 582, 320, 240),    # 4
    (629, 597, 320, 240),  # 5
    (353, 588, 242, 240),  # 6
    (335, 330, 320, 240),  # 7
    (5, 327, 320, 240),    # 8
    (666, 84, 174, 240),   # 9
    (664, 330, 353, 240),  # 10
]

# Seven twinkle frames in a row; the last one is deliberately empty so the
# animation can "switch off" a sparkle by OR-ing in nothing.
SPARKLE_W, SPARKLE_H = 15, 21
SPARKLES = [(965 + 18 * k, 597, SPARKLE_W, SPARKLE_H) for k in range(7)]


# The dialog pictures: lettering across the top, a photograph below, black
# around it.  The windows show them whole, so only their sizes matter there.
TITLE_PICTURE = {"size": (320, 240), "lettering": (0, 0, 320, 84),
                 "photo": (8, 84, 304, 148)}
PREVIEW_PICTURE = {"size": (150, 112), "lettering": (0, 0, 150, 30),
                   "photo": (5, 32, 140, 75)}


def all_rects():
    """Every rectangle that may hold non-black pixels."""
    return [BANNER] + PHOTOS + SPARKLES
