#!/usr/bin/env bash
# The prompt's 20-second time-out: it closes the prompt even while the user is
# typing (typing does not restart it) and the saver goes on, with the cursor
# hidden and the screen whole; the next activity opens a fresh, empty prompt. A
# time-out while the wrong-password message is up closes the message with the
# prompt: no box is left behind and the saver goes on.
. "$(dirname "$0")/password_lib.sh"

reset_settings
drv reg-set "$settings_key" music_on 0 >/dev/null
drv reg-set "$settings_key" misc "$(scrambled SECRET)" >/dev/null
password_option 1

open_prompt() {
    xdotool key x
    drv wait-window "$prompt_caption" 10 || fail "$1: no password prompt"
    opened=$SECONDS
}
expect_saver_goes_on() {
    drv wait-exit "$pid" 0 >/dev/null && fail "$1: the saver ended"
    expect_eq "$1: the cursor is hidden again" "showing 0" "$(drv cursor)"
}

pid=$(start "$SCR" /s)
wait_saver

# A key every two seconds for 18 seconds: were the time-out restarted by typing,
# the prompt would stay until about 38 seconds.
open_prompt "a key"
for _ in $(seq 1 9); do
    sleep 2
    xdotool type s
done
drv wait-gone "$prompt_caption" $((32 - (SECONDS - opened))) ||
    fail "the prompt was still open $((SECONDS - opened)) s after it opened"
pass "the prompt closes by itself after 20 s while the user types ($((SECONDS - opened)) s)"
expect_saver_goes_on "after the time-out"
expect_scene after_timeout "after the time-out the screen is not the scene alone"
pass "after the time-out the screen shows the scene and nothing of the prompt"

open_prompt "a key after the time-out"
expect_eq "the next prompt starts empty" "" "$(drv text "$prompt_caption" $id_text1)"
xdotool type wrong
xdotool key Return
drv wait-window Passwords 10 || fail "no wrong-password message"
drv wait-gone Passwords $((32 - (SECONDS - opened))) || fail "the time-out left the wrong-password message open"
drv wait-gone "$prompt_caption" 5 || fail "the time-out did not close the prompt under the message"
pass "a time-out while the message is up closes the message and the prompt"
expect_saver_goes_on "after the time-out over the message"

open_prompt "a key after the time-out over the message"
xdotool type secret
xdotool key Return
drv wait-exit "$pid" 10 >/dev/null || fail "the right password did not end the saver"
pass "a fresh prompt still takes the password"
