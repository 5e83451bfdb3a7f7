#!/usr/bin/env python3
"""Draws the guide's pictures: one SVG per page, written beside this script.

Run it after changing a picture and commit the SVGs with it; nothing else
needs Python. The output depends on nothing but this file.
"""

import math
import os

FONT = "Verdana, 'DejaVu Sans', Arial, sans-serif"
INK = "#333333"
SOLID = "#d9d9d9"
GRID = "#e3e9f1"
INPUT = "#1b5fb4"  # what the mapper measures
OTHER = "#c45500"  # the alternative measure
FACE = "#2b8a3e"  # where the texture goes
TILE_A = "#e9f3e5"
TILE_B = "#cfe5c8"


def fmt(v):
    text = f"{v:.1f}"
    return text[:-2] if text.endswith(".0") else text


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


class Picture:
    def __init__(self, name, width, height, title):
        # Ids carry the picture's name: the packaged guide holds every picture in one page.
        self.name = name
        self.width = width
        self.height = height
        self.title = title
        self.parts = []

    def add(self, element):
        self.parts.append(element)

    def line(self, x1, y1, x2, y2, colour=INK, width=1.5, dash=None, arrows=""):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        if "start" in arrows:
            extra += f' marker-start="url(#{self.name}-from-{colour[1:]})"'
        if "end" in arrows:
            extra += f' marker-end="url(#{self.name}-to-{colour[1:]})"'
        self.add(f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
                 f'stroke="{colour}" stroke-width="{width}"{extra}/>')

    def polygon(self, points, fill, stroke=INK, width=1.5):
        coords = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
        self.add(f'<polygon points="{coords}" fill="{fill}" stroke="{stroke}" '
                 f'stroke-width="{width}" stroke-linejoin="round"/>')

    def path(self, d, colour, width=1.5, arrows=""):
        extra = f' marker-end="url(#{self.name}-to-{colour[1:]})"' if "end" in arrows else ""
        self.add(f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{width}"{extra}/>')

    def text(self, x, y, content, colour=INK, size=14, anchor="start", weight="normal",
             rotate=None):
        extra = f' transform="rotate({fmt(rotate)} {fmt(x)} {fmt(y)})"' if rotate else ""
        bold = ' font-weight="bold"' if weight == "bold" else ""
        self.add(f'<text x="{fmt(x)}" y="{fmt(y)}" fill="{colour}" font-size="{size}" '
                 f'text-anchor="{anchor}"{bold}{extra}>{esc(content)}</text>')

    def lines(self, x, y, rows, colour=INK, size=14, anchor="start", step=18):
        for i, row in enumerate(rows):
            self.text(x, y + i * step, row, colour, size, anchor)

    def grid(self, x0, y0, x1, y1, step):
        x = x0
        while x <= x1:
            self.line(x, y0, x, y1, GRID, 1)
            x += step
        y = y0
        while y <= y1:
            self.line(x0, y, x1, y, GRID, 1)
            y += step

    def dimension(self, x1, y1, x2, y2, colour=INPUT):
        """A measured length: a line with an arrowhead at each end."""
        self.line(x1, y1, x2, y2, colour, 1.5, arrows="start end")

    def svg(self):
        colours = (INK, INPUT, OTHER, FACE)
        markers = []
        for colour in colours:
            name = colour[1:]
            markers.append(
                f'<marker id="{self.name}-to-{name}" viewBox="0 0 10 10" refX="9" refY="5" '
                f'markerWidth="8" markerHeight="8" orient="auto">'
                f'<path d="M0,1 L9,5 L0,9 z" fill="{colour}"/></marker>')
            markers.append(
                f'<marker id="{self.name}-from-{name}" viewBox="0 0 10 10" refX="1" refY="5" '
                f'markerWidth="8" markerHeight="8" orient="auto">'
                f'<path d="M10,1 L1,5 L10,9 z" fill="{colour}"/></marker>')
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" '
                f'height="{self.height}" viewBox="0 0 {self.width} {self.height}" '
                f'font-family="{FONT}" role="img">')
        body = [head, f"<title>{esc(self.title)}</title>", "<defs>", *markers, "</defs>",
                f'<rect width="{self.width}" height="{self.height}" fill="#ffffff"/>',
                *self.parts, "</svg>"]
        return "\n".join(body) + "\n"


