#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes demo.fsp: ring targets over the rings that the camera library's demo simulator shows.

The simulator (LASER_SOURCES=demo) draws ten rings, 48 units apart, around the middle of a
1000 x 1000 screen and films that screen at an angle, with its corners at the picture points
below. Each ring becomes a polygon target through the same perspective mapping, innermost
first, so that a shot counts for the smallest ring it lies in. The screen itself is the
corrected ring target, listed last.
Usage: make_demo_project.py [output file]
"""
import json
import math
import sys

# Screen corners in camera 1's picture: top left, top right, bottom right, bottom left.
CORNERS = [(150, 80), (520, 110), (540, 400), (120, 420)]
RING_STEP = 48       # ring radius step on the 1000-unit screen
RINGS = 10
POINTS_PER_RING = 72


def solve(matrix, vector):
    """Gaussian elimination with partial pivoting."""
    n = len(vector)
    a = [row[:] + [vector[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col:
                f = a[r][col] / a[col][col]
                a[r] = [x - f * y for x, y in zip(a[r], a[col])]
    return [a[i][n] / a[i][i] for i in range(n)]


def screen_to_picture():
    square = [(0, 0), (1000, 0), (1000, 1000), (0, 1000)]
    rows, values = [], []
    for (u, v), (x, y) in zip(square, CORNERS):
        rows.append([u, v, 1, 0, 0, 0, -u * x, -v * x])
        values.append(x)
        rows.append([0, 0, 0, u, v, 1, -u * y, -v * y])
        values.append(y)
    h = solve(rows, values) + [1.0]

    def mapped(u, v):
        w = h[6] * u + h[7] * v + h[8]
        return ((h[0] * u + h[1] * v + h[2]) / w, (h[3] * u + h[4] * v + h[5]) / w)
    return mapped


def main():
    mapped = screen_to_picture()
    targets = []
    for ring in range(1, RINGS + 1):
        corners = []
        for k in range(POINTS_PER_RING):
            angle = 2 * math.pi * k / POINTS_PER_RING
            x, y = mapped(500 + ring * RING_STEP * math.cos(angle), 500 + ring * RING_STEP * math.sin(angle))
            corners += [round(x, 1), round(y, 1)]
        score = RINGS + 1 - ring
        targets.append({"name": "Ring %d" % score, "score": score, "type": 0, "form": "Polygon",
                        "corners": corners})
    outline = []
    for x, y in CORNERS + CORNERS[:1]:
        outline += [x, y]
    targets.append({"name": "Entzerrte Ziele", "score": 0, "type": 3, "form": "Polygon", "corners": outline})

    camera = {"camname": "Simulator: Demo", "lumithreshold": 110, "minpix": 1, "maxpix": 5000,
              "mindist": 30, "brightness": 50, "exposure": 50}
    project = {
        "game": 0, "shotcount": 20, "language": "de", "volume": 1, "hitsize": 5, "4cameras": False,
        "color0": "#00ff00", "color1": "#00abe7", "color2": "#aa55ff", "color3": "#d95b48",
        "color4": "#ffffff", "color5": "#ffff00",
        "DispTarget": False, "InnerCircles": 4, "TotalCircles": 10, "DispNumbers": True,
        "DispBullseye": True, "ImageTarget": False, "TargetImageFilename": "", "ScoreImageFilename": "",
        "targets": targets,
        "cameras": [camera] + [{"camname": "NoCam"}] * 3,
    }
    out = sys.argv[1] if len(sys.argv) > 1 else "demo.fsp"
    with open(out, "w", encoding="utf-8") as f:
        f.write(json.dumps(project, indent=4, sort_keys=True) + "\n")


if __name__ == "__main__":
    main()
