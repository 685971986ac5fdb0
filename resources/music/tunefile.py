"""Reads the tune files in tunes/*.txt.

A tune file holds a few "name: value" header lines and two sections,
"melody:" and "chords:", written as whitespace-separated tokens:

    E4:q  F#4  Bb3:h.  r:e      notes (C4 is middle C) and rests
    Em:h  D7:q  G/D:h  C        chord symbols, optional /bass note
    |                           bar line

A duration is w h q e s (whole .. sixteenth), "." dots it and "+" ties two
values ("h+e"). A token without a duration reuses the previous one. A token
that starts with "#" begins a comment, so "F#4" is a note but "# F#" is not.

Bar lines are checked against the time signature (with the pickup as the
first bar and the rest of that bar at the end), which catches most slips
made while typing a tune in.
"""

import re
from dataclasses import dataclass, field

TICKS_PER_QUARTER = 480

_BASE_TICKS = {"w": 1920, "h": 960, "q": 480, "e": 240, "s": 120}
_PITCH_CLASS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
_CHORD_INTERVALS = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "dim": (0, 3, 6), "sus4": (0, 5, 7),
    "sus2": (0, 2, 7), "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9),
}
_NOTE_RE = re.compile(r"^([A-G])(#|b)?(-?\d)$")
_CHORD_RE = re.compile(r"^([A-G])(#|b)?(maj7|m7|m6|m|7|dim|sus4|sus2|6)?(?:/([A-G])(#|b)?)?$")


class TuneError(ValueError):
    pass


def duration_ticks(text):
    total = 0
    for part in text.split("+"):
        dots = len(part) - len(part.rstrip("."))
        base = part.rstrip(".")
        if base not in _BASE_TICKS or dots > 1:
            raise TuneError(f"bad duration {text!r}")
        total += _BASE_TICKS[base] * (3 if dots else 2) // 2
    return total


def _pitch_class(letter, accidental):
    return (_PITCH_CLASS[letter] + {"#": 1, "b": -1, None: 0}[accidental]) % 12


def parse_pitch(text):
    """'C4' -> 60. Returns None for a rest ('r')."""
    if text == "r":
        return None
    m = _NOTE_RE.match(text)
    if not m:
        raise TuneError(f"bad note {text!r}")
    letter, accidental, octave = m.groups()
    semitone = _PITCH_CLASS[letter] + {"#": 1, "b": -1, None: 0}[accidental]
    return 12 * (int(octave) + 1) + semitone


@dataclass(frozen=True)
class Chord:
    root: int          # pitch class 0..11
    tones: tuple       # pitch classes, root first
    bass: int          # pitch class the bass should play

    def transposed(self, semitones):
        return Chord((self.root + semitones) % 12,
                     tuple((t + semitones) % 12 for t in self.tones),
                     (self.bass + semitones) % 12)


def parse_chord(text):
    m = _CHORD_RE.match(text)
    if not m:
        raise TuneError(f"bad chord {text!r}")
    letter, accidental, quality, bass_letter, bass_accidental = m.groups()
    root = _pitch_class(letter, accidental)
    tones = tuple((root + i) % 12 for i in _CHORD_INTERVALS[quality or ""])
    bass = _pitch_class(bass_letter, bass_accidental) if bass_letter else root
    return Chord(root, tones, bass)


@dataclass
class Tune:
    name: str
    title: str
    origin: str
    meter: tuple             # (numerator, denominator)
    tonic: int               # pitch class
    minor: bool
    pickup: int              # ticks before the first full bar
    melody: list = field(default_factory=list)   # (start, ticks, midi key or None)
    chords: list = field(default_factory=list)   # (start, ticks, Chord)

    @property
    def bar_ticks(self):
        num, den = self.meter
        return num * TICKS_PER_QUARTER * 4 // den

    @property
    def beat_ticks(self):
        """Counting beat: a quarter, or a dotted quarter in compound time."""
        num, den = self.meter
        if den == 8 and num % 3 == 0:
            return TICKS_PER_QUARTER * 3 // 2
        return TICKS_PER_QUARTER * 4 // den

    @property
    def length(self):
        return sum(t for _, t, _ in self.melody)

    @property
    def scale(self):
        steps = (0, 2, 3, 5, 7, 8, 10) if self.minor else (0, 2, 4, 5, 7, 9, 11)
        return frozenset((self.tonic + s) % 12 for s in steps)


def _tokens(lines):
    for line in lines:
        for token in line.split():
            if token.startswith("#"):
                break
            yield token


def _parse_events(name, section, tokens, parse_item, bar, pickup):
    """Turns tokens into (start, ticks, item) and checks every bar's length."""
    events, bars, current = [], [], 0
    last_duration = None
    t = 0
    for token in tokens:
        if token == "|":
            bars.append(current)
            current = 0
            continue
        item_text, _, dur_text = token.partition(":")
        if dur_text:
            last_duration = duration_ticks(dur_text)
        elif last_duration is None:
            raise TuneError(f"{name} {section}: {token!r} needs a duration")
        try:
            item = parse_item(item_text)
        except TuneError as err:
            raise TuneError(f"{name} {section}: {err}") from None
        events.append((t, last_duration, item))
        t += last_duration
        current += last_duration
    if current:
        bars.append(current)
    for index, ticks in enumerate(bars):
        if index == 0 and pickup:
            expected = pickup
        elif index == len(bars) - 1 and pickup:
            expected = bar - pickup
        else:
            expected = bar
        if ticks != expected:
            raise TuneError(f"{name} {section}: bar {index + 1} lasts {ticks} ticks, "
                            f"expected {expected}")
    return events


def load(path, name):
    header, sections, current = {}, {}, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            stripped = line.strip()
            if not stripped or stripped.startswith("#"):
                continue
            if stripped in ("melody:", "chords:"):
                current = stripped[:-1]
                sections[current] = []
            elif current is None:
                key, _, value = stripped.partition(":")
                header[key.strip()] = value.strip()
            else:
                sections[current].append(line)
    for key in ("title", "origin", "time", "key"):
        if key not in header:
            raise TuneError(f"{name}: missing '{key}:' line")
    if set(sections) != {"melody", "chords"}:
        raise TuneError(f"{name}: needs a melody: and a chords: section")

    num, den = (int(x) for x in header["time"].split("/"))
    key = header["key"]
    minor = key.endswith("m")
    tonic_name = key[:-1] if minor else key
    m = re.match(r"^([A-G])(#|b)?$", tonic_name)
    if not m:
        raise TuneError(f"{name}: bad key {key!r}")
    pickup = duration_ticks(header["pickup"]) if "pickup" in header else 0
    tune = Tune(name, header["title"], header["origin"], (num, den),
                _pitch_class(*m.groups()), minor, pickup)

    tune.melody = _parse_events(name, "melody", _tokens(sections["melody"]),
                                parse_pitch, tune.bar_ticks, pickup)
    tune.chords = _parse_events(name, "chords", _tokens(sections["chords"]),
                                parse_chord, tune.bar_ticks, pickup)
    chord_length = sum(t for _, t, _ in tune.chords)
    if chord_length != tune.length:
        raise TuneError(f"{name}: chords last {chord_length} ticks, melody {tune.length}")
    if tune.length % tune.bar_ticks:
        raise TuneError(f"{name}: pickup and last bar don't add up to a whole bar")
    return tune
