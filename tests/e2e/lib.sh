# Shared by the end-to-end test scripts: run the driver inside the session's Wine,
# turn Unix paths into Wine paths, and fail with a message.
set -euo pipefail

settings_key='Software\VB and VBA Program Settings\Orvane Velmora Screen Saver\Config'
saver_caption='screen saver running'

# The path as Wine's programs see it (the Unix root is drive Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

SCR=$(winpath "$VELMORA_SCR")
DRIVER=$(winpath "$VELMORA_DRIVER")

# The driver, with Windows line ends removed from what it prints.
drv() { wine "$VELMORA_DRIVER" "$@" | tr -d '\r'; }

# Starts a program and prints its process id. Wine hands its own output files to
# every child, so the driver writes to a file here, not to a pipe that the
# started program would then hold open for as long as it runs.
start() {
    local out="${VELMORA_WORK:-/tmp}/start.$$"
    wine "$VELMORA_DRIVER" start "$@" </dev/null >"$out" 2>/dev/null || { cat "$out"; rm -f "$out"; return 1; }
    tr -d '\r' <"$out"
    rm -f "$out"
}

fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "ok: $*"; }

expect_eq() {  # expect_eq WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
    pass "$1"
}

# One field of `drv window CAPTION`, e.g. window_field "$saver_caption" topmost.
window_field() { drv window "$1" | awk -v key="$2" '$1 == key { $1 = ""; sub(/^ /, ""); print }'; }

reset_settings() { drv reg-delete "$settings_key" >/dev/null; }

# Ends every program of ours that a failed test may have left behind.
end_leftovers() {
    for caption in "$saver_caption"; do
        drv close "$caption" >/dev/null 2>&1 || true
    done
}
