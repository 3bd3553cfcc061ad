#!/usr/bin/env python3
"""Draws the launcher's own artwork: the main window's banner (banner.bmp, the size
of the window's client area at 96 dpi, and banner_125.png ... banner_250.png drawn
anew at 125, 150, 175, 200 and 250 %) and the program icon (norvelassist.ico, at the
small and large icon sizes of every one of those scales).
Run it again after changing the drawing; the outputs are committed."""
import math
import struct
import zlib

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


SCALES = (125, 150, 175, 200, 250)
SUPERSAMPLES = 3  # per side of each pixel of a scaled banner


def scaled_size(length, percent):
    """A length of the 96-dpi art at `percent`, rounded as the window rounds it."""
    return math.floor(length * percent / 100 + 0.5)


def banner_colour(u, v):
    """The banner's colour at a point, in 96-dpi pixels (pixel centres on whole
    numbers): the drawing of banner() without its pixel grid."""
    top, bottom = (14, 42, 74), (27, 85, 130)
    c = lerp(top, bottom, min(max(v / (H - 1), 0.0), 1.0))
    d = (u * 0.45 + v) - 150
    if -28 < d < 28:
        c = lerp(c, (60, 130, 190), 0.35 * (1 - abs(d) / 28))
    cx, cy = 58, 62
    r = ((u - cx) ** 2 + (v - cy) ** 2) ** 0.5
    if 30 <= r <= 38 or 12 <= r < 15:
        return (255, 255, 255)
    if r < 12:
        return (20, 104, 168)
    if u > cx and v < cy and any(abs(r - arc) <= 1.3 for arc in (20, 25)):
        return (255, 255, 255)
    # Glyph cells and the rule cover whole pixels of the 96-dpi grid.
    a, b = u + 0.5, v + 0.5
    for s, x0, y0, cell, colour in (("NORVEL", 112, 34, 6, (255, 255, 255)), ("SISTEMI", 114, 84, 3, (190, 220, 245))):
        gy, gx = math.floor((b - y0) / cell), math.floor((a - x0) / cell)
        if 0 <= gy < 7 and 0 <= gx < 6 * len(s) and gx % 6 < 5 and GLYPHS[s[gx // 6]][gy][gx % 6] == "1":
            return colour
    if 118 <= b < 119 and 112 <= a < 392:
        return (190, 220, 245)
    return c


def banner_at(percent):
    """The banner drawn at `percent`, each pixel the mean of SUPERSAMPLES squared
    points of the drawing."""
    w, h, k, f = scaled_size(W, percent), scaled_size(H, percent), SUPERSAMPLES, percent / 100
    px = []
    for y in range(h):
        row = []
        for x in range(w):
            total = [0, 0, 0]
            for j in range(k):
                for i in range(k):
                    c = banner_colour((x + (i + 0.5) / k) / f - 0.5, (y + (j + 0.5) / k) / f - 0.5)
                    total = [t + ci for t, ci in zip(total, c)]
            row.append(tuple(int(t / (k * k) + 0.5) for t in total))
        px.append(row)
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


def png_bytes(px):
    """An 8-bit RGB PNG, each row filtered against the one above (the gradient runs
    down), compressed as tightly as zlib does."""
    h, w = len(px), len(px[0])
    raw = bytearray()
    previous = bytes(w * 3)
    for row in px:
        line = bytes(c for pixel in row for c in pixel)
        raw.append(2)  # "Up"
        raw += bytes((a - b) & 0xFF for a, b in zip(line, previous))
        previous = line

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


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
    for percent in SCALES:
        with open(os.path.join(here, "banner_%d.png" % percent), "wb") as f:
            f.write(png_bytes(banner_at(percent)))
    # The small (16) and large (32) icon at every scale, and 48 for the shell.
    with open(os.path.join(here, "norvelassist.ico"), "wb") as f:
        f.write(ico_bytes([16, 20, 24, 28, 32, 40, 48, 56, 64, 80]))
