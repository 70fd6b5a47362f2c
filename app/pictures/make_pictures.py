#!/usr/bin/env python3
"""Draws the program's own pictures: the 128 x 128 32-bit icon and the
47 x 47 animated title picture of 64 frames (a radar sweep circling a
globe), with nothing but the standard library.

usage: make_pictures.py ICON_OUT GIF_OUT
"""
import math
import struct
import sys


def coverage(inside, x, y, samples=4):
    """Share of the pixel (x, y) that `inside` covers, by supersampling."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            if inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def blend(under, over, alpha):
    return tuple(round(u + (o - u) * alpha) for u, o in zip(under, over))


# --- icon -----------------------------------------------------------------

def icon_pixels(size=128):
    """RGBA rows, top row first: a rounded blue tile with a magnifier."""
    radius = 24
    centre, lens = 54.0, 30.0

    def tile(x, y):
        cx = min(max(x, radius), size - radius)
        cy = min(max(y, radius), size - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    def ring(x, y):
        d = math.hypot(x - centre, y - centre)
        return lens - 8 <= d <= lens

    def glass(x, y):
        return math.hypot(x - centre, y - centre) < lens - 8

    def handle(x, y):
        # A thick bar from the ring towards the bottom-right corner.
        ux, uy = x - centre, y - centre
        along = (ux + uy) / math.sqrt(2)
        across = (ux - uy) / math.sqrt(2)
        return lens - 2 <= along <= lens + 40 and abs(across) <= 8

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            a = coverage(tile, x, y)
            top, bottom = (72, 128, 220), (30, 70, 160)
            t = y / (size - 1)
            colour = blend(top, bottom, t)
            g = coverage(glass, x, y)
            colour = blend(colour, (190, 225, 255), 0.55 * g)
            colour = blend(colour, (255, 255, 255), coverage(ring, x, y))
            colour = blend(colour, (255, 200, 60), coverage(handle, x, y))
            row.append(colour + (round(255 * a),))
        rows.append(row)
    return rows


def write_icon(path, size=128):
    rows = icon_pixels(size)
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, 'wb') as out:
        out.write(directory + entry + image)


# --- animated title picture -----------------------------------------------

SIZE = 47
FRAMES = 64
TRANSPARENT = 0


def palette():
    colours = [(0, 0, 0)]  # index 0: transparent
    for i in range(255):  # dark blue to white, then a touch of green
        t = i / 254
        colours.append(blend((20, 50, 110), (235, 250, 255), t))
    return colours


def nearest_index(colour, colours):
    # Palette entries 1..255 run along one line: pick by brightness.
    lum = (colour[0] * 0.3 + colour[1] * 0.59 + colour[2] * 0.11)
    lo = 20 * 0.3 + 50 * 0.59 + 110 * 0.11
    hi = 235 * 0.3 + 250 * 0.59 + 255 * 0.11
    t = min(max((lum - lo) / (hi - lo), 0.0), 1.0)
    return 1 + round(t * 254)


def frame_indices(frame, colours):
    centre = SIZE / 2
    outer = 22.0
    sweep_angle = 2 * math.pi * frame / FRAMES
    data = bytearray()
    for y in range(SIZE):
        for x in range(SIZE):
            disc = coverage(lambda u, v: math.hypot(u - centre, v - centre) <= outer, x, y)
            if disc < 0.5:
                data.append(TRANSPARENT)
                continue
            px, py = x + 0.5 - centre, y + 0.5 - centre
            distance = math.hypot(px, py)
            base = 0.12
            # Globe lines: two meridian ellipses and the equator.
            if abs(distance - outer) < 1.6:
                base = 0.95
            elif abs(py) < 0.8 or abs(px) < 0.8:
                base = 0.55
            elif abs(math.hypot(px / 0.5, py) - outer) < 2.0:
                base = 0.45
            # The sweep: bright at its edge, fading behind it.
            angle = math.atan2(py, px) % (2 * math.pi)
            behind = (sweep_angle - angle) % (2 * math.pi)
            glow = max(0.0, 1.0 - behind / (math.pi * 0.6))
            level = min(1.0, base + 0.7 * glow * glow)
            colour = blend((20, 50, 110), (235, 250, 255), level)
            data.append(nearest_index(colour, colours))
    return data


def lzw(indices, min_code_size=8):
    """GIF's variable-length LZW, packed into bytes."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    table = {bytes([i]): i for i in range(clear)}
    next_code, code_size = end + 1, min_code_size + 1
    out = bytearray()
    bit_buffer, bit_count = 0, 0

    def emit(code):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += code_size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    emit(clear)
    current = b''
    for value in indices:
        candidate = current + bytes([value])
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {bytes([i]): i for i in range(clear)}
            next_code, code_size = end + 1, min_code_size + 1
        current = bytes([value])
    if current:
        emit(table[current])
    emit(end)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def write_gif(path):
    colours = palette()
    out = bytearray(b'GIF89a')
    out += struct.pack('<HHBBB', SIZE, SIZE, 0xF7, 0, 0)  # global table of 256
    for colour in colours:
        out += bytes(colour)
    out += b'\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00'  # loop for ever
    for frame in range(FRAMES):
        # Disposal 2 (restore to background), transparent index, 40 ms.
        out += b'\x21\xF9\x04' + struct.pack('<BHB', (2 << 2) | 1, 4, TRANSPARENT) + b'\x00'
        out += b'\x2C' + struct.pack('<HHHHB', 0, 0, SIZE, SIZE, 0)
        out += bytes([8]) + sub_blocks(lzw(frame_indices(frame, colours)))
    out += b'\x3B'
    with open(path, 'wb') as result:
        result.write(out)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_icon(sys.argv[1])
    write_gif(sys.argv[2])
