# SPDX-License-Identifier: GPL-3.0-or-later
"""The two icon groups of a Dialnote executable.

Group 1 (index 0) is the program icon as the about box extracts it: one 48 x
48 image of 256 colours with a 1-bit mask, image id 30001, byte for byte the
image of the program's .ico file. Group 2 (index 1) holds the sizes Windows
asks for, each 32-bit with alpha (the 256 one a PNG), and each drawn for its
size: a downscale of the 256 one would be what Windows makes by itself, so
each must differ clearly from such a downscale."""
import struct

import icon_images

PROGRAM_ICON_ID = 30001
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
# A drawn size differs from a downscale of the 256 in the edges it snaps to
# its own pixels: a seventh to a third of its pixels by more than this step
# of a channel. A resampled one differs in under 1 % (Qt's smooth scaling,
# ImageMagick's box, triangle and Lanczos filters), and icon.svg rendered at
# each size without snapping in under 3 %.
CHANNEL_STEP = 32
DRAWN_SHARE = 0.05


def group_entries(group):
    """The (width, height, colours, planes, bits, bytes, id) of a group's
    images, after checking its header."""
    if len(group) < 6:
        return None
    reserved, kind, count = struct.unpack_from("<HHH", group)
    if (reserved, kind) != (0, 1) or len(group) != 6 + 14 * count:
        return None
    entries = []
    for i in range(count):
        width, height, colours, _, planes, bits, size, image_id = struct.unpack_from(
            "<BBBBHHIH", group, 6 + 14 * i)
        entries.append((width or 256, height or 256, colours, planes, bits, size, image_id))
    return entries


def check_icons(groups, images, ico, expect):
    """`groups` and `images` map resource ids to payloads; `ico` is the
    program's 48 x 48 .ico file."""
    expect("icon groups, in the order of their indexes", sorted(groups), [1, 2])

    program = group_entries(groups.get(1, b""))
    expect("icon group 1 (width, height, colours, planes, bits, bytes, id)", program,
           [(48, 48, 0, 1, 8, 3752, PROGRAM_ICON_ID)])
    ico_size, ico_offset = struct.unpack_from("<II", ico, 6 + 8)
    expect("icon 30001 is the image of the program's .ico", images.get(PROGRAM_ICON_ID),
           ico[ico_offset:ico_offset + ico_size])

    sized = group_entries(groups.get(2, b"")) or []
    expect("icon group 2 sizes", [(w, h) for w, h, *_ in sized], [(s, s) for s in SIZES])
    expect("icon group 2 planes and bits", {(planes, bits) for _, _, _, planes, bits, _, _ in sized},
           {(1, 32)})
    pictures = {}
    for width, _, _, _, _, size, image_id in sized:
        image = images.get(image_id, b"")
        expect(f"bytes of the {width}-pixel image", len(image), size)
        is_png = image.startswith(icon_images.PNG_SIGNATURE)
        expect(f"the {width}-pixel image is a PNG", is_png, width == 256)
        if is_png:
            expect("the PNG's size, depth and colour type", icon_images.png_size(image),
                   (256, 256, 8, 6))
        else:
            expect(f"the {width}-pixel bitmap (width, height and mask, bits)",
                   icon_images.bitmap_header(image), (width, 2 * width, 32))
        try:
            pictures[width] = icon_images.decode(image)
        except (ValueError, IndexError, struct.error) as error:
            expect(f"the {width}-pixel image decodes", str(error), "decoded")

    for width, rows in pictures.items():
        alphas = {pixel[3] for row in rows for pixel in row}
        expect(f"the {width}-pixel image has a transparent corner, an opaque middle and "
               "soft edges",
               (rows[0][0][3], rows[width // 2][width // 2][3], bool(alphas - {0, 255})),
               (0, 255, True))
    largest = pictures.get(256)
    if largest is None:
        return
    for width in SIZES[:-1]:
        if width not in pictures:
            continue
        share = icon_images.differing_share(pictures[width],
                                            icon_images.downscale(largest, width), CHANNEL_STEP)
        if share < DRAWN_SHARE:
            expect(f"the {width}-pixel image is drawn, not the 256 one resampled: share of "
                   f"pixels off a downscale by more than {CHANNEL_STEP}", round(share, 3),
                   f">= {DRAWN_SHARE}")
