#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesizes the six game sounds in Gui/Snd as 16-bit mono 44.1 kHz WAV files."""

import math
import os
import random
import struct
import wave

RATE = 44100
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Gui", "Snd")


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def noise(rng, seconds):
    return [rng.uniform(-1.0, 1.0) for _ in range(int(round(seconds * RATE)))]


def mix_into(dest, src, at=0.0, gain=1.0):
    offset = int(round(at * RATE))
    for i, v in enumerate(src):
        if offset + i < len(dest):
            dest[offset + i] += gain * v


def decay(samples, tau, delay=0.0):
    """Exponential envelope; tau is the time for the level to fall to 1/e."""
    return [v * (1.0 if i < delay * RATE else math.exp(-(i / RATE - delay) / tau))
            for i, v in enumerate(samples)]


def biquad(samples, kind, freq, q):
    """Second-order filter from the well-known audio-EQ cookbook formulas."""
    w0 = 2.0 * math.pi * freq / RATE
    alpha = math.sin(w0) / (2.0 * q)
    cw = math.cos(w0)
    if kind == "lowpass":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
    elif kind == "highpass":
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
    else:  # band-pass with 0 dB peak gain
        b = [alpha, 0.0, -alpha]
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    b0, b1, b2 = (x / a0 for x in b)
    a1 /= a0
    a2 /= a0
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for x in samples:
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def sine(freq, seconds, phase=0.0):
    return [math.sin(phase + 2.0 * math.pi * freq * i / RATE)
            for i in range(int(round(seconds * RATE)))]


def saw(freq, seconds, top=9000.0):
    """Band-limited sawtooth by adding harmonics below `top`, so it does not alias."""
    n = int(round(seconds * RATE))
    harmonics = [k for k in range(1, int(top / freq) + 1)]
    out = [0.0] * n
    for k in harmonics:
        step = 2.0 * math.pi * freq * k / RATE
        g = 1.0 / k
        for i in range(n):
            out[i] += g * math.sin(step * i)
    return out


def fade(samples, fade_in, fade_out):
    """Short linear ramps at both ends so playback starts and stops without a pop."""
    n_in = max(1, int(fade_in * RATE))
    n_out = max(1, int(fade_out * RATE))
    out = list(samples)
    for i in range(min(n_in, len(out))):
        out[i] *= i / n_in
    for i in range(min(n_out, len(out))):
        out[-1 - i] *= i / n_out
    return out


def write(name, samples, peak):
    """Scales to the given peak (below full scale) and writes 16-bit PCM."""
    top = max(abs(v) for v in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(round(v / top * peak * 32767))) for v in samples)
    with wave.open(os.path.join(OUT_DIR, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def gunshot(rng):
    length = 0.9
    out = silence(length)
    # The crack: bright noise that dies within a few tens of milliseconds.
    crack = biquad(noise(rng, 0.12), "highpass", 1200.0, 0.7)
    mix_into(out, decay(crack, 0.012), gain=1.0)
    # The body: darker noise with a longer tail, like the room answering.
    body = biquad(noise(rng, length), "lowpass", 1800.0, 0.7)
    mix_into(out, decay(body, 0.09), gain=0.9)
    # The thump: a falling low sine.
    thump = []
    phase = 0.0
    for i in range(int(0.35 * RATE)):
        t = i / RATE
        freq = 45.0 + 95.0 * math.exp(-t / 0.04)
        phase += 2.0 * math.pi * freq / RATE
        thump.append(math.sin(phase) * math.exp(-t / 0.07))
    mix_into(out, thump, gain=1.1)
    out = [math.tanh(1.6 * v) for v in out]
    return fade(out, 0.0005, 0.05)


def target_hit(rng):
    length = 1.0
    out = silence(length)
    # A steel plate rings with inharmonic partials; the high ones die first.
    base = 780.0
    partials = [(1.0, 1.0, 0.45), (2.32, 0.7, 0.30), (4.25, 0.5, 0.18),
                (6.63, 0.35, 0.11), (9.38, 0.25, 0.07), (1.006, 0.5, 0.40)]
    for ratio, gain, tau in partials:
        mix_into(out, decay(sine(base * ratio, length, rng.uniform(0, math.pi)), tau), gain=gain)
    # The impact of the pellet on the plate.
    impact = biquad(noise(rng, 0.01), "highpass", 3000.0, 0.7)
    mix_into(out, decay(impact, 0.002), gain=1.5)
    return fade(out, 0.0005, 0.08)


def mechanical_click(rng, resonance, tau, gain_noise):
    click = silence(tau * 8)
    mix_into(click, decay(biquad(noise(rng, 0.02), "bandpass", resonance * 1.7, 1.5), 0.003),
             gain=gain_noise)
    mix_into(click, decay(sine(resonance, tau * 8), tau), gain=0.6)
    mix_into(click, decay(sine(resonance * 2.7, tau * 8), tau * 0.5), gain=0.3)
    return click


def reload(rng):
    out = silence(0.6)
    # Slide pulled back: a light click, a short scrape, then the heavy clack forward.
    mix_into(out, mechanical_click(rng, 2300.0, 0.010, 1.0), at=0.02)
    scrape = biquad(noise(rng, 0.16), "bandpass", 3500.0, 2.0)
    scrape = [v * math.sin(math.pi * i / len(scrape)) for i, v in enumerate(scrape)]
    mix_into(out, scrape, at=0.06, gain=0.15)
    mix_into(out, mechanical_click(rng, 1100.0, 0.022, 1.6), at=0.30)
    return fade(out, 0.001, 0.03)


def horn(rng):
    length = 0.8
    out = silence(length)
    # A detuned minor-third chord of sawtooths gives the harsh buzzer sound.
    for freq, gain in ((233.0, 1.0), (235.5, 0.6), (277.0, 0.8), (349.0, 0.5)):
        mix_into(out, saw(freq, length), gain=gain)
    out = [math.tanh(0.8 * v) for v in out]
    out = biquad(out, "lowpass", 5000.0, 0.7)
    return fade(out, 0.015, 0.06)


def peep(rng):
    tone = sine(2000.0, 0.25)
    mix_into(tone, sine(4000.0, 0.25), gain=0.04)
    return fade(tone, 0.004, 0.02)


def klick(rng):
    out = silence(0.1)
    mix_into(out, decay(biquad(noise(rng, 0.01), "highpass", 2500.0, 0.7), 0.0012), gain=1.0)
    mix_into(out, decay(sine(3800.0, 0.03), 0.003), gain=0.7)
    return fade(out, 0.0003, 0.01)


def main():
    rng = random.Random(20261205)
    os.makedirs(OUT_DIR, exist_ok=True)
    # Peaks differ on purpose: the buzzer is a sustained tone and sounds louder than its peak.
    write("Gunshot.wav", gunshot(rng), 0.89)
    write("TargetHit.wav", target_hit(rng), 0.80)
    write("Reload.wav", reload(rng), 0.70)
    write("Horn.wav", horn(rng), 0.70)
    write("Peep.wav", peep(rng), 0.50)
    write("Klick.wav", klick(rng), 0.60)


if __name__ == "__main__":
    main()
