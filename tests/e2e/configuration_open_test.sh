#!/usr/bin/env bash
# What the items open: the maker link the home page; "Cool Downloads" the
# document install_path + "catalog.doc" with the program the shell has for
# .doc files (here a stand-in that records what it is given), and nothing, with
# no message, when there is no such document; "Password" the change-password
# dialog, modal over the settings dialog.
. "$(dirname "$0")/configuration_lib.sh"

saver_folder="$WINEPREFIX/drive_c/Saver"
documents_file="$VELMORA_WORK/documents.txt"
: >"$documents_file"
doc_class='HKCR\.doc' doc_program='HKCR\Velmora.TestDocument'
undo() {
    configuration_end_leftovers
    wine reg delete "$doc_class" /f </dev/null >/dev/null 2>&1 || true
    wine reg delete "$doc_program" /f </dev/null >/dev/null 2>&1 || true
    rm -rf "$saver_folder"
}
trap undo EXIT
wine reg add "$doc_class" /ve /t REG_SZ /d Velmora.TestDocument /f </dev/null >/dev/null 2>&1 ||
    fail "cannot register .doc"
wine reg add "$doc_program\\shell\\open\\command" /ve /t REG_SZ \
    /d "\"$DRIVER\" record \"$(winpath "$documents_file")\" \"%1\"" /f </dev/null >/dev/null 2>&1 ||
    fail "cannot register the stand-in for .doc"
mkdir -p "$saver_folder"
printf '{\\rtf1 catalogue}\n' >"$saver_folder/catalog.doc"

expect_document() {  # expect_document WHAT PATH
    for _ in $(seq 1 100); do
        [ -s "$documents_file" ] && break
        sleep 0.1
    done
    expect_eq "$1" "$2" "$(head -n 1 "$documents_file")"
    : >"$documents_file"
}

reset_settings
drv reg-set "$settings_key" install_path 'C:\Saver\'
pid=$(open_settings)
click_on "$id_label1"
expect_opened "the maker link opens the home page" 'http://www.orvane.example/'
click_on "$id_label5"
expect_document "Cool Downloads opens the catalogue" 'C:\Saver\catalog.doc'

# Password: the change-password dialog, and the settings dialog takes no input meanwhile.
click_on "$id_label7"
drv wait-window "$newpassword_caption" 10 || fail "Password opened no change-password dialog"
expect_eq "the settings dialog is disabled under it" 0 "$(field_of "$settings_caption" enabled)"
drv close "$newpassword_caption"
drv wait-gone "$newpassword_caption" 10 || fail "the change-password dialog did not close"
expect_eq "the settings dialog takes input again" 1 "$(field_of "$settings_caption" enabled)"
drv close "$settings_caption"
expect_ended "$pid" "the close box"

# Never installed: "emptycatalog.doc" is not found, and nothing says so.
drv reg-delete "$settings_key" >/dev/null
pid=$(open_settings)
click_on "$id_label5"
sleep 2
expect_eq "no document opened" 0 "$(wc -c <"$documents_file")"
expect_eq "no message over the settings dialog" 1 "$(field_of "$settings_caption" enabled)"
click_on "$id_label8"
expect_ended "$pid" "Exit"
reset_settings
