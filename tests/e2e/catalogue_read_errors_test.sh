#!/usr/bin/env bash
# Data files that cannot be read whole: the message "Error reading product data
# file.", then an empty list and empty boxes, and the window works on. An empty
# product file is no error; exactly 500 records all load; blank lines after the
# last record end the file.
. "$(dirname "$0")/catalogue_lib.sh"

numbered_records() {  # numbered_records COUNT
    local n
    for ((n = 1; n <= $1; n++)); do record "Product $n" "About $n"; done
}

# case name | pid.txt ("-": none) | product file content command ("-": none)
error_cases='501_records|1001|numbered_records 501
last_record_of_19_fields|1001|record A; printf "1,B,c,d,e,,,,,,,,,,,,,,\r\n"
missing_pid_file|-|record A
empty_pid_file||record A
missing_product_file|1001|-
quote_never_closed|1001|record A; printf "1,\"B,c\r\n"'

while IFS='|' read -r name pid_text products; do
    dir=$(catalogue_case "$name")
    [ "$pid_text" = - ] || printf '%s' "$pid_text" >"$dir/pid.txt"
    [ "$products" = - ] || eval "$products" >"$dir/orvane_products.txt"
    pid=$(start_catalogue "$dir")
    expect_eq "$name: message" "text Error reading product data file." "$(drv msgbox "File I/O Error" 20)"
    wait_catalogue
    expect_list "$name: the list is empty" -1
    expect_eq "$name: no description" "" "$(text_of "$id_text1")"
    expect_eq "$name: no web site" "" "$(text_of "$id_text2")"
    if [ "$name" = 501_records ]; then
        expect_focus "$name: Command2 has the focus after the message" "$id_command2"
        # No product is on show: its buttons pass an empty address, which fails
        # like a missing browser. The home page still carries the partner code
        # read before the product file failed.
        for button in "$id_command3" "$id_command6"; do
            drv press "$catalogue_caption" "$button"
            expect_eq "$name: an empty address is reported" \
                'text Error Launching Your Default Browser!\r\rPlease make sure you have a DEFAULT browser selected and try again.' \
                "$(drv msgbox "Error!" 10)"
        done
        drv press "$catalogue_caption" "$id_command2"
        expect_opened "$name: the home page keeps the partner code" 'http://www.orvane.example.com/?PL=1001'
        expect_nothing_opened "$name: nothing else was opened"
    fi
    stop_catalogue "$pid"
done <<<"$error_cases"

# An empty product file: no message (the window opens at once), no product.
dir=$(catalogue_case empty_product_file)
printf '1001\r\n' >"$dir/pid.txt"
: >"$dir/orvane_products.txt"
pid=$(start_catalogue "$dir")
wait_catalogue
expect_list "an empty product file lists nothing" -1
stop_catalogue "$pid"

# Exactly 500 records, the last ending with its line end: all of them load.
dir=$(catalogue_case 500_records)
printf '1001\r\n' >"$dir/pid.txt"
numbered_records 500 >"$dir/orvane_products.txt"
pid=$(start_catalogue "$dir")
wait_catalogue
expect_eq "500 records: entries" "count 500" "$(drv list-items "$catalogue_caption" "$id_list1" | grep '^count')"
drv list-select "$catalogue_caption" "$id_list1" 499
expect_eq "500 records: the last one shows" "About 500" "$(text_of "$id_text1")"
stop_catalogue "$pid"

# A catalogue saved by a text editor with blank lines, blanks and a lone line end
# after its last record: those lines end the file, and every record loads.
dir=$(catalogue_case trailing_blank_lines)
printf '1001\r\n' >"$dir/pid.txt"
{
    numbered_records 2
    printf '\r\n\r\n  \t\r\n\n'
} >"$dir/orvane_products.txt"
pid=$(start_catalogue "$dir")
wait_catalogue
expect_list "blank lines after the last record" 0 'Product 1' 'Product 2'
expect_eq "blank lines after the last record: the first shows" "About 1" "$(text_of "$id_text1")"
stop_catalogue "$pid"
