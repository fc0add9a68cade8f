#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds the pulses of one recording that are lit in two frames in a row with centres apart.

When the laser moves while a pulse lasts, the pulse shows as a spot (often a streak) in two
consecutive frames whose centres lie several pixels apart; a reference centre may then stand at
either frame's. For every required centre of the recording this measures, from the decoded
frames alone, the laser light of each frame against the frames before it, and lists the pulses
that are lit in two frames in a row, with one frame's centre matching the required centre and
the other frame's centre outside the tolerance. The list is what laser-eval's --two-frame-pulses
reads:

    tools/laser-eval/two-frame-pulses.py ../shared/footage/manifest.json c910_red_z.mp4 \\
        > tools/laser-eval/two-frame-pulses.json

Every candidate pulse is printed on stderr with both frames' centres, so each entry can be
checked by eye. Needs python3-opencv and python3-numpy.
"""

import argparse
import json
import os
import sys

import cv2
import numpy as np

# Laser light: a rise of this many grey levels over the brightest of the frames before.
RISE = 60
# The frames before that make the reference: a pulse two frames long is never in them.
REFERENCE = (3, 4, 5)
# How far the other frame's spot of the same pulse may lie, pixels.
REACH = 30


def spots(grey, reference):
    """Centres of the areas risen by RISE or more, weighted by their rise, with their sizes."""
    rise = grey.astype(np.int16) - reference.astype(np.int16)
    mask = (rise >= RISE).astype(np.uint8)
    count, labels = cv2.connectedComponents(mask, connectivity=8)
    found = []
    for label in range(1, count):
        ys, xs = np.nonzero(labels == label)
        w = rise[ys, xs].astype(np.float64)
        found.append((float((xs * w).sum() / w.sum()), float((ys * w).sum() / w.sum()), len(xs)))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("manifest")
    parser.add_argument("video")
    args = parser.parse_args()
    with open(args.manifest) as f:
        manifest = json.load(f)
    tolerance = manifest.get("tolerance_px", 3)
    record = next(r for r in manifest["recordings"] if r["video"] == args.video)
    capture = cv2.VideoCapture(os.path.join(os.path.dirname(os.path.abspath(args.manifest)),
                                            args.video))
    greys = []
    while True:
        ok, frame = capture.read()
        if not ok:
            break
        greys.append(cv2.cvtColor(frame, cv2.COLOR_BGR2GRAY))
    # Spots of every frame against the brightest of its reference frames.
    lit = {}
    for i in range(max(REFERENCE), len(greys)):
        reference = np.max(np.stack([greys[i - k] for k in REFERENCE]), axis=0)
        lit[i] = spots(greys[i], reference)

    def near(p, q, reach):
        return abs(p[0] - q[0]) <= reach and abs(p[1] - q[1]) <= reach

    pulses = []
    for centre in record["required"]:
        for i in sorted(lit):
            here = [s for s in lit[i] if near(s, centre, tolerance)]
            if not here:
                continue
            # The same pulse in the frame before or after.
            for j in (i - 1, i + 1):
                other = [s for s in lit.get(j, []) if near(s, here[0], REACH)]
                if not other or near(other[0], centre, tolerance):
                    continue
                first, second = (j, i) if j < i else (i, j)
                a = here[0] if first == i else other[0]
                b = other[0] if first == i else here[0]
                if any(p["frames"] == [first, second] for p in pulses):
                    continue  # two required centres within the tolerance of one pulse
                print(f"centre {centre}: frame {first} at ({a[0]:.1f}, {a[1]:.1f}) {a[2]} px, "
                      f"frame {second} at ({b[0]:.1f}, {b[1]:.1f}) {b[2]} px", file=sys.stderr)
                pulses.append({"frames": [first, second],
                               "centres": [[round(a[0], 1), round(a[1], 1)],
                                           [round(b[0], 1), round(b[1], 1)]]})
    json.dump({"video": args.video, "pulses": pulses}, sys.stdout, indent=1)
    print()


if __name__ == "__main__":
    main()
