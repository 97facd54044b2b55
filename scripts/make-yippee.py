#!/usr/bin/env python3
"""Writes data/program/yippee.wav: the short rising jingle the ticket check
plays for a row with a high hit class. Standard library only, so the sound
can be rebuilt anywhere: python3 scripts/make-yippee.py [output]"""

import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
# A major arpeggio rising to the octave, the last note held a little longer.
NOTES = [(523.25, 0.09), (659.25, 0.09), (783.99, 0.09), (1046.50, 0.30)]
VOLUME = 0.45


def note(freq, seconds):
    """One note: a sine with a soft second harmonic, quick attack, gentle decay."""
    count = int(RATE * seconds)
    attack = int(RATE * 0.008)
    samples = []
    for i in range(count):
        t = i / RATE
        envelope = min(1.0, i / attack) * math.exp(-3.5 * t / seconds)
        tail = min(1.0, (count - i) / attack)  # no click at the note's end
        value = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
        samples.append(VOLUME * envelope * tail * value / 1.3)
    return samples


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else (
        Path(__file__).resolve().parent.parent / "data" / "program" / "yippee.wav")
    samples = []
    for freq, seconds in NOTES:
        samples.extend(note(freq, seconds))
    out.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(out), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples))


if __name__ == "__main__":
    main()
