#!/bin/bash
# The preview: the picture moves into a host window of ours at the host's client
# size; the hidden form never shows; the program ends when the host goes or sends
# the picture a close message. (Wine never shows a window's drawing inside
# another process's window in a screen capture, so the pixels are not checked.)
. "$(dirname "$0")/lib.sh"

picture_class="Velmora Preview Picture"

# start_preview CAPTION WIDTH HEIGHT: a host with that client size, and the
# preview in it; prints the preview's process id.
start_preview() {
    start "$DRIVER" hold-window "$1" 60 50 50 "$2" "$3" >/dev/null
    drv wait-window "$1" 10 || fail "no host window $1"
    start "$SCR" /p "$(window_field "$1" hwnd)"
}

# The picture's rectangle in the host's client area, once it has moved in.
picture_rect() {
    for _ in $(seq 1 100); do
        local rect
        rect=$(drv controls "$1" | awk -F'\t' -v class="$picture_class" '$2 == class { print $3 }')
        [ -n "$rect" ] && { echo "$rect"; return 0; }
        sleep 0.1
    done
    return 1
}

# A host larger than the picture; the program ends when the host is destroyed.
pid=$(start_preview "Large Preview Host" 200 150)
expect_eq "the picture fills the larger host's client area" "0 0 $(window_field "Large Preview Host" client)" \
    "$(picture_rect "Large Preview Host")"
expect_eq "the hidden form never shows" "visible 0" "$(drv windows-of "$pid" | grep visible)"
drv wait-exit "$pid" 1 >/dev/null && fail "the preview ended while its host was open"
drv close "Large Preview Host"
drv wait-gone "Large Preview Host" 10 || fail "the host did not close"
drv wait-exit "$pid" 5 >/dev/null || fail "the preview outlived its host"
pass "destroying the host ends the preview"

# A smaller host crops the picture; a close message to the picture detaches it
# and ends the program while the host stays.
pid=$(start_preview "Small Preview Host" 100 80)
# (A captioned window is at least about 110 pixels wide, still narrower than the picture.)
expect_eq "the picture fills the smaller host's client area" "0 0 $(window_field "Small Preview Host" client)" \
    "$(picture_rect "Small Preview Host")"
drv close-child "Small Preview Host" || fail "no picture to close"
drv wait-exit "$pid" 5 >/dev/null || fail "a close message to the picture must end the preview"
expect_eq "the host is left without the picture" "" "$(drv controls "Small Preview Host")"
drv close "Small Preview Host"
pass "a close message to the picture ends the preview and leaves the host"
