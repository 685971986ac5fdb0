#!/usr/bin/env bash
# The dialogs at 96, 120 and 144 DPI (Wine's LogPixels, in a session of our own):
# the catalogue's client area and every control within one pixel of its twips
# table at that DPI, the settings dialog's client area likewise; then a DPI change
# told to an open catalogue (WM_DPICHANGED, as Windows sends it when the window
# moves to a monitor of another DPI) lays it out again at the new DPI and back.
# Captures of every case: dpi_<what>_<dpi>.png in this test's work folder.
. "$(dirname "$0")/catalogue_lib.sh"

own_session
here=$(dirname "$0")
layout_header="$VELMORA_SOURCE_DIR/catalogue/frm_orvaneproducts_layout.h"
ids_header="$VELMORA_SOURCE_DIR/catalogue/control_ids.h"
catalogue_width=$(sed -n 's/.*frm_orvaneproducts_client_width = \([0-9]*\);.*/\1/p' "$layout_header")
catalogue_height=$(sed -n 's/.*frm_orvaneproducts_client_height = \([0-9]*\);.*/\1/p' "$layout_header")
settings_width=7125 settings_height=4605  # twips

dir=$(catalogue_case shipped)
cp "$(dirname "$ORVANE_PRODUCTS_EXE")/pid.txt" "$(dirname "$ORVANE_PRODUCTS_EXE")/orvane_products.txt" "$dir/"

# The catalogue's window and controls against its table at DPI, and a capture.
check_catalogue() {  # check_catalogue WHAT DPI
    drv window "$catalogue_caption" >"$VELMORA_WORK/window.txt"
    drv controls "$catalogue_caption" >"$VELMORA_WORK/controls.txt"
    /usr/bin/python3 "$here/check_layout.py" "$2" "$VELMORA_WORK/window.txt" "$catalogue_width" "$catalogue_height" \
        "$VELMORA_WORK/controls.txt" "$layout_header" "$ids_header" frm_orvaneproducts_controls ||
        fail "$1: the catalogue is not laid out at $2 DPI"
    pass "$1: the catalogue laid out at $2 DPI"
}

capture() {  # capture CAPTION NAME
    drv capture-window "$1" "$(winpath "$VELMORA_WORK/$2.bmp")" || fail "no capture of $1"
    keep_capture "$VELMORA_WORK/$2.bmp"
}

for dpi in 96 120 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1 ||
        fail "LogPixels could not be set"
    restart_own_session
    echo "--- $dpi DPI"

    pid=$(start_catalogue "$dir")
    wait_catalogue
    sleep 0.5  # the first paint, for the capture
    check_catalogue "opened" "$dpi"
    capture "$catalogue_caption" "dpi_catalogue_$dpi"
    stop_catalogue "$pid"

    pid=$(start "$SCR" /c)
    drv wait-window "$settings_caption" 15 || fail "no settings dialog at $dpi DPI"
    sleep 0.5
    drv window "$settings_caption" >"$VELMORA_WORK/window.txt"
    /usr/bin/python3 "$here/check_layout.py" "$dpi" "$VELMORA_WORK/window.txt" "$settings_width" "$settings_height" ||
        fail "the settings dialog's client area at $dpi DPI"
    pass "the settings dialog's client area at $dpi DPI"
    capture "$settings_caption" "dpi_settings_$dpi"
    drv close "$settings_caption"
    drv wait-exit "$pid" 10 >/dev/null || fail "the settings dialog did not end the program"
done

# Still at 144 DPI: the open catalogue told of 96 DPI, then of 120, then of 144
# again; every control's text stays, and the window still answers.
pid=$(start_catalogue "$dir")
wait_catalogue
description=$(text_of "$id_text1")
for dpi in 96 120 144; do
    drv dpi-changed "$catalogue_caption" "$dpi" || fail "WM_DPICHANGED could not be sent"
    sleep 0.5
    check_catalogue "after WM_DPICHANGED" "$dpi"
    capture "$catalogue_caption" "dpi_catalogue_changed_to_$dpi"
done
expect_eq "the description kept" "$description" "$(text_of "$id_text1")"
drv press "$catalogue_caption" "$id_command1"
drv wait-exit "$pid" 10 >/dev/null || fail "Exit did not end the program after the DPI changes"
pass "Exit ends the program after the DPI changes"
