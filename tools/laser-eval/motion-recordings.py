#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes synthetic recordings of a room in which things move, and their laser-eval manifest.

None of the movements is a shot; the recordings that hold laser pulses list them as required:

    walk        a person in a light shirt walks through the picture, near and far
    arm         an arm is raised in front of a lit wall, held, and lowered again
    door        a door opens onto daylight and closes again
    light       the room light is switched on and off
    exposure    the camera's auto-exposure jumps up and down, a window saturating
    uncover     a laser hit, then a hand that covered a white label beside it moves away;
                then a second hit at the same place (two required shots)
    target      a projected target moves across a dark screen and is hit three times while it
                moves (three required shots)

    tools/laser-eval/motion-recordings.py /tmp/motion
    build/bin/laser-eval /tmp/motion/manifest.json

640 x 480 at 30 frames a second, Motion JPEG at quality 95, with sensor noise. Needs
python3-opencv and python3-numpy.
"""

import argparse
import json
import os

import cv2
import numpy as np

W, H, FPS = 640, 480, 30.0


def room(rng):
    """A dim room: a wall with a soft gradient, a cupboard, a picture frame and a table."""
    y, x = np.mgrid[0:H, 0:W]
    wall = 70 + 25 * (x / W) - 15 * (y / H)
    picture = np.dstack([wall * 0.95, wall, wall * 1.05]).astype(np.float32)
    cv2.rectangle(picture, (30, 120), (150, 470), (45, 55, 70), -1)
    cv2.rectangle(picture, (420, 60), (560, 160), (90, 110, 120), 6)
    cv2.rectangle(picture, (200, 380), (600, 400), (40, 50, 60), -1)
    return picture


class Writer:
    def __init__(self, folder, name, rng, noise=2.0):
        self.path = os.path.join(folder, name + ".avi")
        self.video = name + ".avi"
        self.rng = rng
        self.noise = noise
        self.writer = cv2.VideoWriter(self.path, cv2.VideoWriter_fourcc(*"MJPG"), FPS, (W, H))
        self.writer.set(cv2.VIDEOWRITER_PROP_QUALITY, 95)
        self.frames = 0

    def write(self, picture):
        noisy = picture + self.rng.normal(0.0, self.noise, picture.shape)
        self.writer.write(np.clip(noisy + 0.5, 0, 255).astype(np.uint8))
        self.frames += 1

    def close(self):
        self.writer.release()


def laser(picture, x, y, red=True, radius=3.0):
    """A laser spot: a saturating core with a coloured fringe, added to what lies under it."""
    yy, xx = np.mgrid[0:H, 0:W]
    d = np.hypot(xx + 0.5 - x, yy + 0.5 - y)
    core = np.clip((radius + 1.0 - d) / 2.0, 0.0, 1.0)
    halo = np.exp(-(d / (radius * 1.5)) ** 2) * 0.3
    main = np.clip(core * 255 + halo * 200, 0, 255)
    other = np.clip(core * 200 + halo * 30, 0, 255)
    add = [other, other, main] if red else [other, main, other]
    for c in range(3):
        picture[:, :, c] = np.minimum(255.0, picture[:, :, c] + add[c])


def person(picture, cx, top, scale, shirt):
    """A standing person: head, shirt, trousers; cx the middle, top the head's top."""
    s = scale
    skin = (150, 170, 205)
    cv2.ellipse(picture, (int(cx), int(top + 22 * s)), (int(16 * s), int(22 * s)), 0, 0, 360,
                skin, -1)
    cv2.rectangle(picture, (int(cx - 38 * s), int(top + 46 * s)),
                  (int(cx + 38 * s), int(top + 170 * s)), shirt, -1)
    cv2.rectangle(picture, (int(cx - 30 * s), int(top + 170 * s)),
                  (int(cx + 30 * s), int(top + 300 * s)), (70, 60, 50), -1)


def walk(out, rng):
    w = Writer(out, "motion-walk", rng)
    base = room(rng)
    for i in range(150):
        p = base.copy()
        if i < 75:  # near the camera, fast, a white shirt
            person(p, -60 + 12 * i, 60, 1.3, (225, 228, 232))
        else:  # further away, slower, a light blue shirt
            person(p, 700 - 7 * (i - 75), 150, 0.7, (230, 205, 170))
        w.write(p)
    w.close()
    return w, [], []


def arm(out, rng):
    w = Writer(out, "motion-arm", rng)
    base = room(rng)
    # A wall lit by a lamp: a bright oval on the right.
    lamp = np.zeros((H, W), np.float32)
    cv2.ellipse(lamp, (430, 230), (170, 130), 0, 0, 360, 1.0, -1)
    lamp = cv2.GaussianBlur(lamp, (0, 0), 25)
    lit = base + lamp[:, :, None] * 150
    for i in range(120):
        p = lit.copy()
        # Raised over 15 frames from the bottom, held, lowered from frame 70.
        up = min(i, 15) / 15.0 if i < 70 else max(0.0, 1.0 - (i - 70) / 12.0)
        if up > 0:
            angle = np.radians(90 - 70 * up)
            shoulder = (560, 470)
            hand = (int(shoulder[0] - 260 * np.cos(angle)), int(shoulder[1] - 260 * np.sin(angle)))
            cv2.line(p, shoulder, hand, (120, 140, 175), 34)
            cv2.circle(p, hand, 24, (130, 150, 190), -1)
        w.write(p)
    w.close()
    return w, [], []


