#!/usr/bin/env python3
"""Draws the alarms window's toolbar images and the editor's loudspeaker as
icons of 16, 24 and 32 pixels (32-bit with alpha), so they stay crisp from 100 %
to 200 % scaling. Shapes are given on a 16 x 16 grid and rasterised with 6 x 6
samples per pixel. Run from the repository root: python3 scripts/draw_alarm_images.py
"""
import math
import os
import png_icons

SIZES = (16, 24, 32)
SAMPLES = 6


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def inside_polygon(px, py, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


# Shapes: each a (test(x, y) -> bool, colour) on the 16-unit grid.
def polyline(points, width, colour):
    pairs = list(zip(points, points[1:]))
    return (lambda x, y: any(segment_distance(x, y, *a, *b) <= width / 2 for a, b in pairs), hex_colour(colour))


def polygon(points, colour):
    return (lambda x, y: inside_polygon(x, y, points), hex_colour(colour))


def rect(x0, y0, x1, y1, colour):
    return (lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, hex_colour(colour))


def disc(cx, cy, r, colour):
    return (lambda x, y: math.hypot(x - cx, y - cy) <= r, hex_colour(colour))


def arc(cx, cy, r, width, degrees, colour):
    def test(x, y):
        d = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(y - cy, x - cx))
        return abs(d - r) <= width / 2 and abs(angle) <= degrees
    return (test, hex_colour(colour))


def outlined_line(points, width, fill, edge):
    return [polyline(points, width + 1.5, edge), polyline(points, width, fill)]


def edit_image():  # a pencil
    return [
        polyline([(4.6, 11.4), (12.2, 3.8)], 5.2, "#5a3d10"),
        polyline([(4.6, 11.4), (12.2, 3.8)], 3.6, "#f2b630"),
        polyline([(11.6, 4.4), (12.6, 3.4)], 3.6, "#e88aa0"),
        polygon([(1.6, 14.4), (2.9, 9.9), (6.1, 13.1)], "#5a3d10"),
        polygon([(2.4, 13.6), (3.4, 10.6), (5.4, 12.6)], "#f1d9a8"),
        polygon([(1.6, 14.4), (2.1, 12.7), (3.3, 13.9)], "#202020"),
    ]


def delete_image():  # a red cross
    edge, fill = "#7a1010", "#d92b2b"
    return (outlined_line([(3.5, 3.5), (12.5, 12.5)], 3.0, fill, edge)
            + outlined_line([(12.5, 3.5), (3.5, 12.5)], 3.0, fill, edge)
            + [polyline([(3.5, 3.5), (12.5, 12.5)], 3.0, fill)])


def enabled_image():  # a green tick
    return outlined_line([(2.8, 8.6), (6.3, 12.2), (13.2, 4.2)], 3.0, "#2aa52a", "#0f5a0f")


def close_image():  # an open door with an arrow leaving it
    return [
        rect(1.5, 1.0, 9.5, 15.0, "#505050"),
        rect(2.5, 2.0, 8.5, 14.0, "#f4f4f4"),
        polygon([(2.0, 1.5), (6.5, 3.0), (6.5, 15.5), (2.0, 14.5)], "#6b4420"),
        polygon([(2.6, 2.4), (5.9, 3.5), (5.9, 14.6), (2.6, 13.8)], "#a8703a"),
        disc(5.0, 8.8, 0.7, "#f3d040"),
        *outlined_line([(8.0, 8.0), (12.0, 8.0)], 2.2, "#2aa52a", "#0f5a0f"),
        polygon([(11.0, 4.2), (15.3, 8.0), (11.0, 11.8)], "#0f5a0f"),
        polygon([(11.8, 5.9), (14.1, 8.0), (11.8, 10.1)], "#2aa52a"),
    ]


def add_image():  # a green plus
    edge, fill = "#0f5a0f", "#2aa52a"
    return (outlined_line([(8, 2.5), (8, 13.5)], 3.2, fill, edge)
            + outlined_line([(2.5, 8), (13.5, 8)], 3.2, fill, edge)
            + [polyline([(8, 2.5), (8, 13.5)], 3.2, fill)])


def speaker_image(enabled):  # a loudspeaker with sound waves, red when enabled
    edge, body, cone, wave = (("#202020", "#505050", "#808080", "#e02020") if enabled
                              else ("#9a9a9a", "#b8b8b8", "#cccccc", "#c4c4c4"))
    return [
        rect(0.8, 4.8, 5.0, 11.2, edge),
        rect(1.7, 5.7, 4.6, 10.3, body),
        polygon([(4.2, 5.0), (9.2, 1.2), (9.2, 14.8), (4.2, 11.0)], edge),
        polygon([(5.0, 5.6), (8.3, 3.0), (8.3, 13.0), (5.0, 10.4)], cone),
        arc(8.6, 8.0, 3.4, 1.4, 48, wave),
        arc(8.6, 8.0, 6.0, 1.4, 48, wave),
    ]


IMAGES = {
    "edit.ico": edit_image(),
    "delete.ico": delete_image(),
    "enabled.ico": enabled_image(),
    "close.ico": close_image(),
    "add.ico": add_image(),
    "speaker.ico": speaker_image(True),
    "speaker_disabled.ico": speaker_image(False),
}


def render(shapes, size):
    """Rows top-down of (b, g, r, a), straight alpha."""
    scale = 16.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied r, g, b and alpha
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for test, c in shapes:
                        if test(x, y):
                            colour = c
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(acc[i] / acc[3]) for i in range(3))
                row.append((b, g, r, round(alpha * 255)))
        rows.append(row)
    return rows


def write_icon(path, shapes):
    png_icons.write_icon(path, [(s, s, png_icons.png_bytes(render(shapes, s))) for s in SIZES])


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images")
    os.makedirs(folder, exist_ok=True)
    for name, shapes in IMAGES.items():
        write_icon(os.path.join(folder, name), shapes)


if __name__ == "__main__":
    main()
