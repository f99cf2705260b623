#!/usr/bin/env python3
"""Draws the two construction pictures as isometric SVGs (run by hand; the SVGs are committed).

Each pane is a translucent slab with thin dark edges: the bottom pane green, the long walls
orange-brown, the far short wall blue-violet; the near short wall is left out to show the inside.
"""
import math
import pathlib

L, W, H, T = 60.0, 30.0, 40.0, 1.4  # tank in arbitrary units, glass exaggerated to be seen
SCALE = 6.3
SIZE = 600
COS, SIN = math.cos(math.radians(30)), math.sin(math.radians(30))

GREEN = "#35a853"
BROWN = "#c7772c"
VIOLET = "#6a5acd"
EDGE = "#1f2430"


def project(x, y, z):
    return ((x - y) * COS * SCALE, ((x + y) * SIN - z) * SCALE)


def offsets():
    xs, ys = [], []
    for x in (0, L):
        for y in (0, W):
            for z in (0, H):
                px, py = project(x, y, z)
                xs.append(px)
                ys.append(py)
    return (SIZE - (max(xs) + min(xs))) / 2, (SIZE - (max(ys) + min(ys))) / 2


DX, DY = offsets()


def point(x, y, z):
    px, py = project(x, y, z)
    return f"{px + DX:.1f},{py + DY:.1f}"


def slab(x0, x1, y0, y1, z0, z1, colour):
    """The three faces a viewer from +x, +y, +z sees, darker on the sides."""
    faces = [
        ([(x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)], 1.0),  # top
        ([(x1, y0, z0), (x1, y1, z0), (x1, y1, z1), (x1, y0, z1)], 0.8),  # +x side
        ([(x0, y1, z0), (x1, y1, z0), (x1, y1, z1), (x0, y1, z1)], 0.9),  # +y side
    ]
    out = []
    for corners, shade in faces:
        pts = " ".join(point(*c) for c in corners)
        out.append(
            f'<polygon points="{pts}" fill="{colour}" fill-opacity="{0.5 * shade + 0.05:.2f}" '
            f'stroke="{EDGE}" stroke-width="2" stroke-linejoin="round"/>'
        )
    return (x0 + y0 + z0, "\n  ".join(out))


def picture(walls_on_bottom):
    if walls_on_bottom:
        panes = [
            slab(0, L, 0, W, 0, T, GREEN),
            slab(0, L, 0, T, T, H, BROWN),
            slab(0, T, T, W - T, T, H, VIOLET),
            slab(0, L, W - T, W, T, H, BROWN),
        ]
    else:
        panes = [
            slab(0, L, 0, T, 0, H, BROWN),
            slab(0, T, T, W - T, 0, H, VIOLET),
            slab(T, L - T, T, W - T, 0, T, GREEN),
            slab(0, L, W - T, W, 0, H, BROWN),
        ]
    body = "\n  ".join(svg for _, svg in panes)
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}">\n'
        f'  <rect width="{SIZE}" height="{SIZE}" fill="#ffffff"/>\n  {body}\n</svg>\n'
    )


here = pathlib.Path(__file__).parent
(here / "construction-walls-on-bottom.svg").write_text(picture(True))
(here / "construction-bottom-between-walls.svg").write_text(picture(False))
