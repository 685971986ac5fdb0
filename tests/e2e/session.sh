#!/usr/bin/env bash
# A private Wine session for the end-to-end tests: its own Xvfb display and its
# own Wine prefix, both under DIR, so nothing touches the user's display or Wine.
#
#   session.sh start DIR [WIDTHxHEIGHT]   start Xvfb, create the prefix, write DIR/env
#   session.sh stop DIR                   stop Wine and Xvfb, remove the prefix
#
# Everything started here has its output sent to files: a Wine service process
# that inherited a test harness's pipe would keep the harness waiting for minutes.
# A start that fails says why, from those files, and leaves nothing running.
set -euo pipefail

action=${1:?start or stop}
dir=${2:?session folder}
size=${3:-1024x768}

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_common.sh"

stop_session() {
    if [ -f "$dir/env" ]; then
        # shellcheck disable=SC1091
        . "$dir/env"
        wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$dir/prefix" "$dir/env" "$dir/xvfb.pid" "$dir/display"
}

# Says why the start failed, with the end of each log that has something to say,
# and stops whatever had started.
start_failed() {
    echo "the Wine session did not start: $1"
    local log
    for log in "$dir"/xvfb.log "$dir"/wineserver.log "$dir"/wineboot.log; do
        [ -s "$log" ] || continue
        echo "--- last lines of $log"
        tail -n 15 "$log"
    done
    stop_session
    exit 1
}

case "$action" in
start)
    if [ "${VELMORA_TEST_BUILD:-}" = win32 ] && [ "$VELMORA_WINE_BUILD" != win32 ]; then
        echo "skipped: the win32 end-to-end tests: $VELMORA_WINE_32_SKIP"
        exit 77
    fi
    stop_session
    mkdir -p "$dir"
    : >"$dir/wineserver.log"
    : >"$dir/wineboot.log"
    # Xvfb picks a free display number itself and writes it to the file once it listens.
    setsid Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    display=$(cat "$dir/display" 2>/dev/null)
    [ -n "$display" ] || start_failed "Xvfb did not open a display"

    export DISPLAY=":$display"
    export WINEPREFIX="$dir/prefix"
    cat >"$dir/env" <<ENV
export DISPLAY=$DISPLAY
export WINEPREFIX=$WINEPREFIX
export WINEDEBUG=$WINEDEBUG
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES"
export VELMORA_WINE_BUILD=$VELMORA_WINE_BUILD
export VELMORA_WINE_32_SKIP="$VELMORA_WINE_32_SKIP"
ENV
    # A persistent wineserver, then the prefix; all of it away from our own output.
    setsid wineserver -p </dev/null >"$dir/wineserver.log" 2>&1 &
    wine wineboot -i </dev/null >"$dir/wineboot.log" 2>&1 || start_failed "wineboot failed"
    # Without a window manager, Wine waits 2 s on every hide of a managed window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$dir/wineboot.log" 2>&1 ||
        start_failed "the prefix's registry could not be written"
    echo "session on display :$display, prefix $WINEPREFIX, $VELMORA_WINE_BUILD Wine"
    ;;
stop)
    stop_session
    echo "session stopped"
    ;;
*)
    echo "usage: session.sh start|stop DIR [WIDTHxHEIGHT]"
    exit 2
    ;;
esac
