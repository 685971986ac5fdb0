#!/usr/bin/env python3
"""Writes the ten screen-saver songs, resources/music/ravlo1.mid ... ravlo10.mid.

Each tune is in tunes/<name>.txt (melody and chord symbols only). This script
arranges it for General MIDI: bass, harmony and, on later verses, a
counter-melody and light percussion, with a new instrument or key on each
pass through the tune and a slowing, held final chord. The result is written
as format-1 Standard MIDI Files by smf.py.

The output is deterministic, so regenerating unchanged inputs gives
byte-identical files. The .mid files are committed and the build never runs
this script.

    /usr/bin/python3 resources/music/make_songs.py            # rewrite the files
    /usr/bin/python3 resources/music/make_songs.py --check    # exit 1 if any is stale
"""

import argparse
import os
import sys
from dataclasses import dataclass

sys.dont_write_bytecode = True      # no __pycache__ left in the source tree
import smf  # noqa: E402
import tunefile  # noqa: E402
from tunefile import TICKS_PER_QUARTER as QUARTER  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))

# General MIDI program numbers (zero-based).
GM = {
    "piano": 0, "celesta": 8, "glockenspiel": 9, "music_box": 10, "vibraphone": 11,
    "tubular_bells": 14, "church_organ": 19, "accordion": 21, "nylon_guitar": 24,
    "steel_guitar": 25, "acoustic_bass": 32, "violin": 40, "viola": 41, "cello": 42,
    "contrabass": 43, "pizzicato": 45, "harp": 46, "strings": 48, "slow_strings": 49,
    "choir": 52, "voice_oohs": 53, "trumpet": 56, "trombone": 57, "tuba": 58,
    "french_horn": 60, "brass": 61, "oboe": 68, "clarinet": 71, "flute": 73,
    "recorder": 74,
}

# GM percussion keys (channel 10).
OPEN_TRIANGLE, JINGLE_BELL, TAMBOURINE = 81, 83, 54

MELODY, HARMONY, BASS, COUNTER, DRUMS = 0, 1, 2, 3, 9

# Volume (CC7) and pan (CC10) per channel. Dynamics come from note velocities,
# so these stay fixed for a whole song.
MIX = {MELODY: (110, 64), HARMONY: (88, 46), BASS: (100, 60), COUNTER: (92, 84), DRUMS: (80, 72)}

# Registers: harmony voicings sit below the tune, the bass around the
# octave below middle C's bass clef (D2-G3), starting near A2.
PAD_RANGE = (53, 72)
ARP_RANGE = (48, 64)
BASS_RANGE = (38, 55)
BASS_START = 45
COUNTER_BELOW = (55, 69)
DESCANT_ABOVE = (72, 86)

# The final chord is held for one more bar while the tempo falls to this
# fraction; the ritardando runs over the two bars before it.
RIT_BARS = 2
RIT_TO = 0.78
FINAL_TEMPO = 0.70
FADE_TO = 60               # expression reached as the final chord is released
TAIL_TICKS = 2 * QUARTER   # silence after the last note so the reverb can ring out


@dataclass(frozen=True)
class Part:
    instrument: str         # GM name, unused for drums
    style: str = ""         # how the part is played, see the render functions
    velocity: int = 80


@dataclass(frozen=True)
class Pass:
    """One time through the tune."""
    melody: Part
    harmony: Part
    bass: Part
    counter: Part = None
    drums: Part = None
    transpose: int = 0


@dataclass(frozen=True)
class Song:
    file: str
    tune: str
    bpm: float              # quarter notes per minute
    passes: tuple
    reverb: int = 50        # CC91 on every channel
    chorus: int = 0         # CC93


def P(instrument, style="", velocity=80):
    return Part(instrument, style, velocity)


def D(style, velocity=60):
    return Part("", style, velocity)


