#!/usr/bin/env bash
# labels: smoke
# Music under Wine, which has no MIDI device here: with music on and the songs in
# the installation folder the saver opens and plays the first song through MCI,
# stays healthy and ends cleanly; with music off it issues no MCI command at all.
# What the saver asks of MCI is read from Wine's MCI trace.
. "$(dirname "$0")/lib.sh"

install="$VELMORA_WORK/install"
mkdir -p "$install"
cp "$VELMORA_SOURCE_DIR"/resources/music/ravlo*.mid "$install/"

# run_saver_with_mci_trace LOG [COMMAND]: the saver until it has sent the MCI
# command that begins with COMMAND (without one, for a second), then a key.
run_saver_with_mci_trace() {
    WINEDEBUG=+mci wine "$VELMORA_DRIVER" start "$SCR" /s </dev/null >"$VELMORA_WORK/pid" 2>"$1"
    local pid
    pid=$(tr -d '\r' <"$VELMORA_WORK/pid")
    wait_saver
    if [ -n "${2:-}" ]; then
        for _ in $(seq 1 100); do grep -q "mciSendStringW (L\"$2" "$1" && break; sleep 0.1; done
        grep -q "mciSendStringW (L\"$2" "$1" || fail "no MCI command \"$2...\" within 10 s"
    fi
    drv wait-exit "$pid" 1 >/dev/null && fail "the saver ended by itself"
    drv post-char "$saver_caption" q
    drv wait-exit "$pid" 5 >/dev/null || fail "the saver did not end on a key"
}

reset_settings
drv reg-set "$settings_key" install_path "$(winpath "$install")\\"
run_saver_with_mci_trace "$VELMORA_WORK/music_on.log" status
# Trace lines read: mciSendStringW (L"open \"Z:\\...\\ravlo2.mid\" type Sequencer alias ...", ...)
commands=$(sed -n 's/.*mciSendStringW (L"\(.*\)", [0-9A-Fa-f]*, .*/\1/p' "$VELMORA_WORK/music_on.log")
echo "$commands"
grep -qi "^open .*ravlo[0-9]*\.mid.* type sequencer" <<<"$commands" || fail "no song was opened"
grep -qi "^play " <<<"$commands" || fail "the song was not played"
grep -qi "wait" <<<"$commands" && fail "a command waited"
grep -qi "^close " <<<"$commands" || fail "the song was not closed when the saver ended"
pass "music on: a song opened, played and closed, nothing waited"

drv reg-set "$settings_key" music_on 0
run_saver_with_mci_trace "$VELMORA_WORK/music_off.log"
if grep -q 'mciSendString' "$VELMORA_WORK/music_off.log"; then
    grep 'mciSendString' "$VELMORA_WORK/music_off.log"
    fail "music off, yet MCI commands were sent"
fi
pass "music off: no MCI command at all"

# A missing song folder: silence, and the saver runs on.
drv reg-set "$settings_key" music_on 1
drv reg-set "$settings_key" install_path 'C:\nowhere\'
run_saver_with_mci_trace "$VELMORA_WORK/missing.log" open
pass "missing songs: the saver runs and ends normally"
reset_settings
