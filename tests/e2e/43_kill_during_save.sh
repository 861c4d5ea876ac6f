#!/usr/bin/env bash
# The program is killed in the middle of saving a large store (5,000 links in ten
# folders). At the next start it asks whether to restore the backup; "Yes" brings the old
# store back whole, byte for byte, and the backup is gone.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install kill-save)
clean_user_data
mkdir -p "$DATA/shortcuts"
python3 - "$DATA/shortcuts" <<'PY'
import os, sys
root = sys.argv[1]
with open(os.path.join(root, "shortcuts.txt"), "wb") as top:
    for f in range(10):
        name = "Folder%d" % f
        top.write(b"^Folder|%s\r\n" % name.encode())
        os.makedirs(os.path.join(root, name), exist_ok=True)
        with open(os.path.join(root, name, "shortcuts.txt"), "wb") as level:
            for i in range(500):
                level.write(b"^ExeLnk|C:\\windows\\notepad.exe|-n %d||Notepad %d||\r\n" % (i, i))
PY
old="$E2E_ROOT/kill-save-old"
rm -rf "$old"
cp -r "$DATA/shortcuts" "$old"

start_pivola "$app"
open_manager
key alt+a
# The backup is whole once it has its name; from then on the store is being replaced.
wait_for 120 test -d "$DATA/temp/item_bak" || { shot no-backup; fail "the save never made its backup"; }
"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$PIVOLA_PID" 2>/dev/null || true
echo "killed with $(find "$DATA/shortcuts" -name '*.bmp' | wc -l) pictures written"
test -d "$DATA/temp/item_bak" || fail "the save had ended before the kill"
diff -rq "$old" "$DATA/shortcuts" >/dev/null && fail "the store was still untouched when the program was killed"

start_pivola "$app"
wait_for 120 window_visible Warning || { shot no-question; fail "no recovery question at the next start"; }
sleep 1
shot recovery-question
key y
wait_for_tray_icon || { shot no-icon; fail "the program did not start after the recovery"; }
diff -r "$old" "$DATA/shortcuts" || fail "the restored store differs from the old one"
[ ! -e "$DATA/temp/item_bak" ] || fail "the backup stayed after it was restored"
