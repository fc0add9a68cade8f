#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the drill examples: drills.fsp, a project of three targets and a start button, and one
simulator scenario per shipped drill, whose shots fire each drill's strings at chosen times.

Every scenario first hits the start button (10 s after the camera opened: time to open the
project and choose the drill), which starts the drill; its start delay is counted from that
shot's frame. The scenario then repeats, a second after its last shot, for another run. Each string's first shot comes 0.6 s after the latest moment the
drill's random start signal can come, the further shots at the splits listed below. At 50 frames
per second and with every time a multiple of 20 ms, each shot is seen in a frame captured at
exactly its time, so the timer shows the splits of this file to the millisecond.
Usage: make_drill_examples.py [output folder]
"""
import json
import os
import sys

FPS = 50
FRAME_MS = 1000 // FPS
START_SHOT_MS = 10000
REACTION_MS = 600

# Camera 1's picture, 640 x 480: three targets side by side, the start button under them.
TARGETS = [
    ("Ziel 1", 10, (40, 120, 200, 340)),
    ("Ziel 2", 8, (240, 120, 400, 340)),
    ("Ziel 3", 8, (440, 120, 600, 340)),
]
START_BUTTON = ("Start", 0, (260, 380, 380, 460))

# Per drill: its delay range and pause (as in training/drills), and its strings as lists of
# (target number 1-3, split in ms before this shot; the first shot's split is ignored).
DRILLS = {
    "bill_drill": ((2000, 4000), 5000, [[(1, 0), (1, 300), (1, 260), (1, 280), (1, 240), (1, 300)]]),
    "el_presidente": ((2000, 4000), 5000, [[(1, 0), (1, 260), (2, 400), (2, 260), (3, 400), (3, 260),
                                             (1, 1600), (1, 280), (2, 400), (2, 260), (3, 400), (3, 260)]]),
    "draw": ((1500, 4000), 4000, [[(1, 0)]] * 5),
    "failure_to_stop": ((2000, 4000), 5000, [[(1, 0), (1, 260), (2, 440)]] * 3),
    "accuracy": ((3000, 3000), 5000, [[(1, 0), (1, 1500), (1, 1520), (2, 1480), (1, 1500)]]),
    "ladder": ((2000, 3000), 5000, [[(1, 0)], [(1, 0), (1, 300)], [(1, 0), (2, 400), (3, 400)],
                                      [(1, 0), (1, 260), (2, 400), (2, 260)],
                                      [(1, 0), (1, 260), (1, 260), (2, 400), (3, 400)]]),
}


def snap(ms):
    return int(round(ms / FRAME_MS)) * FRAME_MS


def rect_corners(rect):
    x0, y0, x1, y1 = rect
    return [x0, y0, x1, y0, x1, y1, x0, y1]


def shot_at(t, target, index):
    x0, y0, x1, y1 = TARGETS[target - 1][2] if target else START_BUTTON[2]
    # Shots on one target move about, as a real group does.
    dx = [0, 30, -30, 15, -15, 0][index % 6]
    dy = [0, -40, 40, 20, -20, 60][index % 6]
    return {"t": t, "x": (x0 + x1) / 2 + dx, "y": (y0 + y1) / 2 + dy, "ms": 40, "radius": 4}


def scenario(drill_id):
    (delay_min, delay_max), pause, strings = DRILLS[drill_id]
    shots = [shot_at(START_SHOT_MS, 0, 0)]
    # A string starts at the trigger (the start shot, or the end of the pause after the last one).
    trigger = START_SHOT_MS
    for string in strings:
        t = snap(trigger + delay_max + REACTION_MS)
        for i, (target, split) in enumerate(string):
            if i > 0:
                t += split
            shots.append(shot_at(t, target, i))
        # The pause counts from when the last shot is handled, a tick or two after its frame.
        trigger = t + pause + 40
    return {"name": "Drill", "fps": FPS, "noise": 2,
            "background": {"kind": "wall", "brightness": 110},
            "shots": shots, "loop": True}


def project():
    targets = [{"corners": rect_corners(r), "form": "Polygon", "name": n, "score": s, "type": 0}
               for n, s, r in TARGETS]
    n, s, r = START_BUTTON
    targets.append({"corners": rect_corners(r), "form": "Polygon", "name": n, "score": s, "type": 1})
    return {
        "4cameras": False, "DispBullseye": True, "DispNumbers": True, "DispTarget": False,
        "ImageTarget": False, "InnerCircles": 4, "ScoreImageFilename": "", "TargetImageFilename": "",
        "TotalCircles": 10,
        "cameras": [{"brightness": 50, "camname": "Simulator: Drill", "exposure": 50, "lumithreshold": 110,
                     "maxpix": 5000, "mindist": 30, "minpix": 1}] + [{"camname": "NoCam"}] * 3,
        "color0": "#00ff00", "color1": "#00abe7", "color2": "#aa55ff", "color3": "#d95b48",
        "color4": "#ffffff", "color5": "#ffff00", "game": 0, "hitsize": 5, "language": "de",
        "shotcount": 20, "targets": targets, "volume": 1.0,
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(out, "drills.fsp"), "w") as f:
        json.dump(project(), f, indent=4, sort_keys=True)
        f.write("\n")
    for drill_id in DRILLS:
        with open(os.path.join(out, drill_id + ".json"), "w") as f:
            json.dump(scenario(drill_id), f, indent=2)
            f.write("\n")


if __name__ == "__main__":
    main()
