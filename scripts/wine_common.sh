# What every script that drives Wine shares: which Wine this host can run and
# which of our builds goes with it, the quiet, prompt-free Wine environment,
# Wine's view of a Unix path, and the saver's settings key. Sourced by the run,
# benchmark and test scripts.

# No debug chatter, no Mono/Gecko prompts, no menu entries, and no debugger that
# could hang a crashed program for an hour.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

# Which Wine: Debian's `wine` command takes the 32-bit loader whenever wine32 is
# installed, but some kernels refuse to start 32-bit Linux programs at all ("Exec
# format error"). There only the 64-bit loader runs, and with it only our x86-64
# build. The loader is tried once; the answer is exported, so every script and
# test started from here takes the same road without asking again.
# VELMORA_WINE64=1 takes the 64-bit road on any host.
#
#   VELMORA_WINE_BUILD    win32 or win64: the build whose programs this Wine runs
#   VELMORA_WINE_32_SKIP  empty where 32-bit programs run; else why they cannot
choose_wine() {
    local tried
    if [ "${VELMORA_WINE64:-0}" = 1 ]; then
        VELMORA_WINE_32_SKIP="VELMORA_WINE64=1 chose the 64-bit Wine"
    elif [ ! -x /usr/lib/wine/wine ]; then
        VELMORA_WINE_32_SKIP="Wine's 32-bit loader (wine32) is not installed"
    elif tried=$(/usr/lib/wine/wine --version 2>&1 </dev/null); then
        VELMORA_WINE_32_SKIP=
    else
        VELMORA_WINE_32_SKIP="this host cannot start 32-bit programs ($(printf '%s' "$tried" | tail -n 1))"
    fi
    if [ -n "$VELMORA_WINE_32_SKIP" ]; then
        VELMORA_WINE_BUILD=win64
        echo "velmora: using the 64-bit Wine and the win64 build: $VELMORA_WINE_32_SKIP" >&2
    else
        VELMORA_WINE_BUILD=win32
    fi
    export VELMORA_WINE_BUILD VELMORA_WINE_32_SKIP
}
[ -n "${VELMORA_WINE_BUILD:-}" ] || choose_wine

# On the 64-bit road `wine` is the 64-bit loader, for every program started
# below here: a link first on PATH, so that setsid, timeout and the tests'
# subshells all find the same one.
if [ "$VELMORA_WINE_BUILD" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    velmora_wine_bin="${TMPDIR:-/tmp}/velmora-wine64-$(id -u)"
    if [ ! -x "$velmora_wine_bin/wine" ]; then
        mkdir -p "$velmora_wine_bin"
        ln -sf /usr/lib/wine/wine64 "$velmora_wine_bin/wine"
    fi
    case ":$PATH:" in
    *":$velmora_wine_bin:"*) ;;
    *) export PATH="$velmora_wine_bin:$PATH" ;;
    esac
fi

# The path as Wine's programs see it (the Unix root is drive Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

settings_key='Software\VB and VBA Program Settings\Orvane Velmora Screen Saver\Config'
