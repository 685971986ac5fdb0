# Shared by the catalogue's end-to-end tests: a folder per case holding a copy of
# Orvane_Products.exe and that case's data files, a fake browser that notes every
# address it is asked to open, and the window's caption and control ids.
# shellcheck disable=SC1091
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[ -n "${ORVANE_PRODUCTS_EXE:-}" ] || fail "ORVANE_PRODUCTS_EXE is not set: this build has no Orvane_Products target"

catalogue_caption='Orvane Software Product Information - Visit Us On The Web!'
home_page='http://www.orvane.example.com/'

# Control ids, as catalogue/control_ids.h gives them.
id_command1=101 id_command2=102 id_command3=103 id_command4=104 id_command5=105 id_command6=106
id_text1=201 id_text2=202 id_text3=203 id_list1=301

vk_tab=9 vk_return=13

fake_browser

# One record of 20 fields ending in CR LF; fields 2 to 5 as given, verbatim (quote them
# yourself), the unused ones empty.
record() {  # record NAME [DESCRIPTION [WEB_SITE [DOWNLOAD]]]
    printf '1,%s,%s,%s,%s,,,,,,,,,,,,,,,\r\n' "$1" "${2-about}" "${3-http://w.example.com/}" "${4-http://d.example.com/}"
}

# A folder for one case with a copy of the program; the caller writes its data files.
catalogue_case() {  # catalogue_case NAME -> prints the folder
    local dir="$VELMORA_WORK/$1"
    mkdir -p "$dir"
    cp "$ORVANE_PRODUCTS_EXE" "$dir/Orvane_Products.exe"
    printf '%s\n' "$dir"
}

# Starts the copy in a case folder (the driver's working folder is elsewhere, so the
# program must find its data through its own path) and prints its process id.
start_catalogue() {  # start_catalogue DIR
    start "$(winpath "$1")\\Orvane_Products.exe"
}

wait_catalogue() {
    drv wait-window "$catalogue_caption" 20 || fail "the catalogue window did not open"
}

# Closes the window and waits for the program to end.
stop_catalogue() {  # stop_catalogue PID
    drv close "$catalogue_caption" >/dev/null
    drv wait-exit "$1" 10 >/dev/null || fail "the program did not end when its window was closed"
}

# A failed test must not leave a window behind for the next one.
catalogue_end_leftovers() {
    for _ in 1 2 3; do
        drv msgbox "File I/O Error" 0 >/dev/null 2>&1 || true
        drv msgbox "Error!" 0 >/dev/null 2>&1 || true
        drv close "$catalogue_caption" >/dev/null 2>&1 || break
        drv wait-gone "$catalogue_caption" 5 >/dev/null 2>&1 || true
    done
}
trap catalogue_end_leftovers EXIT

text_of() { drv text "$catalogue_caption" "$1"; }

# Waits until the catalogue's control with this id has the focus.
expect_focus() { expect_focus_in "$1" "$catalogue_caption" "$2"; }  # expect_focus WHAT ID

# The list's entries in order, and which one is selected.
expect_list() {  # expect_list WHAT SELECTED NAME...
    local what=$1 selected=$2
    shift 2
    local out items=()
    out=$(drv list-items "$catalogue_caption" "$id_list1")
    mapfile -t items < <(printf '%s\n' "$out" | sed -n 's/^item //p')
    expect_eq "$what: number of entries" "$#" "$(printf '%s\n' "$out" | sed -n 's/^count //p')"
    expect_eq "$what: selected entry" "$selected" "$(printf '%s\n' "$out" | sed -n 's/^selected //p')"
    local i=0 name got
    for name in "$@"; do
        got=${items[$i]-}
        [ "$got" = "$name" ] || fail "$what: entry $i: expected [$name], got [$got]"
        i=$((i + 1))
    done
    pass "$what"
}
