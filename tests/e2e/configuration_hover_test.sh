#!/usr/bin/env bash
# Hover at 96 DPI, in captures: over "Password" the text turns white and the blue
# frame Shape1 shows on its edges; over the background the yellow and the black
# come back; from one item straight onto another both stay lit and the frame
# follows; leaving the window from a lit item leaves it lit.
. "$(dirname "$0")/configuration_lib.sh"

shape1_place() { place_of "$id_shape1"; }
shape1_shown() {
    local style
    style=$(control_line "$settings_caption" "$id_shape1" | cut -f4)
    echo $(((style & 0x10000000) != 0))
}
wait_shape1() {  # wait_shape1 SHOWN [PLACE]
    for _ in $(seq 1 50); do
        [ "$(shape1_shown)" = "$1" ] && { [ -z "${2:-}" ] || [ "$(shape1_place)" = "$2" ]; } && return 0
        sleep 0.1
    done
    fail "Shape1: expected shown $1 ${2:-}, got $(shape1_shown) $(shape1_place)"
}

# In the capture SCREEN, the pixels of COLOUR in a control's place.
count_in() {  # count_in SCREEN ID COLOUR
    local left top width height
    read -r left top width height <<<"$(place_of "$2")"
    pixels count "$1" $((origin_x + left)) $((origin_y + top)) "$width" "$height" "$3"
}
# The blue pixels on the four edges of a client rectangle.
frame_blue() {  # frame_blue SCREEN LEFT TOP WIDTH HEIGHT
    local x=$((origin_x + $2)) y=$((origin_y + $3)) w=$4 h=$5
    echo $(($(pixels count "$1" "$x" "$y" "$w" 1 0,0,255) + $(pixels count "$1" "$x" $((y + h - 1)) "$w" 1 0,0,255) +
        $(pixels count "$1" "$x" "$y" 1 "$h" 0,0,255) + $(pixels count "$1" $((x + w - 1)) "$y" 1 "$h" 0,0,255)))
}

reset_settings
pid=$(open_settings)
# shellcheck disable=SC2046
point_at $(background_at)
read -r origin_x origin_y <<<"$(field_of "$settings_caption" origin)"

# "Password": 3525, 4125, 1035, 225 twips; its frame 3523, 4123, 1037, 227.
frame="$(px 3523) $(px 4123) $(px 1037) $(px 227)"
point_at "$id_label7"
wait_shape1 1 "$frame"
pass "the frame around Password at $frame"
sleep 0.3
lit=$(capture_window "$settings_caption" configuration_hover)
white=$(count_in "$lit" "$id_label7" 255,255,255)
((white > 10)) || fail "Password lit shows $white white pixels"
pass "Password turns white ($white pixels)"
expect_eq "no yellow left in Password" 0 "$(count_in "$lit" "$id_label7" 255,255,0)"
read -r fl ft fw fh <<<"$frame"
ring=$(frame_blue "$lit" "$fl" "$ft" "$fw" "$fh")
expect_eq "the frame's four edges are blue" $((2 * fw + 2 * fh)) "$ring"

# shellcheck disable=SC2046
point_at $(background_at)
wait_shape1 0
sleep 0.3
calm=$(capture_window "$settings_caption" configuration_background)
expect_eq "no white left in Password" 0 "$(count_in "$calm" "$id_label7" 255,255,255)"
yellow=$(count_in "$calm" "$id_label7" 255,255,0)
((yellow > 10)) || fail "Password back to normal shows $yellow yellow pixels"
pass "Password yellow again ($yellow pixels)"
expect_eq "the frame is gone" 0 "$(frame_blue "$calm" "$fl" "$ft" "$fw" "$fh")"

# "Password" and "Exit" both white in the capture.
expect_password_and_exit_lit() {  # expect_password_and_exit_lit CAPTURE WHEN
    local id white
    for id in $id_label7 $id_label8; do
        white=$(count_in "$1" "$id" 255,255,255)
        ((white > 10)) || fail "control $id not lit $2 ($white white pixels)"
        pass "control $id lit $2"
    done
}

# Straight from "Password" onto "Exit" (the pointer jumps, crossing nothing).
point_at "$id_label7"
wait_shape1 1 "$frame"
point_at "$id_label8"
wait_shape1 1 "$(px 5743) $(px 4123) $(px 527) $(px 227)"
sleep 0.3
both=$(capture_window "$settings_caption" configuration_two_lit)
expect_password_and_exit_lit "$both" "after the jump"
expect_eq "the frame left Password" 0 "$(frame_blue "$both" "$fl" "$ft" "$fw" "$fh")"

# Out of the window from "Exit": all stays as it was.
read -r width height <<<"$(field_of "$settings_caption" client)"
drv mouse-move "$settings_caption" $((width + 60)) $((height + 60))
sleep 0.5
expect_eq "the frame stays after leaving the window" 1 "$(shape1_shown)"
left=$(capture_window "$settings_caption" configuration_left_lit)
expect_password_and_exit_lit "$left" "after the pointer left"

drv close "$settings_caption"
expect_ended "$pid" "the close box"
reset_settings
