#!/usr/bin/env bash
# labels: smoke
# The catalogue window as the shipped program opens it: caption, client size, no
# minimize or maximize box, every control where the layout puts it, Command2
# focused, Tab following the tab order; Exit and the close box end the program.
. "$(dirname "$0")/catalogue_lib.sh"

# The shipped data files, as the build puts them beside the program.
dir=$(catalogue_case shipped)
cp "$(dirname "$ORVANE_PRODUCTS_EXE")/pid.txt" "$(dirname "$ORVANE_PRODUCTS_EXE")/orvane_products.txt" "$dir/"
pid=$(start_catalogue "$dir")
wait_catalogue

window=$(drv window "$catalogue_caption")
field() { printf '%s\n' "$window" | awk -v key="$1" '$1 == key { $1 = ""; sub(/^ /, ""); print }'; }
expect_eq "client area at 96 DPI (6765 x 5475 twips)" "451 365" "$(field client)"
expect_eq "title bar" 1 "$(field caption)"
expect_eq "close box" 1 "$(field sysmenu)"
expect_eq "no minimize box" 0 "$(field minimizebox)"
expect_eq "no maximize box" 0 "$(field maximizebox)"

# Twips to pixels at 15 twips per pixel, halves to even.
px() {
    local q=$(($1 / 15)) r=$(($1 % 15))
    if ((2 * r > 15 || (2 * r == 15 && q % 2 == 1))); then q=$((q + 1)); fi
    printf '%d' "$q"
}

# id class left top width height (twips) text; "*" leaves the text to the data.
layout='401 Static 60 90 1755 225 Program Name:
403 Static 1710 90 3795 225 Please make sure you are connected to the internet!
301 ListBox 90 300 3645 2790 *
102 Button 3810 300 2900 735 &Launch Your Browser To Our Home Page On The Internet!
103 Button 3810 1050 2900 735 &Launch Your Browser To The Home Page Of The Selected Program
104 Button 3810 1800 2900 735 &Launch Your Browser To The Download Link Of The Selected  Program
101 Button 3810 2550 2895 555 &Exit
402 Static 60 3180 2175 195 Program Description:
201 Edit 60 3390 6645 765 *
405 Static 60 4260 3405 225 Internet Website For This Program:
202 Edit 60 4470 6165 315 *
105 Button 6300 4470 405 315 &Go!
406 Static 60 4890 4035 225 Download Link For This Program:
203 Edit 60 5100 6195 315 *
106 Button 6300 5100 405 315 &Go!'
controls=$(drv controls "$catalogue_caption")
expect_eq "number of controls" 15 "$(printf '%s\n' "$controls" | wc -l)"
while read -r id class left top width height text; do
    line=$(printf '%s\n' "$controls" | awk -F'\t' -v id="$id" '$1 == id')
    [ -n "$line" ] || fail "no control $id"
    expect_eq "control $id class" "$class" "$(printf '%s' "$line" | cut -f2)"
    expect_eq "control $id place" "$(px "$left") $(px "$top") $(px "$width") $(px "$height")" "$(printf '%s' "$line" | cut -f3)"
    [ "$text" = "*" ] || expect_eq "control $id text" "$text" "$(printf '%s' "$line" | cut -f5)"
done <<<"$layout"

# Focus starts on Command2; Tab runs Command3, Command4, Command1, Command5, Command6,
# List1, Text1, Text2, Text3 and round again.
expect_focus "Command2 has the focus at start" "$id_command2"
order="" focus=$id_command2
for _ in $(seq 1 10); do
    drv post-key "$catalogue_caption" "$vk_tab"
    previous=$focus
    for _ in $(seq 1 50); do
        focus=$(drv focus "$catalogue_caption" | cut -f1) || true
        [ "$focus" != "$previous" ] && break
        sleep 0.05
    done
    order="$order $focus"
done
expect_eq "Tab order" " 103 104 101 105 106 301 201 202 203 102" "$order"

# Escape does nothing, not even in the multi-line description box.
for _ in $(seq 1 7); do drv post-key "$catalogue_caption" "$vk_tab"; done
expect_focus "Tab reaches Text1" "$id_text1"
drv post-key "$catalogue_caption" 27
sleep 0.5
drv window "$catalogue_caption" >/dev/null || fail "Escape in Text1 closed the window"
pass "Escape leaves the window open"

drv press "$catalogue_caption" "$id_command1"
drv wait-exit "$pid" 10 >/dev/null || fail "Exit did not end the program"
pass "Exit ends the program"

pid=$(start_catalogue "$dir")
wait_catalogue
stop_catalogue "$pid"
pass "the close box ends the program"
