#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes webcam-like recordings of every kind of laser trainer and room, and their manifest.

Each scene is rendered from a physical model of one camera frame:

  * the scene's radiance: a printed ring target on paper (matte black ink sends back a
    twentieth of what white paper does) or a red/orange target, a wall, uneven light and a lamp
    that flickers at twice the mains frequency; things that move are drawn at several instants
    of the exposure and averaged (motion blur);
  * a rolling shutter: every row is exposed for E ms, each row starting a little later than the
    one above, the exposure shorter than the frame period;
  * laser pulses start at continuous times; a row collects the pulse's light only while its
    exposure overlaps the pulse, so a 1 ms pulse lights one frame, sometimes only some rows of
    the spot, and none when it falls between two exposures; the dot's light is its power times
    the reflectance of what lies under it, so it is far dimmer on black ink;
  * red and green lasers leak into the other colour channels a little, so a strong dot clips to
    white in its core and keeps a coloured halo, a weak one stays coloured;
  * optical blur, vignetting, clipping at full well, signal-dependent noise, white-balance cast,
    gamma, and Motion JPEG encoding.

A pulse is required in the manifest when a frame shows it clearly (its laser channel rises by
at least a third of the headroom to white and 30 levels), optional when the best frame shows it
only faintly, and left out when no exposure caught enough of it to see. Required entries are
[x, y, frame] in the recording's pixels: laser-eval matches x and y, the frame is documentation.

    tools/laser-eval/trainer-recordings.py /tmp/trainers [--seed N] [scene ...]
    build/bin/laser-eval /tmp/trainers/manifest.json

