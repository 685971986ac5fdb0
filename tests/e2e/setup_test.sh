#!/usr/bin/env bash
# labels: smoke
# The Windows Installer package of this build, installed and removed silently
# with msiexec in a fresh Wine prefix of the build's bitness: the program folder
# and the system folder's saver are this build's files, "install_path" names the
# folder, and the installed saver plays its songs from there. Uninstalling leaves
# none of its files or keys and keeps the user's choice of screen saver valid;
# the next version replaces this one, and this one does not replace the next.
# In a 64-bit prefix (the session's) the x86 package refuses to install.
. "$(dirname "$0")/lib.sh"

if [ -z "${VELMORA_MSI:-}" ]; then
    echo "skipped: no package to test (wixl was not found when this build was configured)"
    exit 77
fi
msi=$VELMORA_MSI
version_of() { basename "$1" | cut -d- -f2; }  # Velmora-VERSION-ARCH.msi
IFS=. read -r major minor patch <<<"$(version_of "$msi")"
next_msi="$(dirname "$msi")/upgrade-check/Velmora-$major.$minor.$((patch + 1))-$(basename "$msi" | cut -d- -f3)"
[ -f "$next_msi" ] || fail "no package of the next version: $next_msi"

desktop_key='Control Panel\Desktop'
app_key='Software\VB and VBA Program Settings\Orvane Velmora Screen Saver'
vb_key='Software\VB and VBA Program Settings'
program_saver='C:\Program Files\Velmora\Velmora.scr'
# The system folder of the package's own bitness: system32 in a 32-bit prefix
# for x86, system32 in a 64-bit prefix for x64.
system_saver='C:\windows\system32\Velmora.scr'

# msiexec ACTION PACKAGE [PROPERTY=VALUE...]: silently; its exit code is kept
# (Wine passes on only the low byte: 1603 arrives as 67).
msiexec() {
    local action=$1 package=$2
    shift 2
    wine msiexec "$action" "$(winpath "$package")" /qn "$@" </dev/null >/dev/null 2>&1
}
install() { msiexec /i "$@" || fail "msiexec /i $(basename "$1") $*: exit $?"; }
uninstall() { msiexec /x "$1" || fail "msiexec /x $(basename "$1"): exit $?"; }

key_exists() { wine reg query "HKCU\\$1" </dev/null >/dev/null 2>&1; }
current_saver() { drv reg-query "$desktop_key" SCRNSAVE.EXE || true; }
apps_entries() { wine uninstaller --list </dev/null 2>/dev/null | tr -d '\r' | grep -F '|||Velmora Screen Saver' || true; }
# The Apps list's entry of a 64-bit package lies in the 64-bit view of HKLM, which
# Wine's reg shows a 32-bit loader only when asked.
if [ "$VELMORA_TEST_BUILD" = win64 ]; then registry_view=/reg:64; else registry_view=; fi
listed_version() {
    local code
    code=$(apps_entries | cut -d'|' -f1)
    wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" /v DisplayVersion \
        $registry_view </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "DisplayVersion" { print $3 }'
}

# A fresh prefix of the build's bitness with its own wineserver, removed at the end.
session_prefix=$WINEPREFIX
fresh_prefix="$VELMORA_WORK/prefix"
fresh_server=
server_running() { case "$(ps -o stat= -p "$fresh_server" 2>/dev/null)" in "" | Z*) return 1 ;; esac; }
cleanup() {
    end_leftovers
    WINEPREFIX=$fresh_prefix wineserver -k </dev/null >/dev/null 2>&1 || true
    # Now and then the persistent server outlives -k: it goes by its id.
    if [ -n "$fresh_server" ]; then
        for _ in $(seq 1 50); do server_running || break; sleep 0.1; done
        if server_running; then kill "$fresh_server"; fi
        wait "$fresh_server" 2>/dev/null || true
    fi
    rm -rf "$fresh_prefix"
}
trap cleanup EXIT

# The x86 package in the session's prefix, when that is a 64-bit one: refused,
# nothing installed.
if [ "$VELMORA_TEST_BUILD" = win32 ] && [ -d "$session_prefix/drive_c/windows/syswow64" ]; then
    reset_settings
    if msiexec /i "$msi"; then fail "the x86 package installed in a 64-bit prefix"; fi
    for path in "Program Files (x86)/Velmora" "Program Files/Velmora" windows/syswow64/Velmora.scr windows/system32/Velmora.scr; do
        [ ! -e "$session_prefix/drive_c/$path" ] || fail "the refused package left C:/$path"
    done
    drv reg-query "$settings_key" install_path >/dev/null && fail "the refused package wrote install_path"
    [ -z "$(apps_entries)" ] || fail "the refused package is in the Apps list"
    pass "x86 package in a 64-bit prefix: refused, nothing installed"
else
    echo "(the x86 package in a 64-bit prefix is checked by the win32 build in a WoW64 session)"
fi

