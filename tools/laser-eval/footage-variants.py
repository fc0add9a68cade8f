#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes altered copies of a footage manifest's recordings, for checking that shot detection
holds beyond the recordings it was developed on.

Each variant gets its own folder with the altered videos (Motion JPEG at quality 95, so that
little compression is added) and a manifest whose expected centres follow the change, ready for
laser-eval:

    tools/laser-eval/footage-variants.py ../shared/footage/manifest.json /tmp/variants \
        --two-frame-pulses tools/laser-eval/two-frame-pulses.json
    build/bin/laser-eval --two-frame-pulses /tmp/variants/hflip/two-frame-pulses.json \
        /tmp/variants/hflip/manifest.json

Variants:
    copy     unchanged pictures: what re-encoding alone does
    hflip    mirrored left to right          vflip    upside down
    dark80   every level at 80 %, as a camera whose white stays at 204
    gamma07  mid-tones brighter              gamma14  mid-tones darker
    noise4   sensor noise, sigma 4 levels per channel
    s1280    scaled to 1280 x 720        s1920    scaled to 1920 x 1080
    s320     scaled to 320 x 240: each axis on its own, as cameras that offer no 640 x 480 mode
             (laser-eval asks for 640 x 480, as the program does, so the library scales back)

laser-eval --variant NAME makes the same changes in memory while it reads the recordings (no
re-encoding, nothing written), which is how the footage tests run them; this script is for
looking at the altered videos or checking what Motion JPEG compression adds.