Needs python3-opencv and python3-numpy (Debian's: /usr/bin/python3).
"""

import argparse
import json
import math
import os

import cv2
import numpy as np

PAPER = np.array([0.80, 0.84, 0.86])   # white paper, B G R reflectance
INK = PAPER / 20.0                      # matte black ink
WALL = np.array([0.30, 0.33, 0.36])
# Channel response (B, G, R) of the sensor to each laser's light: mostly its own channel.
LASERS = {"red": np.array([0.03, 0.06, 1.0]), "green": np.array([0.12, 1.0, 0.10])}


class Camera:
    """One webcam: size, frame rate, exposure and the look of its pictures."""

    def __init__(self, width=640, height=480, fps=30.0, exposure_ms=10.0, light=0.065,
                 gamma=2.2, cast=(1.0, 1.0, 1.0), read_noise=0.004, shot_noise=0.0006,
                 blur=0.7, vignette=0.3, quality=85):
        self.width, self.height, self.fps = width, height, fps
        self.exposure_ms = exposure_ms
        self.light = light              # signal of white light per ms of exposure
        self.gamma = gamma
        self.cast = np.array(cast)      # white-balance gains, B G R
        self.read_noise, self.shot_noise = read_noise, shot_noise
        self.blur = blur * width / 640.0
        self.quality = quality
        y, x = np.mgrid[0:height, 0:width].astype(np.float32)
        r2 = ((x - width / 2) ** 2 + (y - height / 2) ** 2) / ((width / 2) ** 2 + (height / 2) ** 2)
        self.vignette = (1.0 - vignette * r2)[:, :, None]
        self.shading = (self.vignette * self.cast[None, None, :]).astype(np.float32)
        self.gamma_table = (255.0 * (np.arange(4096) / 4095.0) ** (1.0 / gamma) + 0.5).astype(
            np.uint8)
        # The rows are read out over 80 % of the frame period.
        self.row_delay_ms = 0.8 * 1000.0 / fps / height

    def frame_start_ms(self, index):
        return index * 1000.0 / self.fps

    def row_windows(self, index, exposure_ms=None):
        """Start and end (ms) of every row's exposure of frame `index`."""
        e = self.exposure_ms if exposure_ms is None else exposure_ms
        start = self.frame_start_ms(index) + np.arange(self.height) * self.row_delay_ms
        return start, start + e


def overlap(start, end, a, b):
    return np.clip(np.minimum(end, b) - np.maximum(start, a), 0.0, None)


def ring_target(canvas, cx, cy, radius, paper=PAPER, ink=INK):
    """A printed ten-ring target: paper disc, black centre (rings 7 to 10), thin ring lines."""
    cv2.circle(canvas, (int(cx), int(cy)), int(radius * 1.25), paper.tolist(), -1, cv2.LINE_AA)
    for k in range(1, 11):
        r = radius * k / 10.0
        if k <= 4:
            continue
        cv2.circle(canvas, (int(cx), int(cy)), int(r), ink.tolist(), max(1, int(radius / 150)),
                   cv2.LINE_AA)
    cv2.circle(canvas, (int(cx), int(cy)), int(radius * 0.4), ink.tolist(), -1, cv2.LINE_AA)
    for k in range(1, 4):
        cv2.circle(canvas, (int(cx), int(cy)), int(radius * k / 10.0), (paper * 0.9).tolist(),
                   1, cv2.LINE_AA)


def uneven_light(cam, rng, strength=0.35):
    """Light falling off from a lamp somewhere above the picture."""
    y, x = np.mgrid[0:cam.height, 0:cam.width].astype(np.float32)
    lx, ly = cam.width * rng.uniform(0.2, 0.8), -cam.height * 0.3
    d2 = ((x - lx) ** 2 + (y - ly) ** 2) / float(cam.width ** 2 + cam.height ** 2)
    return (1.0 - strength * d2 / d2.max())[:, :, None]


class Pulse:
    """One laser pulse: start and length in ms, where it lands, and how it moves while lit."""

    def __init__(self, t_ms, length_ms, x, y, colour="red", power=2.5, radius=1.5,
                 rise_px=0.0, rise_after_ms=35.0, rise_ms=60.0, shot=True):
        self.t, self.length = t_ms, length_ms
        self.x, self.y = x, y
        self.colour, self.power, self.radius = colour, power, radius
        self.rise_px, self.rise_after, self.rise_ms = rise_px, rise_after_ms, rise_ms
        self.shot = shot  # False: the laser stays lit after a shot (held trigger), same pulse

    def position(self, t_ms):
        """Where the dot is at t: still at first, then moving up by rise_px (recoil)."""
        k = np.clip((t_ms - self.t - self.rise_after) / self.rise_ms, 0.0, 1.0)
        return self.x, self.y - self.rise_px * k


def laser_layer(cam, pulse, index, reflect, exposure_ms, samples=6):
    """The signal the pulse adds to frame `index`, per row of the rolling shutter."""
    start, end = cam.row_windows(index, exposure_ms)
    lit = overlap(start, end, pulse.t, pulse.t + pulse.length)
    if lit.max() <= 0.0:
        return None, None
    h, w = cam.height, cam.width
    layer = np.zeros((h, w), np.float32)
    r = pulse.radius * w / 640.0
    span = int(6 * r + 4 + pulse.rise_px)
    x0 = int(max(0, pulse.x - span)); x1 = int(min(w, pulse.x + span + 1))
    y0 = int(max(0, pulse.y - span - pulse.rise_px)); y1 = int(min(h, pulse.y + span + 1))
    yy, xx = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    # The dot's path through the rows' common window, sampled; each row keeps its own share.
    a = max(pulse.t, start[y0:y1].min()); b = min(pulse.t + pulse.length, end[y0:y1].max())
    times = np.linspace(a, b, samples) if b > a else np.array([a])
    profile = np.zeros_like(xx)
    for t in times:
        px, py = pulse.position(t)
        d2 = (xx + 0.5 - px) ** 2 + (yy + 0.5 - py) ** 2
        # A sharp core and a faint wide scatter.
        profile += np.exp(-d2 / (2 * r * r)) + 0.03 * np.exp(-d2 / (2 * (3.5 * r) ** 2))
    profile /= len(times)
    layer[y0:y1, x0:x1] = profile * lit[y0:y1, None] * pulse.power
    return layer[:, :, None] * LASERS[pulse.colour][None, None, :] * reflect, (x0, y0, x1, y1)


def develop(cam, signal, rng):
    """Sensor signal to an 8-bit picture: blur, vignetting, clipping, noise, cast, gamma."""
    s = cv2.GaussianBlur(signal.astype(np.float32), (0, 0), cam.blur)
    s *= cam.shading
    np.minimum(s, 1.0, out=s)
    noise = np.sqrt(cam.read_noise ** 2 + cam.shot_noise * s)
    s += rng.standard_normal(s.shape, dtype=np.float32) * noise
    # Gamma through a table of 4096 steps, finer than the 8-bit result needs.
    return cam.gamma_table[(np.clip(s, 0.0, 1.0) * 4095.0 + 0.5).astype(np.int16)]


def clean(cam, signal, box):
    """The same without noise inside box (x0, y0, x1, y1): what the expected centres and
    visibility are measured on."""
    x0, y0, x1, y1 = box
    s = cv2.GaussianBlur(signal[y0:y1, x0:x1].astype(np.float32), (0, 0), cam.blur)
    s = np.clip(s * cam.vignette[y0:y1, x0:x1] * cam.cast, 0.0, 1.0)
    return 255.0 * s ** (1.0 / cam.gamma)


class Scene:
    """Renders frames of one scene and keeps track of what each pulse shows."""

    def __init__(self, name, cam, seconds, rng):
        self.name, self.cam, self.rng = name, cam, rng
        self.frames = int(round(seconds * cam.fps))
        self.pulses = []
        self.reflect = np.zeros((cam.height, cam.width, 3), np.float32)
        self.reflect[:] = WALL
        self.light = np.ones((cam.height, cam.width, 1), np.float32)
        self.flicker_hz = 0.0      # mains frequency; the light flickers at twice it
        self.flicker_depth = 0.0
        self.exposure = lambda i: cam.exposure_ms
        self.movers = []           # callables (canvas, t_ms) drawing moving things
        self.views = {}            # pulse index -> list of (frame, rise share, rise, centre)

    def ambient(self, index):
        """Light of the scene collected by every row of frame `index`."""
        cam = self.cam
        e = self.exposure(index)
        start, end = cam.row_windows(index, e)
        if self.flicker_depth > 0.0:
            w = 2.0 * math.pi * 2.0 * self.flicker_hz / 1000.0
            # The mean of 1 + depth * cos(w t) over each row's window.
            rows = e + self.flicker_depth * (np.sin(w * end) - np.sin(w * start)) / w
        else:
            rows = np.full(cam.height, e)
        if self.movers:
            steps = 4
            picture = np.zeros_like(self.reflect)
            for k in range(steps):
                t = start[cam.height // 2] + e * (k + 0.5) / steps
                canvas = self.reflect.copy()
                for m in self.movers:
                    m(canvas, t)
                picture += canvas
            picture /= steps
        else:
            picture = self.reflect
        return picture * self.light * rows[:, None, None] * cam.light

    def render(self, writer):
        cam = self.cam
        for i in range(self.frames):
            base = self.ambient(i)
            signal = base.copy()
            for n, p in enumerate(self.pulses):
                layer, box = laser_layer(cam, p, i, self.reflect, self.exposure(i))
                if layer is None:
                    continue
                # What a camera can see of this pulse in this frame, on the scene alone.
                plain = clean(cam, base, box)
                lit = clean(cam, base + layer, box)
                signal += layer
                channel = int(np.argmax(LASERS[p.colour]))
                rise = lit[:, :, channel] - plain[:, :, channel]
                peak = np.unravel_index(np.argmax(rise), rise.shape)
                headroom = max(1.0, 255.0 - plain[peak][channel])
                share = float(rise[peak]) / headroom
                # Centre: the grey rise above half its peak, weighted by the rise.
                grey = (lit - plain) @ np.array([0.114, 0.587, 0.299])
                mask = grey >= max(0.5 * grey.max(), 1e-3)
                ys, xs = np.nonzero(mask)
                wts = grey[mask]
                if wts.size == 0:
                    continue
                centre = (box[0] + float((xs + 0.5) @ wts / wts.sum()),
                          box[1] + float((ys + 0.5) @ wts / wts.sum()))
                self.views.setdefault(n, []).append((i, share, float(rise[peak]), centre))
            writer.write(develop(cam, signal, self.rng))

    def expected(self):
        required, optional = [], []
        for n, p in enumerate(self.pulses):
            if not p.shot:
                continue
            views = self.views.get(n, [])
            clear = [v for v in views if v[1] >= 1.0 / 3.0 and v[2] >= 30.0]
            faint = [v for v in views if v[1] >= 0.12 and v[2] >= 12.0]
            if clear:
                frame, _, _, (x, y) = clear[0]
                required.append([round(x, 1), round(y, 1), frame])
                # A faint first frame may show the pulse a frame earlier at much the same place.
            elif faint:
                frame, _, _, (x, y) = max(faint, key=lambda v: v[1])
                optional.append([round(x, 1), round(y, 1), frame])
        return required, optional


def writer_for(folder, scene):
    cam = scene.cam
    path = os.path.join(folder, scene.name + ".avi")
    w = cv2.VideoWriter(path, cv2.VideoWriter_fourcc(*"MJPG"), cam.fps, (cam.width, cam.height))
    w.set(cv2.VIDEOWRITER_PROP_QUALITY, cam.quality)
    return w


def target_room(scene, rng, radius_share=0.36):
    """A printed ring target on a wall under uneven light; returns its centre and radius."""
    cam = scene.cam
    cx = cam.width * rng.uniform(0.45, 0.55)
    cy = cam.height * rng.uniform(0.45, 0.55)
    radius = cam.height * radius_share
    ring_target(scene.reflect, cx, cy, radius)
    scene.light = uneven_light(cam, rng).astype(np.float32)
    return cx, cy, radius


def spread_pulses(scene, rng, count, length_ms, first_ms=500.0, gap_ms=600.0, where=None,
                  **kwargs):
    """count pulses from first_ms on, gap_ms apart with jitter, at places where(rng) gives."""
    t = first_ms
    for _ in range(count):
        x, y = where(rng)
        scene.pulses.append(Pulse(t + rng.uniform(0, 100), length_ms, x, y, **kwargs))
        t += gap_ms


def in_ring(cx, cy, r0, r1):
    def where(rng):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(r0, r1)
        return cx + d * math.cos(a), cy + d * math.sin(a)
    return where


# ---- the scenes: one per trainer kind, one per room disturbance ----

def cartridge_red(rng):
    s = Scene("trainer-cartridge-red", Camera(exposure_ms=10.0), 3.0, rng)
    cx, cy, r = target_room(s, rng)
    spread_pulses(s, rng, 4, 100.0, where=in_ring(cx, cy, 0.0, r * 0.9))
    return s


def cartridge_green_720p60(rng):
    s = Scene("trainer-cartridge-green-720p60",
              Camera(1280, 720, 60.0, exposure_ms=8.0, light=0.08), 2.6, rng)
    cx, cy, r = target_room(s, rng)
    spread_pulses(s, rng, 4, 100.0, where=in_ring(cx, cy, 0.0, r * 0.9), colour="green",
                  power=3.0)
    return s


def competition(rng, name, fps, exposure_ms, colour, count=8):
    s = Scene(name, Camera(fps=fps, exposure_ms=exposure_ms, light=0.6 / exposure_ms / 0.85), 3.6,
              rng)
    cx, cy, r = target_room(s, rng)
    # A 1 ms pulse collects 1 ms of the laser's light, whatever the exposure.
    spread_pulses(s, rng, count, 1.0, first_ms=300.0, gap_ms=400.0,
                  where=in_ring(cx, cy, r * 0.45, r * 0.9), colour=colour, power=4.0)
    return s


def competition_red(rng):
    return competition(rng, "trainer-competition-red", 30.0, 12.0, "red")


def competition_green_60(rng):
    return competition(rng, "trainer-competition-green-60", 60.0, 6.0, "green")


def held(rng):
    s = Scene("trainer-held-red", Camera(exposure_ms=10.0), 4.0, rng)
    cx, cy, r = target_room(s, rng)
    # Held for 0.9 s and 0.6 s, with a hand that wanders a few pixels; then a short shot.
    for t0, length in ((400.0, 900.0), (1900.0, 600.0)):
        x, y = in_ring(cx, cy, r * 0.45, r * 0.9)(rng)
        s.pulses.append(Pulse(t0, 40.0, x, y))
        # After the shot the dot stays lit, drifting slowly: parts of the same pulse.
        for k in range(int(length / 40.0)):
            x += rng.uniform(-0.4, 0.4); y += rng.uniform(-0.4, 0.4)
            s.pulses.append(Pulse(t0 + 40.0 * (k + 1), 40.0, x, y, shot=False))
    x, y = in_ring(cx, cy, r * 0.45, r * 0.9)(rng)
    s.pulses.append(Pulse(3200.0, 100.0, x, y))
    return s


def recoil(rng):
    s = Scene("trainer-recoil-red-720p", Camera(1280, 720, 30.0, exposure_ms=10.0), 3.0, rng)
    cx, cy, r = target_room(s, rng)
    for k in range(4):
        x, y = in_ring(cx, cy, r * 0.2, r * 0.8)(rng)
        # 20 to 40 px of a 640-wide picture upwards while lit.
        s.pulses.append(Pulse(400.0 + 600.0 * k + rng.uniform(0, 60), 100.0, x, y,
                              rise_px=rng.uniform(20, 40) * 2.0, radius=1.5))
    return s


def double(rng):
    s = Scene("trainer-double-red", Camera(exposure_ms=10.0), 3.0, rng)
    cx, cy, r = target_room(s, rng)
    for k in range(3):
        x, y = in_ring(cx, cy, r * 0.45, r * 0.9)(rng)
        t = 400.0 + 800.0 * k + rng.uniform(0, 60)
        s.pulses.append(Pulse(t, 30.0, x, y))
        s.pulses.append(Pulse(t + 150.0, 30.0, x + rng.uniform(-2, 2), y + rng.uniform(-2, 2)))
    return s


def black_centre(rng):
    s = Scene("room-black-centre", Camera(exposure_ms=10.0), 3.0, rng)
    cx, cy, r = target_room(s, rng, radius_share=0.6)
    spread_pulses(s, rng, 4, 100.0, where=in_ring(cx, cy, 0.0, r * 0.35), power=2.0)
    return s


def flicker(rng, name, mains, fps, exposure_ms):
    s = Scene(name, Camera(fps=fps, exposure_ms=exposure_ms, light=0.6 / exposure_ms / 0.85),
              3.0, rng)
    cx, cy, r = target_room(s, rng)
    s.flicker_hz, s.flicker_depth = mains, 0.45
    spread_pulses(s, rng, 4, 100.0, where=in_ring(cx, cy, 0.0, r * 0.9))
    return s


def flicker_50(rng):
    return flicker(rng, "room-flicker-50hz", 50.0, 30.0, 7.0)


def flicker_60(rng):
    return flicker(rng, "room-flicker-60hz-60fps", 60.0, 60.0, 5.0)


def auto_exposure(rng):
    s = Scene("room-auto-exposure", Camera(exposure_ms=10.0), 3.4, rng)
    cx, cy, r = target_room(s, rng)
    steps = [10.0, 13.0, 9.0, 7.0, 10.0, 12.0]
    s.exposure = lambda i: steps[min(len(steps) - 1, i // 17)]
    spread_pulses(s, rng, 4, 100.0, first_ms=450.0, gap_ms=750.0,
                  where=in_ring(cx, cy, 0.0, r * 0.9))
    return s


def person(rng):
    """A dim room; a person in a white shirt with a bright watch walks by and raises an arm."""
    s = Scene("room-person-dim", Camera(exposure_ms=30.0, light=0.012, read_noise=0.008), 4.0,
              rng)
    cx, cy, r = target_room(s, rng)
    w, h = s.cam.width, s.cam.height
    shirt = np.array([0.85, 0.86, 0.88]) * 1.4  # nearer the lamp than the wall
    skin = np.array([0.45, 0.52, 0.65])

    def walker(canvas, t):
        x = -120 + 0.45 * (t - 200.0)  # px per ms
        if -150 < x < w + 150:
            cv2.rectangle(canvas, (int(x - 45), int(h * 0.25)), (int(x + 45), h), shirt.tolist(), -1)
            cv2.circle(canvas, (int(x), int(h * 0.17)), 30, skin.tolist(), -1)
            # The arm swings with the stride, a watch face glinting on the wrist.
            a = math.sin(t / 180.0) * 0.5
            hx, hy = int(x + 60 + 70 * math.sin(a)), int(h * 0.5 + 70 * math.cos(a))
            cv2.line(canvas, (int(x + 45), int(h * 0.3)), (hx, hy), shirt.tolist(), 18)
            cv2.circle(canvas, (hx, hy), 5, (3.0, 3.0, 3.0), -1)

    def arm(canvas, t):
        if 2400.0 < t < 3600.0:
            k = min(1.0, (t - 2400.0) / 300.0) if t < 3200.0 else max(0.0, (3600.0 - t) / 400.0)
            ang = math.radians(100 - 60 * k)
            sx, sy = w - 20, h - 10
            ex, ey = int(sx + 300 * math.cos(ang + math.pi)), int(sy - 300 * math.sin(ang))
            cv2.line(canvas, (sx, sy), (ex, ey), shirt.tolist(), 22)
            cv2.circle(canvas, (ex, ey), 4, (3.0, 3.0, 3.0), -1)

    s.movers = [walker, arm]
    # Shots while nobody is in front of the target.
    x, y = in_ring(cx, cy, 0.0, r * 0.9)(rng)
    s.pulses.append(Pulse(150.0, 100.0, x, y, power=1.0))
    x, y = in_ring(cx, cy, 0.0, r * 0.5)(rng)
    s.pulses.append(Pulse(3800.0, 100.0, x - r * 0.3, y, power=1.0))
    return s


def projector(rng):
    """A projected scene on a dark screen: bright shapes drift across, some of them hit."""
    s = Scene("room-projector-720p", Camera(1280, 720, 30.0, exposure_ms=16.0, light=0.05), 3.6,
              rng)
    s.reflect[:] = np.array([0.10, 0.12, 0.10])
    w, h = s.cam.width, s.cam.height
    shapes = [(rng.uniform(0.1, 0.9) * w, rng.uniform(0.2, 0.8) * h, rng.uniform(-0.35, 0.35),
               rng.uniform(-0.2, 0.2), rng.uniform(40, 90), rng.choice(3)) for _ in range(5)]
    colours = [(0.9, 0.9, 0.9), (0.2, 0.8, 0.95), (0.9, 0.5, 0.2)]

    def where_at(k, t):
        x0, y0, vx, vy, size, _ = shapes[k]
        x = (x0 + vx * t) % (w + 200) - 100
        y = (y0 + vy * t) % (h + 200) - 100
        return x, y

    def draw(canvas, t):
        for k, (_, _, _, _, size, c) in enumerate(shapes):
            x, y = where_at(k, t)
            cv2.circle(canvas, (int(x), int(y)), int(size), colours[c], -1, cv2.LINE_AA)

    s.movers = [draw]
    # Hits on two moving shapes and on the dark screen. A dot on a shape lands where the shape
    # is, and the shape moves on beneath it.
    for k, t in enumerate((500.0, 1200.0, 1900.0, 2700.0)):
        if k % 2 == 0:
            x, y = where_at(k, t + 20.0)
            x = min(max(x, 100.0), w - 100.0); y = min(max(y, 100.0), h - 100.0)
        else:
            x, y = rng.uniform(0.2, 0.8) * w, rng.uniform(0.2, 0.8) * h
        s.pulses.append(Pulse(t, 80.0, x, y, power=6.0, colour="green" if k % 2 else "red"))
    return s


def weak_red(rng):
    """A bright room, an orange and red target, a weak red laser whose core does not clip."""
    s = Scene("room-weak-red-orange", Camera(exposure_ms=3.0, light=0.25), 3.0, rng)
    w, h = s.cam.width, s.cam.height
    s.reflect[:] = np.array([0.55, 0.6, 0.62])
    cv2.rectangle(s.reflect, (int(w * 0.2), int(h * 0.15)), (int(w * 0.8), int(h * 0.85)),
                  (0.12, 0.35, 0.85), -1)  # orange card
    cv2.circle(s.reflect, (w // 2, h // 2), int(h * 0.2), (0.08, 0.10, 0.70), -1)  # red disc
    s.light = uneven_light(s.cam, rng, 0.2).astype(np.float32)
    spread_pulses(s, rng, 4, 100.0,
                  where=lambda g: (w * g.uniform(0.3, 0.7), h * g.uniform(0.3, 0.7)), power=0.6)
    return s


def streak(rng):
    """A dim room; a person in dark clothes walks past the target, a lamp beside the wall
    lighting only a thin rim along the edge of the body and of the raised arm."""
    s = Scene("room-person-streak-dim", Camera(exposure_ms=30.0, light=0.006, read_noise=0.008),
              4.6, rng)
    cx, cy, r = target_room(s, rng)
    w, h = s.cam.width, s.cam.height
    cloth = np.array([0.10, 0.10, 0.12])
    # The lamp's light caught on the edge of a sleeve, nearer the lamp than the wall.
    rim = np.array([0.85, 0.88, 0.90]) * 2.5

    def walker(canvas, t):
        x = -80 + 0.2 * (t - 300.0)  # px per ms: a slow step
        if -100 < x < w + 100:
            top = int(h * 0.2)
            cv2.rectangle(canvas, (int(x - 60), top), (int(x), h), cloth.tolist(), -1)
            cv2.line(canvas, (int(x), top + 10), (int(x), h), rim.tolist(), 2)
            # The arm reaches forward and down, its upper edge lit.
            a = math.radians(25 + 20 * math.sin(t / 300.0))
            ex, ey = int(x + 170 * math.cos(a)), int(h * 0.4 + 170 * math.sin(a))
            cv2.line(canvas, (int(x), int(h * 0.4)), (ex, ey), cloth.tolist(), 14)
            cv2.line(canvas, (int(x), int(h * 0.4) - 7), (ex, ey - 7), rim.tolist(), 1)
            # A cuff at the wrist catches a short lit stroke.
            cv2.line(canvas, (ex - 4, ey - 2), (ex + 3, ey + 4), rim.tolist(), 2)

    s.movers = [walker]
    # Shots before the person comes into the picture and after they have left it.
    for t in (150.0, 4300.0):
        x, y = in_ring(cx, cy, 0.0, r * 0.9)(rng)
        s.pulses.append(Pulse(t, 100.0, x, y, power=1.0))
    return s


SCENES = {f.__name__: f for f in (cartridge_red, cartridge_green_720p60, competition_red,
                                  competition_green_60, held, recoil, double, black_centre,
                                  flicker_50, flicker_60, auto_exposure, person, projector,
                                  weak_red, streak)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("out")
    parser.add_argument("scenes", nargs="*", default=list(SCENES))
    parser.add_argument("--seed", type=int, default=29)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    entries = []
    for k, name in enumerate(args.scenes):
        # Each scene draws from its own stream: leaving one out changes none of the others.
        rng = np.random.default_rng([args.seed, list(SCENES).index(name)])
        scene = SCENES[name](rng)
        writer = writer_for(args.out, scene)
        scene.render(writer)
        writer.release()
        required, optional = scene.expected()
        laser = scene.pulses[0].colour if scene.pulses else "red"
        entries.append({"video": scene.name + ".avi", "laser": laser, "required": required,
                        "optional": optional})
        shown = sum(1 for p in scene.pulses if p.shot)
        print(f"{scene.name}.avi: {scene.frames} frames at {scene.cam.fps:g} fps, "
              f"{scene.cam.width}x{scene.cam.height}, {len(required)} required, "
              f"{len(optional)} optional, {shown - len(required) - len(optional)} unseen")
    with open(os.path.join(args.out, "manifest.json"), "w") as f:
        json.dump({"tolerance_px": 3, "recordings": entries}, f, indent=1)


if __name__ == "__main__":
    main()
