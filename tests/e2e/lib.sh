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

# Waits until the control with this id in the window has the keyboard focus.
expect_focus_in() {  # expect_focus_in WHAT CAPTION ID
    local focus=""
    for _ in $(seq 1 50); do
        focus=$(drv focus "$2" | cut -f1) || true
        [ "$focus" = "$3" ] && break
        sleep 0.1
    done
    expect_eq "$1" "$3" "$focus"
}

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

# Wine's browser launcher runs xdg-open from PATH a moment after ShellExecute:
# fake_browser puts first on PATH one that notes each address it is given in
# $opened_file instead of opening a browser.
fake_browser() {
    opened_file="$VELMORA_WORK/opened.txt"
    opened_count=0
    mkdir -p "$VELMORA_WORK/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened_file" >"$VELMORA_WORK/bin/xdg-open"
    chmod +x "$VELMORA_WORK/bin/xdg-open"
    export PATH="$VELMORA_WORK/bin:$PATH"
    : >"$opened_file"
}

# Waits for the next address the fake browser is given and compares it.
expect_opened() {  # expect_opened WHAT ADDRESS
    local want=$((opened_count + 1))
    for _ in $(seq 1 100); do
        [ "$(wc -l <"$opened_file")" -ge "$want" ] && break
        sleep 0.1
    done
    opened_count=$want
    expect_eq "$1" "$2" "$(sed -n "${want}p" "$opened_file")"
}

# Gives the shell a moment, then checks that nothing more was opened.
expect_nothing_opened() {  # expect_nothing_opened WHAT
    sleep 1
    expect_eq "$1" "$opened_count" "$(wc -l <"$opened_file")"
}

# Captures the screen into $VELMORA_WORK/NAME.bmp until it shows the saver's
# first pass (the banner from row 51, a photograph from row 477, on 1024 x 768)
# and nothing else but sparkles, for up to 10 s; prints the last check and
# fails with WHAT when it never does.
expect_scene() {  # expect_scene NAME WHAT
    local bmp="$VELMORA_WORK/$1.bmp" shown=0
    for _ in $(seq 1 20); do
        if drv capture "$(winpath "$bmp")" >/dev/null &&
            /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/check_capture.py" "$bmp" \
                "$VELMORA_SOURCE_DIR/resources/velmora_sprites.bmp" 51 477 >"$VELMORA_WORK/$1.log" 2>&1; then
            shown=1
            break
        fi
        sleep 0.5
    done
    cat "$VELMORA_WORK/$1.log" 2>/dev/null || true
    [ "$shown" = 1 ] || fail "$2"
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
