#!/usr/bin/env bash
# Shows one of the programs under Wine, in a private Wine prefix under build/run.
#
#   scripts/show.sh MODE      MODE: /s /c /p /a (the saver's switches) or catalogue
#
# With a display ($DISPLAY) the program runs there until it ends. Without one,
# it runs on a virtual display for a few seconds and screenshots are saved.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/install_folder.sh
mode=${1:-/s}
run=$PWD/build/run
install_folder "$run/install"

program() {  # the command line of the chosen program and mode
    case "$mode" in
    catalogue) echo "$run/install/Orvane_Products.exe" ;;
    /p | /P)
        # A stand-in for the Display Properties preview box, open for 20 seconds.
        wine "$driver" hold-window "Velmora Preview Host" 20 </dev/null >/dev/null 2>&1 &
        wine "$driver" wait-window "Velmora Preview Host" 10 </dev/null >/dev/null 2>&1
        local host
        host=$(wine "$driver" window "Velmora Preview Host" </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "hwnd" { print $2 }')
        echo "$run/install/Velmora.scr /p $host"
        ;;
    *) echo "$run/install/Velmora.scr $mode" ;;
    esac
}

echo "velmora: showing $mode from the $VELMORA_WINE_BUILD build"
if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$run/prefix
    if [ ! -d "$WINEPREFIX" ]; then
        echo "velmora: creating the Wine prefix $WINEPREFIX"
        mkdir -p "$run"
        if ! wine wineboot -i </dev/null >"$run/wineboot.log" 2>&1; then
            echo "velmora: Wine could not create the prefix:" >&2
            tail -n 15 "$run/wineboot.log" >&2
            rm -rf "$WINEPREFIX"
            exit 1
        fi
    fi
    set_install_path "$run/install"
    # shellcheck disable=SC2046
    wine $(program) </dev/null
    exit 0
fi

# No display: a virtual one for a few seconds, and screenshots of it.
start_session "$run/session" 1024x768
trap 'bash tests/e2e/session.sh stop "$run/session" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$run/session/env"
set_install_path "$run/install"
shots=$run/screenshots
rm -rf "$shots"
mkdir -p "$shots"
# shellcheck disable=SC2046
wine $(program) </dev/null >"$run/program.log" 2>&1 &
for n in 1 2 3 4; do
    sleep 2
    import -window root "$shots/screen-$n.png"
done
echo "velmora: screenshots of $mode on a virtual 1024x768 display:"
ls "$shots"/*.png