def polar(cx, cy, radius, degrees):
    a = math.radians(degrees)
    return cx + radius * math.cos(a), cy + radius * math.sin(a)


def pillar():
    p = Picture("pillar", 730, 420, "Pillar Wrap: an eight-sided pillar seen from above")
    p.text(20, 32, "Pillar Wrap: the pillar seen from above", weight="bold", size=16)

    cx, cy, apothem, sides = 200, 225, 140, 8
    corner = apothem / math.cos(math.pi / sides)
    # Sides face up, down, left and right, as the cylinder builder makes them
    # with AlignToSide.
    corners = [polar(cx, cy, corner, 22.5 + 45 * k) for k in range(sides)]
    p.polygon(corners, SOLID)

    # The texture runs round the outside.
    r = corner + 22
    start, end = polar(cx, cy, r, -100), polar(cx, cy, r, -35)
    p.path(f"M{fmt(start[0])},{fmt(start[1])} A{fmt(r)},{fmt(r)} 0 0 1 "
           f"{fmt(end[0])},{fmt(end[1])}", FACE, 2, arrows="end")
    p.text(cx + 88, cy - corner - 14, "U", FACE, weight="bold")

    # One side: the one on the right.
    top, bottom = corners[7], corners[0]
    p.line(top[0], top[1], bottom[0], bottom[1], FACE, 5)
    p.text(top[0] + 12, cy + 5, "one side", FACE)

    # Radius to the middle of a side, with its right angle.
    p.line(cx, cy, cx, cy - apothem, INPUT, 2.5)
    p.add(f'<polyline points="{cx},{fmt(cy - apothem + 12)} {cx + 12},{fmt(cy - apothem + 12)} '
          f'{cx + 12},{fmt(cy - apothem)}" fill="none" stroke="{INPUT}" stroke-width="1.5"/>')
    p.text(cx + 8, cy - 60, "Radius", INPUT)

    # Radius to a corner.
    lower_left = corners[2]
    p.line(cx, cy, lower_left[0], lower_left[1], OTHER, 2.5, dash="7 4")
    p.text(cx - 92, cy + 70, "Radius", OTHER)

    p.add(f'<circle cx="{cx}" cy="{cy}" r="4" fill="{INK}"/>')
    p.text(cx + 8, cy + 18, "centre")

    # What each mark means.
    x = 450
    p.line(x, 88, x + 30, 88, INPUT, 2.5)
    p.lines(x + 40, 93, ["Radius with Align to Side", "ticked: centre to the", "middle of a side"],
            INPUT)
    p.line(x, 168, x + 30, 168, OTHER, 2.5, dash="7 4")
    p.lines(x + 40, 173, ["Radius with Align to Side", "clear: centre to a corner"], OTHER)
    p.line(x, 230, x + 30, 230, FACE, 5)
    p.lines(x + 40, 235, ["one side: its length, rounded,", "is the Simple pan value"], FACE)
    p.lines(x, 300, ["Number of Sides: 8 here", "Total Circumference:",
                     "all the sides together"])
    p.lines(x, 372, ["U: the way the texture runs", "round the pillar"], FACE)
    return p


