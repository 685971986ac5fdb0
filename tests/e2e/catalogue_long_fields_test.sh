#!/usr/bin/env bash
# Long fields: a name past 512 characters is listed and shown, and a second
# selection works; any field up to 2,048 characters loads and shows, even when
# every shown field is that long and made of digits (the slowest text for Wine's
# text boxes); a longer field, or a longer partner code, is the read-error message
# with an empty list, and the window is up and works on.
. "$(dirname "$0")/catalogue_lib.sh"

max_field=2048

repeat() {  # repeat CHARACTER COUNT
    head -c "$2" /dev/zero | tr '\0' "$1"
}

# The list's entry count and selection, without the entries' text.
expect_entries() {  # expect_entries WHAT COUNT SELECTED
    local out
    out=$(drv list-items "$catalogue_caption" "$id_list1")
    expect_eq "$1: entries" "count $2" "$(printf '%s\n' "$out" | grep '^count')"
    expect_eq "$1: selected" "selected $3" "$(printf '%s\n' "$out" | grep '^selected')"
}

# Long names: the first entry is shown at start, a second selection shows its
# product, and the third entry (the first name again) shows the first record.
for length in 512 600 "$max_field"; do
    name=$(repeat N "$length")
    dir=$(catalogue_case "name_$length")
    printf '7\r\n' >"$dir/pid.txt"
    {
        record "\"$name\"" 'first' 'http://one.example.com/'
        record 'Second' 'second' 'http://two.example.com/'
        record "\"$name\"" 'third' 'http://three.example.com/'
    } >"$dir/orvane_products.txt"
    pid=$(start_catalogue "$dir")
    wait_catalogue
    expect_entries "name of $length" 3 0
    expect_eq "name of $length: first product at start" 'first' "$(text_of "$id_text1")"
    drv list-select "$catalogue_caption" "$id_list1" 1
    expect_eq "name of $length: a second selection" 'second' "$(text_of "$id_text1")"
    drv list-select "$catalogue_caption" "$id_list1" 2
    expect_eq "name of $length: the same name again shows the first record" 'first' "$(text_of "$id_text1")"
    expect_eq "name of $length: and its web site" 'http://one.example.com/?PL=7' "$(text_of "$id_text2")"
    stop_catalogue "$pid"
done

# Every shown field at the bound, in digits. The driver reads at most 4,095
# characters of a box, so the partner code is a little shorter than the bound.
dir=$(catalogue_case every_field_at_the_bound)
description=$(repeat 2 "$max_field") web_site=$(repeat 3 "$max_field") download=$(repeat 4 "$max_field")
partner=$(repeat 5 $((max_field - 8)))
printf '%s\r\n' "$partner" >"$dir/pid.txt"
{
    record "$(repeat 1 "$max_field")" "$description" "$web_site" "$download"
    record "$(repeat 9 "$max_field")" 'second' "$web_site" "$download"
} >"$dir/orvane_products.txt"
pid=$(start_catalogue "$dir")
wait_catalogue
expect_entries "every field at the bound" 2 0
expect_eq "every field at the bound: description" "$description" "$(text_of "$id_text1")"
expect_eq "every field at the bound: web site" "$web_site?PL=$partner" "$(text_of "$id_text2")"
expect_eq "every field at the bound: download link" "$download" "$(text_of "$id_text3")"
drv list-select "$catalogue_caption" "$id_list1" 1
expect_eq "every field at the bound: a second selection" 'second' "$(text_of "$id_text1")"
stop_catalogue "$pid"

# Past the bound: a name, and each shown field or the partner code at 100 KB and 1 MB.
# case name | field (name, description, web_site, download, partner) | length
past_bound_cases="name_past_the_bound|name|$((max_field + 1))
name_of_100000|name|100000
$(for field in description web_site download partner; do
    printf '%s_of_100KB|%s|102400\n%s_of_1MB|%s|1048576\n' "$field" "$field" "$field" "$field"
done)"

while IFS='|' read -r case_name field length; do
    dir=$(catalogue_case "$case_name")
    long=$(repeat N "$length")
    name=Product description=about web_site=http://w.example.com/ download=http://d.example.com/ partner=7
    printf -v "$field" '%s' "$long"
    printf '%s\r\n' "$partner" >"$dir/pid.txt"
    {
        record "$name" "$description" "$web_site" "$download"
        record 'Second'
    } >"$dir/orvane_products.txt"
    pid=$(start_catalogue "$dir")
    expect_eq "$case_name: message" "text Error reading product data file." "$(drv msgbox "File I/O Error" 20)"
    wait_catalogue
    expect_entries "$case_name: the list is empty" 0 -1
    expect_eq "$case_name: no description" "" "$(text_of "$id_text1")"
    stop_catalogue "$pid"
done <<<"$past_bound_cases"
