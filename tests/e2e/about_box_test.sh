#!/usr/bin/env bash
# labels: smoke
# The about box: "About" opens it modal over the settings dialog, which takes no
# input meanwhile; its layout at 96 DPI and the picture pixel for pixel inside
# its sunken border; "Ok" has the focus, so Enter closes it; Escape does not;
# the home-page button opens the page each time and leaves the box open.
. "$(dirname "$0")/configuration_lib.sh"

open_about() {
    click_on "$id_label2"
    drv wait-window "$about_caption" 10 || fail "About opened no about box"
}

reset_settings
pid=$(open_settings)
open_about
expect_eq "the settings dialog is disabled under it" 0 "$(field_of "$settings_caption" enabled)"
expect_eq "client area (4680 x 2355 twips)" "312 157" "$(field_of "$about_caption" client)"
expect_eq "close box" 1 "$(field_of "$about_caption" sysmenu)"
expect_eq "no minimize box" 0 "$(field_of "$about_caption" minimizebox)"
expect_focus_in "Ok has the focus" "$about_caption" "$id_command1"

# id class left top width height (twips) text
layout='501 Static 90 90 2310 1740 
411 Static 2520 90 2055 195 Velmora Saver
412 Static 2520 330 2055 225 Developed By:
413 Static 2520 600 2055 225 Orvane Software
414 Static 2520 870 2055 225 mail@orvane.example
415 Static 2520 1200 2055 225 www.orvane.example
416 Static 2460 1530 2145 225 (C) Orvane Software
102 Button 90 1920 3015 345 Want more screen savers? Click Here!
101 Button 3270 1920 1275 345 Ok'
controls=$(drv controls "$about_caption")
while read -r id class left top width height text; do
    line=$(printf '%s\n' "$controls" | awk -F'\t' -v id="$id" '$1 == id')
    [ -n "$line" ] || fail "no control $id"
    expect_eq "control $id" "$class|$(px "$left") $(px "$top") $(px "$width") $(px "$height")|$text" \
        "$(printf '%s' "$line" | cut -f2,3,5 | tr '\t' '|')"
done <<<"$layout"

screen=$(capture_window "$about_caption" about_box)
read -r origin_x origin_y <<<"$(field_of "$about_caption" origin)"
read -r left top _ <<<"$(place_of "$id_image1" "$about_caption")"
# The sunken border is two pixels wide: the 150 x 112 picture fills what is inside.
expect_eq "the picture, pixel for pixel" 0 \
    "$(pixels same "$screen" $((origin_x + left + 2)) $((origin_y + top + 2)) \
        "$VELMORA_SOURCE_DIR/resources/preview_picture.bmp")"

# Modal: a click on the settings dialog's "Exit" (clear of the about box) does nothing.
click_on "$id_label8"
sleep 1
expect_eq "the settings dialog took no click" 1 "$(field_of "$settings_caption" visible)"

drv post-key "$about_caption" "$vk_escape"
sleep 1
expect_eq "Escape leaves the about box open" 1 "$(field_of "$about_caption" visible)"
drv post-key "$about_caption" "$vk_return"
drv wait-gone "$about_caption" 10 || fail "Enter did not close the about box"
pass "Enter closes the about box"
expect_eq "the settings dialog takes input again" 1 "$(field_of "$settings_caption" enabled)"

open_about
drv press "$about_caption" "$id_command2"
expect_opened "the home-page button" 'http://www.orvane.example/'
drv press "$about_caption" "$id_command2"
expect_opened "the home-page button again" 'http://www.orvane.example/'
expect_eq "the about box stays open" 1 "$(field_of "$about_caption" visible)"
drv press "$about_caption" "$id_command1"
drv wait-gone "$about_caption" 10 || fail "Ok did not close the about box"
pass "Ok closes the about box"

drv close "$settings_caption"
expect_ended "$pid" "the close box"
reset_settings
