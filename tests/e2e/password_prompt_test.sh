#!/usr/bin/env bash
# The password prompt over the running saver, with Windows' password option on:
# activity opens it top-most, centred, with the cursor shown and the focus in its
# box, and the animation goes on behind it; a wrong password is refused with the
# message and the box cleared; Cancel resumes the saver with the screen whole; a
# click on the animation neither opens a second prompt nor takes the keyboard, and
# the password as it was set ("a!b") ends the saver.
. "$(dirname "$0")/password_lib.sh"

reset_settings
drv reg-set "$settings_key" music_on 0 >/dev/null
drv reg-set "$settings_key" misc "$(scrambled A1B)" >/dev/null  # "a!b", as the dialog stores it
password_option 1

open_prompt() {
    xdotool key x
    drv wait-window "$prompt_caption" 10 || fail "$1: no password prompt"
}
capture() { drv capture "$(winpath "$VELMORA_WORK/$1.bmp")" >/dev/null || fail "no capture"; }

pid=$(start "$SCR" /s)
wait_saver
open_prompt "a key"
pass "with the password option on, a key opens the prompt"
expect_eq "the prompt is top-most" 1 "$(window_field "$prompt_caption" topmost)"
expect_eq "client area of 3840 x 1125 twips" "256 75" "$(window_field "$prompt_caption" client)"
expect_centred "the prompt is centred" "$prompt_caption"
expect_eq "the cursor shows over the prompt" "showing 1" "$(drv cursor)"
expect_focus_in "the focus is in the box" "$prompt_caption" $id_text1
for id in $id_command1 $id_command2 $id_text1; do
    xdotool key Tab
    expect_focus_in "Tab to control $id" "$prompt_caption" "$id"
done

# The animation goes on: the screen outside the prompt changes between two captures.
read -r left top right bottom <<<"$(window_field "$prompt_caption" rect)"
capture first
sleep 1
capture second
/usr/bin/python3 - "$VELMORA_WORK/first.bmp" "$VELMORA_WORK/second.bmp" "$left" "$top" "$right" "$bottom" <<'PY' ||
import sys
from PIL import Image, ImageChops
first, second = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
left, top, right, bottom = map(int, sys.argv[3:7])
diff = ImageChops.difference(first, second)
diff.paste((0, 0, 0), (left, top, right, bottom))
sys.exit(0 if diff.getbbox() else 1)
PY
    fail "the animation stood still behind the prompt"
pass "the animation goes on behind the prompt"

xdotool type wrong
xdotool key Return
expect_eq "a wrong password: an exclamation icon" "icon exclamation" "$(drv msgbox-icon Passwords 10)"
expect_eq "a wrong password: the message" \
    "text The password that you typed is not correct. Try typing it again." "$(drv msgbox Passwords 10)"
expect_focus_in "the focus is back in the box" "$prompt_caption" $id_text1
expect_eq "the box is cleared" "" "$(drv text "$prompt_caption" $id_text1)"
drv wait-exit "$pid" 0 >/dev/null && fail "a wrong password ended the saver"

drv press "$prompt_caption" $id_command2
drv wait-gone "$prompt_caption" 5 || fail "Cancel did not close the prompt"
pass "Cancel closes the prompt"
expect_eq "the cursor is hidden again" "showing 0" "$(drv cursor)"
expect_scene after_cancel "after Cancel the screen is not the scene alone"
pass "after Cancel the screen shows the scene and nothing of the prompt"
drv wait-exit "$pid" 0 >/dev/null && fail "Cancel ended the saver"

# A mouse bumped while typing: moves and a click on the animation.
open_prompt "a key after Cancel"
xdotool type 'a!'
xdotool mousemove 60 60 click 1 mousemove 900 700 click 1
sleep 0.5
expect_eq "a click on the animation opens no second prompt" 1 "$(xdotool search --name "^$prompt_caption\$" | wc -l)"
expect_focus_in "the box keeps the focus" "$prompt_caption" $id_text1
xdotool type 'b'
xdotool key Return
drv wait-exit "$pid" 10 >/dev/null || fail "the password as it was set did not end the saver"
pass "the password as it was set, typed with Shift, ends the saver"
expect_eq "the cursor shows after the saver" "showing 1" "$(drv cursor)"
