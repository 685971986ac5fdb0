#!/usr/bin/env bash
# Two monitors side by side, 1024 x 768 each (a session of our own: Xephyr's two
# heads, which Wine reads through Xinerama): the saver covers both, top-most, with
# the scene on the primary monitor and the second one all black, hiding a window
# that stands there; a mouse click on the second monitor ends it.
# Capture: monitors_two.png in this test's work folder.
. "$(dirname "$0")/lib.sh"

own_session 1024x768+1024x768
other='A window on the second monitor'

drv reg-set "$settings_key" music_on 0 >/dev/null
start "$DRIVER" hold-window "$other" 60 1300 200 >/dev/null
drv wait-window "$other" 30 || fail "no window of our own on the second monitor"
expect_eq "Wine reports two monitors" 2 "$(window_field "$other" monitors)"
expect_eq "side by side" "0 0 2048 768" "$(window_field "$other" desktop)"

pid=$(start "$SCR" /s)
wait_saver
expect_eq "covers both monitors" "0 0 2048 768" "$(window_field "$saver_caption" rect)"

# The scene along the primary monitor's edges (768 / 15 = 51.2 -> 51 and
# 768 - 240 - 51.2 = 476.8 -> 477), and not one lit pixel on the second monitor.
capture="$VELMORA_WORK/monitors_two.bmp"
covered() {
    drv capture-desktop "$(winpath "$capture")" >/dev/null || fail "no capture"
    convert "$capture" -crop 1024x768+0+0 +repage "$VELMORA_WORK/primary.bmp"
    /usr/bin/python3 "$(dirname "$0")/check_capture.py" "$VELMORA_WORK/primary.bmp" \
        "$VELMORA_SOURCE_DIR/resources/velmora_sprites.bmp" 51 477 || return 1
    # The bounding box of everything not black: none at all on the second monitor.
    lit=$(/usr/bin/python3 -c 'import sys; from PIL import Image
print(Image.open(sys.argv[1]).convert("RGB").crop((1024, 0, 2048, 768)).getbbox())' "$capture")
    echo "lit area on the second monitor: $lit"
    [ "$lit" = None ]
}
for _ in $(seq 1 20); do covered >"$VELMORA_WORK/capture.log" 2>&1 && break; sleep 0.5; done
cat "$VELMORA_WORK/capture.log"
grep -q "^lit area on the second monitor: None$" "$VELMORA_WORK/capture.log" ||
    fail "the second monitor is not all black"
grep -q "^FAIL" "$VELMORA_WORK/capture.log" && fail "the primary monitor does not show the scene"
pass "the scene on the primary monitor, the second one black"
rm -f "$VELMORA_WORK/primary.bmp"
keep_capture "$capture"

# A click where only the second monitor is.
xdotool mousemove 1500 400 click 1
drv wait-exit "$pid" 15 >/dev/null || fail "a click on the second monitor did not end the saver"
pass "a click on the second monitor ends the saver"
