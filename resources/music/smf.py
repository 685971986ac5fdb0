"""A small Standard MIDI File writer: format 1, ticks-per-quarter timing.

Channel messages use running status (the status byte is left out when it
repeats) and note-offs are written as note-on with velocity 0, so a run of
notes on one channel shares a single status byte. Both are ordinary SMF
practice; every MIDI player has to accept them.
"""

import struct

NOTE_ON = 0x90
CONTROL = 0xB0
PROGRAM = 0xC0

META_TEXT = 0x01
META_TRACK_NAME = 0x03
META_MARKER = 0x06
META_END_OF_TRACK = 0x2F
META_TEMPO = 0x51
META_TIME_SIGNATURE = 0x58
META_KEY_SIGNATURE = 0x59

# Events that share a tick are written in this order: names and other meta
# events, then controller/program setup, then note-offs before note-ons so a
# repeated key is released before it is struck again.
_ORDER_META, _ORDER_SETUP, _ORDER_OFF, _ORDER_ON = range(4)


def vlq(value):
    """Variable-length quantity: 7 bits per byte, high bit set on all but the last."""
    if value < 0 or value > 0x0FFFFFFF:
        raise ValueError(f"VLQ out of range: {value}")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self._events = []   # (tick, order, sequence, status or None, payload)
        self._notes = []    # (start, end, channel, key, velocity)
        self.meta(0, META_TRACK_NAME, name.encode("ascii"))

    def _add(self, tick, order, status, payload):
        if tick < 0:
            raise ValueError("negative tick")
        self._events.append((tick, order, len(self._events), status, payload))

    def _note_events(self):
        # A key still sounding when the same key is struck again on the same
        # channel is cut short, so every note-on has exactly one note-off.
        by_key = {}
        for note in sorted(self._notes):
            by_key.setdefault((note[2], note[3]), []).append(note)
        events = []
        for (channel, key), notes in by_key.items():
            for i, (start, end, _, _, velocity) in enumerate(notes):
                if i + 1 < len(notes):
                    end = min(end, notes[i + 1][0])
                if end > start:
                    events.append((start, _ORDER_ON, channel, NOTE_ON | channel, bytes([key, velocity])))
                    events.append((end, _ORDER_OFF, channel, NOTE_ON | channel, bytes([key, 0])))
        return events

    def meta(self, tick, kind, payload=b""):
        self._add(tick, _ORDER_META, None, bytes([0xFF, kind]) + vlq(len(payload)) + payload)

    def tempo(self, tick, bpm):
        self.meta(tick, META_TEMPO, round(60_000_000 / bpm).to_bytes(3, "big"))

    def time_signature(self, tick, numerator, denominator):
        # Last two bytes: MIDI clocks per metronome click, 32nds per quarter.
        self.meta(tick, META_TIME_SIGNATURE,
                  bytes([numerator, denominator.bit_length() - 1, 24, 8]))

    def key_signature(self, tick, sharps, minor):
        self.meta(tick, META_KEY_SIGNATURE, bytes([sharps & 0xFF, 1 if minor else 0]))

    def program(self, tick, channel, program):
        self._add(tick, _ORDER_SETUP, PROGRAM | channel, bytes([program]))

    def control(self, tick, channel, controller, value):
        self._add(tick, _ORDER_SETUP, CONTROL | channel, bytes([controller, value]))

    def note(self, start, ticks, channel, key, velocity):
        if not (0 <= key < 128 and 1 <= velocity < 128 and ticks > 0):
            raise ValueError(f"bad note {key} vel {velocity} len {ticks}")
        self._notes.append((start, start + ticks, channel, key, velocity))

    @property
    def last_tick(self):
        ends = [end for _, end, _, _, _ in self._notes] + [e[0] for e in self._events]
        return max(ends, default=0)

    def encode(self, end_tick):
        """Track chunk bytes, closed by end-of-track at end_tick."""
        events = self._events + self._note_events()
        if max((e[0] for e in events), default=0) > end_tick:
            raise ValueError("event after end of track")
        events.sort(key=lambda e: e[:3] + (e[4],))
        data = bytearray()
        now, running = 0, None
        for tick, _, _, status, payload in events:
            data += vlq(tick - now)
            now = tick
            if status is None:
                data += payload
                running = None      # meta and sysex events cancel running status
            else:
                if status != running:
                    data.append(status)
                    running = status
                data += payload
        data += vlq(end_tick - now) + bytes([0xFF, META_END_OF_TRACK, 0])
        return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def encode(tracks, division, end_tick):
    """The whole file: header chunk, then one chunk per track."""
    chunks = b"".join(track.encode(end_tick) for track in tracks)
    return b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), division) + chunks
