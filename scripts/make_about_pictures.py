#!/usr/bin/env python3
"""Draws the six pictures of the about box and writes them into Data/.

Three are written as 24-bit bitmaps (.bmp) by this script; three are written as PPM
pictures into a temporary folder and encoded to JPEG (.jpg) by the program's own JPEG
encoder, through the small tool scripts/ppm_to_jpeg.cpp that this script compiles. Only the
Python 3 standard library, g++, pkg-config, Qt 6 Gui and libjpeg are needed; the output is
the same on every run, so the files in Data/ can be made again at any time:

    python3 scripts/make_about_pictures.py
"""

import math
import os
import struct
import subprocess
import sys
import tempfile

WIDTH, HEIGHT = 160, 80
SAMPLES = 4  # per axis and pixel: edges are smoothed by averaging 16 samples

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(TOP, "Data")

# Colours
WHITE = (255, 255, 255)
WATER = (38, 118, 196)
WATER_LIGHT = (150, 198, 238)
SKY = (228, 240, 251)
SOIL = (146, 102, 60)
SOIL_DARK = (104, 70, 40)
SOIL_WET = (92, 74, 70)
TAN = (196, 160, 112)
GREEN = (72, 146, 58)
GREEN_LIGHT = (168, 208, 118)
GREY = (90, 90, 90)
GRID = (222, 226, 232)
ORANGE = (222, 120, 40)


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# Shapes: predicates over a point (x, y) in pixel units, y downwards.

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def ring(cx, cy, rx, ry, width):
    outer = ellipse(cx, cy, rx + width / 2, ry + width / 2)
    inner = ellipse(cx, cy, rx - width / 2, ry - width / 2)
    return lambda x, y: outer(x, y) and not inner(x, y)


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    px, py = ax + t * dx, ay + t * dy
    return math.hypot(x - px, y - py)


def polyline(points, width, dash=None):
    """A line through points; dash = (on, off) lengths along the line."""
    lengths = [0.0]
    for a, b in zip(points, points[1:]):
        lengths.append(lengths[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))

    def inside(x, y):
        for i, (a, b) in enumerate(zip(points, points[1:])):
            if segment_distance(x, y, a, b) <= width / 2:
                if dash is None:
                    return True
                seg = math.hypot(b[0] - a[0], b[1] - a[1])
                t = 0.0 if seg == 0 else ((x - a[0]) * (b[0] - a[0]) + (y - a[1]) * (b[1] - a[1])) / seg
                along = lengths[i] + max(0.0, min(seg, t))
                if along % (dash[0] + dash[1]) <= dash[0]:
                    return True
        return False
    return inside


def curve(f, x0, x1, steps=40):
    return [(x0 + (x1 - x0) * i / steps, f(x0 + (x1 - x0) * i / steps)) for i in range(steps + 1)]


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


# Rendering: the last shape that holds a sample gives its colour; a colour may depend on the
# point (gradients).

