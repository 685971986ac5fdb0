#!/usr/bin/env bash
# The change-password dialog on its own ("/a"), as a user types into it: centred,
# the focus in the first box, both boxes masked; OK stores the password, reduced
# to the keys that type it, scrambled in "misc" and ends the program; the two
# refusals (entries that differ, more than 30 characters) keep the dialog open and
# store nothing; Cancel stores nothing.
. "$(dirname "$0")/password_lib.sh"

open_dialog() {
    pid=$(start "$SCR" /a)
    drv wait-window "$newpassword_caption" 20 || fail "no change-password dialog"
    expect_focus_in "the focus starts in NewPassword" "$newpassword_caption" "$id_newpassword"
}
type_both() {  # type_both FIRST SECOND, the first box having the focus
    xdotool type -- "$1"
    xdotool key Tab
    xdotool type -- "$2"
}
expect_closed() {
    drv wait-exit "$pid" 10 >/dev/null || fail "$1: the dialog did not close and end the program"
    pass "$1"
}
expect_open() {
    expect_eq "$1" 1 "$(window_field "$newpassword_caption" visible)"
}

reset_settings
open_dialog
expect_eq "client area of 5265 x 1545 twips" "351 103" "$(window_field "$newpassword_caption" client)"
expect_centred "centred on the screen" "$newpassword_caption"
for id in $id_newpassword $id_newpassword2; do
    style=$(drv controls "$newpassword_caption" | awk -F'\t' -v id="$id" '$1 == id { print $4 }')
    [ $((style & 0x20)) -ne 0 ] || fail "box $id does not mask its input (style $style)"
done
pass "both boxes show their input as asterisks"
# Tab order: NewPassword, NewPassword2, OK, Cancel, and round again.
for id in $id_newpassword2 $id_ok $id_cancel $id_newpassword; do
    xdotool key Tab
    expect_focus_in "Tab to control $id" "$newpassword_caption" "$id"
done
# Letters of either case and a shifted mark with its own key are the same password.
type_both 'a!b' 'A1b'
xdotool key Return
expect_closed "Enter presses OK, which ends the program"
expect_eq "\"a!b\" is stored as the keys that type it, A1B" "REG_SZ $(scrambled A1B)" "$(misc)"
expect_eq "nothing else is written" "missing" "$(drv reg-query "$settings_key" speed)"

open_dialog
type_both abc abd
xdotool key Return
expect_eq "entries that differ: a stop icon" "icon stop" "$(drv msgbox-icon "Microsoft Windows" 10)"
expect_eq "entries that differ: the message" \
    "text The new and confirmed passwords do not match. Please type them again." \
    "$(drv msgbox "Microsoft Windows" 10)"
expect_open "the dialog stays open after the mismatch"
expect_eq "the first box shows its entry reduced" ABC "$(drv text "$newpassword_caption" $id_newpassword)"
expect_eq "the second box shows its entry reduced" ABD "$(drv text "$newpassword_caption" $id_newpassword2)"
expect_eq "a mismatch stores nothing" "REG_SZ $(scrambled A1B)" "$(misc)"
drv press "$newpassword_caption" $id_cancel
expect_closed "Cancel after a refused attempt closes the dialog"
expect_eq "Cancel keeps the previous password" "REG_SZ $(scrambled A1B)" "$(misc)"

thirty=$(printf 'q%.0s' $(seq 30))
open_dialog
type_both "${thirty}q" "${thirty}q"
drv press "$newpassword_caption" $id_ok
expect_eq "31 characters: an exclamation icon" "icon exclamation" "$(drv msgbox-icon "Change Password" 10)"
expect_eq "31 characters: the message" 'text New password too long\nMaximum length 30 chars' \
    "$(drv msgbox "Change Password" 10)"
expect_open "the dialog stays open after the length message"
expect_eq "31 characters store nothing" "REG_SZ $(scrambled A1B)" "$(misc)"
xdotool key Escape
expect_closed "Escape cancels"

open_dialog
type_both "$thirty" "$thirty"
drv press "$newpassword_caption" $id_ok
expect_closed "30 characters are accepted"
expect_eq "30 characters are stored as 60 letters" "REG_SZ $(scrambled "${thirty^^}")" "$(misc)"

open_dialog
drv press "$newpassword_caption" $id_ok
expect_closed "OK with both boxes empty"
expect_eq "both boxes empty clear the password" "REG_SZ " "$(misc)"
