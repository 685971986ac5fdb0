#!/usr/bin/env bash
# Renders each shipped song (resources/music/ravlo1.mid ... ravlo10.mid) with
# FluidSynth and the General MIDI sound font, then checks the audio with SoX:
# it must not be silent, must not clip, and must last one to three minutes
# (plus a few seconds of reverb tail).
#
#   tests/media/render_songs.sh [repository root] [stamp file]
#
# Prints one line per song and "N passed, M failed"; exits non-zero on any
# failure, or with 77 (skipped) when FluidSynth, SoX or the sound font is missing.
#
# With a stamp file, a render that passed records there what it rendered (the
# songs, their generator and this script); the next run is skipped while all of
# that is unchanged. CI (CI=true) renders every time.

set -u

root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
stamp="${2:-}"

rendered_inputs() {
    cat "$root"/resources/music/ravlo*.mid "$root"/resources/music/*.py \
        "$root"/resources/music/tunes/*.txt "${BASH_SOURCE[0]}" 2>/dev/null | sha256sum | cut -d' ' -f1
}
if [[ -n $stamp && ${CI:-} != true && -f $stamp && "$(cat "$stamp")" == "$(rendered_inputs)" ]]; then
    echo "skipped: the songs, their generator and this check are unchanged since the last render passed"
    exit 77
fi
soundfont="${VELMORA_SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}"

# Full gain (FluidSynth defaults to 0.2) so a mix that is too hot really does
# reach full scale here; the songs peak around 0.45-0.65 at this gain.
gain=1.0
min_seconds=60
max_seconds=185        # 180 s of music and up to 5 s of reverb tail
min_rms=0.02           # the songs average 0.07-0.12; silence is 0
max_peak=0.99          # a full-scale sample means the mix clipped

for tool in fluidsynth sox; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
if [[ ! -r $soundfont ]]; then
    echo "skipped: no sound font at $soundfont"
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
for n in $(seq 1 10); do
    name="ravlo$n.mid"
    song="$root/resources/music/$name"
    wav="$work/ravlo$n.wav"
    if [[ ! -f $song ]]; then
        echo "FAIL $name: missing"
        failed=$((failed + 1))
        continue
    fi
    if ! fluidsynth -ni -q -g "$gain" -F "$wav" -T wav -r 22050 "$soundfont" "$song" >"$work/fluidsynth.log" 2>&1 \
        || [[ ! -s $wav ]]; then
        echo "FAIL $name: fluidsynth could not render it: $(tail -n 1 "$work/fluidsynth.log")"
        failed=$((failed + 1))
        continue
    fi
    # "sox FILE -n stat" reports on stderr, one "Name:   value" line per figure.
    stats="$(sox "$wav" -n stat 2>&1)"
    read -r seconds rms peak < <(awk -F: '
        /^Length \(seconds\)/ { len = $2 }
        /^RMS +amplitude/     { rms = $2 }
        /^Maximum amplitude/  { max = $2 }
        /^Minimum amplitude/  { min = -$2 }
        END { if (len == "") exit 1; printf "%.2f %.4f %.4f\n", len, rms, (max > min ? max : min) }
    ' <<<"$stats") || { seconds=""; }
    if [[ -z ${seconds:-} ]]; then
        echo "FAIL $name: sox could not measure the audio"
        failed=$((failed + 1))
        continue
    fi

    problems="$(awk -v s="$seconds" -v r="$rms" -v p="$peak" \
        -v lo="$min_seconds" -v hi="$max_seconds" -v quiet="$min_rms" -v loud="$max_peak" 'BEGIN {
            if (s < lo || s > hi) out = out sep "length outside " lo "-" hi " s"
            if (out != "") sep = "; "
            if (r < quiet) out = out sep "silent (RMS below " quiet ")"
            if (out != "") sep = "; "
            if (p > loud) out = out sep "clipped (peak above " loud ")"
            print out
        }')"
    summary="$(printf '%-12s %7.1f s  RMS %.3f  peak %.3f' "$name" "$seconds" "$rms" "$peak")"
    if [[ -z $problems ]]; then
        echo "ok   $summary"
        passed=$((passed + 1))
    else
        echo "FAIL $summary: $problems"
        failed=$((failed + 1))
    fi
done

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]] || exit 1
if [[ -n $stamp ]]; then rendered_inputs >"$stamp"; fi