def bevel():
    p = Picture("bevel", 640, 420, "Bevel Scale: a bevel seen from the side")
    p.text(20, 32, "Bevel Scale: the bevel seen from the side", weight="bold", size=16)
    p.grid(40, 60, 600, 340, 20)

    left, right, floor, top = 100, 420, 320, 120
    p.polygon([(left, floor), (right, floor), (right, top)], SOLID)
    p.line(left, floor, right, top, FACE, 5)

    slope = -math.degrees(math.atan2(floor - top, right - left))
    # The face, named along it.
    mx, my = (left + right) / 2, (floor + top) / 2
    nx, ny = polar(0, 0, 1, slope - 90)
    p.text(mx + nx * 38, my + ny * 38, "the slanted face:", FACE, anchor="middle",
           rotate=slope)
    p.text(mx + nx * 20, my + ny * 20, "the texture goes here", FACE, anchor="middle",
           rotate=slope)
    # The fitted axis runs along the face, beyond its name.
    ux, uy = polar(0, 0, 1, slope)
    ax, ay = mx - ux * 70 + nx * 58, my - uy * 70 + ny * 58
    p.line(ax, ay, ax + ux * 140, ay + uy * 140, INK, 1.5, arrows="end")
    p.text(mx + nx * 74, my + ny * 74, "V (or U): the textures fit along here", anchor="middle",
           rotate=slope)

    # Rise: up the vertical leg, drawn outside the shape.
    p.line(right + 4, top, right + 48, top, INPUT, 1, dash="3 3")
    p.line(right + 4, floor, right + 48, floor, INPUT, 1, dash="3 3")
    p.dimension(right + 40, top, right + 40, floor)
    p.text(right + 52, (top + floor) / 2 + 5, "Rise", INPUT, weight="bold")

    # Run: along the floor, below it.
    p.line(left, floor + 4, left, floor + 36, INPUT, 1, dash="3 3")
    p.line(right, floor + 4, right, floor + 36, INPUT, 1, dash="3 3")
    p.dimension(left, floor + 28, right, floor + 28)
    p.text((left + right) / 2, floor + 52, "Run", INPUT, weight="bold", anchor="middle")

    p.lines(20, 404, ["Read Rise and Run off the grid of a side view (or the builder's sizes)."],
            size=13)
    return p


def floor():
    p = Picture("floor", 660, 420, "Floor Scale: a face with the texture repeated over it")
    p.text(20, 32, "Floor Scale: the face, with the texture repeated on it", weight="bold",
           size=16)

    x0, y0, tile, across, down = 60, 100, 110, 3, 2
    for row in range(down):
        for col in range(across):
            fill = TILE_A if (row + col) % 2 == 0 else TILE_B
            x, y = x0 + col * tile, y0 + row * tile
            p.add(f'<rect x="{x}" y="{y}" width="{tile}" height="{tile}" fill="{fill}" '
                  f'stroke="{FACE}" stroke-width="1" stroke-dasharray="4 3"/>')
    x1, y1 = x0 + across * tile, y0 + down * tile
    p.add(f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="none" '
          f'stroke="{INK}" stroke-width="2"/>')

    p.lines(x0 + tile / 2, y0 + 44, ["one", "texture:", "Width", "× Height"], FACE, 13,
            anchor="middle", step=17)

    # Stretch: how many textures across each axis.
    p.text((x0 + x1) / 2, y0 - 16, "Stretch X: 3 textures across X", FACE, anchor="middle")
    p.lines(x1 + 70, y0 + 34, ["Stretch Y:", "2 textures", "across Y"], FACE)

    # The lengths, measured along the face's edges.
    p.line(x0, y1 + 4, x0, y1 + 34, INPUT, 1, dash="3 3")
    p.line(x1, y1 + 4, x1, y1 + 34, INPUT, 1, dash="3 3")
    p.dimension(x0, y1 + 26, x1, y1 + 26)
    p.text((x0 + x1) / 2, y1 + 50, "length along X (the \u201cX of\u201d field)", INPUT,
           anchor="middle")
    p.line(x1 + 4, y0, x1 + 34, y0, INPUT, 1, dash="3 3")
    p.line(x1 + 4, y1, x1 + 34, y1, INPUT, 1, dash="3 3")
    p.dimension(x1 + 26, y0, x1 + 26, y1)
    p.lines(x1 + 70, y0 + 140, ["length along Y", "(the \u201cY of\u201d field)"], INPUT)

    # The texture's axes.
    ox, oy = 540, 360
    p.line(ox, oy, ox + 50, oy, INK, 1.5, arrows="end")
    p.line(ox, oy, ox, oy + 36, INK, 1.5, arrows="end")
    p.text(ox + 56, oy + 5, "X, U")
    p.text(ox + 8, oy + 34, "Y, V")
    return p