SONGS = (
    Song("ravlo1.mid", "god_rest_ye", 112, reverb=60, passes=(
        Pass(P("oboe", "", 86), P("strings", "pad", 56), P("cello", "root5", 72)),
        Pass(P("french_horn", "", 92), P("strings", "pad", 58), P("pizzicato", "beat", 74),
             counter=P("flute", "descant", 64)),
        Pass(P("trumpet", "", 84), P("strings", "pad", 60), P("contrabass", "root5", 76),
             counter=P("french_horn", "line", 66), transpose=2),
    )),
    Song("ravlo2.mid", "greensleeves", 72, reverb=55, passes=(
        Pass(P("recorder", "", 86), P("nylon_guitar", "arp", 64), P("cello", "hold", 58)),
        Pass(P("flute", "", 86), P("harp", "arp", 66), P("cello", "root5", 62),
             counter=P("viola", "line", 60)),
        Pass(P("violin", "", 84), P("nylon_guitar", "arp", 64), P("cello", "root5", 62),
             counter=P("recorder", "descant", 54)),
    )),
    Song("ravlo3.mid", "good_king_wenceslas", 116, reverb=45, passes=(
        Pass(P("trumpet", "", 84), P("brass", "pad", 50), P("tuba", "root5", 76)),
        Pass(P("trumpet", "", 86), P("brass", "pad", 52), P("tuba", "root5", 78),
             counter=P("glockenspiel", "octave", 58), drums=D("bells+triangle", 62)),
        Pass(P("french_horn", "", 90), P("brass", "pad", 50), P("tuba", "root5", 76),
             counter=P("trumpet", "descant", 62), drums=D("sleigh+triangle", 64), transpose=2),
    )),
    Song("ravlo4.mid", "deck_the_halls", 126, reverb=35, passes=(
        Pass(P("piano", "", 100), P("piano", "oompah", 70), P("acoustic_bass", "root5", 86)),
        Pass(P("vibraphone", "", 92), P("piano", "oompah", 70), P("acoustic_bass", "root5", 86),
             counter=P("clarinet", "line", 62), drums=D("sleigh", 54)),
        Pass(P("piano", "", 104), P("piano", "oompah", 72), P("acoustic_bass", "beat", 88),
             counter=P("glockenspiel", "octave", 52), drums=D("sleigh+tambourine", 58),
             transpose=2),
    )),
    Song("ravlo5.mid", "o_come_emmanuel", 76, reverb=90, chorus=20, passes=(
        Pass(P("choir", "", 86), P("church_organ", "pad", 46), P("church_organ", "hold", 58)),
        Pass(P("flute", "", 90), P("church_organ", "pad", 48), P("church_organ", "hold", 60),
             counter=P("voice_oohs", "line", 66)),
    )),
    Song("ravlo6.mid", "we_wish_you", 138, reverb=40, passes=(
        Pass(P("music_box", "", 96), P("pizzicato", "waltz", 60), P("acoustic_bass", "waltz", 74)),
        Pass(P("glockenspiel", "", 80), P("pizzicato", "waltz", 62), P("acoustic_bass", "waltz", 76),
             drums=D("bells", 52)),
        Pass(P("celesta", "", 96), P("pizzicato", "waltz", 62), P("acoustic_bass", "waltz", 76),
             counter=P("flute", "descant", 56), drums=D("sleigh+triangle", 54), transpose=1),
        Pass(P("clarinet", "", 88), P("pizzicato", "waltz", 64), P("acoustic_bass", "waltz", 78),
             counter=P("celesta", "octave", 60), drums=D("sleigh+triangle", 58), transpose=1),
    )),
    Song("ravlo7.mid", "first_nowell", 96, reverb=70, passes=(
        Pass(P("choir", "", 84), P("harp", "arp", 64), P("contrabass", "hold", 62)),
        Pass(P("flute", "", 90), P("harp", "arp", 66), P("cello", "root5", 64),
             counter=P("voice_oohs", "descant", 56), transpose=2),
    )),
    Song("ravlo8.mid", "angels_we_have_heard", 100, reverb=70, passes=(
        Pass(P("flute", "", 88), P("slow_strings", "pad", 58), P("cello", "hold", 64),
             drums=D("triangle", 44)),
        Pass(P("choir", "", 88), P("slow_strings", "pad", 60), P("contrabass", "root5", 70),
             counter=P("trumpet", "descant", 56), drums=D("triangle", 50)),
    )),
    Song("ravlo9.mid", "o_tannenbaum", 96, reverb=40, chorus=15, passes=(
        Pass(P("clarinet", "", 84), P("steel_guitar", "waltz", 60), P("acoustic_bass", "waltz", 74)),
        Pass(P("accordion", "", 92), P("steel_guitar", "waltz", 62), P("acoustic_bass", "waltz", 76),
             counter=P("clarinet", "line", 58)),
        Pass(P("flute", "", 88), P("steel_guitar", "strum", 56), P("acoustic_bass", "waltz", 76),
             counter=P("clarinet", "line", 60), drums=D("triangle", 46)),
    )),
    Song("ravlo10.mid", "adeste_fideles", 92, reverb=75, passes=(
        Pass(P("piano", "", 104), P("piano", "arp", 74), P("piano", "hold", 84)),
        Pass(P("choir", "", 88), P("strings", "pad", 60), P("contrabass", "root5", 72),
             counter=P("trumpet", "descant", 58), transpose=1),
    )),
)

