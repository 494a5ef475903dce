#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""corners.py SCREENSHOT WIDTH SCALE BACKGROUND(RRGGBB): finds the Dialnote window WIDTH logical
pixels wide by its title strip's top edge; exits 0 if its top corners show the desktop, 1 if
painted, 2 if no such window is in the picture."""
import sys

from PIL import Image

TITLE_EDGE = (0x2A, 0x4D, 0xAB)   # the title strip's top row
CUT = [5, 3, 2, 1, 1]             # pixels cut from each top corner, rows 0 to 4
KEY = (0x00, 0xFF, 0xFF)


def main():
    path, scale, background = sys.argv[1], int(sys.argv[3]), sys.argv[4]
    window_width = int(sys.argv[2]) * scale
    cuts = [CUT[row // scale] * scale for row in range(len(CUT) * scale)]
    desktop = tuple(int(background[i:i + 2], 16) for i in (0, 2, 4))
    picture = Image.open(path).convert("RGB")
    width, height = picture.size
    pixels = picture.load()
    run = window_width - 2 * cuts[0]
    for top in range(height):
        x = 0
        while x < width:
            if pixels[x, top] != TITLE_EDGE:
                x += 1
                continue
            start = x
            while x < width and pixels[x, top] == TITLE_EDGE:
                x += 1
            if x - start != run:
                continue
            left = start - cuts[0]
            seen = {}
            for row, cut in enumerate(cuts):
                for dx in range(cut):
                    for px in (left + dx, left + window_width - 1 - dx):
                        seen[(px, top + row)] = pixels[px, top + row]
            wrong = {p: c for p, c in seen.items() if c != desktop}
            print(f"window {window_width} wide at {left},{top}")
            if wrong:
                for (px, py), c in sorted(wrong.items()):
                    kind = "key colour" if c == KEY else "black" if c == (0, 0, 0) else "painted"
                    print(f"  corner pixel {px - left},{py - top}: #{bytes(c).hex()} ({kind})")
                return 1
            # The pixel beside the cut is the window's own.
            if pixels[left + cuts[0], top] != TITLE_EDGE:
                return 1
            return 0
    return 2


if __name__ == "__main__":
    sys.exit(main())
