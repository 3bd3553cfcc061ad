#!/usr/bin/env python3
"""Draws the launcher's own artwork: the main window's banner (banner.bmp, the size
of the window's client area at 96 dpi) and the program icon (norvelassist.ico).
Run it again after changing the drawing; the outputs are committed."""
import struct

W, H = 409, 367  # 6135 x 5505 twips

# A 5x7 pixel font for the few capitals the banner writes.
GLYPHS = {
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    " ": ["00000"] * 7,
}


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def banner():
    top, bottom = (14, 42, 74), (27, 85, 130)
    px = [[lerp(top, bottom, y / (H - 1)) for _ in range(W)] for y in range(H)]
    # A lighter diagonal band across the upper part.
    for y in range(H):
        for x in range(W):
            d = (x * 0.45 + y) - 150
            if -28 < d < 28:
                k = 1 - abs(d) / 28
                px[y][x] = lerp(px[y][x], (60, 130, 190), 0.35 * k)
    # The logo: a ring with a signal dot, at the top left.
    cx, cy = 58, 62
    for y in range(H):
        for x in range(W):
            r = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if 30 <= r <= 38:
                px[y][x] = (255, 255, 255)
            elif r < 12:
                px[y][x] = (20, 104, 168)
            elif 12 <= r < 15:
                px[y][x] = (255, 255, 255)
    for arc in (20, 25):
        for y in range(H):
            for x in range(W):
                r = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if arc - 1.3 <= r <= arc + 1.3 and x > cx and y < cy:
                    px[y][x] = (255, 255, 255)

    def text(s, x0, y0, scale, colour):
        x = x0
        for ch in s:
            for gy, row in enumerate(GLYPHS[ch]):
                for gx, bit in enumerate(row):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                px[y0 + gy * scale + dy][x + gx * scale + dx] = colour
            x += 6 * scale

    text("NORVEL", 112, 34, 6, (255, 255, 255))
    text("SISTEMI", 114, 84, 3, (190, 220, 245))
    # A thin rule under the title.
    for x in range(112, 392):
        px[118][x] = (190, 220, 245)
    return px


def bmp_bytes(px):
    h, w = len(px), len(px[0])
    stride = (w * 3 + 3) & ~3
    rows = b""
    for y in range(h - 1, -1, -1):
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in px[y])
        rows += row + b"\0" * (stride - w * 3)
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def icon_image(size):
    """32-bit BGRA icon image: a blue disc with a white ring and dot."""
    c = (size - 1) / 2
    rows = []
    for y in range(size - 1, -1, -1):
        row = b""
        for x in range(size):
            r = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            R = size / 2
            if r <= R - 0.5:
                colour = (20, 104, 168)
                if R * 0.62 <= r <= R * 0.82 or r <= R * 0.22:
                    colour = (255, 255, 255)
                row += struct.pack("BBBB", colour[2], colour[1], colour[0], 255)
            else:
                row += struct.pack("BBBB", 0, 0, 0, 0)
        rows.append(row)
    xor = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def ico_bytes(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


if __name__ == "__main__":
    import os
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "banner.bmp"), "wb") as f:
        f.write(bmp_bytes(banner()))
    with open(os.path.join(here, "norvelassist.ico"), "wb") as f:
        f.write(ico_bytes([16, 32, 48]))