MAJOR_KEY_SHARPS = {0: 0, 7: 1, 2: 2, 9: 3, 4: 4, 11: 5, 6: 6, 5: -1, 10: -2, 3: -3, 8: -4, 1: -5}


# --- laying out the passes --------------------------------------------------

@dataclass
class Span:
    start: int
    ticks: int
    chord: tunefile.Chord
    pass_index: int
    final: bool = False

    @property
    def end(self):
        return self.start + self.ticks


@dataclass
class Note:
    start: int
    ticks: int
    key: int
    pass_index: int

    @property
    def end(self):
        return self.start + self.ticks


class Layout:
    """The whole song on one time line: every pass's melody and chords,
    modulation links between passes in different keys, and the ending."""

    def __init__(self, song, tune):
        self.song, self.tune = song, tune
        self.bar, self.beat, self.pickup = tune.bar_ticks, tune.beat_ticks, tune.pickup
        self.pass_ticks = tune.length
        self.melody, self.spans = [], []
        for i, p in enumerate(song.passes):
            offset = i * self.pass_ticks
            self.melody += [Note(offset + s, t, k + p.transpose, i)
                            for s, t, k in tune.melody if k is not None]
            self.spans += [Span(offset + s, t, c.transposed(p.transpose), i)
                           for s, t, c in tune.chords]
        for i in range(1, len(song.passes)):
            if song.passes[i].transpose != song.passes[i - 1].transpose:
                self._modulate(i)
        self._add_ending()

    def _modulate(self, i):
        # The last beat before the new pass becomes the new key's dominant
        # seventh, so the key change is prepared rather than a jolt.
        boundary = i * self.pass_ticks
        link_start = boundary - self.beat
        root = (self.tune.tonic + 7 + self.song.passes[i].transpose) % 12
        dominant = tunefile.Chord(root, tuple((root + x) % 12 for x in (0, 4, 7, 10)), root)
        spans = []
        for s in self.spans:
            if s.end <= link_start or s.start >= boundary:
                spans.append(s)
            elif s.start < link_start:
                spans.append(Span(s.start, link_start - s.start, s.chord, s.pass_index))
        spans.append(Span(link_start, self.beat, dominant, i - 1))
        self.spans = sorted(spans, key=lambda s: s.start)
        melody = []
        for n in self.melody:
            if n.end <= link_start or n.start >= boundary:
                melody.append(n)
            elif n.start < link_start:
                melody.append(Note(n.start, link_start - n.start, n.key, n.pass_index))
        self.melody = melody

    def _add_ending(self):
        last = self.spans[-1]
        self.end = len(self.song.passes) * self.pass_ticks + self.bar
        self.spans[-1] = Span(last.start, self.end - last.start, last.chord, last.pass_index, True)
        final_note = self.melody[-1]
        final_note.ticks = self.end - final_note.start
        self.final_start = last.start

    def bar_position(self, tick):
        return (tick - self.pickup) % self.bar

    def bar_lines(self, start, end):
        first = start + (-self.bar_position(start)) % self.bar
        return range(first, end, self.bar)

    def melody_between(self, start, end):
        return [n for n in self.melody if n.start < end and n.end > start]


# --- rendering the parts ----------------------------------------------------

def accent(layout, tick):
    position = layout.bar_position(tick)
    if position == 0:
        return 6
    return 2 if position % layout.beat == 0 else -3


def clamp(velocity):
    return max(1, min(127, int(velocity)))