export WINEPREFIX=$fresh_prefix
if [ "$VELMORA_TEST_BUILD" = win32 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
mkdir -p "$WINEPREFIX"
setsid wineserver -p </dev/null >"$VELMORA_WORK/wineserver.log" 2>&1 &
fresh_server=$!
wine wineboot -i </dev/null >"$VELMORA_WORK/wineboot.log" 2>&1 || fail "the fresh prefix did not boot"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
drive_c="$WINEPREFIX/drive_c"
key_exists "$vb_key" && fail "a fresh prefix already has $vb_key"

# check_installed VERSION: this build's files in both folders, nothing else,
# install_path, one entry in the Apps list.
check_installed() {
    local name source count=0
    while IFS='|' read -r name source; do
        cmp -s "$drive_c/Program Files/Velmora/$name" "$source" || fail "Program Files/Velmora/$name is not $source"
        count=$((count + 1))
    done <<EOF
Velmora.scr|$VELMORA_SCR
Orvane_Products.exe|$ORVANE_PRODUCTS_EXE
pid.txt|$VELMORA_SOURCE_DIR/catalogue/data/pid.txt
orvane_products.txt|$VELMORA_SOURCE_DIR/catalogue/data/orvane_products.txt
catalog.doc|$VELMORA_SOURCE_DIR/resources/catalog.doc
LICENSE.txt|$VELMORA_SOURCE_DIR/installer/LICENSE.txt
DancingScript-LICENSE.txt|$VELMORA_SOURCE_DIR/resources/fonts/DancingScript-LICENSE.txt
$(for n in $(seq 1 10); do echo "ravlo$n.mid|$VELMORA_SOURCE_DIR/resources/music/ravlo$n.mid"; done)
EOF
    expect_eq "files in the program folder" "$count" "$(ls "$drive_c/Program Files/Velmora" | wc -l)"
    cmp -s "$drive_c/windows/system32/Velmora.scr" "$VELMORA_SCR" || fail "no saver in the system folder"
    [ ! -e "$drive_c/windows/syswow64/Velmora.scr" ] || fail "a saver in SysWOW64"
    pass "the saver in the system folder"
    expect_eq "install_path" 'REG_SZ C:\Program Files\Velmora\' "$(drv reg-query "$settings_key" install_path || true)"
    expect_eq "entries in the Apps list" 1 "$(apps_entries | wc -l)"
    expect_eq "version in the Apps list" "$1" "$(listed_version)"
}

# check_removed: no file, folder, key or Apps list entry of the package left.
check_removed() {
    [ ! -e "$drive_c/Program Files/Velmora" ] || fail "the program folder is left: $(ls "$drive_c/Program Files/Velmora")"
    [ ! -e "$drive_c/windows/system32/Velmora.scr" ] || fail "the saver is left in the system folder"
    key_exists "$app_key" && fail "$app_key is left"
    key_exists "$vb_key" && fail "$vb_key is left"
    [ -z "$(apps_entries)" ] || fail "still in the Apps list"
    pass "nothing left"
}

# Installed, the saver started from the system folder (as Windows starts it)
# plays the songs of the program folder.
install "$msi"
check_installed "$(version_of "$msi")"
expect_eq "not made the current saver unasked" missing "$(current_saver)"

WINEDEBUG=+mci wine "$VELMORA_DRIVER" start "$system_saver" /s </dev/null >"$VELMORA_WORK/pid" 2>"$VELMORA_WORK/mci.log"
pid=$(tr -d '\r' <"$VELMORA_WORK/pid")
wait_saver
# Trace lines read: mciSendStringW (L"open \"C:\\Program Files\\Velmora\\ravlo4.mid\" type Sequencer ...
song_open='mciSendStringW (L"open \"C:\\Program Files\\Velmora\\ravlo'
for _ in $(seq 1 100); do grep -qF "$song_open" "$VELMORA_WORK/mci.log" && break; sleep 0.1; done
grep -F 'mciSendStringW (L"open' "$VELMORA_WORK/mci.log" || true
grep -qF "$song_open" "$VELMORA_WORK/mci.log" || fail "the installed saver opened no song of the program folder"
pass "the installed saver plays from the program folder"
drv capture "$(winpath "$VELMORA_WORK/installed_saver.bmp")" || true
drv post-char "$saver_caption" q
drv wait-exit "$pid" 5 >/dev/null || fail "the installed saver did not end on a key"

uninstall "$msi"
check_removed

# The current screen saver, one row per case:
# SETSCREENSAVER | the user's own pick after installing ("-": none) | SCRNSAVE.EXE after installing | after uninstalling
while IFS='|' read -r property pick installed removed; do
    echo "--- SETSCREENSAVER=$property, then picked: $pick"
    if [ "$property" = - ]; then install "$msi"; else install "$msi" "SETSCREENSAVER=$property"; fi
    expect_eq "current saver after installing" "$installed" "$(current_saver)"
    [ "$pick" = - ] || drv reg-set "$desktop_key" SCRNSAVE.EXE "$pick"
    uninstall "$msi"
    expect_eq "current saver after uninstalling" "$removed" "$(current_saver)"
    check_removed
    wine reg delete "HKCU\\$desktop_key" /v SCRNSAVE.EXE /f </dev/null >/dev/null 2>&1 || true
done <<EOF
1|-|REG_SZ $system_saver|missing
-|$program_saver|missing|missing
-|C:\\windows\\system32\\other.scr|missing|REG_SZ C:\\windows\\system32\\other.scr
EOF

# What the user chose in the saver's settings is the user's, not the package's:
# uninstalling takes install_path and keeps the rest.
install "$msi"
drv reg-set "$settings_key" music_on 0
uninstall "$msi"
expect_eq "the user's setting kept" "REG_SZ 0" "$(drv reg-query "$settings_key" music_on || true)"
expect_eq "install_path removed" missing "$(drv reg-query "$settings_key" install_path || true)"
drv reg-delete "$vb_key"
check_removed

# Upgrading: the next version replaces this one and keeps Velmora current;
# this one then refuses to replace the next.
install "$msi" SETSCREENSAVER=1
install "$next_msi"
check_installed "$(version_of "$next_msi")"
expect_eq "current saver kept by the upgrade" "REG_SZ $system_saver" "$(current_saver)"
if msiexec /i "$msi"; then fail "the older package installed over the newer one"; fi
expect_eq "version after refusing the older package" "$(version_of "$next_msi")" "$(listed_version)"
uninstall "$next_msi"
expect_eq "current saver after uninstalling the upgrade" missing "$(current_saver)"
check_removed
