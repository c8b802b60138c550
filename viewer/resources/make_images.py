#!/usr/bin/env python3
"""Draws the viewer's icons (severity marks, sort marks, toolbar images, the
window icon and the information window's icon) as 32-bit ICO files with alpha, pixel-aligned for 96 dpi.

Run from anywhere: python3 viewer/resources/make_images.py [--preview out.png]
The ICO files are written next to this script, in images/.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

SAMPLES = 4  # per axis, for smooth edges


def rgba(hex_colour, alpha=255):
    hex_colour = hex_colour.lstrip("#")
    return (int(hex_colour[0:2], 16), int(hex_colour[2:4], 16), int(hex_colour[4:6], 16), alpha)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def fill(self, inside, colour):
        """Paints colour over every pixel by the share of its samples inside."""
        n = self.size
        for y in range(n):
            for x in range(n):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                            hits += 1
                if hits:
                    self._blend(x, y, colour, hits / (SAMPLES * SAMPLES))

    def _blend(self, x, y, colour, coverage):
        r, g, b, a = colour
        src_a = a / 255 * coverage
        dr, dg, db, da = self.pixels[y][x]
        dst_a = da / 255
        out_a = src_a + dst_a * (1 - src_a)
        if out_a == 0:
            return

        def mix(s, d):
            return round((s * src_a + d * dst_a * (1 - src_a)) / out_a)

        self.pixels[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), round(out_a * 255))


# ---- shapes, in pixel coordinates (0,0 is the top left corner of the image) ----

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def stroke(points, width):
    """A polyline drawn with a round pen."""
    half = width / 2

    def distance(px, py, ax, ay, bx, by):
        dx, dy = bx - ax, by - ay
        length = dx * dx + dy * dy
        t = 0 if length == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / length))
        return math.hypot(px - ax - t * dx, py - ay - t * dy)

    def inside(x, y):
        return any(distance(x, y, *points[i], *points[i + 1]) <= half
                   for i in range(len(points) - 1))
    return inside


def arc_points(cx, cy, r, start_deg, end_deg, steps=12):
    return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in (start_deg + (end_deg - start_deg) * i / steps for i in range(steps + 1))]


def outline(shape_outer, shape_inner):
    return lambda x, y: shape_outer(x, y) and not shape_inner(x, y)


# ---- glyphs ----

def exclamation(canvas, cx, top, bottom, colour, width=2.0):
    canvas.fill(stroke([(cx, top), (cx, bottom - 3.2)], width), colour)
    canvas.fill(circle(cx, bottom - 0.9, width / 2 + 0.1), colour)


def question(canvas, cx, top, scale, colour, width=2.0):
    r = 2.6 * scale
    path = arc_points(cx, top + r, r, 200, 360 + 60, 16)
    end_x, end_y = path[-1]
    path += [(cx, end_y + 1.6 * scale), (cx, end_y + 2.8 * scale)]
    canvas.fill(stroke(path, width), colour)
    canvas.fill(circle(cx, end_y + 4.9 * scale, width / 2 + 0.1), colour)


# ---- the images ----

def severity_critical():
    c = Canvas(16)
    c.fill(circle(8, 8, 7.5), rgba("8E1B1B"))
    c.fill(circle(8, 8, 6.6), rgba("E53935"))
    exclamation(c, 8, 3.4, 13.2, rgba("FFFFFF"))
    return c


def severity_serious():
    c = Canvas(16)
    c.fill(polygon([(8, 0.6), (15.6, 14.8), (0.4, 14.8)]), rgba("9A4A00"))
    c.fill(polygon([(8, 2.4), (14.2, 13.9), (1.8, 13.9)]), rgba("FB8C00"))
    exclamation(c, 8, 5.6, 13.4, rgba("3A1C00"), 1.8)
    return c


def severity_suspicious():
    c = Canvas(16)
    c.fill(circle(8, 8, 7.5), rgba("8D6E00"))
    c.fill(circle(8, 8, 6.6), rgba("FDD835"))
    question(c, 8, 3.3, 1.0, rgba("4A3A00"), 1.8)
    return c


def severity_non_threatening():
    c = Canvas(16)
    c.fill(circle(8, 8, 7.5), rgba("1B5E20"))
    c.fill(circle(8, 8, 6.6), rgba("43A047"))
    c.fill(stroke([(4.6, 8.2), (7.0, 10.8), (11.6, 5.4)], 2.1), rgba("FFFFFF"))
    return c


def sort_mark(ascending):
    c = Canvas(16)
    if ascending:
        points = [(8, 5.0), (12.0, 10.5), (4.0, 10.5)]
    else:
        points = [(4.0, 5.5), (12.0, 5.5), (8, 11.0)]
    c.fill(polygon(points), rgba("5F6368"))
    return c


def tool_open():
    c = Canvas(16)
    c.fill(rounded_rect(1, 3, 7, 6, 1), rgba("B07A12"))          # tab
    c.fill(rect(1, 4.5, 13, 14), rgba("B07A12"))                 # back
    c.fill(rect(2, 5.5, 12, 13), rgba("F2C14E"))
    c.fill(polygon([(3.2, 8), (15.4, 8), (13, 14), (0.8, 14)]), rgba("9A6A0E"))  # front
    c.fill(polygon([(3.8, 8.9), (14.2, 8.9), (12.4, 13.1), (2.0, 13.1)]), rgba("FFD66B"))
    return c


def tool_print():
    c = Canvas(16)
    c.fill(rect(4, 1, 12, 6), rgba("7A7A7A"))
    c.fill(rect(5, 2, 11, 6), rgba("FFFFFF"))
    c.fill(rounded_rect(1, 5.5, 15, 12, 1.2), rgba("4E5358"))
    c.fill(rounded_rect(2, 6.5, 14, 11, 0.8), rgba("9EA4AA"))
    c.fill(circle(12.4, 8.3, 0.8), rgba("43A047"))
    c.fill(rect(4, 10, 12, 15), rgba("7A7A7A"))
    c.fill(rect(5, 10.5, 11, 14), rgba("FFFFFF"))
    for y in (11.5, 13):
        c.fill(rect(6, y, 10, y + 0.6), rgba("8A8A8A"))
    return c


def tool_details():
    c = Canvas(16)
    c.fill(polygon([(2, 1), (10, 1), (13, 4), (13, 15), (2, 15)]), rgba("6B7075"))
    c.fill(polygon([(3, 2), (9.5, 2), (12, 4.5), (12, 14), (3, 14)]), rgba("FFFFFF"))
    for y in (5, 7, 9):
        c.fill(rect(4.5, y, 10.5, y + 0.8), rgba("9AA0A6"))
    c.fill(outline(circle(10, 11, 3.3), circle(10, 11, 2.1)), rgba("1565C0"))
    c.fill(circle(10, 11, 2.1), rgba("BBDEFB", 200))
    c.fill(stroke([(12.4, 13.4), (15, 16)], 2.0), rgba("1565C0"))
    return c


def tool_help():
    c = Canvas(16)
    c.fill(circle(8, 8, 7.5), rgba("0D47A1"))
    c.fill(circle(8, 8, 6.6), rgba("1E88E5"))
    question(c, 8, 3.2, 1.0, rgba("FFFFFF"), 1.9)
    return c


def tool_exit():
    c = Canvas(16)
    c.fill(rect(2, 1, 10, 15), rgba("5D4037"))                    # frame
    c.fill(polygon([(3, 2), (8, 3), (8, 15), (3, 14)]), rgba("A1887F"))  # open door
    c.fill(circle(7, 9, 0.7), rgba("3E2723"))
    c.fill(stroke([(8.8, 8), (14.4, 8)], 2.0), rgba("2E7D32"))
    c.fill(polygon([(15.6, 8), (12.2, 4.6), (12.2, 11.4)]), rgba("2E7D32"))
    return c


def window_icon(size):
    c = Canvas(size)
    s = size / 32

    def scaled(points):
        return [(x * s, y * s) for x, y in points]

    shield = [(16, 1.5), (29, 6), (28, 17), (23, 25), (16, 30.5), (9, 25), (4, 17), (3, 6)]
    inner = [(16, 4), (26.5, 7.8), (25.7, 16.5), (21.5, 23.4), (16, 27.6), (10.5, 23.4),
             (6.3, 16.5), (5.5, 7.8)]
    c.fill(polygon(scaled(shield)), rgba("0B3D91"))
    c.fill(polygon(scaled(inner)), rgba("1976D2"))
    for i, y in enumerate((9.5, 14.0, 18.5)):
        c.fill(circle(10.5 * s, y * s, 1.5 * s), rgba("E53935" if i == 0 else "FFFFFF"))
        c.fill(rounded_rect(13.5 * s, (y - 1.1) * s, 22.5 * s, (y + 1.1) * s, 1.0 * s),
               rgba("FFFFFF"))
    return c


def info_icon(size):
    """The information window's icon: an "i" on a disc, beside the shield."""
    c = Canvas(size)
    s = size / 32
    c.fill(circle(16 * s, 16 * s, 15 * s), rgba("00695C"))
    c.fill(circle(16 * s, 16 * s, 13.4 * s), rgba("26A69A"))
    c.fill(circle(16 * s, 8.6 * s, 2.4 * s), rgba("FFFFFF"))
    c.fill(rounded_rect(13.6 * s, 12.6 * s, 18.4 * s, 25.5 * s, 1.2 * s), rgba("FFFFFF"))
    c.fill(rect(11.5 * s, 23.5 * s, 20.5 * s, 25.5 * s), rgba("FFFFFF"))
    c.fill(rect(11.5 * s, 12.6 * s, 15 * s, 14.4 * s), rgba("FFFFFF"))
    return c


