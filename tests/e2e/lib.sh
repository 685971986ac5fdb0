# Shared by the end-to-end test scripts: run the driver inside the session's Wine,
# turn Unix paths into Wine paths, and fail with a message.
set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_common.sh"

saver_caption='screen saver running'
settings_caption="Velmora Screen Saver Configuration v.${VELMORA_VERSION:?}"

SCR=$(winpath "$VELMORA_SCR")
DRIVER=$(winpath "$VELMORA_DRIVER")

# The driver, with Windows line ends removed from what it prints.
drv() { wine "$VELMORA_DRIVER" "$@" | tr -d '\r'; }

# Starts a program and prints its process id. Wine hands its own output files to
# every child, so the driver writes to a file here, not to a pipe that the
# started program would then hold open for as long as it runs.
start() {
    local out="${VELMORA_WORK:-/tmp}/start.$$"
    wine "$VELMORA_DRIVER" start "$@" </dev/null >"$out" 2>/dev/null || { cat "$out"; rm -f "$out"; return 1; }
    tr -d '\r' <"$out"
    rm -f "$out"
}

fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "ok: $*"; }

expect_eq() {  # expect_eq WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
    pass "$1"
}

# One field of `drv window CAPTION`, e.g. window_field "$saver_caption" topmost.
window_field() { drv window "$1" | awk -v key="$2" '$1 == key { $1 = ""; sub(/^ /, ""); print }'; }

reset_settings() { drv reg-delete "$settings_key" >/dev/null; }

# Waits until the full-screen saver is set up and animating: its window turns
# top-most in the same step that starts the frame loop.
wait_saver() {
    drv wait-window "$saver_caption" 15 || fail "no saver window"
    for _ in $(seq 1 100); do
        [ "$(window_field "$saver_caption" topmost)" = 1 ] && return 0
        sleep 0.1
    done
    fail "the saver window never became top-most"
}

# Ends a saver that a failed test may have left behind: a top-most saver would
# make every later full-screen start end at once.
end_leftovers() {
    drv close "$saver_caption" >/dev/null 2>&1 || true
}
trap end_leftovers EXIT

# A Wine session of the test's own (session.sh), for what the shared one cannot
# be given: a second monitor, another DPI, a virtual desktop. It replaces the
# shared session's environment for the rest of the test and is stopped when the
# test ends, however it ends.
own_session() {  # own_session [WIDTHxHEIGHT[+WIDTHxHEIGHT...]]
    own_session_dir="$VELMORA_WORK/session"
    trap end_own_session EXIT
    bash "$(dirname "${BASH_SOURCE[0]}")/session.sh" start "$own_session_dir" "${1:-1024x768}" \
        >"$VELMORA_WORK/session.log" 2>&1 || { cat "$VELMORA_WORK/session.log"; fail "no Wine session of our own"; }
    # shellcheck disable=SC1091
    . "$own_session_dir/env"
}

# A new wineserver for the own session: Wine reads DPI, monitors and its desktop once.
restart_own_session() {
    bash "$(dirname "${BASH_SOURCE[0]}")/session.sh" restart "$own_session_dir" >>"$VELMORA_WORK/session.log" 2>&1 ||
        fail "the wineserver did not start again"
}

end_own_session() {
    end_leftovers
    bash "$(dirname "${BASH_SOURCE[0]}")/session.sh" stop "$own_session_dir" >/dev/null 2>&1 || true
}

# A capture kept beside the test's output as PNG (the BMP is dropped).
keep_capture() {  # keep_capture FILE.bmp -> FILE.png
    convert "$1" "${1%.bmp}.png" && rm -f "$1"
}
