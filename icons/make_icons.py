#!/usr/bin/env python3
"""Draws Quillgrid's icons and logo and writes them as C++ byte arrays.

Run from anywhere:  python3 icons/make_icons.py
Writes icons/gif/*.gif (for looking at), icons/icon_data.h and
icons/icon_data.cpp. The output is committed; running the script again
reproduces it byte for byte (no randomness, no time stamps).

The pictures are drawn here from simple shapes: 16 x 16 tool icons, the
32 x 32 application icon, a 1 x 1 transparent icon and the 64 x 64 logo
(raw RGB, no header). Transparent pixels use palette index 0.
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

TRANSPARENT = None  # a pixel left transparent


class Canvas:
    def __init__(self, w, h, fill=TRANSPARENT):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(n + 1):
            t = i / n
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            if width == 1:
                self.set(x, y, c)
            else:
                r = width / 2.0
                for dy in range(-int(r) - 1, int(r) + 2):
                    for dx in range(-int(r) - 1, int(r) + 2):
                        if dx * dx + dy * dy <= r * r + 0.25:
                            self.set(x + dx, y + dy, c)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(math.ceil(xs[i] - 0.5)), int(math.floor(xs[i + 1] - 0.5)) + 1):
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.px[y][x] = c

    def arc(self, cx, cy, r, a0, a1, c, width=2):
        """Arc from angle a0 to a1 (degrees, counter-clockwise, 0 = east)."""
        steps = int(abs(a1 - a0) * r / 10) + 8
        prev = None
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            p = (cx + r * math.cos(a), cy - r * math.sin(a))
            if prev:
                self.line(prev[0], prev[1], p[0], p[1], c, width)
            prev = p


# ---------------------------------------------------------------- colours
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (224, 224, 224)
DARK = (64, 64, 64)
YELLOW = (240, 200, 60)
YELLOW_DARK = (176, 132, 24)
BLUE = (40, 120, 230)
DARK_BLUE = (16, 40, 140)
RED = (210, 30, 30)
GREEN = (30, 150, 60)
PAPER = (250, 250, 244)
BROWN = (150, 100, 50)


def folder_open():
    c = Canvas(16, 16)
    c.polygon([(1, 3), (6, 3), (7, 5), (13, 5), (13, 7), (1, 7)], YELLOW_DARK)
    c.rect(1, 5, 12, 13, YELLOW_DARK)
    c.polygon([(3, 8), (15.5, 8), (13, 14), (0.5, 14)], YELLOW)
    c.line(3, 8, 15, 8, YELLOW_DARK)
    c.line(0.5, 14, 13, 14, YELLOW_DARK)
    return c


def paste_icon():
    c = Canvas(16, 16)
    c.rect(2, 2, 11, 14, BROWN)
    c.rect(5, 1, 8, 3, GREY)
    c.rect(3, 4, 10, 13, LIGHT)
    c.rect(7, 6, 14, 15, PAPER)
    c.frame(7, 6, 14, 15, DARK)
    for y in (8, 10, 12):
        c.line(9, y, 12, y, GREY)
    return c


def info_icon():
    c = Canvas(16, 16)
    c.disc(7.5, 7.5, 7.2, BLUE)
    c.rect(7, 3, 8, 4, WHITE)
    c.rect(7, 6, 8, 12, WHITE)
    c.rect(6, 6, 6, 6, WHITE)
    c.rect(6, 12, 9, 12, WHITE)
    return c


def arrow_arc(c, cx, cy, r, a0, a1, colour, width=2, head=3.2):
    """An arc from a0 to a1 (degrees) with an arrow head at the a1 end."""
    c.arc(cx, cy, r, a0, a1, colour, width)
    a = math.radians(a1)
    ex, ey = cx + r * math.cos(a), cy - r * math.sin(a)
    sign = 1 if a1 > a0 else -1
    # direction of travel at the end (screen coordinates, y down)
    tx, ty = -math.sin(a) * sign, -math.cos(a) * sign
    nx, ny = -ty, tx
    tip = (ex + tx * head, ey + ty * head)
    c.polygon([tip, (ex + nx * head, ey + ny * head), (ex - nx * head, ey - ny * head)], colour)


def undo_icon():
    c = Canvas(16, 16)
    arrow_arc(c, 8.5, 9.5, 5, -60, 150, DARK_BLUE, 2, 3)
    return c


def rotate_icon(clockwise, colour):
    c = Canvas(16, 16)
    if clockwise:
        arrow_arc(c, 7.5, 7.5, 5, 180, -80, colour, 2, 3.2)
    else:
        arrow_arc(c, 7.5, 7.5, 5, 0, 260, colour, 2, 3.2)
    return c


def save_icon():
    c = Canvas(16, 16)
    c.rect(1, 1, 14, 14, DARK_BLUE)
    c.rect(4, 1, 11, 6, LIGHT)
    c.rect(9, 2, 10, 5, DARK_BLUE)
    c.rect(3, 9, 12, 14, WHITE)
    c.line(4, 11, 11, 11, GREY)
    c.line(4, 13, 11, 13, GREY)
    return c


def delete_icon():
    c = Canvas(16, 16)
    c.line(2.5, 2.5, 13.5, 13.5, RED, 3)
    c.line(13.5, 2.5, 2.5, 13.5, RED, 3)
    return c


def copy_icon():
    c = Canvas(16, 16)
    c.rect(1, 1, 9, 11, PAPER)
    c.frame(1, 1, 9, 11, DARK)
    c.rect(6, 5, 14, 15, PAPER)
    c.frame(6, 5, 14, 15, DARK)
    for y in (8, 10, 12):
        c.line(8, y, 12, y, GREY)
    for y in (3, 5):
        c.line(3, y, 7, y, GREY)
    return c


def order_icon(increasing):
    c = Canvas(16, 16)
    heights = [4, 8, 12] if increasing else [12, 8, 4]
    for i, hgt in enumerate(heights):
        x0 = 1 + i * 3
        c.rect(x0, 14 - hgt, x0 + 1, 14, BLUE)
    if increasing:
        c.line(12.5, 14, 12.5, 5, GREEN, 2)
        c.polygon([(9.5, 6), (12.5, 1), (15.5, 6)], GREEN)
    else:
        c.line(12.5, 1, 12.5, 10, RED, 2)
        c.polygon([(9.5, 9), (12.5, 14), (15.5, 9)], RED)
    return c


def plot_picture(size, transparent_border):
    """A small graph: paper, grid, axes, a curve with picked points and a quill."""
    s = size / 32.0
    bg = TRANSPARENT if transparent_border else (200, 200, 255)
    c = Canvas(size, size, bg)
    c.rect(int(1 * s), int(1 * s), size - 1 - int(1 * s), size - 1 - int(1 * s), PAPER)
    for k in range(1, 4):
        g = int(round(4 * s + k * 6 * s))
        c.line(4 * s, g, size - 3 * s, g, LIGHT)
        c.line(g, 3 * s, g, size - 4 * s, LIGHT)
    c.line(4 * s, 3 * s, 4 * s, size - 4 * s, BLACK, max(1, int(s)))
    c.line(4 * s, size - 4 * s, size - 3 * s, size - 4 * s, BLACK, max(1, int(s)))
    prev = None
    pts = []
    for i in range(0, 41):
        t = i / 40.0
        x = 5 * s + t * (size - 10 * s)
        y = size - 6 * s - (size - 12 * s) * (t ** 1.6)
        if prev:
            c.line(prev[0], prev[1], x, y, BLUE, max(1, int(round(s))))
        prev = (x, y)
        if i % 10 == 5:
            pts.append((x, y))
    for (x, y) in pts:
        c.disc(x, y, 1.6 * s, RED)
    # the quill: a feather across the upper left
    c.polygon([(6 * s, 16 * s), (14 * s, 4 * s), (17 * s, 3 * s), (9 * s, 15 * s)], (90, 60, 30))
    c.line(6 * s, 16 * s, 4.5 * s, 19 * s, DARK, max(1, int(s)))
    return c


def app_icon():
    return plot_picture(32, False)


def logo_rgb():
    c = plot_picture(64, False)
    out = bytearray()
    for y in range(64):
        for x in range(64):
            p = c.px[y][x] or (255, 255, 255)
            out += bytes(p)
    return bytes(out)


def transparent_icon():
    return Canvas(1, 1)


# ------------------------------------------------------------- GIF writer
def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    eoi = clear + 1
    out = bytearray()
    bitbuf = 0
    nbits = 0

    def emit(code, size):
        nonlocal bitbuf, nbits
        bitbuf |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bitbuf & 0xFF)
            bitbuf >>= 8
            nbits -= 8

    code_size = min_code_size + 1
    table = {(i,): i for i in range(clear)}
    next_code = eoi + 1
    emit(clear, code_size)
    w = ()
    for k in indices:
        wk = w + (k,)
        if wk in table:
            w = wk
            continue
        emit(table[w], code_size)
        if next_code < 4096:
            table[wk] = next_code
            if next_code == (1 << code_size) and code_size < 12:
                code_size += 1
            next_code += 1
        else:
            emit(clear, code_size)
            table = {(i,): i for i in range(clear)}
            next_code = eoi + 1
            code_size = min_code_size + 1
        w = (k,)
    if w:
        emit(table[w], code_size)
    emit(eoi, code_size)
    if nbits:
        out.append(bitbuf & 0xFF)
    return bytes(out)


def gif_bytes(canvas):
    palette = [(192, 192, 192)]  # index 0: the transparent colour
    index = {}
    indices = []
    for row in canvas.px:
        for p in row:
            if p is None:
                indices.append(0)
                continue
            if p not in index:
                index[p] = len(palette)
                palette.append(p)
            indices.append(index[p])
    if len(palette) > 256:
        raise ValueError("too many colours")
    bits = 1
    while (1 << bits) < len(palette):
        bits += 1
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    w, h = canvas.w, canvas.h
    out = bytearray(b"GIF89a")
    out += bytes([w & 0xFF, w >> 8, h & 0xFF, h >> 8, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0])
    for p in palette:
        out += bytes(p)
    # graphic control extension: index 0 is transparent
    out += bytes([0x21, 0xF9, 4, 0x01, 0, 0, 0, 0])
    out += bytes([0x2C, 0, 0, 0, 0, w & 0xFF, w >> 8, h & 0xFF, h >> 8, 0])
    min_code = max(2, bits)
    data = lzw_encode(indices, min_code)
    out.append(min_code)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    out.append(0x3B)
    return bytes(out)


ICONS = [
    ("fileopen", folder_open),
    ("paste", paste_icon),
    ("info_gif", info_icon),
    ("undo_gif", undo_icon),
    ("ccw_rotate_16x16_gif", lambda: rotate_icon(False, DARK)),
    ("cw_rotate_16x16_gif", lambda: rotate_icon(True, DARK)),
    ("ccw_rotate_blue_16x16_gif", lambda: rotate_icon(False, BLUE)),
    ("cw_rotate_blue_16x16_gif", lambda: rotate_icon(True, BLUE)),
    ("ccw_rotate_dark_blue_16x16_gif", lambda: rotate_icon(False, DARK_BLUE)),
    ("cw_rotate_dark_blue_16x16_gif", lambda: rotate_icon(True, DARK_BLUE)),
    ("save_gif", save_icon),
    ("delete_gif", delete_icon),
    ("copy_gif", copy_icon),
    ("order_increasing_icon", lambda: order_icon(True)),
    ("order_decreasing_icon", lambda: order_icon(False)),
    ("Quillgrid_32", app_icon),
    ("transparent_1x1", transparent_icon),
]


def c_array(name, data):
    lines = ["extern const unsigned char %s[%d] = {" % (name, len(data))]
    for i in range(0, len(data), 16):
        lines.append("  " + ",".join("0x%02x" % b for b in data[i:i + 16]) + ",")
    lines.append("};")
    return "\n".join(lines)


def main():
    gif_dir = os.path.join(HERE, "gif")
    os.makedirs(gif_dir, exist_ok=True)
    header = [
        "// Generated by icons/make_icons.py: do not edit.",
        "#ifndef QUILLGRID_ICON_DATA_H",
        "#define QUILLGRID_ICON_DATA_H",
        "",
        "// GIF files of the tool icons (16 x 16), the application icon (32 x 32)",
        "// and a 1 x 1 transparent icon.",
    ]
    body = ["// Generated by icons/make_icons.py: do not edit.", '#include "icon_data.h"', ""]
    for name, draw in ICONS:
        data = gif_bytes(draw())
        with open(os.path.join(gif_dir, name + ".gif"), "wb") as f:
            f.write(data)
        header.append("extern const unsigned char %s[%d];" % (name, len(data)))
        body.append(c_array(name, data))
        body.append("")
    logo = logo_rgb()
    header += [
        "",
        "// The 64 x 64 logo: rows top first, pixels left first, 3 bytes R, G, B each.",
        "extern const unsigned char Quillgrid_logo[%d];" % len(logo),
        "",
        "#endif",
        "",
    ]
    body.append(c_array("Quillgrid_logo", logo))
    body.append("")
    with open(os.path.join(HERE, "icon_data.h"), "w") as f:
        f.write("\n".join(header))
    with open(os.path.join(HERE, "icon_data.cpp"), "w") as f:
        f.write("\n".join(body))


if __name__ == "__main__":
    main()