IMAGES = {
    "severity_1.ico": [severity_critical],
    "severity_2.ico": [severity_serious],
    "severity_3.ico": [severity_suspicious],
    "severity_4.ico": [severity_non_threatening],
    "tool_open.ico": [tool_open],
    "tool_print.ico": [tool_print],
    "tool_details.ico": [tool_details],
    "tool_help.ico": [tool_help],
    "tool_exit.ico": [tool_exit],
    "sort_ascending.ico": [lambda: sort_mark(True)],
    "sort_descending.ico": [lambda: sort_mark(False)],
    "lomvex.ico": [lambda: window_icon(16), lambda: window_icon(32), lambda: window_icon(48)],
    "info.ico": [lambda: info_icon(16), lambda: info_icon(32), lambda: info_icon(48)],
}


# ---- file formats ----

def ico_bytes(canvases):
    images = []
    for canvas in canvases:
        n = canvas.size
        header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = b"".join(bytes((b, g, r, a)) for row in reversed(canvas.pixels)
                          for (r, g, b, a) in row)
        mask_row = ((n + 31) // 32) * 4
        mask = b""
        for row in reversed(canvas.pixels):
            bits = bytearray(mask_row)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        images.append((n, header + colour + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def png_bytes(width, height, rows):
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def preview(canvases, scale=4, background=(236, 233, 216, 255)):
    """All images side by side, enlarged, on a dialog-grey background."""
    width = sum(c.size + 4 for c in canvases) * scale
    height = max(c.size for c in canvases) * scale
    rows = [[background] * width for _ in range(height)]
    left = 0
    for canvas in canvases:
        for y in range(canvas.size * scale):
            for x in range(canvas.size * scale):
                r, g, b, a = canvas.pixels[y // scale][x // scale]
                br, bg, bb, _ = background
                f = a / 255
                rows[y][left + x] = (round(r * f + br * (1 - f)), round(g * f + bg * (1 - f)),
                                     round(b * f + bb * (1 - f)), 255)
        left += (canvas.size + 4) * scale
    return png_bytes(width, height, rows)


def main():
    out_dir = Path(__file__).resolve().parent / "images"
    out_dir.mkdir(exist_ok=True)
    drawn = []
    for name, makers in IMAGES.items():
        canvases = [make() for make in makers]
        (out_dir / name).write_bytes(ico_bytes(canvases))
        drawn.extend(canvases)
    if len(sys.argv) == 3 and sys.argv[1] == "--preview":
        Path(sys.argv[2]).write_bytes(preview(drawn))


if __name__ == "__main__":
    main()
