#!/usr/bin/env bash
# Measures what the running saver costs the machine under Wine, and reports;
# asserts nothing.
#
#   scripts/bench.sh            the cost at 1024 x 768, 1920 x 1080 and 3840 x 2160
#   scripts/bench.sh --soak [MINUTES]   a long run at 1920 x 1080 (10 minutes)
#   scripts/bench.sh --versus OTHER.scr [WxH]   this build against another, side by side
#
# Cost: on a virtual display of each size, music off, after Wine's start-up work
# has settled, the CPU time of the saver's process, the wineserver and the X
# server over VELMORA_BENCH_SECONDS (20) as a share of one core, in
# VELMORA_BENCH_ROUNDS (2) rounds, set against a bare full-screen window of the
# driver's in the same session; the frame period (median and 95th percentile,
# from the saver's own frame trace), the time from process start to the first
# presented frame, and the peak memory.
#
# VELMORA_BENCH_SAVER names another build of the saver to measure in its place;
# VELMORA_BENCH_SIZES the screen sizes (WxH, separated by spaces).
#
# Soak: music on; once a minute the saver's resident memory and kernel handles
# (read from outside) and its GDI objects (its frame trace counts them inside).
#
# Versus: two sessions of the same size (1920 x 1080) at once, this build's saver
# in one and the other build's in the other, swapped each round, music off. On a
# shared machine the load comes and goes within seconds; measured at the same
# time, both builds meet the same load, so the difference between them holds
# where figures taken one after the other would not. VELMORA_BENCH_ROUNDS (6)
# rounds of VELMORA_BENCH_SECONDS (30).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/install_folder.sh
bench=$PWD/build/bench
seconds=${VELMORA_BENCH_SECONDS:-20}
rounds=${VELMORA_BENCH_ROUNDS:-2}
install_folder "$bench/install"
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # user + system
drv() { wine "$driver" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# The newest process matching PATTERN that runs in this session's Wine prefix.
session_process() {
    local candidate
    for candidate in $(pgrep -f "$1" | sort -rn); do
        if tr "\0" "\n" 2>/dev/null <"/proc/$candidate/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

# Waits (up to 30 s) until the wineserver uses less than 1 % of a core for a
# second: the prefix's start-up work is over.
settle() {
    local server before
    server=$(session_process wineserver)
    for _ in $(seq 1 30); do
        before=$(cpu_ticks "$server")
        sleep 1
        [ $(($(cpu_ticks "$server") - before)) -le $((ticks / 100)) ] && return 0
    done
}

# measure PID...: CPU ticks each process uses over the measuring window.
measure() {
    local before=() pid i=0
    for pid in "$@"; do before+=("$(cpu_ticks "$pid")"); done
    sleep "$seconds"
    for pid in "$@"; do
        echo -n "$(($(cpu_ticks "$pid") - before[i])) "
        i=$((i + 1))
    done
    echo
}

start_bench_session() {  # start_bench_session SIZE
    session="$bench/session-$1"
    start_session "$session" "$1"
    trap 'bash tests/e2e/session.sh stop "$session" >/dev/null' EXIT
    # shellcheck disable=SC1091
    . "$session/env"
    drv reg-delete "$settings_key" >/dev/null
    set_install_path "$bench/install"
    settle
}

start_saver() {  # start_saver TRACE
    rm -f "$1"
    VELMORA_FRAME_LOG=$(winpath "$1") wine "${VELMORA_BENCH_SAVER:-$bench/install/Velmora.scr}" /s </dev/null >/dev/null 2>&1 &
    drv wait-window "screen saver running" 20 >/dev/null
    sleep 2
    saver=$(session_process 'Velmora\.scr /s')
}

stop_saver() {
    drv close "screen saver running" >/dev/null
    drv wait-gone "screen saver running" 10 >/dev/null
    sleep 1
}

cost() {
    echo "velmora: what the saver costs, $VELMORA_WINE_BUILD build, music off, ${rounds} rounds of ${seconds} s"
    for size in ${VELMORA_BENCH_SIZES:-1024x768 1920x1080 3840x2160}; do
        start_bench_session "$size"
        drv reg-set "$settings_key" music_on 0 >/dev/null
        server=$(session_process wineserver)
        xvfb=$(cat "$session/xvfb.pid")
        figures="$bench/cost-$size.txt"
        : >"$figures"
        for round in $(seq 1 "$rounds"); do
            wine "$driver" hold-fullscreen "bare window" $((seconds + 6)) </dev/null >/dev/null 2>&1 &
            drv wait-window "bare window" 20 >/dev/null
            sleep 2
            bare=$(session_process 'hold-fullscreen')
            echo "bare $(measure "$bare" "$server" "$xvfb")" >>"$figures"
            wait
            start_saver "$bench/frames-$size-$round.txt"
            echo "saver $(measure "$saver" "$server" "$xvfb") $(awk '/^VmHWM/ { print $2 }' "/proc/$saver/status")" \
                >>"$figures"
            stop_saver
        done
        bash tests/e2e/session.sh stop "$session" >/dev/null
        trap - EXIT
        /usr/bin/python3 - "$figures" "$bench/frames-$size-1.txt" "$size" "$seconds" "$ticks" <<'PY'
import statistics
import sys

figures, trace, size, seconds, ticks = sys.argv[1:]
share = lambda t: 100.0 * float(t) / float(ticks) / float(seconds)
rows = {"bare": [], "saver": []}
peak_kb = 0
for line in open(figures):
    kind, *numbers = line.split()
    rows[kind].append([share(n) for n in numbers[:3]])
    if kind == "saver":
        peak_kb = max(peak_kb, int(numbers[3]))
mean = lambda kind, i: statistics.mean(r[i] for r in rows[kind])
for kind in ("saver", "bare"):
    parts = [mean(kind, i) for i in range(3)]
    print(f"{size} {kind:5}: process {parts[0]:.2f}%, wineserver {parts[1]:.2f}%, Xvfb {parts[2]:.2f}%, "
          f"all three {sum(parts):.2f}% of one core")
lines = open(trace).read().splitlines()
times = [float(t) for t in lines if not t.startswith(("first", "sample"))]
periods = sorted(b - a for a, b in zip(times, times[1:]))
p95 = periods[min(len(periods) - 1, int(0.95 * len(periods)))]
first = float(lines[0].split()[1])
print(f"{size} frames: median {statistics.median(periods):.2f} ms, p95 {p95:.2f} ms over {len(periods)}; "
      f"first frame {first:.0f} ms after start; peak memory {peak_kb / 1024:.1f} MiB")
PY
    done
}

soak() {
    local minutes=$1 trace="$bench/frames-soak.txt" samples="$bench/soak.txt"
    echo "velmora: a ${minutes}-minute run at 1920 x 1080, $VELMORA_WINE_BUILD build, music on"
    start_bench_session 1920x1080
    drv reg-set "$settings_key" music_on 1 >/dev/null
    start_saver "$trace"
    local windows_pid
    windows_pid=$(drv window "screen saver running" | awk '$1 == "pid" { print $2 }')
    : >"$samples"
    for minute in $(seq 0 "$minutes"); do
        [ "$minute" -gt 0 ] && sleep 60
        echo "$minute $(awk '/^VmRSS/ { print $2 }' "/proc/$saver/status") $(drv handles "$windows_pid" | awk '{ print $2 }')" \
            >>"$samples"
    done
    sleep 45  # the trace samples every 1200 frames: a little over a minute, more on a busy host
    stop_saver
    bash tests/e2e/session.sh stop "$session" >/dev/null
    trap - EXIT
    /usr/bin/python3 - "$samples" "$trace" <<'PY'
import sys

samples, trace = sys.argv[1:]
gdi = [line.split() for line in open(trace) if line.startswith("sample")]
print("minute  resident MiB  kernel handles  GDI objects")
for i, line in enumerate(open(samples)):
    minute, rss_kb, handles = (line.split() + ["?"])[:3]
    objects = gdi[i][4] if i < len(gdi) else "?"
    print(f"{minute:>6}  {int(rss_kb) / 1024:12.1f}  {handles:>14}  {objects:>11}")
PY
}

versus() {
    local other size=$2 figures="$bench/versus.txt" round i
    other=$(realpath "$1")
    rounds=${VELMORA_BENCH_ROUNDS:-6} seconds=${VELMORA_BENCH_SECONDS:-30}
    echo "velmora: this build against $1 at $size, side by side, $VELMORA_WINE_BUILD build, music off," \
        "${rounds} rounds of ${seconds} s"
    sessions=("$bench/versus-1" "$bench/versus-2")  # global: the exit trap reads it
    for session in "${sessions[@]}"; do start_session "$session" "$size"; done
    trap 'for session in "${sessions[@]}"; do bash tests/e2e/session.sh stop "$session" >/dev/null; done' EXIT
    for session in "${sessions[@]}"; do
        (
            # shellcheck disable=SC1091
            . "$session/env"
            drv reg-delete "$settings_key" >/dev/null
            drv reg-set "$settings_key" music_on 0 >/dev/null
            set_install_path "$bench/install"
            settle
        )
    done
    : >"$figures"
    for round in $(seq 1 "$rounds"); do
        # Odd rounds put this build in the first session, even rounds in the second.
        local builds=("$bench/install/Velmora.scr" "$other") names=(this other) pids=()
        [ $((round % 2)) = 0 ] && builds=("$other" "$bench/install/Velmora.scr") names=(other this)
        for i in 0 1; do
            mkdir -p "${sessions[i]}/saver"
            cp "${builds[i]}" "${sessions[i]}/saver/Velmora.scr"
            (
                # shellcheck disable=SC1091
                . "${sessions[i]}/env"
                wine "${sessions[i]}/saver/Velmora.scr" /s </dev/null >/dev/null 2>&1 &
                drv wait-window "screen saver running" 20 >/dev/null
            )
        done
        sleep 3
        for i in 0 1; do
            pids+=("$(
                # shellcheck disable=SC1091
                . "${sessions[i]}/env"
                echo "$(session_process 'Velmora\.scr /s') $(session_process wineserver) $(cat "${sessions[i]}/xvfb.pid")"
            )")
        done
        # shellcheck disable=SC2086
        read -r -a both <<<"$(measure ${pids[0]} ${pids[1]})"
        echo "${names[0]} ${both[*]:0:3}" >>"$figures"
        echo "${names[1]} ${both[*]:3:3}" >>"$figures"
        for i in 0 1; do
            (
                # shellcheck disable=SC1091
                . "${sessions[i]}/env"
                stop_saver
            )
        done
    done
    for session in "${sessions[@]}"; do bash tests/e2e/session.sh stop "$session" >/dev/null; done
    trap - EXIT
    /usr/bin/python3 - "$figures" "$seconds" "$ticks" <<'PY'
import statistics
import sys

figures, seconds, ticks = sys.argv[1:]
share = lambda t: 100.0 * float(t) / float(ticks) / float(seconds)
rows = {"this": [], "other": []}
for line in open(figures):
    kind, *numbers = line.split()
    parts = [share(n) for n in numbers]
    rows[kind].append(parts + [sum(parts)])
print("round   this build: process wineserver Xvfb  all three  |  other build: process wineserver Xvfb  all three")
for n, (a, b) in enumerate(zip(rows["this"], rows["other"]), 1):
    print(f"{n:5}   {a[0]:7.2f} {a[1]:10.2f} {a[2]:5.2f} {a[3]:10.2f}  |  {b[0]:7.2f} {b[1]:10.2f} {b[2]:5.2f} {b[3]:10.2f}")
mean = lambda kind, i: statistics.mean(r[i] for r in rows[kind])
for kind in ("this", "other"):
    print(f"{kind:5} build, mean: process {mean(kind, 0):.2f}%, wineserver {mean(kind, 1):.2f}%, Xvfb {mean(kind, 2):.2f}%, "
          f"all three {mean(kind, 3):.2f}% of one core")
lower = sum(a[3] < b[3] for a, b in zip(rows["this"], rows["other"]))
print(f"this build / other build, all three: {mean('this', 3) / mean('other', 3):.2f}; "
      f"this build cost less in {lower} of {len(rows['this'])} rounds")
PY
}

case "${1:-}" in
--soak) soak "${2:-10}" ;;
--versus) versus "${2:?--versus takes another build of Velmora.scr}" "${3:-1920x1080}" ;;
"") cost ;;
*) echo "usage: scripts/bench.sh [--soak [MINUTES] | --versus OTHER.scr [WxH]]" >&2; exit 2 ;;
esac