def render(scene):
    pixels = []
    step = 1.0 / SAMPLES
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            total = [0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = px + (sx + 0.5) * step, py + (sy + 0.5) * step
                    colour = None
                    for shape, paint in reversed(scene):
                        if shape(x, y):
                            colour = paint(x, y) if callable(paint) else paint
                            break
                    for i in range(3):
                        total[i] += colour[i]
            row.append(tuple(int(round(c / (SAMPLES * SAMPLES))) for c in total))
        pixels.append(row)
    return pixels


EVERYWHERE = rect(-1e9, -1e9, 1e9, 1e9)


def water_drop():
    """A falling drop of water over the rings it makes."""
    cx, cy, r, tip = 80.0, 47.0, 20.0, 5.0
    phi = math.acos(r / (cy - tip))
    left = (cx - r * math.sin(phi), cy - r * math.cos(phi))
    right = (cx + r * math.sin(phi), cy - r * math.cos(phi))
    drop = union(ellipse(cx, cy, r, r), polygon([(cx, tip), right, left]))
    return [
        (EVERYWHERE, lambda x, y: mix(WHITE, SKY, y / HEIGHT)),
        (ring(80, 69, 66, 8, 1.6), WATER_LIGHT),
        (ring(80, 69, 46, 5.5, 1.8), mix(WATER_LIGHT, WATER, 0.4)),
        (drop, lambda x, y: mix(WATER_LIGHT, WATER, 0.25 + (x - 60) / 50 + (y - 20) / 90)),
        (minus(ellipse(71, 44, 6, 11), ellipse(74, 42, 6, 11)), mix(WHITE, WATER_LIGHT, 0.45)),
    ]


def basins():
    """Four level basins seen from above, two of them flooded."""
    def crop(x, y):
        return GREEN if int(y) % 5 < 2 else GREEN_LIGHT

    def water(x, y):
        wave = math.sin((x * 0.35) + math.sin(y * 0.5) * 1.5)
        return mix(WATER, WATER_LIGHT, 0.2 + 0.12 * wave)

    cells = [rect(10, 9, 77, 37), rect(83, 9, 150, 37), rect(10, 43, 77, 71), rect(83, 43, 150, 71)]
    return [
        (EVERYWHERE, GREEN_LIGHT),
        (rect(4, 3, 156, 77), lambda x, y: mix(TAN, SOIL, 0.35)),
        (cells[1], crop),
        (cells[2], crop),
        (cells[0], water),
        (cells[3], water),
        (polygon([(0, 18), (4, 18), (10, 22), (10, 24), (4, 28), (0, 28)]), WATER),
    ]


def borders():
    """Sloping border strips in perspective, the water advancing from the near end."""
    vanish = (80.0, -30.0)
    horizon = 16.0
    feet = [-120 + 56 * i for i in range(9)]

    def strip_x(foot, y):
        return vanish[0] + (foot - vanish[0]) * (y - vanish[1]) / (HEIGHT - vanish[1])

    def ground(x, y):
        # which strip the point is in, and whether the water has reached it
        for i in range(len(feet) - 1):
            if strip_x(feet[i], y) <= x < strip_x(feet[i + 1], y):
                front = 44 + 7 * math.sin(i * 1.7)
                if y > front:
                    return mix(WATER, WATER_LIGHT, 0.25 + (80 - y) / 120)
                return GREEN if i % 2 else mix(GREEN, GREEN_LIGHT, 0.45)
        return GREEN

    levees = [polyline([(strip_x(f, horizon), horizon), (strip_x(f, HEIGHT + 2), HEIGHT + 2)], 2.2) for f in feet]
    return [
        (EVERYWHERE, lambda x, y: mix(WHITE, SKY, 1 - y / horizon)),
        (rect(-1, horizon, WIDTH + 1, HEIGHT + 1), ground),
    ] + [(levee, mix(SOIL, TAN, 0.3)) for levee in levees] + [
        (rect(-1, horizon - 0.6, WIDTH + 1, horizon + 0.6), mix(GREEN, SOIL, 0.5)),
    ]


def furrows():
    """Furrows in cross-section: ridges with crops, water in the furrows, wetted soil below."""
    def surface(x):
        return 44 - 11 * math.cos(2 * math.pi * (x - 20) / 40)

    def soil(x, y):
        return mix(SOIL, SOIL_DARK, (y - 40) / 50)

    scene = [
        (EVERYWHERE, lambda x, y: mix(WHITE, SKY, 1 - y / 40)),
        (lambda x, y: y >= surface(x), soil),
    ]
    for bottom in (0, 40, 80, 120, 160):
        scene.append((minus(ellipse(bottom, 57, 15, 18), lambda x, y: y < surface(x)),
                      lambda x, y, b=bottom: mix(SOIL_WET, soil(x, y), math.hypot((x - b) / 15, (y - 57) / 18))))
        scene.append((lambda x, y, b=bottom: 45 <= y < surface(x) + 0.5 and abs(x - b) < 14,
                      lambda x, y: mix(WATER_LIGHT, WATER, (y - 45) / 6)))
    for ridge in (20, 60, 100, 140):
        scene.append((polyline([(ridge, 33), (ridge, 18)], 1.6), GREEN))
        scene.append((polygon([(ridge, 24), (ridge - 10, 17), (ridge - 4, 27)]), GREEN))
        scene.append((polygon([(ridge, 20), (ridge + 10, 12), (ridge + 5, 23)]), mix(GREEN, GREEN_LIGHT, 0.4)))
        scene.append((ellipse(ridge, 16, 2.5, 3.5), GREEN_LIGHT))
    scene.append((polyline(curve(surface, -2, 162, 80), 1.2), SOIL_DARK))
    return scene


def advance_chart():
    """Advance and recession times along the field, the opportunity time between them."""
    x0, x1, y0, y1 = 16.0, 152.0, 8.0, 68.0

    def advance(x):
        return y1 - (y1 - y0) * 0.55 * ((x - x0) / (x1 - x0)) ** 1.35

    def recession(x):
        return y1 - (y1 - y0) * (0.78 + 0.17 * ((x - x0) / (x1 - x0)) ** 1.2)

    scene = [(EVERYWHERE, WHITE)]
    for i in range(1, 5):
        scene.append((polyline([(x0, y1 - i * 12), (x1, y1 - i * 12)], 0.8), GRID))
        scene.append((polyline([(x0 + i * 27.2, y0), (x0 + i * 27.2, y1)], 0.8), GRID))
    scene += [
        (lambda x, y: x0 <= x <= x1 and recession(x) <= y <= advance(x), mix(WHITE, WATER_LIGHT, 0.55)),
        (polyline(curve(advance, x0, x1), 2.4), WATER),
        (polyline(curve(recession, x0, x1), 2.0, dash=(5, 3)), ORANGE),
        (polyline([(x0, y0 - 3), (x0, y1), (x1 + 4, y1)], 1.4), GREY),
        (polygon([(x0 - 3, y0 - 1), (x0, y0 - 6), (x0 + 3, y0 - 1)]), GREY),
        (polygon([(x1 + 2, y1 - 3), (x1 + 7, y1), (x1 + 2, y1 + 3)]), GREY),
    ]
    return scene


def soil_profile():
    """Water entering the soil: the wetting fronts of three moments under a wetted surface."""
    ground = 14.0

    def layers(x, y):
        wave = 1.5 * math.sin(x / 13)
        if y < 38 + wave:
            return SOIL
        if y < 60 + wave:
            return mix(TAN, SOIL, 0.25)
        return mix(SOIL, SOIL_DARK, 0.5)

    def wetted(x, y):
        base = layers(x, y)
        return mix(base, SOIL_WET, 0.55)

    scene = [
        (EVERYWHERE, lambda x, y: mix(WHITE, SKY, 1 - y / ground)),
        (rect(-1, ground, WIDTH + 1, HEIGHT + 1), layers),
        (minus(ellipse(80, ground, 70, 58), lambda x, y: y < ground), wetted),
    ]
    for rx, ry in ((30, 22), (50, 38), (70, 58)):
        front = [(80 + rx * math.cos(a), ground + ry * math.sin(a))
                 for a in (math.pi * i / 48 for i in range(49))]
        scene.append((polyline(front, 1.1, dash=(4, 3)), WATER_LIGHT))
    scene += [
        (rect(-1, ground - 2.5, WIDTH + 1, ground + 1), GREEN),
        (rect(28, ground - 3.2, 132, ground + 0.8), WATER),
        (polyline([(80, 24), (80, 44)], 2.4), WATER_LIGHT),
        (polygon([(74, 42), (86, 42), (80, 50)]), WATER_LIGHT),
    ]
    return scene


def write_bmp(path, pixels):
    row_size = (3 * WIDTH + 3) // 4 * 4
    image_size = row_size * HEIGHT
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", 14 + 40 + image_size, 0, 0, 14 + 40))
        out.write(struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0))
        for row in reversed(pixels):  # bottom-up, blue-green-red
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
            out.write(data + b"\0" * (row_size - len(data)))


