#!/usr/bin/env python3
"""Synthesises the program's two sounds.

select_click.wav  a short, crisp click for an accepted corner or mark (7,559 samples)
shutter.wav       a camera shutter for every save: two mechanical clacks in a small room (30,431 samples)

Both are PCM, mono, 48,000 samples per second, 16 bits per sample, each exactly as long as given above.
The noise comes from a seeded generator, so every run writes the same files.

Usage: make_sounds.py [--out DIR]   (default: the resources folder above this script)
"""

import argparse
import math
import os
import struct
import wave

RATE = 48000
CLICK_SAMPLES = 7559
SHUTTER_SAMPLES = 30431
PEAK = 0.70  # about -3 dB below full scale


class Noise:
    """White noise in -1..1 from a 32-bit xorshift generator (repeatable across platforms)."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x / 2147483648.0 - 1.0


class BandPass:
    """A two-pole band-pass filter with unit gain at its centre frequency."""

    def __init__(self, freq, q):
        w = 2.0 * math.pi * freq / RATE
        alpha = math.sin(w) / (2.0 * q)
        a0 = 1.0 + alpha
        self.b0, self.b2 = alpha / a0, -alpha / a0
        self.a1, self.a2 = -2.0 * math.cos(w) / a0, (1.0 - alpha) / a0
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def __call__(self, x):
        y = self.b0 * x + self.b2 * self.x2 - self.a1 * self.y1 - self.a2 * self.y2
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def high_pass(samples, freq):
    """One-pole high-pass: removes any offset and rumble below `freq`."""
    k = math.exp(-2.0 * math.pi * freq / RATE)
    out, prev_x, prev_y = [], 0.0, 0.0
    for x in samples:
        prev_y = k * (prev_y + x - prev_x)
        prev_x = x
        out.append(prev_y)
    return out


def add_ring(buf, start, freq, tau, amp, phase=0.0):
    """A damped sine: the ringing of a small metal part after it is struck."""
    first = int(start * RATE)
    for n in range(first, len(buf)):
        t = (n - first) / RATE
        env = math.exp(-t / tau)
        if env < 1e-4:
            break
        buf[n] += amp * env * math.sin(2.0 * math.pi * freq * t + phase)


def add_burst(buf, start, tau, amp, bands, noise, attack=0.0002):
    """Noise with a sharp attack and exponential decay, shaped by a few band-pass filters in parallel."""
    filters = [(BandPass(f, q), g) for f, q, g in bands]
    first = int(start * RATE)
    for n in range(first, len(buf)):
        t = (n - first) / RATE
        env = (1.0 - math.exp(-t / attack)) * math.exp(-t / tau)
        if t > attack * 10 and env < 1e-4:
            break
        x = noise.next()
        buf[n] += amp * env * sum(g * f(x) for f, g in filters)


def room(samples, wet):
    """A small, damped room (parallel combs into series all-passes) so the shutter does not sound dry."""
    combs = [(1557, 0.62), (1617, 0.60), (1491, 0.63), (1422, 0.61)]
    out = [0.0] * len(samples)
    for delay, feedback in combs:
        line = [0.0] * delay
        damp, i = 0.0, 0
        for n, x in enumerate(samples):
            y = line[i]
            damp = 0.55 * damp + 0.45 * y  # high frequencies die first
            line[i] = x + feedback * damp
            i = (i + 1) % delay
            out[n] += y / len(combs)
    for delay in (225, 556):
        line = [0.0] * delay
        i = 0
        for n in range(len(out)):
            buffered = line[i]
            x = out[n]
            line[i] = x + 0.5 * buffered
            out[n] = buffered - 0.5 * line[i]
            i = (i + 1) % delay
    return [x + wet * y for x, y in zip(samples, out)]


def finish(samples, fade_seconds):
    """Normalise to PEAK and fade the end to silence so that playback stops without a click."""
    samples = high_pass(samples, 30.0)
    peak = max(abs(s) for s in samples)
    samples = [s * PEAK / peak for s in samples]
    fade = int(fade_seconds * RATE)
    for i in range(fade):
        g = i / fade
        samples[len(samples) - 1 - i] *= g * g
    return samples


def click():
    buf = [0.0] * CLICK_SAMPLES
    noise = Noise(0x5E1EC7)
    start = 0.001
    add_burst(buf, start, 0.0007, 1.0, [(5200.0, 1.2, 1.0), (9000.0, 2.0, 0.5)], noise)
    add_ring(buf, start, 3150.0, 0.0032, 0.55)
    add_ring(buf, start, 5400.0, 0.0016, 0.35, 0.7)
    add_ring(buf, start, 1250.0, 0.0070, 0.22, 1.3)
    add_ring(buf, start, 190.0, 0.0090, 0.18)  # the body of the switch
    return finish(buf, 0.020)


def clack(buf, start, amp, pitch, noise):
    """One mechanical clack: a bright noise strike, a few resonating parts and a dull thump."""
    add_burst(buf, start, 0.0045, amp, [(2600.0 * pitch, 1.1, 1.0), (5800.0 * pitch, 1.6, 0.6),
                                        (900.0 * pitch, 1.4, 0.5)], noise)
    add_ring(buf, start, 1180.0 * pitch, 0.009, 0.30 * amp)
    add_ring(buf, start, 2470.0 * pitch, 0.006, 0.22 * amp, 0.9)
    add_ring(buf, start, 3830.0 * pitch, 0.004, 0.15 * amp, 2.1)
    add_ring(buf, start, 118.0, 0.016, 0.35 * amp)


def shutter():
    buf = [0.0] * SHUTTER_SAMPLES
    noise = Noise(0xCA3E7A)
    clack(buf, 0.012, 1.0, 1.0, noise)  # the mirror and first curtain
    # The mechanism running between the two curtains: a soft rustle that fades.
    add_burst(buf, 0.014, 0.045, 0.10, [(1800.0, 0.8, 1.0), (4200.0, 1.5, 0.5)], noise, attack=0.006)
    add_ring(buf, 0.016, 4350.0, 0.030, 0.025)  # a spring
    clack(buf, 0.148, 0.85, 0.92, noise)  # the second curtain and the mirror coming back
    clack(buf, 0.171, 0.28, 1.08, noise)  # the mirror's small rebound
    return finish(room(buf, 0.35), 0.080)


def write_wav(path, samples, expected):
    if len(samples) != expected:
        raise AssertionError(f"{path}: {len(samples)} samples, expected {expected}")
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767.0))))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)
    with wave.open(path, "rb") as r:
        if (r.getnchannels(), r.getsampwidth(), r.getframerate(), r.getnframes()) != (1, 2, RATE, expected):
            raise AssertionError(f"{path}: wrong format after writing")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Synthesise the click and shutter sounds.")
    parser.add_argument("--out", default=os.path.dirname(here))
    args = parser.parse_args()
    write_wav(os.path.join(args.out, "select_click.wav"), click(), CLICK_SAMPLES)
    write_wav(os.path.join(args.out, "shutter.wav"), shutter(), SHUTTER_SAMPLES)
    print("wrote select_click.wav and shutter.wav")


if __name__ == "__main__":
    main()
