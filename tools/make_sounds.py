#!/usr/bin/env python3
"""Synthesises the four sounds of Zarvo チェス into assets/sounds/.

    python3 tools/make_sounds.py [output-folder]

  駒打音.wav  a piece set down on a wooden board
  禁止.wav    a soft low buzz for a refused move
  その他.wav  a two-tone chime for messages
  BGM.wav     a calm koto-like tune of eight bars that loops without a seam

Only the standard library is used; noise comes from a seeded generator, so
the files come out the same on every run.
"""

import math
import os
import random
import struct
import sys
import wave

TWO_PI = 2.0 * math.pi


def db_to_gain(db):
    return 10.0 ** (db / 20.0)


def write_wav(path, samples, rate):
    """16-bit mono PCM."""
    frames = bytearray()
    for s in samples:
        v = int(round(max(-1.0, min(1.0, s)) * 32767.0))
        frames += struct.pack("<h", v)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def normalise(samples, peak_db):
    peak = max(abs(s) for s in samples)
    gain = db_to_gain(peak_db) / peak
    return [s * gain for s in samples]


def remove_dc(samples):
    mean = sum(samples) / len(samples)
    return [s - mean for s in samples]


def fade_ends(samples, rate, fade_in_s, fade_out_s):
    """Raised-cosine fades so a sound starts and stops without a click."""
    out = list(samples)
    n_in = max(1, int(rate * fade_in_s))
    n_out = max(1, int(rate * fade_out_s))
    for i in range(min(n_in, len(out))):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(out))):
        out[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return out


class Resonator:
    """Two-pole band-pass resonance: a ringing mode of the board or piece."""

    def __init__(self, freq, decay_s, rate):
        r = math.exp(-1.0 / (decay_s * rate))
        self.a1 = -2.0 * r * math.cos(TWO_PI * freq / rate)
        self.a2 = r * r
        self.gain = 1.0 - r
        self.y1 = self.y2 = 0.0

    def step(self, x):
        y = self.gain * x - self.a1 * self.y1 - self.a2 * self.y2
        self.y2, self.y1 = self.y1, y
        return y


# ---------------------------------------------------------------------------
# Effects
# ---------------------------------------------------------------------------

def piece_click(rate=44100):
    """Hard wood on wood: a short noise tap ringing through a few modes."""
    rng = random.Random(20240611)
    n = int(rate * 0.15)
    modes = [  # frequency, decay, level
        (880.0, 0.030, 1.0),
        (1420.0, 0.020, 0.8),
        (2350.0, 0.012, 0.55),
        (3600.0, 0.006, 0.25),
        (210.0, 0.030, 0.35),   # the board itself, felt more than heard
    ]
    res = [(Resonator(f, d, rate), lvl) for f, d, lvl in modes]
    soften = math.exp(-TWO_PI * 6000.0 / rate)  # one-pole low-pass on the tap
    edge = 0.0
    out = []
    for i in range(n):
        t = i / rate
        tap = rng.uniform(-1, 1) * math.exp(-t / 0.0008) if t < 0.006 else 0.0
        edge = (1.0 - soften) * tap + soften * edge
        y = sum(r.step(tap) * lvl for r, lvl in res)
        y += 0.05 * edge  # the very edge of the contact
        out.append(y)
    out = remove_dc(out)
    out = fade_ends(out, rate, 0.0004, 0.04)
    return normalise(out, -3.0)


def refusal_buzz(rate=44100):
    """A low, rounded buzz: two slightly detuned voices with few harmonics."""
    n = int(rate * 0.3)
    harmonics = [(1, 1.0), (2, 0.45), (3, 0.22), (4, 0.08), (5, 0.04)]
    out = []
    for i in range(n):
        t = i / rate
        y = 0.0
        for f0, lvl in ((123.5, 1.0), (125.0, 0.8)):
            for k, a in harmonics:
                y += lvl * a * math.sin(TWO_PI * f0 * k * t)
        out.append(y)
    out = fade_ends(out, rate, 0.03, 0.12)
    return normalise(remove_dc(out), -3.0)


def message_chime(rate=44100):
    """Two bell notes a fourth apart, each with gently decaying partials."""
    n = int(rate * 0.8)
    partials = [(1.0, 1.0, 0.45), (2.0, 0.35, 0.22), (3.0, 0.14, 0.12), (4.2, 0.07, 0.07)]
    notes = [(0.0, 783.99, 0.9), (0.09, 1046.5, 1.0)]  # start, frequency, level
    out = [0.0] * n
    for start, f0, lvl in notes:
        s0 = int(start * rate)
        for i in range(n - s0):
            t = i / rate
            attack = min(1.0, t / 0.003)
            y = 0.0
            for ratio, a, decay in partials:
                y += a * math.exp(-t / decay) * math.sin(TWO_PI * f0 * ratio * t)
            out[s0 + i] += lvl * attack * y
    out = fade_ends(out, rate, 0.0005, 0.06)
    return normalise(remove_dc(out), -3.0)


# ---------------------------------------------------------------------------
# Background music
# ---------------------------------------------------------------------------

BGM_RATE = 22050
BPM = 70                     # 22050 * 60 / 70 = 18900 samples a beat
BEAT = BGM_RATE * 60 // BPM
EIGHTH = BEAT // 2
BAR = BEAT * 4
BARS = 8
LOOP = BAR * BARS            # 604800 samples, 27.4 s

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def freq(name):
    """'D4' -> Hz (A4 = 440)."""
    semis = NOTE_NAMES[name[0]] + 12 * (int(name[1:]) + 1)
    return 440.0 * 2.0 ** ((semis - 69) / 12.0)


# The tune keeps to the notes D E G A B (the bright "yo" scale).  Each bar is
# eight eighth notes: (note or None for a rest, length in eighths).
MELODY = [
    [("D5", 2), ("B4", 1), ("A4", 1), ("B4", 4)],
    [("E5", 2), ("D5", 1), ("B4", 1), ("A4", 2), ("G4", 2)],
    [("A4", 2), ("B4", 2), ("D5", 2), ("E5", 1), ("G5", 1)],
    [("E5", 6), (None, 2)],
    [("G5", 2), ("E5", 1), ("D5", 1), ("E5", 2), ("D5", 1), ("B4", 1)],
    [("A4", 2), ("B4", 1), ("A4", 1), ("G4", 2), ("E4", 2)],
    [("D4", 2), ("E4", 2), ("G4", 2), ("A4", 1), ("B4", 1)],
    [("A4", 6), (None, 2)],
]

# Low koto strings under the tune: root, fifth, octave, fifth on each beat.
ROOTS = ["D3", "G3", "E3", "A3", "G3", "E3", "D3", "A3"]

# Soft pad chords, one a bar (root, fifth, ninth).
PAD = [
    ("D3", "A3", "E4"), ("G3", "D4", "A4"), ("E3", "B3", "D4"), ("A3", "E4", "B4"),
    ("G3", "D4", "A4"), ("E3", "B3", "G4"), ("D3", "A3", "E4"), ("A3", "E4", "B4"),
]


def up_fifth(name):
    order = ["C", "D", "E", "F", "G", "A", "B"]
    idx = order.index(name[0]) + 4
    octave = int(name[1:]) + idx // 7
    return order[idx % 7] + str(octave)


def add_circular(buf, start, samples):
    """Adds a note into the loop; a tail running past the end wraps to the start."""
    n = len(buf)
    for i, s in enumerate(samples):
        buf[(start + i) % n] += s


def pluck(f0, level, length_s, rng):
    """A koto-like plucked string: bright attack, upper partials dying first."""
    n = int(BGM_RATE * length_s)
    partials = []
    for k in range(1, 9):
        f = f0 * k * (1.0 + 0.0004 * k * k)  # a touch of string stiffness
        if f > BGM_RATE * 0.45:
            break
        amp = abs(math.sin(math.pi * k * 0.18)) / k ** 0.9
        decay = 1.1 / (1.0 + 0.7 * (k - 1))
        partials.append((TWO_PI * f / BGM_RATE, amp, decay))
    out = [0.0] * n
    for w, amp, decay in partials:
        d = math.exp(-1.0 / (decay * BGM_RATE))
        c, s = math.cos(w), math.sin(w)
        re, im = 0.0, 1.0     # phasor rotated one step a sample
        env = amp
        for i in range(n):
            out[i] += env * im
            re, im = re * c - im * s, re * s + im * c
            env *= d
    # the pick: a few milliseconds of soft, low-passed noise at the start
    soften = math.exp(-TWO_PI * 3000.0 / BGM_RATE)
    noise = 0.0
    for i in range(int(BGM_RATE * 0.004)):
        noise = (1.0 - soften) * rng.uniform(-0.4, 0.4) + soften * noise
        out[i] += noise * (1.0 - i / (BGM_RATE * 0.004))
    # a short rise so the onset is firm but not clicky
    for i in range(int(BGM_RATE * 0.002)):
        out[i] *= i / (BGM_RATE * 0.002)
    # a gentle end to the tail
    tail = int(BGM_RATE * 0.2)
    for i in range(tail):
        out[-1 - i] *= i / tail
    return [x * level for x in out]


def pad_note(f0, level, length_samples):
    """Two slightly detuned soft tones with a slow swell and release."""
    attack = int(BGM_RATE * 0.9)
    release = int(BGM_RATE * 1.6)
    n = length_samples + release
    out = [0.0] * n
    for detune in (0.997, 1.003):
        w = TWO_PI * f0 * detune / BGM_RATE
        for i in range(n):
            ph = w * i
            out[i] += math.sin(ph) + 0.18 * math.sin(2 * ph)
    for i in range(n):
        if i < attack:
            g = 0.5 - 0.5 * math.cos(math.pi * i / attack)
        elif i < length_samples:
            g = 1.0
        else:
            g = 0.5 + 0.5 * math.cos(math.pi * (i - length_samples) / release)
        out[i] *= g * level
    return out


def echo_circular(buf, delay_samples, feedback, taps=6):
    """A soft feedback echo computed on the loop itself, so it wraps too."""
    n = len(buf)
    out = list(buf)
    g = 1.0
    for k in range(1, taps + 1):
        g *= feedback
        shift = (k * delay_samples) % n
        for i in range(n):
            out[i] += g * buf[i - shift]
    return out


def background_music():
    rng = random.Random(70)
    buf = [0.0] * LOOP

    for bar, notes in enumerate(MELODY):
        pos = bar * BAR
        for name, length in notes:
            if name is not None:
                level = 0.55 if length >= 2 else 0.45
                add_circular(buf, pos, pluck(freq(name), level, 2.2, rng))
            pos += length * EIGHTH

    for bar, root in enumerate(ROOTS):
        fifth = up_fifth(root)
        octave = root[0] + str(int(root[1:]) + 1)
        for beat, (name, level) in enumerate(((root, 0.32), (fifth, 0.2), (octave, 0.22), (fifth, 0.2))):
            add_circular(buf, bar * BAR + beat * BEAT, pluck(freq(name), level, 1.6, rng))

    for bar, chord in enumerate(PAD):
        for name in chord:
            add_circular(buf, bar * BAR, pad_note(freq(name), 0.045, BAR))

    buf = echo_circular(buf, EIGHTH * 3, 0.28, taps=5)
    buf = remove_dc(buf)
    return normalise(buf, -6.0)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "sounds")
    os.makedirs(out_dir, exist_ok=True)
    jobs = [
        ("駒打音.wav", piece_click, 44100),
        ("禁止.wav", refusal_buzz, 44100),
        ("その他.wav", message_chime, 44100),
        ("BGM.wav", background_music, BGM_RATE),
    ]
    for name, make, rate in jobs:
        samples = make()
        write_wav(os.path.join(out_dir, name), samples, rate)
        print("%-10s %6d samples  %.3f s" % (name, len(samples), len(samples) / rate))


if __name__ == "__main__":
    main()
