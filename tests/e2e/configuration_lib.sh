# Shared by the end-to-end tests of the settings dialog and the about box: their
# captions and control ids, twips to pixels, the controls' places, the pointer
# and the cursor, a fake browser, captures, and the screen's DPI.
# shellcheck disable=SC1091
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

about_caption='About This Screen Saver...'
newpassword_caption='Change  Password'

# Control ids, as dialogs/control_ids.h gives them.
id_label1=401 id_label2=402 id_label5=405 id_label7=407 id_label8=408
id_check2=302 id_option1=311 id_option2=312 id_option3=313 id_image1=501 id_shape1=601
id_command1=101 id_command2=102

vk_tab=9 vk_return=13 vk_escape=27 vk_space=32 vk_down=40

# Captures are kept after the run, beside the build's other test output.
captures=${VELMORA_CAPTURES:-$VELMORA_WORK/captures}
mkdir -p "$captures"

pixels() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_pixels.py" "$@"; }

# Twips to pixels at TPP twips per pixel (15 at 96 DPI), halves to even.
px() {  # px TWIPS [TPP]
    local tpp=${2:-15}
    local q=$(($1 / tpp)) r=$(($1 % tpp))
    if ((2 * r > tpp || (2 * r == tpp && q % 2 == 1))); then q=$((q + 1)); fi
    printf '%d' "$q"
}

# One field of a window's `drv window` listing.
field_of() { drv window "$1" | awk -v key="$2" '$1 == key { $1 = ""; sub(/^ /, ""); print }'; }

# Starts "/c", waits for the dialog and prints the process id. The pointer waits
# in the screen's corner, so that the dialog opens with nothing lit.
open_settings() {
    local pid
    drv mouse-move - 0 0
    pid=$(start "$SCR" /c)
    drv wait-window "$settings_caption" 30 || fail "no settings dialog"
    printf '%s\n' "$pid"
}

expect_ended() {  # expect_ended PID WHAT
    drv wait-exit "$1" 10 >/dev/null || fail "$2: the program did not end"
    pass "$2 ends the program"
}

# A control's line of `drv controls`: id, class, place, style, text (tab-separated).
control_line() {  # control_line CAPTION ID
    drv controls "$1" | awk -F'\t' -v id="$2" '$1 == id'
}

# The place of a control in client pixels: left top width height.
place_of() { control_line "${2:-$settings_caption}" "$1" | cut -f3; }

# The middle of a control, in client pixels.
middle_of() {  # middle_of ID [CAPTION]
    local left top width height
    read -r left top width height <<<"$(place_of "$@")"
    printf '%d %d' $((left + width / 2)) $((top + height / 2))
}

# The pointer onto a control, or onto a client point, of the settings dialog.
point_at() {  # point_at ID | point_at X Y
    if [ $# -eq 1 ]; then
        # shellcheck disable=SC2046
        drv mouse-move "$settings_caption" $(middle_of "$1")
    else
        drv mouse-move "$settings_caption" "$1" "$2"
    fi
}

click_on() {  # click_on ID [CAPTION]
    # shellcheck disable=SC2046
    drv mouse-click "${2:-$settings_caption}" $(middle_of "$1" "${2:-$settings_caption}")
}

# A point of the dialog's black background, clear of every control, in client
# pixels at TPP twips per pixel.
background_at() {  # background_at [TPP]
    printf '%d %d' "$(px 1000 "${1:-15}")" "$(px 4300 "${1:-15}")"
}

# The cursor the X display shows: "32 32 12 1" is width, height, hotspot.
cursor_shape() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/x_cursor.py" | awk '{ printf "%s%s %s", sep, $2, $3; sep = " " }'
}

# Polls until a check box or option button is in the state.
expect_checked() {  # expect_checked WHAT ID STATE
    local state=""
    for _ in $(seq 1 50); do
        state=$(drv checked "$settings_caption" "$2") || true
        [ "$state" = "$3" ] && break
        sleep 0.1
    done
    expect_eq "$1" "$3" "$state"
}

fake_browser

# The whole screen to a BMP file of the test's work folder, whose path is printed,
# and the window's part of it as NAME.png in the captures folder.
capture_window() {  # capture_window CAPTION NAME
    local bmp="$VELMORA_WORK/$2.bmp" left top width height
    drv capture "$(winpath "$bmp")" || fail "no capture $2"
    read -r left top width height <<<"$(field_of "$1" rect | awk '{ print $1, $2, $3 - $1, $4 - $2 }')"
    pixels crop "$bmp" "$left" "$top" "$width" "$height" "$captures/$2.png"
    printf '%s\n' "$bmp"
}

# A failed test must not leave a dialog behind for the next one.
configuration_end_leftovers() {
    drv close "$about_caption" >/dev/null 2>&1 || true
    drv close "$newpassword_caption" >/dev/null 2>&1 || true
    drv close "$settings_caption" >/dev/null 2>&1 || true
    drv wait-gone "$settings_caption" 5 >/dev/null 2>&1 || true
}
trap configuration_end_leftovers EXIT
