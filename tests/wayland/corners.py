#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""corners.py SCREENSHOT WIDTH SCALE BACKGROUND(RRGGBB): finds the Dialnote window WIDTH logical
pixels wide by its title strip's top edge; exits 0 if its top corners show the desktop and
only they do, 1 if not, 2 if no such window is in the picture."""
import itertools
import sys

from PIL import Image

TITLE_EDGE = (0x2A, 0x4D, 0xAB)   # the title strip's top row
KEY = (0x00, 0xFF, 0xFF)          # the colour the windows' pictures mark their corners with
CUT = [5, 3, 2, 1, 1]             # pixels cut from each top corner, rows 0 to 4


def main():
    path, scale, desktop = sys.argv[1], int(sys.argv[3]), tuple(bytes.fromhex(sys.argv[4]))
    width = int(sys.argv[2]) * scale
    cuts = [CUT[row // scale] * scale for row in range(len(CUT) * scale)]
    picture = Image.open(path).convert("RGB")
    pixels = picture.load()
    for top in range(picture.height - len(cuts)):
        x = 0
        for colour, run in itertools.groupby(pixels[i, top] for i in range(picture.width)):
            start, x = x, x + len(list(run))
            if colour != TITLE_EDGE or x - start != width - 2 * cuts[0]:
                continue
            left = start - cuts[0]
            print(f"window {width} wide at {left},{top}")
            # The cut shows the desktop; the rest of its rows neither the desktop nor the key colour.
            wrong = [(px, row) for row, cut in enumerate(cuts) for px in range(width)
                     if (pixels[left + px, top + row] == desktop) != (px < cut or px >= width - cut)
                     or pixels[left + px, top + row] == KEY]
            for px, row in wrong:
                print(f"  pixel {px},{row}: #{bytes(pixels[left + px, top + row]).hex()}")
            return 1 if wrong else 0
    return 2


if __name__ == "__main__":
    sys.exit(main())
