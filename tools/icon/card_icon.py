#!/usr/bin/env python3
"""Draws Vandro's program icon, a playing card with a red heart, into a Windows .ico file, or
as PNG files in the layout of a Linux icon theme.

Usage: card_icon.py <out.ico> [<preview.png>]
       card_icon.py --png <theme dir> <size>...   (writes <size>x<size>/apps/vandro.png)

Each size is drawn on its own, supersampled, so that small icons stay crisp: a cream-white
upright card with rounded corners and a thin dark outline, a deep-red heart (U+2665) centred,
on a transparent background. Sizes up to 48 are stored as 32-bit bitmaps, 256 as PNG, which
is what Windows expects of an icon's large image.
"""
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
SAMPLES = 4  # per axis

CARD = (251, 246, 233)
OUTLINE = (58, 52, 48)
HEART = (176, 18, 43)


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def inside_heart(x, y, cx, cy, scale):
    # (u² + v² − 1)³ − u²v³ ≤ 0 with v pointing up: the classic heart curve.
    u = (x - cx) / scale
    v = -(y - cy) / scale
    return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0


def draw(size):
    """Answers size × size pixels as (r, g, b, a) rows, top row first."""
    height = size
    width = size * 0.72
    left = (size - width) / 2
    top, bottom, right = 0.0, float(height), left + width
    outline = max(1.0, size / 48)
    radius = width * 0.14
    heart_scale = width * 0.30
    heart_cx, heart_cy = size / 2, size * 0.47
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            counts = [0, 0, 0]  # outline, card, heart
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    if not inside_rounded_rect(x, y, left, top, right, bottom, radius):
                        continue
                    if not inside_rounded_rect(x, y, left + outline, top + outline,
                                               right - outline, bottom - outline,
                                               max(radius - outline, 0.5)):
                        counts[0] += 1
                    elif inside_heart(x, y, heart_cx, heart_cy, heart_scale):
                        counts[2] += 1
                    else:
                        counts[1] += 1
            covered = sum(counts)
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = [
                sum(c[i] * n for c, n in zip((OUTLINE, CARD, HEART), counts)) // covered
                for i in range(3)
            ]
            row.append((*colour, 255 * covered // (SAMPLES * SAMPLES)))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bitmap(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def icon(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        data += blob
    return directory + entries + data


def write_theme(directory, sizes):
    for size in sizes:
        apps = os.path.join(directory, f"{size}x{size}", "apps")
        os.makedirs(apps, exist_ok=True)
        with open(os.path.join(apps, "vandro.png"), "wb") as out:
            out.write(png(draw(size)))


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "--png":
        write_theme(sys.argv[2], [int(size) for size in sys.argv[3:]])
        return
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    drawn = {size: draw(size) for size in SIZES}
    images = [(size, png(rows) if size >= 256 else bitmap(rows)) for size, rows in drawn.items()]
    with open(sys.argv[1], "wb") as out:
        out.write(icon(images))
    if len(sys.argv) == 3:
        with open(sys.argv[2], "wb") as out:
            out.write(png(drawn[256]))


if __name__ == "__main__":
    main()
