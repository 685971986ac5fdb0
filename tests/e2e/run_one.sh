#!/usr/bin/env bash
# Runs one end-to-end test script in the session of this test run. The script's
# output goes to a file and is shown afterwards, so that no Wine process started
# by the test can hold on to the test harness's pipe.
set -uo pipefail
script=${1:?test script}
session=${VELMORA_SESSION:?VELMORA_SESSION names the session folder}

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_common.sh"
if [ "${VELMORA_TEST_BUILD:-}" = win32 ] && [ "$VELMORA_WINE_BUILD" != win32 ]; then
    echo "skipped: $VELMORA_WINE_32_SKIP"
    exit 77
fi
[ -f "$session/env" ] || { echo "no Wine session in $session"; exit 1; }

name=$(basename "$script" .sh)
work="$session/work/$name"
rm -rf "$work"
mkdir -p "$work"
log="$work/output.log"
(
    # shellcheck disable=SC1091
    . "$session/env"
    export VELMORA_WORK="$work"
    cd "$work"
    bash "$script"
) </dev/null >"$log" 2>&1
status=$?
cat "$log"
exit $status
