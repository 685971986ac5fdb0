#!/usr/bin/env bash
# labels: smoke
# The settings in the real registry: on a clean machine, closing the settings
# dialog writes back the defaults ("1", "1", "0", empty "misc") as string values,
# and never "install_path". Wine's own reg tool sees the same.
. "$(dirname "$0")/lib.sh"

open_and_close_settings() {  # the settings dialog loads the settings, then saves them as it closes
    local pid
    pid=$(start "$SCR" /c)
    drv wait-window "$settings_caption" 15 || fail "no settings dialog"
    drv close "$settings_caption"
    drv wait-exit "$pid" 10 >/dev/null || fail "the settings dialog did not end the program"
}

reset_settings
open_and_close_settings

expect_eq "music_on" "REG_SZ 1" "$(drv reg-query "$settings_key" music_on)"
expect_eq "soundfx_on" "REG_SZ 1" "$(drv reg-query "$settings_key" soundfx_on)"
expect_eq "speed" "REG_SZ 0" "$(drv reg-query "$settings_key" speed)"
expect_eq "misc" "REG_SZ " "$(drv reg-query "$settings_key" misc)"
drv reg-query "$settings_key" install_path >/dev/null && fail "install_path must never be written"
pass "install_path absent"

listing=$(wine reg query "HKCU\\$settings_key" </dev/null 2>/dev/null | tr -d '\r')
echo "$listing"
for expected in "music_on    REG_SZ    1" "soundfx_on    REG_SZ    1" "speed    REG_SZ    0"; do
    grep -qF "$expected" <<<"$listing" || fail "wine reg query lacks [$expected]"
done
grep -q install_path <<<"$listing" && fail "wine reg query shows install_path"
pass "wine reg query agrees"

# Stored values survive a load and a save unchanged, a password included.
drv reg-set "$settings_key" music_on 0
drv reg-set "$settings_key" speed 2
drv reg-set "$settings_key" misc yexj
drv reg-set "$settings_key" install_path 'C:\Velmora\'
open_and_close_settings
expect_eq "music_on kept" "REG_SZ 0" "$(drv reg-query "$settings_key" music_on)"
expect_eq "speed kept" "REG_SZ 2" "$(drv reg-query "$settings_key" speed)"
expect_eq "password kept" "REG_SZ yexj" "$(drv reg-query "$settings_key" misc)"
expect_eq "install_path untouched" 'REG_SZ C:\Velmora\' "$(drv reg-query "$settings_key" install_path)"
reset_settings