def skew():
    p = Picture("skew", 720, 420, "Texture Skew: the two kinds of slanted face")
    p.text(20, 32, "Texture Skew: the slanted face and its texture", weight="bold", size=16)

    def stripes(points, count, a, b):
        """Lines across a parallelogram, parallel to its slanted edges a-b."""
        (ax, ay), (bx, by) = points[a], points[b]
        (cx, cy) = points[(a + 3) % 4]
        for i in range(1, count):
            t = i / count
            sx, sy = ax + (cx - ax) * t, ay + (cy - ay) * t
            p.line(sx, sy, sx + bx - ax, sy + by - ay, FACE, 1.2)

    # Horizontal skewing: level top and bottom, the top shifted to the right.
    p.text(40, 72, "Horizontal Skewing", weight="bold")
    base_l, base_r, low, high, run = 60, 260, 310, 130, 70
    shape = [(base_l, low), (base_l + run, high), (base_r + run, high), (base_r, low)]
    p.polygon(shape, TILE_A, INK, 2)
    stripes(shape, 5, 0, 1)
    p.line(base_l, low - 4, base_l, high - 30, INPUT, 1, dash="3 3")
    p.line(base_l + run, high - 4, base_l + run, high - 30, INPUT, 1, dash="3 3")
    p.dimension(base_l, high - 22, base_l + run, high - 22)
    p.text(base_l + run / 2, high - 32, "Run", INPUT, weight="bold", anchor="middle")
    p.line(base_r + run + 4, high, base_r + run + 34, high, INPUT, 1, dash="3 3")
    p.line(base_r + 4, low, base_r + run + 34, low, INPUT, 1, dash="3 3")
    p.dimension(base_r + run + 26, high, base_r + run + 26, low)
    p.text(base_r + run + 20, (high + low) / 2 + 5, "Rise", INPUT, weight="bold", anchor="end")
    p.lines(40, 386, ["Rise: the face\u2019s height", "Run: how far its top is shifted sideways"],
            size=13)

    # Vertical skewing: upright sides, the right side shifted up.
    p.text(410, 72, "Vertical Skewing", weight="bold")
    left, right, rise, low_top, low_bottom = 410, 630, 70, 180, 310
    shape = [(left, low_bottom), (left, low_top), (right, low_top - rise),
             (right, low_bottom - rise)]
    p.polygon(shape, TILE_A, INK, 2)
    stripes([shape[1], shape[2], shape[3], shape[0]], 5, 0, 1)
    p.line(left + 4, low_top, right + 40, low_top, INPUT, 1, dash="3 3")
    p.line(right + 4, low_top - rise, right + 40, low_top - rise, INPUT, 1, dash="3 3")
    p.dimension(right + 32, low_top - rise, right + 32, low_top)
    p.text(right + 28, low_top - rise - 12, "Rise", INPUT, weight="bold", anchor="middle")
    p.line(left, low_bottom + 4, left, low_bottom + 34, INPUT, 1, dash="3 3")
    p.line(right, low_bottom - rise + 4, right, low_bottom + 34, INPUT, 1, dash="3 3")
    p.dimension(left, low_bottom + 26, right, low_bottom + 26)
    p.text((left + right) / 2, low_bottom + 50, "Run", INPUT, weight="bold", anchor="middle")
    p.lines(410, 386, ["Run: the face\u2019s width", "Rise: how far the right side is shifted up"],
            size=13)
    return p


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, draw in (("pillar", pillar), ("bevel", bevel), ("floor", floor), ("skew", skew)):
        with open(os.path.join(here, name + ".svg"), "w", encoding="utf-8", newline="\n") as out:
            out.write(draw().svg())


if __name__ == "__main__":
    main()