def write_ppm(path, pixels):
    with open(path, "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (WIDTH, HEIGHT))
        for row in pixels:
            out.write(b"".join(bytes(p) for p in row))


def build_jpeg_tool(folder):
    tool = os.path.join(folder, "ppm_to_jpeg")
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Gui"], check=True,
                           capture_output=True, text=True).stdout.split()
    subprocess.run(["g++", "-std=c++17", "-fPIC", "-O1",
                    "-I" + os.path.join(TOP, "Source", "output"), "-I" + os.path.join(TOP, "Source", "platform"),
                    os.path.join(TOP, "scripts", "ppm_to_jpeg.cpp"),
                    os.path.join(TOP, "Source", "output", "JpegEncoder.cpp"),
                    "-o", tool] + flags + ["-ljpeg"], check=True)
    return tool


BITMAPS = [("IrrikaDrop.bmp", water_drop), ("IrrikaBasins.bmp", basins), ("IrrikaBorders.bmp", borders)]
JPEGS = [("IrrikaFurrows.jpg", furrows), ("IrrikaAdvance.jpg", advance_chart), ("IrrikaSoil.jpg", soil_profile)]


def main():
    for name, draw in BITMAPS:
        write_bmp(os.path.join(DATA, name), render(draw()))
        print("wrote", name)
    with tempfile.TemporaryDirectory() as folder:
        tool = build_jpeg_tool(folder)
        for name, draw in JPEGS:
            ppm = os.path.join(folder, os.path.splitext(name)[0] + ".ppm")
            write_ppm(ppm, render(draw()))
            subprocess.run([tool, ppm, os.path.join(DATA, name)], check=True)
            print("wrote", name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