def render_melody(layout, track):
    for n in layout.melody:
        part = layout.song.passes[n.pass_index].melody
        # Leave a small breath between notes, more for short ones, so repeated
        # notes re-articulate; the held last note gets none.
        gap = 0 if n.end == layout.end else min(40, n.ticks // 6)
        lift = (n.key - 67) // 2     # higher notes of a phrase sing out a little
        track.note(n.start, n.ticks - gap, MELODY, n.key,
                   clamp(part.velocity + accent(layout, n.start) + lift))


def close_voicings(tones, low, high):
    """Every close-position voicing of the chord that fits in [low, high]."""
    result = []
    for inversion in range(len(tones)):
        order = tones[inversion:] + tones[:inversion]
        for base in range(low, low + 12):
            if base % 12 != order[0]:
                continue
            voicing = [base]
            for pc in order[1:]:
                key = voicing[-1] + 1
                while key % 12 != pc:
                    key += 1
                voicing.append(key)
            if voicing[-1] <= high:
                result.append(tuple(voicing))
    return result


def lead_voices(tones, previous, low, high):
    """The voicing nearest the previous one, so chord changes move smoothly."""
    def distance(v):
        if previous is None:
            return abs(sum(v) / len(v) - (low + high) / 2)
        return (sum(min(abs(a - b) for b in previous) for a in v)
                + sum(min(abs(a - b) for a in v) for b in previous))
    return min(close_voicings(list(tones), low, high), key=lambda v: (distance(v), v))


def strikes(layout, span, positions):
    """Ticks inside the span whose position in the bar is listed, plus the span start."""
    ticks = {span.start}
    for bar_line in layout.bar_lines(span.start - layout.bar, span.end):
        ticks.update(bar_line + p for p in positions if span.start <= bar_line + p < span.end)
    return sorted(ticks)


def beat_positions(layout):
    return list(range(0, layout.bar, layout.beat))


def render_harmony(layout, track):
    previous = None
    for span in layout.spans:
        part = layout.song.passes[span.pass_index].harmony
        style = part.style
        lo, hi = ARP_RANGE if style == "arp" else PAD_RANGE
        voicing = lead_voices(span.chord.tones, previous, lo, hi)
        previous = voicing
        vel = part.velocity

        if span.final:
            # Closing chord: rolled upwards for plucked sounds, held to the end.
            roll = 50 if style in ("arp", "strum") else 0
            for i, key in enumerate(voicing + (voicing[0] + 12,)):
                track.note(span.start + i * roll, span.ticks - i * roll, HARMONY, key, clamp(vel + 4))
            continue

        if style == "pad":
            points = strikes(layout, span, [0])
            for a, b in zip(points, points[1:] + [span.end]):
                for key in voicing:
                    track.note(a, b - a - 10, HARMONY, key, clamp(vel + accent(layout, a) // 2))
        elif style == "arp":
            # Broken chord in eighths, up and down, letting each note ring on.
            notes = voicing + (voicing[0] + 12,)
            pattern = [0, 1, 2, 3, 2, 1]
            step = QUARTER // 2
            restart = set(strikes(layout, span, [0]))
            index = 0
            for t in range(span.start, span.end, step):
                if t in restart:
                    index = 0
                key = notes[pattern[index % len(pattern)] % len(notes)]
                track.note(t, min(2 * step, span.end - t), HARMONY, key,
                           clamp(vel + accent(layout, t) - (0 if index == 0 else 6)))
                index += 1
        elif style in ("waltz", "oompah", "strum"):
            # Off-beat chords against the bass for waltz (beats 2-3) and
            # oom-pah (beats 2 and 4); a lightly rolled chord on every beat
            # for strum.
            if style == "waltz":
                positions = beat_positions(layout)[1:]
            elif style == "oompah":
                positions = beat_positions(layout)[1::2]
            else:
                positions = beat_positions(layout)
            roll = 18 if style == "strum" else 0
            for t in strikes(layout, span, positions):
                if layout.bar_position(t) not in positions:
                    continue
                length = min(layout.beat * 3 // 4, span.end - t)
                for i, key in enumerate(voicing):
                    track.note(t + i * roll, length - i * roll, HARMONY, key,
                               clamp(vel + accent(layout, t)))
        else:
            raise ValueError(f"unknown harmony style {style!r}")


def bass_key(pc, previous):
    """The octave of pc nearest the previous bass note, kept within D2-G3."""
    low, high = BASS_RANGE
    return min((k for k in range(low, high + 1) if k % 12 == pc),
               key=lambda k: (abs(k - previous), k))


def fifth_above(key):
    return key + 7 if key + 7 <= BASS_RANGE[1] else key - 5


def render_bass(layout, track):
    previous = BASS_START
    for span in layout.spans:
        part = layout.song.passes[span.pass_index].bass
        root = bass_key(span.chord.bass, previous)
        previous = root
        if span.final:
            track.note(span.start, span.ticks, BASS, root, clamp(part.velocity + 4))
            continue
        # hold: one long note per bar; waltz: a short one on the downbeat;
        # root5: root then fifth each half bar; beat: every beat, pizzicato.
        if part.style in ("hold", "waltz"):
            positions = [0]
        elif part.style == "root5":
            positions = [0, layout.bar // 2] if layout.bar % (2 * layout.beat) == 0 else [0]
        elif part.style == "beat":
            positions = beat_positions(layout)
        else:
            raise ValueError(f"unknown bass style {part.style!r}")
        points = strikes(layout, span, positions)
        fifth = fifth_above(bass_key(span.chord.root, root))
        for i, (a, b) in enumerate(zip(points, points[1:] + [span.end])):
            key = root if i % 2 == 0 else fifth
            length = b - a - 20
            if part.style == "waltz":
                length = min(length, layout.beat * 2)
            elif part.style == "beat":
                length = min(length, layout.beat * 2 // 3)   # pizzicato bounce
            track.note(a, max(length, 30), BASS, key, clamp(part.velocity + accent(layout, a)))


def counter_slots(layout, span):
    """Split a chord span into the counter-melody's note lengths."""
    if span.final:
        return [(span.start, span.ticks)]
    # Half-bar notes in 4/4 and 6/8, whole-bar notes in 3/4.
    size = layout.bar // 2 if layout.bar % (2 * layout.beat) == 0 else layout.bar
    cuts = {span.start, span.end}
    for bar_line in layout.bar_lines(span.start - layout.bar, span.end):
        cuts.update(bar_line + k * size for k in range(layout.bar // size)
                    if span.start < bar_line + k * size < span.end)
    cuts = sorted(cuts)
    return list(zip(cuts, (b - a for a, b in zip(cuts, cuts[1:]))))


def render_counter(layout, track):
    """A second voice built from chord tones.

    "line" sits below the tune, "descant" above it, each moving to the
    nearest chord tone (away from the tune's own note) with a passing note
    where it leaps a third; "octave" doubles the tune an octave higher.
    """
    plan = []      # (start, ticks, key, part, span), one chord tone per slot
    previous = None
    for span in layout.spans:
        part = layout.song.passes[span.pass_index].counter
        if part is None:
            previous = None
            continue
        if part.style == "octave":
            continue
        low, high = COUNTER_BELOW if part.style == "line" else DESCANT_ABOVE
        for start, ticks in counter_slots(layout, span):
            tune = [n.key for n in layout.melody_between(start, start + ticks)]
            best = None
            for key in range(low, high + 1):
                if key % 12 not in span.chord.tones:
                    continue
                cost = abs(key - previous) if previous is not None else abs(key - (low + high) // 2)
                if tune:
                    if part.style == "line" and key > min(tune) - 3:
                        cost += 20
                    if part.style == "descant" and key < max(tune) + 3:
                        cost += 20
                    if key % 12 == tune[0] % 12:
                        cost += 5      # doubling the tune's own note adds nothing
                if key % 12 == span.chord.root:
                    cost += 1          # thirds and fifths give more colour
                if best is None or cost < best[0]:
                    best = (cost, key)
            previous = best[1]
            plan.append([start, ticks, best[1], part, span])

    scale_of = {}
    for i, p in enumerate(layout.song.passes):
        scale_of[i] = frozenset((pc + p.transpose) % 12 for pc in layout.tune.scale)
    notes = []
    for i, (start, ticks, key, part, span) in enumerate(plan):
        nxt = plan[i + 1] if i + 1 < len(plan) else None
        passing = None
        if (nxt and nxt[0] == start + ticks and not span.final and nxt[4].pass_index == span.pass_index
                and abs(nxt[2] - key) in (3, 4) and ticks >= 3 * QUARTER // 2):
            step = QUARTER if ticks >= 2 * QUARTER else QUARTER // 2
            passing = _passing_note(layout, key, nxt[2], span, scale_of[span.pass_index],
                                    start + ticks - step, start + ticks)
        if passing is not None:
            notes.append((start, ticks - step, key, part))
            notes.append((start + ticks - step, step, passing, part))
        else:
            notes.append((start, ticks, key, part))

    for span in layout.spans:
        part = layout.song.passes[span.pass_index].counter
        if part is not None and part.style == "octave":
            for n in layout.melody_between(span.start, span.end):
                if span.start <= n.start < span.end:
                    notes.append((n.start, n.ticks, n.key + 12, part))

    for start, ticks, key, part in notes:
        gap = 0 if start + ticks == layout.end else min(30, ticks // 8)
        track.note(start, ticks - gap, COUNTER, key, clamp(part.velocity + accent(layout, start) // 2))


def _passing_note(layout, a, b, span, scale, start, end):
    low, high = sorted((a, b))
    altered = [t for t in span.chord.tones if t not in scale]
    tune = [n.key for n in layout.melody_between(start, end)]
    for key in range(low + 1, high):
        if key % 12 not in scale:
            continue
        # Skip a scale note a semitone from a raised chord tone (G natural
        # against the G sharp of E major in A minor) or from the tune itself.
        if any((key - t) % 12 in (1, 11) for t in altered):
            continue
        if any((key - k) % 12 in (1, 11) for k in tune):
            continue
        return key
    return None


def render_drums(layout, track):
    for span in layout.spans:
        part = layout.song.passes[span.pass_index].drums
        if part is None:
            continue
        if span.final:
            track.note(span.start, QUARTER * 2, DRUMS, OPEN_TRIANGLE, clamp(part.velocity + 6))
            if "sleigh" in part.style or "bells" in part.style:
                track.note(span.start, QUARTER, DRUMS, JINGLE_BELL, clamp(part.velocity))
            continue
        eighth = QUARTER // 2
        for t in range(span.start, span.end, eighth):
            position = layout.bar_position(t)
            on_beat = position % layout.beat == 0
            if t < layout.pickup:
                continue            # no percussion under the opening pickup
            for style in part.style.split("+"):
                if style == "sleigh":
                    vel = part.velocity + (10 if position == 0 else 0 if on_beat else -14)
                    track.note(t, eighth, DRUMS, JINGLE_BELL, clamp(vel))
                elif style == "bells" and on_beat:
                    track.note(t, eighth, DRUMS, JINGLE_BELL,
                               clamp(part.velocity + (8 if position == 0 else 0)))
                elif style == "triangle" and position == 0:
                    track.note(t, QUARTER, DRUMS, OPEN_TRIANGLE, clamp(part.velocity))
                elif style == "tambourine" and on_beat and (position // layout.beat) % 2 == 1:
                    track.note(t, eighth, DRUMS, TAMBOURINE, clamp(part.velocity - 6))
                elif style not in ("sleigh", "bells", "triangle", "tambourine"):
                    raise ValueError(f"unknown drum style {style!r}")


# --- putting a file together -----------------------------------------------

def key_signature(tune, transpose):
    tonic = (tune.tonic + transpose) % 12
    return MAJOR_KEY_SHARPS[(tonic + 3) % 12 if tune.minor else tonic], tune.minor


def tempo_map(layout):
    """(tick, bpm) changes: steady, then a ritardando over the bars before
    the last chord, which is held slower still."""
    bpm = layout.song.bpm
    changes = [(0, bpm)]
    rit_start = layout.final_start - RIT_BARS * layout.bar
    for t in range(rit_start + QUARTER, layout.final_start, QUARTER):
        fraction = (t - rit_start) / (layout.final_start - rit_start)
        changes.append((t, round(bpm * (1 - (1 - RIT_TO) * fraction), 2)))
    changes.append((layout.final_start, round(bpm * FINAL_TEMPO, 2)))
    return changes


def conductor(layout, title):
    song, tune = layout.song, layout.tune
    track = smf.Track(title)
    track.meta(0, smf.META_TEXT, f"{tune.origin}. Public-domain tune, arranged for Velmora."
               .encode("ascii"))
    num, den = tune.meter
    if layout.pickup:
        # A short first bar for the pickup, so bar lines fall where the tune's do.
        track.time_signature(0, layout.pickup * den // (4 * QUARTER), den)
    track.time_signature(layout.pickup, num, den)
    for i, p in enumerate(song.passes):
        start = i * layout.pass_ticks
        track.meta(start, smf.META_MARKER, f"Verse {i + 1}".encode("ascii"))
        if i == 0 or p.transpose != song.passes[i - 1].transpose:
            track.key_signature(start, *key_signature(tune, p.transpose))
    for tick, bpm in tempo_map(layout):
        track.tempo(tick, bpm)
    track.meta(layout.final_start, smf.META_MARKER, b"Ending")
    return track


def part_track(layout, name, channel, parts, render):
    """A track for one channel: controller setup, program changes where the
    instrument changes between passes, then the notes."""
    song = layout.song
    track = smf.Track(name)
    volume, pan = MIX[channel]
    track.control(0, channel, 121, 0)        # reset controllers left by the previous song
    track.control(0, channel, 7, volume)
    track.control(0, channel, 10, pan)
    track.control(0, channel, 91, song.reverb)
    track.control(0, channel, 93, song.chorus)
    current = None
    for i, part in enumerate(parts):
        if part is None or channel == DRUMS:
            continue
        program = GM[part.instrument]
        if program != current:
            # Changed at the pass boundary; notes of the previous pass end there.
            track.program(i * layout.pass_ticks, channel, program)
            current = program
    if channel == DRUMS:
        track.program(0, channel, 0)
    render(layout, track)
    if channel != DRUMS:
        fade_out(layout, track, channel)
    return track


def fade_out(layout, track, channel):
    """Let the held final chord die away (expression, CC11) instead of
    stopping at full strength. The controller reset at the start of every
    song puts expression back to full."""
    start, end = layout.final_start + layout.beat, layout.end
    steps = (end - start) // (QUARTER // 4)
    for i in range(1, steps + 1):
        value = round(127 - (127 - FADE_TO) * i / steps)
        track.control(start + i * (end - start) // steps, channel, 11, value)


def build(song):
    tune = tunefile.load(os.path.join(HERE, "tunes", song.tune + ".txt"), song.tune)
    layout = Layout(song, tune)
    passes = song.passes
    tracks = [
        conductor(layout, tune.title),
        part_track(layout, "Melody", MELODY, [p.melody for p in passes], render_melody),
        part_track(layout, "Harmony", HARMONY, [p.harmony for p in passes], render_harmony),
        part_track(layout, "Bass", BASS, [p.bass for p in passes], render_bass),
    ]
    if any(p.counter for p in passes):
        tracks.append(part_track(layout, "Counter-melody", COUNTER,
                                 [p.counter for p in passes], render_counter))
    if any(p.drums for p in passes):
        tracks.append(part_track(layout, "Percussion", DRUMS,
                                 [p.drums for p in passes], render_drums))
    end = max(t.last_tick for t in tracks) + TAIL_TICKS
    data = smf.encode(tracks, QUARTER, end)
    return tune, data, seconds(layout, end)


def seconds(layout, end):
    """Playing time of the file, through the tempo map the conductor writes."""
    changes = tempo_map(layout)
    total = 0.0
    for (t, bpm), (t_next, _) in zip(changes, changes[1:] + [(end, None)]):
        total += (t_next - t) / QUARTER * 60 / bpm
    return total


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default=HERE, help="folder for the .mid files")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail if a committed file differs from a fresh build")
    args = parser.parse_args(argv)

    stale = []
    for song in SONGS:
        tune, data, length = build(song)
        if not 60 <= length <= 180:
            sys.exit(f"{song.file}: {length:.1f} s is outside one to three minutes")
        path = os.path.join(args.out, song.file)
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except FileNotFoundError:
                same = False
            if not same:
                stale.append(song.file)
        else:
            with open(path, "wb") as f:
                f.write(data)
        instruments = sorted({p.melody.instrument for p in song.passes})
        print(f"{song.file:12} {tune.title:42} {len(song.passes)} passes  "
              f"{song.bpm:5g} bpm  {length:6.1f} s  melody: {', '.join(instruments)}")
    if stale:
        sys.exit("out of date: " + ", ".join(stale) + " (run make_songs.py)")


if __name__ == "__main__":
    main()
