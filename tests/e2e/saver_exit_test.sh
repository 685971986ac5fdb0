#!/usr/bin/env bash
# What ends the saver and what does not: a click, a closing request from another
# program, sustained mouse movement; a few mouse moves do not.
. "$(dirname "$0")/lib.sh"

reset_settings
drv reg-set "$settings_key" music_on 0 >/dev/null

start_saver() {
    pid=$(start "$SCR" /s)
    wait_saver
}

start_saver
xdotool mousemove 500 400 click 1
drv wait-exit "$pid" 5 >/dev/null || fail "a click did not end the saver"
pass "a click ends the saver"

start_saver
drv close "$saver_caption"
drv wait-exit "$pid" 5 >/dev/null || fail "WM_CLOSE from another program did not end the saver"
pass "WM_CLOSE from another program ends the saver"
expect_eq "cursor shows after a close from outside" "showing 1" "$(drv cursor)"

start_saver
drv mouse-moves "$saver_caption" 10
sleep 1.5
drv wait-exit "$pid" 0 >/dev/null && fail "ten mouse moves ended the saver"
pass "a few mouse moves do not end the saver"
drv mouse-moves "$saver_caption" 30
drv wait-exit "$pid" 5 >/dev/null || fail "sustained mouse movement did not end the saver"
pass "sustained mouse movement ends the saver"
