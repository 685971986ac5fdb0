#!/usr/bin/env bash
# labels: smoke
# What closing the settings dialog writes: on a clean machine, through "Exit",
# exactly "1", "1", "0" and an empty "misc", and never "install_path"; a stored
# speed of 2 selects "Fastest", and choosing "Normal" stores 0; the close box
# saves as "Exit" does; a stored speed outside 0 to 2 selects no option and is
# written back unchanged.
. "$(dirname "$0")/configuration_lib.sh"

expect_setting() {  # expect_setting NAME VALUE
    expect_eq "$1" "REG_SZ $2" "$(drv reg-query "$settings_key" "$1")"
}

reset_settings
pid=$(open_settings)
click_on "$id_label8"
expect_ended "$pid" "Exit"
expect_setting music_on 1
expect_setting soundfx_on 1
expect_setting speed 0
expect_setting misc ""
drv reg-query "$settings_key" install_path >/dev/null && fail "install_path must never be written"
pass "install_path absent"

drv reg-set "$settings_key" speed 2
pid=$(open_settings)
expect_checked "a stored 2 selects Fastest" "$id_option3" 1
expect_checked "Normal clear" "$id_option1" 0
click_on "$id_option1"
expect_checked "Normal chosen" "$id_option1" 1
expect_checked "Fastest cleared" "$id_option3" 0
click_on "$id_label8"
expect_ended "$pid" "Exit after choosing Normal"
expect_setting speed 0

# The close box: the same save.
pid=$(open_settings)
click_on "$id_check2"
expect_checked "a click clears Play Music" "$id_check2" 0
click_on "$id_option2"
expect_checked "Faster chosen" "$id_option2" 1
drv close "$settings_caption"
expect_ended "$pid" "the close box"
expect_setting music_on 0
expect_setting soundfx_on 1
expect_setting speed 1
expect_setting misc ""

# A speed the dialog has no option for.
drv reg-set "$settings_key" speed 7
pid=$(open_settings)
for id in $id_option1 $id_option2 $id_option3; do expect_checked "speed 7: option $id clear" "$id" 0; done
click_on "$id_label8"
expect_ended "$pid" "Exit with no option selected"
expect_setting speed 7
reset_settings
