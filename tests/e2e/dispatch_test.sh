#!/usr/bin/env bash
# labels: smoke
# The switch chooses the mode: unknown switches open nothing and end; each known
# one opens the window of its mode.
. "$(dirname "$0")/lib.sh"

for switch in /x -s /; do
    out=$(drv run 15 "$SCR" "$switch")
    expect_eq "$switch ends without a window" "exit 0" "$out"
done

# Configuration: the settings dialog (with no switch, /c and /c:1234 alike).
for switch in "" /c /C:1234; do
    pid=$(start "$SCR" $switch)
    drv wait-window "$settings_caption" 15 || fail "$switch: no settings dialog"
    expect_eq "$switch settings dialog has a close box" 1 "$(window_field "$settings_caption" sysmenu)"
    drv close "$settings_caption"
    drv wait-exit "$pid" 10 >/dev/null || fail "$switch: closing the settings dialog must end the program"
done

# Change password: its dialog, and closing it ends the program.
pid=$(start "$SCR" /a 1234)
drv wait-window "Change  Password" 15 || fail "/a: no change-password dialog"
drv close "Change  Password"
drv wait-exit "$pid" 10 >/dev/null || fail "/a: closing the dialog must end the program"
pass "/a opens and closes the change-password dialog"

# Preview: no host (/p alone, /p:1234) ends at once without showing anything.
for switch in /p /p:1234; do
    out=$(drv run 15 "$SCR" "$switch")
    expect_eq "$switch without a host ends without a window" "exit 0" "$out"
done

