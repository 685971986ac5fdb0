#!/usr/bin/env bash
# What ends the saver and what does not: a click, a closing request from another
# program, sustained mouse movement; a few mouse moves do not. However it ends,
# the system's screen-saver flags are put back: none running, the user's own
# screen saver switched on again.
. "$(dirname "$0")/lib.sh"

reset_settings
drv reg-set "$settings_key" music_on 0 >/dev/null

start_saver() {
    pid=$(start "$SCR" /s)
    wait_saver
}

expect_flags() {  # expect_flags WHAT RUNNING ACTIVE
    expect_eq "$1" "running $2 active $3" "$(drv saver-flags | tr '\n' ' ' | sed 's/ $//')"
}

start_saver
expect_flags "while the saver runs, a saver runs and the user's own is off" 1 0
xdotool mousemove 500 400 click 1
drv wait-exit "$pid" 5 >/dev/null || fail "a click did not end the saver"
pass "a click ends the saver"
expect_flags "after a click, no saver runs and the user's own is on again" 0 1

start_saver
drv close "$saver_caption"
drv wait-exit "$pid" 5 >/dev/null || fail "WM_CLOSE from another program did not end the saver"
pass "WM_CLOSE from another program ends the saver"
expect_eq "cursor shows after a close from outside" "showing 1" "$(drv cursor)"
expect_flags "after a close from outside, the flags are put back" 0 1

# Ten moves stay under the limit whichever frames they land in; a second of
# frames is given to count them.
start_saver
drv mouse-moves "$saver_caption" 10
drv wait-exit "$pid" 1 >/dev/null && fail "ten mouse moves ended the saver"
pass "a few mouse moves do not end the saver"
# Sustained movement: a move every 10 ms, so more than the limit lands between
# any two of the frames that clear the count.
drv mouse-moves "$saver_caption" 400 10
drv wait-exit "$pid" 5 >/dev/null || fail "sustained mouse movement did not end the saver"
pass "sustained mouse movement ends the saver"
expect_flags "after mouse movement, the flags are put back" 0 1
