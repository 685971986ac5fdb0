#!/usr/bin/env bash
# A private Wine session for the end-to-end tests: its own Xvfb display and its
# own Wine prefix, both under DIR, so nothing touches the user's display or Wine.
#
#   session.sh start DIR [WIDTHxHEIGHT]   start Xvfb, create the prefix, write DIR/env
#   session.sh start DIR WxH+WxH          two monitors side by side: Xephyr's two
#                                         Xinerama heads inside an Xvfb of their own
#   session.sh restart DIR                a new wineserver, so that Wine reads again
#                                         what it reads once (DPI, monitors, desktop)
#   session.sh stop DIR                   stop Wine and the X servers, remove the prefix
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
        # Gone before its folder is: a new prefix may get the old one's inode, and
        # with it the same server folder, which a dying wineserver still removes.
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    local server
    for server in xephyr xvfb; do
        if [ -f "$dir/$server.pid" ]; then
            kill "$(cat "$dir/$server.pid")" 2>/dev/null || true
        fi
    done
    rm -rf "$dir/prefix" "$dir/env" "$dir/xvfb.pid" "$dir/xephyr.pid" "$dir/display" "$dir/xephyr.display"
}

# A persistent wineserver, away from our own output. It puts itself in the
# background once its socket is ready: a Wine program started before that may
# race it for the server's folder and fail to start.
start_wineserver() {
    setsid wineserver -p </dev/null >>"$dir/wineserver.log" 2>&1
}

# Ends the running wineserver and starts another, which boots the prefix again.
restart_wineserver() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    start_wineserver && wine wineboot </dev/null >>"$dir/wineboot.log" 2>&1
}

# Says why the start failed, with the end of each log that has something to say,
# and stops whatever had started.
start_failed() {
    echo "the Wine session did not start: $1"
    local log
    for log in "$dir"/xvfb.log "$dir"/xephyr.log "$dir"/wineserver.log "$dir"/wineboot.log; do
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
    heads=()
    IFS=+ read -r -a heads <<<"$size"
    xvfb_size=$size
    if [ ${#heads[@]} -gt 1 ]; then
        # Xvfb alone would stack its heads at one origin: Xephyr, in a window on an
        # Xvfb large enough for all of them, puts them side by side.
        width=0 height=0
        for head in "${heads[@]}"; do
            width=$((width + ${head%x*}))
            height=$((height > ${head#*x} ? height : ${head#*x}))
        done
        xvfb_size="$((width + 64))x$((height + 64))"
    fi
    # Xvfb picks a free display number itself and writes it to the file once it listens.
    setsid Xvfb -displayfd 3 -screen 0 "${xvfb_size}x24" -nolisten tcp -noreset \
        3>"$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    display=$(cat "$dir/display" 2>/dev/null)
    [ -n "$display" ] || start_failed "Xvfb did not open a display"
    if [ ${#heads[@]} -gt 1 ]; then
        command -v Xephyr >/dev/null || start_failed "Xephyr is not installed (package xserver-xephyr)"
        screens=()
        for head in "${heads[@]}"; do screens+=(-screen "$head"); done
        DISPLAY=":$display" setsid Xephyr -displayfd 3 "${screens[@]}" +xinerama -nolisten tcp -noreset \
            3>"$dir/xephyr.display" </dev/null >"$dir/xephyr.log" 2>&1 &
        echo $! >"$dir/xephyr.pid"
        for _ in $(seq 1 100); do [ -s "$dir/xephyr.display" ] && break; sleep 0.1; done
        display=$(cat "$dir/xephyr.display" 2>/dev/null)
        [ -n "$display" ] || start_failed "Xephyr did not open a display"
    fi

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
    mkdir -p "$WINEPREFIX"
    start_wineserver || start_failed "the wineserver did not start"
    wine wineboot -i </dev/null >"$dir/wineboot.log" 2>&1 || start_failed "wineboot failed"
    # Without a window manager, Wine waits 2 s on every hide of a managed window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$dir/wineboot.log" 2>&1 ||
        start_failed "the prefix's registry could not be written"
    if [ ${#heads[@]} -gt 1 ]; then
        # Wine 8 sees one monitor through RandR here, every head through Xinerama.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f </dev/null \
            >>"$dir/wineboot.log" 2>&1 || start_failed "the prefix's registry could not be written"
        restart_wineserver || start_failed "the wineserver did not start again"
    fi
    echo "session on display :$display, prefix $WINEPREFIX, $VELMORA_WINE_BUILD Wine"
    ;;
restart)
    # shellcheck disable=SC1091
    . "$dir/env"
    restart_wineserver
    ;;
stop)
    stop_session
    echo "session stopped"
    ;;
*)
    echo "usage: session.sh start|restart|stop DIR [WIDTHxHEIGHT[+WIDTHxHEIGHT...]]"
    exit 2
    ;;
esac
