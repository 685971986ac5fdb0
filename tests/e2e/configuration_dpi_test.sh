#!/usr/bin/env bash
# The settings dialog at 144 DPI (10 twips a pixel): the client area and every
# control at its twips rectangle converted at that DPI, the hover frame too, and
# a capture. The session goes back to 96 DPI afterwards, whatever happens.
. "$(dirname "$0")/configuration_lib.sh"

# Wine reads the DPI when its server starts: set it, then start the session's
# server again, as the session itself does, away from our output.
set_dpi() {  # set_dpi DPI
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1 ||
        fail "cannot set LogPixels"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    setsid wineserver -p </dev/null >>"$VELMORA_SESSION/wineserver.log" 2>&1 &
}
back_to_96() {
    configuration_end_leftovers
    set_dpi 96
}
trap back_to_96 EXIT

reset_settings
set_dpi 144
pid=$(open_settings)
expect_eq "client area at 144 DPI (7125 x 4605 twips)" "$(px 7125 10) $(px 4605 10)" \
    "$(field_of "$settings_caption" client)"

# id left top width height (twips)
layout='501 75 90 4800 3600
401 4875 615 2160 225
402 5610 1050 795 225
302 5520 1545 1230 285
311 5505 2100 795 255
312 5505 2505 795 255
313 5505 2955 915 255
405 5310 3570 1455 225
407 3525 4125 1035 225
408 5745 4125 525 225'
controls=$(drv controls "$settings_caption")
while read -r id left top width height; do
    expect_eq "control $id at 144 DPI" "$(px "$left" 10) $(px "$top" 10) $(px "$width" 10) $(px "$height" 10)" \
        "$(printf '%s\n' "$controls" | awk -F'\t' -v id="$id" '$1 == id { print $3 }')"
done <<<"$layout"

# The frame around Option3: 5500, 2950, 925, 265 twips.
point_at "$id_option3"
for _ in $(seq 1 50); do
    [ "$(place_of "$id_shape1")" = "$(px 5500 10) $(px 2950 10) $(px 925 10) $(px 265 10)" ] && break
    sleep 0.1
done
expect_eq "the frame around Fastest at 144 DPI" "$(px 5500 10) $(px 2950 10) $(px 925 10) $(px 265 10)" \
    "$(place_of "$id_shape1")"
capture_window "$settings_caption" configuration_144dpi_hover >/dev/null
# shellcheck disable=SC2046
point_at $(background_at 10)
sleep 0.5
capture_window "$settings_caption" configuration_144dpi >/dev/null

drv close "$settings_caption"
expect_ended "$pid" "the close box at 144 DPI"
reset_settings
