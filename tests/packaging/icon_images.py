# SPDX-License-Identifier: GPL-3.0-or-later
"""The images of a Windows icon, decoded: 32-bit bitmaps and PNG. Pixels are
rows of premultiplied (red, green, blue, alpha) tuples, 0 to 255, so that
two pictures compare the same however their transparent pixels are coloured."""
import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def bitmap_header(image):
    """(width, height, bits) of an icon image kept as a bitmap; its height
    counts the colour bitmap and the mask, as Windows stores it."""
    size, width, height, _, bits = struct.unpack_from("<IiiHH", image)
    if size != 40:
        raise ValueError(f"a bitmap header of {size} bytes, not 40")
    return width, height, bits


def premultiplied(red, green, blue, alpha):
    return (red * alpha // 255, green * alpha // 255, blue * alpha // 255, alpha)


def decode(image):
    """The pixels of an icon image: a PNG, or a 32-bit bitmap with alpha."""
    if image.startswith(PNG_SIGNATURE):
        return decode_png(image)
    width, double_height, bits = bitmap_header(image)
    if bits != 32:
        raise ValueError(f"a {bits}-bit bitmap, not 32-bit")
    height = double_height // 2
    rows = []
    for y in range(height):
        at = 40 + 4 * width * (height - 1 - y)  # bottom row first
        rows.append([premultiplied(*reversed(image[at + 4 * x:at + 4 * x + 3]),
                                   image[at + 4 * x + 3]) for x in range(width)])
    return rows


def png_size(image):
    """(width, height, bit depth, colour type) from a PNG's header chunk."""
    return struct.unpack_from(">IIBB", image, 16)


def decode_png(image):
    """The pixels of an 8-bit RGBA PNG without interlacing."""
    width, height, depth, colour = png_size(image)
    if (depth, colour, image[28]) != (8, 6, 0):
        raise ValueError(f"a PNG of depth {depth}, colour type {colour}, not 8-bit RGBA")
    at, data = 8, b""
    while at < len(image):
        length, kind = struct.unpack_from(">I4s", image, at)
        if kind == b"IDAT":
            data += image[at + 8:at + 8 + length]
        at += 12 + length
    raw = zlib.decompress(data)
    stride = 4 * width
    rows, previous = [], bytearray(stride)
    for y in range(height):
        line_at = y * (stride + 1)
        kind, line = raw[line_at], bytearray(raw[line_at + 1:line_at + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - upper_left
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - upper_left), 2, upper_left))[2]
                line[i] = (line[i] + nearest) & 0xFF
        rows.append([premultiplied(*line[4 * x:4 * x + 4]) for x in range(width)])
        previous = line
    return rows


def _area_weights(source, target):
    """For each target pixel, the (source index, weight) pairs of the source
    pixels it covers, by the share of each that it covers."""
    ratio = source / target
    weights = []
    for i in range(target):
        start, end = i * ratio, (i + 1) * ratio
        covered = []
        for j in range(int(start), min(source, int(end) + 1)):
            share = min(end, j + 1) - max(start, j)
            if share > 1e-9:
                covered.append((j, share / ratio))
        weights.append(covered)
    return weights


def downscale(rows, size):
    """A box-filter (area-averaging) downscale to `size` x `size`: what a
    resampler makes of a large picture."""
    weights = _area_weights(len(rows), size)
    narrow = [[tuple(sum(row[j][c] * w for j, w in columns) for c in range(4))
               for columns in weights] for row in rows]
    return [[tuple(round(sum(narrow[j][x][c] * w for j, w in lines)) for c in range(4))
             for x in range(size)] for lines in weights]


def differing_share(first, second, threshold):
    """The share of pixels in which some channel differs by more than
    `threshold`."""
    differing = sum(1 for row_a, row_b in zip(first, second) for a, b in zip(row_a, row_b)
                    if max(abs(p - q) for p, q in zip(a, b)) > threshold)
    return differing / (len(first) * len(first[0]))
