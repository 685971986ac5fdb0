#!/usr/bin/env bash
# labels: smoke
# The full-screen saver as a user sees it on a 1024 x 768 screen: a top-most
# window covering the screen, the cursor hidden, the banner along the top and a
# photograph along the bottom, pixel for pixel from the sprite sheet, black
# elsewhere but for sparkles; a key ends it, and the cursor shows again.
. "$(dirname "$0")/lib.sh"

reset_settings
drv reg-set "$settings_key" music_on 0 >/dev/null
pid=$(start "$SCR" /s)
wait_saver
expect_eq "covers the screen" "0 0 1024 768" "$(window_field "$saver_caption" rect)"
expect_eq "top-most" 1 "$(window_field "$saver_caption" topmost)"
expect_eq "no title bar" 0 "$(window_field "$saver_caption" caption)"
expect_eq "cursor hidden" "showing 0" "$(drv cursor)"

# The first pass: the banner at y = 768 / 15 = 51.2 -> 51, the photograph at
# 768 - 240 - 51.2 = 476.8 -> 477.
# The two travel in from opposite edges: capture until both are well in view.
expect_scene screen "the screen does not show the scene"

# A second full-screen start ends at once and leaves the first one running.
out=$(drv run 15 "$SCR" /s)
expect_eq "a second /s ends at once" "exit 0" "$out"
drv wait-exit "$pid" 0 >/dev/null && fail "the second start ended the first saver"

# A real key press through X ends it within moments.
xdotool key x
drv wait-exit "$pid" 5 >/dev/null || fail "a key did not end the saver"
pass "a key ends the saver"
expect_eq "cursor shows again" "showing 1" "$(drv cursor)"
