#!/usr/bin/env bash
# Measures the full-screen saver under Wine on virtual displays of 1024 x 768 and
# 1920 x 1080, with music on and the songs installed: for 20 s of steady running,
# the saver process's CPU time as a share of one core, the frame period (median
# and 95th percentile, from the saver's own frame trace), the time from process
# start to the first presented frame, and the peak memory. Reports; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/install_folder.sh
bench=$PWD/build/bench
seconds=${VELMORA_BENCH_SECONDS:-20}
install_folder "$bench/install"
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # user + system

# The newest process matching PATTERN that runs in this session's Wine prefix.
session_process() {
    local candidate
    for candidate in $(pgrep -f "$1" | sort -rn); do
        if tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

echo "velmora: benchmarking the $VELMORA_WINE_BUILD build"
for size in 1024x768 1920x1080; do
    session="$bench/session-$size"
    start_session "$session" "$size"
    trap 'bash tests/e2e/session.sh stop "$session" >/dev/null' EXIT
    # shellcheck disable=SC1091
    . "$session/env"
    wine "$driver" reg-delete "$settings_key" </dev/null >/dev/null 2>&1
    set_install_path "$bench/install"
    trace="$bench/frames-$size.txt"
    rm -f "$trace"
    VELMORA_FRAME_LOG=$(winpath "$trace") wine "$bench/install/Velmora.scr" /s </dev/null >/dev/null 2>&1 &
    wine "$driver" wait-window "screen saver running" 20 </dev/null >/dev/null 2>&1
    sleep 2
    pid=$(session_process 'Velmora\.scr /s')
    server=$(session_process 'wineserver')
    xvfb=$(cat "$session/xvfb.pid")
    before=$(cpu_ticks "$pid") server_before=$(cpu_ticks "$server") xvfb_before=$(cpu_ticks "$xvfb")
    sleep "$seconds"
    after=$(cpu_ticks "$pid") server_after=$(cpu_ticks "$server") xvfb_after=$(cpu_ticks "$xvfb")
    peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    wine "$driver" close "screen saver running" </dev/null >/dev/null 2>&1
    wine "$driver" wait-gone "screen saver running" 10 </dev/null >/dev/null 2>&1
    sleep 1
    bash tests/e2e/session.sh stop "$session" >/dev/null

    /usr/bin/python3 - "$trace" "$size" "$seconds" "$ticks" "$((after - before))" \
        "$((server_after - server_before))" "$((xvfb_after - xvfb_before))" "$peak_kb" <<'PY'
import statistics
import sys

trace, size, seconds, ticks, saver, server, xvfb, peak_kb = sys.argv[1:]
seconds, ticks = float(seconds), float(ticks)
lines = open(trace).read().split()
first_frame_ms = float(lines[1])
times = [float(t) for t in lines[2:]]
periods = sorted(b - a for a, b in zip(times, times[1:]))
p95 = periods[min(len(periods) - 1, int(0.95 * len(periods)))]
share = lambda t: 100.0 * float(t) / ticks / seconds
print(f"{size}: saver CPU {share(saver):.2f}% of one core (wineserver {share(server):.2f}%, Xvfb {share(xvfb):.2f}%); "
      f"frame period median {statistics.median(periods):.2f} ms, p95 {p95:.2f} ms over {len(periods)} frames; "
      f"first frame {first_frame_ms:.0f} ms after start; peak memory {int(peak_kb) / 1024:.1f} MiB")
PY
done