Needs python3-opencv and python3-numpy.
"""

import argparse
import json
import os
import sys

import cv2
import numpy as np

VARIANTS = ("copy", "hflip", "vflip", "dark80", "gamma07", "gamma14", "noise4",
            "s1280", "s1920", "s320")
SIZES = {"s1280": (1280, 720), "s1920": (1920, 1080), "s320": (320, 240)}


def gamma_table(gamma):
    levels = np.arange(256) / 255.0
    return np.clip(levels ** gamma * 255.0 + 0.5, 0, 255).astype(np.uint8)


def picture_change(variant, rng):
    """The change of one BGR picture."""
    if variant == "hflip":
        return lambda f: f[:, ::-1]
    if variant == "vflip":
        return lambda f: f[::-1]
    if variant == "dark80":
        return lambda f: (f.astype(np.uint16) * 205 >> 8).astype(np.uint8)
    if variant in ("gamma07", "gamma14"):
        table = gamma_table(0.7 if variant == "gamma07" else 1.4)
        return lambda f: cv2.LUT(f, table)
    if variant in SIZES:
        size = SIZES[variant]
        return lambda f: cv2.resize(f, size, interpolation=cv2.INTER_AREA if size[0] < f.shape[1]
                                    else cv2.INTER_LINEAR)
    if variant == "noise4":
        return lambda f: np.clip(f + rng.normal(0.0, 4.0, f.shape), 0, 255).astype(np.uint8)
    return lambda f: f


def point_change(variant, width, height, source_width, source_height):
    """Where an expected centre lies after the change (pixel indices, as in the manifest)."""
    if variant in SIZES:
        # Pixel i spans [i, i + 1) and scales with the picture; its centre i + 0.5 follows.
        sx, sy = width / source_width, height / source_height
        return lambda p: [round((p[0] + 0.5) * sx - 0.5, 2), round((p[1] + 0.5) * sy - 0.5, 2)]
    if variant == "hflip":
        return lambda p: [width - 1 - p[0], p[1]]
    if variant == "vflip":
        return lambda p: [p[0], height - 1 - p[1]]
    return lambda p: [p[0], p[1]]


def write_two_frame_pulses(path, out_dir, recordings, moves):
    """The two-frame pulses of the one recording they were measured on, moved with it."""
    with open(path) as f:
        pulses = json.load(f)
    for rec in recordings:
        if rec["source"] == pulses["video"]:
            moved = moves[rec["video"]]
            pulses = dict(pulses, video=rec["video"],
                          pulses=[dict(p, centres=[moved(c) for c in p["centres"]])
                                  for p in pulses["pulses"]])
            with open(os.path.join(out_dir, "two-frame-pulses.json"), "w") as f:
                json.dump(pulses, f, indent=1)
            return


def write_variant(manifest_path, out_root, variant, two_frame_pulses=None, keep=False):
    out_dir = os.path.join(out_root, variant)
    if keep and os.path.exists(os.path.join(out_dir, "manifest.json")):
        print(f"{variant}: kept {out_dir}")
        return
    with open(manifest_path) as f:
        manifest = json.load(f)
    source_dir = os.path.dirname(os.path.abspath(manifest_path))
    os.makedirs(out_dir, exist_ok=True)
    rng = np.random.default_rng(1)  # the same noise on every run
    change = picture_change(variant, rng)
    recordings = []
    moves = {}
    sources = []
    for rec in manifest["recordings"]:
        capture = cv2.VideoCapture(os.path.join(source_dir, rec["video"]))
        if not capture.isOpened():
            print(f"cannot read {rec['video']}", file=sys.stderr)
            continue
        fps = capture.get(cv2.CAP_PROP_FPS) or 30.0
        name = os.path.splitext(rec["video"])[0] + ".avi"
        writer = None
        width = height = source_width = source_height = 0
        while True:
            ok, frame = capture.read()
            if not ok:
                break
            source_height, source_width = frame.shape[:2]
            picture = np.ascontiguousarray(change(frame))
            if writer is None:
                height, width = picture.shape[:2]
                writer = cv2.VideoWriter(os.path.join(out_dir, name),
                                         cv2.VideoWriter_fourcc(*"MJPG"), fps, (width, height))
                writer.set(cv2.VIDEOWRITER_PROP_QUALITY, 95)
            writer.write(picture)
        if writer is None:
            continue
        writer.release()
        moved = point_change(variant, width, height, source_width, source_height)
        moves[name] = moved
        changed = dict(rec, video=name)
        changed["required"] = [moved(p) for p in rec.get("required", [])]
        changed["optional"] = [moved(p) for p in rec.get("optional", [])]
        recordings.append(changed)
        sources.append(dict(video=name, source=rec["video"]))
    changed_manifest = dict(manifest, recordings=recordings)
    if variant in SIZES and recordings:
        # The tolerance grows with the pixels: the same distance on the wall as before.
        tolerance = manifest.get("tolerance_px", 3)
        changed_manifest["tolerance_px"] = [round(tolerance * width / source_width, 3),
                                            round(tolerance * height / source_height, 3)]
    if two_frame_pulses:
        write_two_frame_pulses(two_frame_pulses, out_dir, sources, moves)
    # The manifest last: a folder with one is complete.
    with open(os.path.join(out_dir, "manifest.json"), "w") as f:
        json.dump(changed_manifest, f, indent=1)
    print(f"{variant}: {len(recordings)} recordings in {out_dir}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("manifest")
    parser.add_argument("out")
    parser.add_argument("variants", nargs="*", default=list(VARIANTS),
                        help="any of: " + " ".join(VARIANTS))
    parser.add_argument("--two-frame-pulses", metavar="FILE",
                        help="also move this list of two-frame pulses with its recording")
    parser.add_argument("--keep", action="store_true",
                        help="leave variants that were written before as they are")
    parser.add_argument("--skip-missing", action="store_true",
                        help="exit 77 (skipped) when the manifest does not exist")
    args = parser.parse_args()
    if args.skip_missing and not os.path.exists(args.manifest):
        print(f"no footage at {args.manifest}: skipped")
        sys.exit(77)
    for variant in args.variants:
        if variant not in VARIANTS:
            parser.error(f"unknown variant {variant}")
        write_variant(args.manifest, args.out, variant, args.two_frame_pulses, args.keep)


if __name__ == "__main__":
    main()
