# Shared by the password tests: the dialogs' captions and control ids, the stored
# form of a password, the Windows password option, and clean-up that leaves no
# dialog, message box, saver or password option behind for the next test.
# shellcheck disable=SC1091
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prompt_caption='Screen Saver Password'
newpassword_caption='Change  Password'
desktop_key='Control Panel\Desktop'

# Control ids, as password/frm_checkpassword.h and frm_newpassword.h give them.
id_text1=102 id_command1=1 id_command2=2
id_newpassword=104 id_newpassword2=105 id_ok=1 id_cancel=2

# The stored form of a password ("misc"): each character's code exclusive-or the
# key letter of its place, as two letters counting down from "z" and up from "a".
scrambled() {
    /usr/bin/python3 - "$1" <<'PY'
import sys
key = "ruKTB"
print("".join(chr(122 - (ord(c) ^ ord(key[j % 5])) // 16) + chr(97 + (ord(c) ^ ord(key[j % 5])) % 16)
              for j, c in enumerate(sys.argv[1], 1)))
PY
}

misc() { drv reg-query "$settings_key" misc; }

password_option() {  # password_option TEXT: the desktop's "ScreenSaveUsePassword"
    drv reg-set "$desktop_key" ScreenSaveUsePassword "$1" >/dev/null || fail "cannot set the password option"
}

# The window's rectangle is centred on the 1024 x 768 screen, to a pixel.
expect_centred() {  # expect_centred WHAT CAPTION
    local left top right bottom
    read -r left top right bottom <<<"$(window_field "$2" rect)"
    local dx=$((left + right - 1024)) dy=$((top + bottom - 768))
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "$1: not centred ($left $top $right $bottom)"
    pass "$1"
}

password_end_leftovers() {
    drv reg-delete-value "$desktop_key" ScreenSaveUsePassword >/dev/null 2>&1 || true
    for title in Passwords "Microsoft Windows" "Change Password"; do
        drv msgbox "$title" 0 >/dev/null 2>&1 || true
    done
    drv close "$newpassword_caption" >/dev/null 2>&1 || true
    end_leftovers
}
trap password_end_leftovers EXIT
