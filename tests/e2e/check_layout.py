#!/usr/bin/python3
"""Checks a window's client size and its controls' places against twips at a DPI.

    check_layout.py DPI WINDOW.txt CLIENT_WIDTH CLIENT_HEIGHT [CONTROLS.txt LAYOUT.h IDS.h TABLE]

WINDOW.txt and CONTROLS.txt are what `velmora_driver window` and `controls` print.
The client size is given in twips; the controls' places come from the layout
table TABLE of the header LAYOUT.h (rows {id_name, "Name", ControlKind::kind,
"text", left, top, width, height, ...}), whose ids IDS.h defines. Each measured
pixel value must lie within one pixel of the twips at that DPI. Prints every
figure, measured and expected.
"""
import re
import sys

TOLERANCE = 1


def pixels(twips, dpi):
    twips_per_pixel = max(1, round(1440 / dpi))  # halves to even, as the programs round
    return round(twips / twips_per_pixel)


def table_rows(layout_header, ids_header, table):
    ids = dict(re.findall(r"constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;", open(ids_header).read()))
    text = open(layout_header).read()
    start = text.index(table)
    body = text[start:text.index("}};", start)]
    row = re.compile(r'\{\s*(\w+),\s*"(\w*)",\s*ControlKind::\w+,\s*"(?:[^"\\]|\\.)*",\s*'
                     r"(-?\d+),\s*(-?\d+),\s*(-?\d+),\s*(-?\d+)", re.S)
    return [(int(ids[symbol]), name, [int(v) for v in place]) for symbol, name, *place in row.findall(body)]


def field(lines, key):
    for line in lines:
        parts = line.split()
        if parts and parts[0] == key:
            return [int(v) for v in parts[1:]]
    return None


def main():
    dpi = int(sys.argv[1])
    failures = []

    def compare(what, expected, measured):
        off = measured is None or any(abs(e - m) > TOLERANCE for e, m in zip(expected, measured))
        print(f"{what}: expected {' '.join(map(str, expected))}, measured "
              f"{' '.join(map(str, measured)) if measured else 'nothing'}{'  <-- FAIL' if off else ''}")
        if off:
            failures.append(what)

    window = open(sys.argv[2]).read().splitlines()
    client_twips = int(sys.argv[3]), int(sys.argv[4])
    compare(f"client area ({client_twips[0]} x {client_twips[1]} twips)",
            [pixels(client_twips[0], dpi), pixels(client_twips[1], dpi)], field(window, "client"))

    if len(sys.argv) > 5:
        measured = {}
        for line in open(sys.argv[5]).read().splitlines():
            columns = line.split("\t")
            if len(columns) >= 3:
                measured[int(columns[0])] = [int(v) for v in columns[2].split()]
        rows = table_rows(*sys.argv[6:9])
        if not rows:
            failures.append("no rows read from the layout table")
        for control_id, name, twips in rows:
            compare(f"{name} ({control_id}) at {' '.join(map(str, twips))} twips",
                    [pixels(value, dpi) for value in twips], measured.get(control_id))

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
