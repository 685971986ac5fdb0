#!/usr/bin/env bash
# The list holds the product names in file order with the first selected and shown;
# choosing another entry shows that product: description, web site with the
# partner code, download link.
. "$(dirname "$0")/catalogue_lib.sh"

dir=$(catalogue_case display)
printf '42\r\n' >"$dir/pid.txt"
{
    # Not in alphabetical order; a name with a comma; a record over several lines;
    # two records of the same name.
    record 'Zephyr Clock' $'"Keeps time, quietly.\r\nSecond line."' 'http://www.orvane.example.com/zephyr/' \
        'http://download.orvane.example.com/zephyr.exe'
    printf '1,"Alpha, Beta"\r\n"Two words, one program."\r\nhttp://www.orvane.example.com/alpha/?lang=en\r\n'
    printf 'http://download.orvane.example.com/alpha.exe,,,,,,,,,,,,,,,\r\n'
    record 'Twin' 'first twin' 'http://www.orvane.example.com/twin1/' 'http://download.orvane.example.com/twin1.exe'
    record 'Twin' 'second twin' 'http://www.orvane.example.com/twin2/' 'http://download.orvane.example.com/twin2.exe'
} >"$dir/orvane_products.txt"

pid=$(start_catalogue "$dir")
wait_catalogue
expect_list "names in file order, the first selected" 0 'Zephyr Clock' 'Alpha, Beta' 'Twin' 'Twin'

expect_shown() {  # expect_shown WHAT DESCRIPTION WEB_SITE DOWNLOAD
    expect_eq "$1: description" "$2" "$(text_of "$id_text1")"
    expect_eq "$1: web site" "$3" "$(text_of "$id_text2")"
    expect_eq "$1: download link" "$4" "$(text_of "$id_text3")"
}
expect_shown "first product at start" 'Keeps time, quietly.\r\nSecond line.' \
    'http://www.orvane.example.com/zephyr/?PL=42' 'http://download.orvane.example.com/zephyr.exe'
expect_focus "the selection at start leaves the focus on Command2" "$id_command2"

drv list-select "$catalogue_caption" "$id_list1" 1
expect_shown "second product" 'Two words, one program.' \
    'http://www.orvane.example.com/alpha/?lang=en?PL=42' 'http://download.orvane.example.com/alpha.exe'

# Two records of one name: either entry shows the first of them.
for entry in 3 2; do
    drv list-select "$catalogue_caption" "$id_list1" "$entry"
    expect_shown "entry $entry of two same names shows the first" 'first twin' \
        'http://www.orvane.example.com/twin1/?PL=42' 'http://download.orvane.example.com/twin1.exe'
done

stop_catalogue "$pid"
