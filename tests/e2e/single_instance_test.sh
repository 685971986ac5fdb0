#!/usr/bin/env bash
# labels: smoke
# A second full-screen start while a window "screen saver running" exists opens
# nothing and ends; the window is matched by its whole caption only.
. "$(dirname "$0")/lib.sh"

start "$DRIVER" hold-window "$saver_caption" 60 >/dev/null
drv wait-window "$saver_caption" 30 || fail "no stand-in saver window"
out=$(drv run 15 "$SCR" /s)
expect_eq "/s beside a running saver" "exit 0" "$out"
drv close "$saver_caption"
drv wait-gone "$saver_caption" 10 || fail "the stand-in did not close"

# A caption that merely begins with the text does not count.
start "$DRIVER" hold-window "$saver_caption (not really)" 60 >/dev/null
drv wait-window "$saver_caption (not really)" 30 || fail "no look-alike window"
pid=$(start "$SCR" /s)
wait_saver
drv post-char "$saver_caption" x
drv wait-exit "$pid" 10 >/dev/null || fail "the saver did not end on a key"
drv close "$saver_caption (not really)"
pass "only the whole caption counts"