def door(out, rng):
    w = Writer(out, "motion-door", rng)
    base = room(rng)
    daylight = np.full((H, W, 3), (235, 240, 245), np.float32)
    for i in range(120):
        p = base.copy()
        # Opens over 20 frames from frame 10, stays open, closes from frame 80.
        opening = np.clip((i - 10) / 20.0, 0, 1) if i < 80 else np.clip(1 - (i - 80) / 15.0, 0, 1)
        width = int(110 * opening)
        if width > 0:
            p[70:380, 250:250 + width] = daylight[70:380, 250:250 + width]
            # The light falls onto the floor in front of it.
            p[380:480, 230:250 + width + 40] += 60
        w.write(p)
    w.close()
    return w, [], []


def light(out, rng):
    w = Writer(out, "motion-light", rng)
    base = room(rng)
    for i in range(120):
        on = 30 <= i < 80
        # The lamp lights the room unevenly: more on the left.
        gain = (1.9 + 0.5 * (1 - np.arange(W) / W))[None, :, None] if on else 1.0
        w.write(np.clip(base * gain, 0, 255))
    w.close()
    return w, [], []


def exposure(out, rng):
    w = Writer(out, "motion-exposure", rng)
    base = room(rng)
    cv2.rectangle(base, (470, 200), (600, 340), (200, 210, 215), -1)  # a window
    gains = [1.0, 1.35, 1.8, 1.2, 0.75, 1.0]
    for i in range(120):
        gain = gains[min(i // 20, len(gains) - 1)]
        w.write(np.clip(base * gain, 0, 255))
    w.close()
    return w, [], []


def uncover(out, rng):
    w = Writer(out, "motion-uncover", rng)
    base = room(rng)
    label = (330, 250)  # a white label on the wall, 25 px right of the hits
    cv2.rectangle(base, (label[0] - 6, label[1] - 6), (label[0] + 6, label[1] + 6),
                  (235, 238, 240), -1)
    hit = (305.0, 252.0)
    required = []
    for i in range(150):
        p = base.copy()
        # A hand comes in over the label at frame 20, rests on it, leaves at frames 70 to 76.
        if i >= 20:
            x = 345 if i < 70 else 345 + 30 * (i - 70)
            if x < W + 60:
                cv2.ellipse(p, (x, 262), (28, 40), 0, 0, 360, (40, 50, 70), -1)
        if i in (45, 46) or i in (120, 121):
            laser(p, hit[0], hit[1])
            if i in (45, 120):
                required.append([hit[0] - 0.5, hit[1] - 0.5])
        w.write(p)
    w.close()
    return w, required, []


def target(out, rng):
    w = Writer(out, "motion-target", rng)
    screen = np.full((H, W, 3), 25, np.float32)
    required = []
    shots = {30: (-8, 5), 62: (10, -6), 95: (0, 0)}
    for i in range(130):
        p = screen.copy()
        # A red-and-grey target bouncing across the projected screen.
        cx = 120 + (6 * i) % 400 if (6 * i) // 400 % 2 == 0 else 520 - (6 * i) % 400
        cy = 240 + 80 * np.sin(i / 15.0)
        cv2.circle(p, (int(cx), int(cy)), 45, (50, 50, 170), -1, cv2.LINE_AA)
        cv2.circle(p, (int(cx), int(cy)), 30, (140, 150, 150), -1, cv2.LINE_AA)
        cv2.circle(p, (int(cx), int(cy)), 12, (50, 50, 170), -1, cv2.LINE_AA)
        for start, (dx, dy) in shots.items():
            if start <= i < start + 2:
                laser(p, int(cx) + dx + 0.5, int(cy) + dy + 0.5, red=False)
                if i == start:
                    required.append([int(cx) + dx, int(cy) + dy])
        w.write(p)
    w.close()
    return w, required, []


RECORDINGS = {"walk": walk, "arm": arm, "door": door, "light": light, "exposure": exposure,
              "uncover": uncover, "target": target}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("out")
    parser.add_argument("recordings", nargs="*", default=list(RECORDINGS))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    rng = np.random.default_rng(3)  # the same recordings on every run
    entries = []
    for name in args.recordings:
        writer, required, optional = RECORDINGS[name](args.out, rng)
        entries.append({"video": writer.video, "laser": "red", "required": required,
                        "optional": optional})
        print(f"{writer.video}: {writer.frames} frames, {len(required)} shots")
    with open(os.path.join(args.out, "manifest.json"), "w") as f:
        json.dump({"tolerance_px": 3, "recordings": entries}, f, indent=1)


if __name__ == "__main__":
    main()
