#!/usr/bin/env bash
# labels: smoke
# The settings dialog at 96 DPI as "/c" opens it: the caption from the version,
# the client size, the close box only; every control a child window at its twips
# rectangle, holding its text, the frame Shape1 hidden; in a capture the items'
# colours on black (the check box and the options keep their green under the
# common-controls 6 manifest) and the title picture pixel for pixel; the hand
# cursor over the items and only there; Tab, Space, the arrows and Escape.
. "$(dirname "$0")/configuration_lib.sh"

reset_settings
pid=$(open_settings)
# Found by its whole caption, "Velmora Screen Saver Configuration v." and the version.
pass "caption $settings_caption"
expect_eq "client area (7125 x 4605 twips)" "475 307" "$(field_of "$settings_caption" client)"
expect_eq "close box" 1 "$(field_of "$settings_caption" sysmenu)"
expect_eq "no minimize box" 0 "$(field_of "$settings_caption" minimizebox)"
expect_eq "no maximize box" 0 "$(field_of "$settings_caption" maximizebox)"

# id class left top width height (twips) text
layout='501 Static 75 90 4800 3600 
401 Static 4875 615 2160 225 A Orvane Software Production
402 Static 5610 1050 795 225 About
302 Button 5520 1545 1230 285 Play Music
311 Button 5505 2100 795 255 Normal
312 Button 5505 2505 795 255 Faster
313 Button 5505 2955 915 255 Fastest
405 Static 5310 3570 1455 225 Cool Downloads
407 Static 3525 4125 1035 225 Password
408 Static 5745 4125 525 225 Exit'
controls=$(drv controls "$settings_caption")
expect_eq "number of child windows (the controls and Shape1)" 11 "$(printf '%s\n' "$controls" | wc -l)"
while read -r id class left top width height text; do
    line=$(printf '%s\n' "$controls" | awk -F'\t' -v id="$id" '$1 == id')
    [ -n "$line" ] || fail "no control $id"
    expect_eq "control $id class" "$class" "$(printf '%s' "$line" | cut -f2)"
    expect_eq "control $id place" "$(px "$left") $(px "$top") $(px "$width") $(px "$height")" \
        "$(printf '%s' "$line" | cut -f3)"
    expect_eq "control $id text" "$text" "$(printf '%s' "$line" | cut -f5)"
done <<<"$layout"
shape1_style=$(printf '%s\n' "$controls" | awk -F'\t' -v id="$id_shape1" '$1 == id { print $4 }')
[ -n "$shape1_style" ] || fail "no Shape1"
(((shape1_style & 0x10000000) == 0)) || fail "Shape1 shows before the pointer lit anything"
pass "Shape1 hidden at start"

# A clean machine: music on, Normal.
expect_checked "Play Music checked" "$id_check2" 1
expect_checked "Normal selected" "$id_option1" 1
expect_checked "Faster clear" "$id_option2" 0

# The colours, with the pointer on the background so that nothing is lit.
# shellcheck disable=SC2046
point_at $(background_at)
sleep 0.5
read -r origin_x origin_y <<<"$(field_of "$settings_caption" origin)"
screen=$(capture_window "$settings_caption" configuration_96dpi)
for item in "$id_label1 128,128,128" "$id_label2 255,0,0" "$id_label5 255,0,0" "$id_label7 255,255,0" \
    "$id_label8 255,255,0" "$id_check2 0,255,0" "$id_option1 0,255,0" "$id_option2 0,255,0" "$id_option3 0,255,0"; do
    read -r id colour <<<"$item"
    read -r left top width height <<<"$(place_of "$id")"
    count=$(pixels count "$screen" $((origin_x + left)) $((origin_y + top)) "$width" "$height" "$colour")
    ((count > 10)) || fail "control $id shows $count pixels of its colour $colour"
    pass "control $id in $colour ($count pixels)"
    # (The check box and the options draw their boxes white.)
    ((id > 400)) || continue
    white=$(pixels count "$screen" $((origin_x + left)) $((origin_y + top)) "$width" "$height" 255,255,255)
    expect_eq "control $id not lit" 0 "$white"
done
read -r left top _ <<<"$(place_of "$id_image1")"
expect_eq "the title picture, pixel for pixel" 0 \
    "$(pixels same "$screen" $((origin_x + left)) $((origin_y + top)) "$VELMORA_SOURCE_DIR/resources/title_picture.bmp")"

# The hand (32 x 32, hotspot 12, 1) over every item; the arrow elsewhere.
for id in $id_label1 $id_label2 $id_check2 $id_option1 $id_option2 $id_option3 $id_label5 $id_label7 $id_label8; do
    point_at "$id"
    sleep 0.2
    expect_eq "the hand over control $id" "32 32 12 1" "$(cursor_shape)"
done
for where in "$(middle_of "$id_image1")" "$(background_at)"; do
    # shellcheck disable=SC2086
    point_at $where
    sleep 0.2
    [ "$(cursor_shape)" != "32 32 12 1" ] || fail "the hand at $where"
    pass "no hand at $where"
done

# Keyboard: the check box has the focus; Tab reaches the selected option and back;
# Space toggles the check box; the arrows choose among the options.
expect_focus_in "Play Music has the focus at start" "$settings_caption" "$id_check2"
drv post-key "$settings_caption" "$vk_tab"
expect_focus_in "Tab reaches the selected option" "$settings_caption" "$id_option1"
drv post-key "$settings_caption" "$vk_tab"
expect_focus_in "Tab comes back to the check box" "$settings_caption" "$id_check2"
drv post-key "$settings_caption" "$vk_space"
expect_checked "Space clears Play Music" "$id_check2" 0
drv post-key "$settings_caption" "$vk_tab"
expect_focus_in "Tab again to the option" "$settings_caption" "$id_option1"
drv post-key "$settings_caption" "$vk_down"
expect_focus_in "Down moves to Faster" "$settings_caption" "$id_option2"
expect_checked "and selects it" "$id_option2" 1
expect_checked "Normal is clear" "$id_option1" 0

# Escape changes nothing: the dialog stays open and nothing is saved yet.
drv post-key "$settings_caption" "$vk_escape"
sleep 1
expect_eq "Escape leaves the dialog open" 1 "$(field_of "$settings_caption" visible)"
drv reg-query "$settings_key" speed >/dev/null && fail "Escape saved the settings"
pass "Escape saves nothing"

drv close "$settings_caption"
expect_ended "$pid" "the close box"
expect_eq "music_on as the check box was left" "REG_SZ 0" "$(drv reg-query "$settings_key" music_on)"
expect_eq "speed as the options were left" "REG_SZ 1" "$(drv reg-query "$settings_key" speed)"
reset_settings
