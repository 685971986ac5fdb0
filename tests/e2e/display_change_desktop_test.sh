#!/usr/bin/env bash
# A display that changes while the saver runs, as a user does it: an 800 x 600
# desktop (a Wine virtual desktop in a session of our own, where the resolution
# can be changed), "/s", then 1024 x 768. The saver covers the new screen at
# once, hiding a window that stood beyond the old edges, and the scene goes on
# along the new edges: before, banner and photograph at 600 / 15 = 40 and
# 600 - 240 - 40 = 320; after, at 768 / 15 = 51.2 -> 51 and 476.8 -> 477.
# Captures: display_change_800x600.png and display_change_1024x768.png in this
# test's work folder.
. "$(dirname "$0")/lib.sh"

own_session 1024x768
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f </dev/null >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 800x600 /f </dev/null >/dev/null 2>&1 ||
    fail "the virtual desktop could not be set"
restart_own_session

other='A window beyond the old screen'
drv reg-set "$settings_key" music_on 0 >/dev/null
start "$DRIVER" hold-window "$other" 60 820 300 >/dev/null
drv wait-window "$other" 30 || fail "no window of our own"
expect_eq "the desktop at first" "0 0 800 600" "$(window_field "$other" desktop)"

pid=$(start "$SCR" /s)
wait_saver
expect_eq "covers the 800 x 600 screen" "0 0 800 600" "$(window_field "$saver_caption" rect)"

# Captures until banner and photograph are both in view at the expected rows.
shows_scene() {  # shows_scene NAME BANNER_TOP PHOTO_TOP
    local capture="$VELMORA_WORK/$1.bmp" ok=1
    for _ in $(seq 1 20); do
        drv capture "$(winpath "$capture")" >/dev/null || fail "no capture"
        /usr/bin/python3 "$(dirname "$0")/check_capture.py" "$capture" \
            "$VELMORA_SOURCE_DIR/resources/velmora_sprites.bmp" "$2" "$3" >"$VELMORA_WORK/capture.log" 2>&1 &&
            ok=0 && break
        sleep 0.5
    done
    cat "$VELMORA_WORK/capture.log"
    keep_capture "$capture"
    return $ok
}
shows_scene display_change_800x600 40 320 || fail "the 800 x 600 screen does not show the scene"
pass "the scene on the 800 x 600 screen"

drv display-mode 1024 768 || fail "the resolution could not be changed"
for _ in $(seq 1 50); do
    [ "$(window_field "$saver_caption" rect)" = "0 0 1024 768" ] && break
    sleep 0.1
done
expect_eq "covers the 1024 x 768 screen" "0 0 1024 768" "$(window_field "$saver_caption" rect)"
expect_eq "still top-most" 1 "$(window_field "$saver_caption" topmost)"
# Black wherever banner, photograph and sparkles are not: the window beyond the
# old edges does not show.
shows_scene display_change_1024x768 51 477 || fail "the 1024 x 768 screen does not show the scene alone"
pass "the scene goes on along the new edges, the rest black"

xdotool key x
drv wait-exit "$pid" 5 >/dev/null || fail "a key did not end the saver after the change"
pass "a key ends the saver after the change"
