#!/usr/bin/env bash
# The buttons and the list open the kept addresses in the default browser: Enter at
# start opens the maker's home page with the partner code, since Command2 has the
# focus; editing a text box changes nothing that is opened; a failing launch says so.
. "$(dirname "$0")/catalogue_lib.sh"

dir=$(catalogue_case open)
printf 'P7\r\n' >"$dir/pid.txt"
{
    record 'First' 'one' 'http://www.orvane.example.com/first/' 'http://download.orvane.example.com/first.exe'
    record 'Second' 'two' 'http://www.orvane.example.com/second/' 'http://download.orvane.example.com/second.exe'
} >"$dir/orvane_products.txt"
home='http://www.orvane.example.com/?PL=P7'

pid=$(start_catalogue "$dir")
wait_catalogue
expect_focus "Command2 has the focus at start" "$id_command2"
drv post-key "$catalogue_caption" "$vk_return"
expect_opened "Enter at start opens the home page with the partner code" "$home"

drv press "$catalogue_caption" "$id_command2"
expect_opened "Command2" "$home"
drv press "$catalogue_caption" "$id_command3"
expect_opened "Command3" 'http://www.orvane.example.com/first/?PL=P7'
drv press "$catalogue_caption" "$id_command4"
expect_opened "Command4" 'http://download.orvane.example.com/first.exe'

drv list-select "$catalogue_caption" "$id_list1" 1
drv press "$catalogue_caption" "$id_command5"
expect_opened "Command5 follows the selection" 'http://www.orvane.example.com/second/?PL=P7'
drv press "$catalogue_caption" "$id_command6"
expect_opened "Command6 follows the selection" 'http://download.orvane.example.com/second.exe'
drv list-dblclick "$catalogue_caption" "$id_list1"
expect_opened "a double-click on the list" 'http://www.orvane.example.com/second/?PL=P7'

# Tab along to Text2 (a pressed button has the focus now), then type over its whole text.
for _ in $(seq 1 12); do
    [ "$(drv focus "$catalogue_caption" | cut -f1)" = "$id_text2" ] && break
    drv post-key "$catalogue_caption" "$vk_tab"
    sleep 0.1
done
expect_focus "Tab reaches Text2" "$id_text2"
drv post-key "$catalogue_caption" 0x58
for _ in $(seq 1 50); do [ "$(text_of "$id_text2")" = x ] && break; sleep 0.1; done
expect_eq "Text2 was typed over" x "$(text_of "$id_text2")"
drv post-key "$catalogue_caption" "$vk_return"
expect_nothing_opened "Enter in a text box presses nothing"
drv press "$catalogue_caption" "$id_command5"
expect_opened "Go! opens the kept address, not the box's text" 'http://www.orvane.example.com/second/?PL=P7'

# A launch that fails: the http handler made to name a missing program for a moment.
http_key='HKCR\http\shell\open\command'
saved=$(wine reg query "$http_key" /ve </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
[ -n "$saved" ] || fail "cannot read the http handler"
restore_http() { wine reg add "$http_key" /ve /t REG_SZ /d "$saved" /f </dev/null >/dev/null 2>&1; }
trap 'restore_http; catalogue_end_leftovers' EXIT
wine reg add "$http_key" /ve /t REG_SZ /d 'Z:\nowhere\missing.exe "%1"' /f </dev/null >/dev/null 2>&1
drv press "$catalogue_caption" "$id_command3"
expect_eq "a failing launch is reported" \
    'text Error Launching Your Default Browser!\r\rPlease make sure you have a DEFAULT browser selected and try again.' \
    "$(drv msgbox "Error!" 10)"
restore_http
drv wait-window "$catalogue_caption" 5 || fail "the window closed after the error"
drv press "$catalogue_caption" "$id_command2"
expect_opened "the window works on after the error" "$home"

stop_catalogue "$pid"
