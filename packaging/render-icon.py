#!/usr/bin/env python3
"""Renders icons/kalvodrin.svg to the PNG sizes of the hicolor theme.

The icon is rounded and plain rectangles only, so this reads exactly those from the
SVG and fills them with 4x4 supersampling; no image library is needed. Run it again
after changing the SVG: python3 packaging/render-icon.py
"""
import re
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
SIZES = [16, 24, 32, 48, 64, 128, 256]
SAMPLES = 4


def rects(svg):
    out = []
    group_fill = None
    for line in svg.splitlines():
        g = re.search(r'<g fill="(#[0-9a-f]{6})"', line)
        if g:
            group_fill = g.group(1)
        if "</g>" in line:
            group_fill = None
        if "<rect" not in line:
            continue
        attr = dict(re.findall(r'(\w+)="([^"]*)"', line))
        fill = attr.get("fill", group_fill)
        out.append((float(attr["x"]), float(attr["y"]), float(attr["width"]),
                    float(attr["height"]), float(attr.get("rx", 0)), fill))
    return out


def inside(px, py, r):
    x, y, w, h, rad, _ = r
    if px < x or py < y or px >= x + w or py >= y + h:
        return False
    cx = min(max(px, x + rad), x + w - rad)
    cy = min(max(py, y + rad), y + h - rad)
    return (px - cx) ** 2 + (py - cy) ** 2 <= rad * rad


def render(shapes, size):
    scale = 256.0 / size
    rows = []
    for j in range(size):
        row = bytearray()
        for i in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(SAMPLES):
                for si in range(SAMPLES):
                    px = (i + (si + 0.5) / SAMPLES) * scale
                    py = (j + (sj + 0.5) / SAMPLES) * scale
                    colour = None
                    for r in shapes:
                        if inside(px, py, r):
                            colour = r[5]
                    if colour:
                        rgb = [int(colour[k:k + 2], 16) for k in (1, 3, 5)]
                        for k in range(3):
                            acc[k] += rgb[k]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3]:
                row += bytes(round(acc[k] / acc[3]) for k in range(3))
            else:
                row += b"\0\0\0"
            row.append(round(alpha * 255))
        rows.append(bytes(row))
    return rows


def png(rows, size):
    raw = b"".join(b"\0" + r for r in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    shapes = rects((HERE / "icons" / "kalvodrin.svg").read_text())
    for size in SIZES:
        target = HERE / "icons" / f"{size}x{size}" / "kalvodrin.png"
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(png(render(shapes, size), size))


if __name__ == "__main__":
    main()
