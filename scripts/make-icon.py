#!/usr/bin/env python3
"""Draws the program icon (a ledger sheet with an export arrow) and writes
resources/Orbek17.ico: 16x16 and 32x32 images, 32 bits per pixel."""
import struct
import sys


def draw(size):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, color):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = color

    paper, edge = (255, 255, 255, 255), (70, 80, 100, 255)
    line, head = (90, 140, 210, 255), (200, 40, 40, 255)
    arrow = (30, 150, 60, 255)
    # The sheet with its border and a folded corner.
    rect(4, 2, 24, 30, edge)
    rect(5, 3, 23, 29, paper)
    rect(19, 2, 24, 7, (0, 0, 0, 0))
    rect(19, 3, 20, 7, edge)
    rect(19, 7, 24, 8, edge)
    # The heading and the ledger rows.
    rect(7, 6, 16, 8, head)
    for y in (11, 15, 19, 23):
        rect(7, y, 21, y + 1, line)
    rect(14, 10, 15, 26, line)
    # The arrow out of the sheet.
    rect(16, 19, 26, 23, arrow)
    for i in range(6):
        rect(25 + i, 15 + i, 26 + i, 27 - i, arrow)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''.join(bytes(c for (r, g, b, a) in px[y] for c in (b, g, r, a))
                    for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    mask = b''.join(bytes(mask_row) for _ in range(size))  # alpha decides
    return header + rows + mask


def main(path):
    images = [image(16), image(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/Orbek17.ico')
