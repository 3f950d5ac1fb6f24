#!/usr/bin/env python3
"""Draws the program's icon, a ringed planet over a dark horizon at dusk, at 32 x 32 and
16 x 16 and writes resources/vorrith.ico (32-bit colour with an AND mask). The icon is
checked in; run this again only to change its design."""
import math
import os
import struct


def pixel(x, y, size):
    """Colour (r, g, b) of pixel centre (x, y) in a size x size icon, in unit coordinates."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    horizon = 0.72 + 0.04 * math.sin(u * 7.0)
    if v > horizon:                                   # dark ground with a rim light
        rim = max(0.0, 1.0 - (v - horizon) * 12.0)
        return (int(40 + 90 * rim), int(24 + 40 * rim), int(48 + 30 * rim))
    cx, cy, r = 0.56, 0.40, 0.26
    dx, dy = u - cx, v - cy
    d = math.hypot(dx, dy)
    ring = abs((dx * 0.95 + dy * 0.35) ** 2 / 0.16 + (dy * 0.95 - dx * 0.35) ** 2 / 0.012 - 1.0)
    if d < r:                                         # planet lit from the upper left
        light = max(0.15, 1.0 - math.hypot(u - (cx - 0.12), v - (cy - 0.12)) / (r * 1.6))
        band = 0.85 + 0.15 * math.sin(dy * 40.0)
        return (int(90 + 150 * light * band), int(150 * light * band + 40), int(200 * light + 40))
    if ring < 0.35 and d >= r:
        return (230, 200, 150)
    glow = max(0.0, 1.0 - v / horizon)                # sky from violet to deep blue
    return (int(20 + 90 * (1 - glow)), int(10 + 20 * (1 - glow)), int(60 + 60 * glow))


def icon_image(size):
    rows = []
    for y in reversed(range(size)):                   # bottom-up rows
        for x in range(size):
            r, g, b = pixel(x, y, size)
            rows.append(struct.pack("BBBB", min(b, 255), min(g, 255), min(r, 255), 255))
    colour = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytes(mask_stride * size)                  # all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    images = [icon_image(32), icon_image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(__file__), "..", "resources", "vorrith.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
