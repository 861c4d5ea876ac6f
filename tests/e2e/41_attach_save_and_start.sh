#!/usr/bin/env bash
# In the manager window a file is attached through the real open dialog (its path typed,
# Enter), renamed, and saved with Alt+A; the store on disk holds it, and the tray menu
# (Ctrl+L) then shows the new entry, which starts the file.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install attach-save)
clean_user_data
mkdir -p "$DATA/shortcuts"
printf '^UnkLnk|C:\\windows\\win.ini|ini|Settings file|\r\n' >"$DATA/shortcuts/shortcuts.txt"
out=$(winpath "$app/out.txt")
printf '@echo off\r\necho started> "%s.tmp"\r\nmove /y "%s.tmp" "%s" >nul\r\n' "$out" "$out" "$out" >"$app/record.bat"

start_pivola "$app"
open_manager
# The root top marker is selected: "Shortcut to file" is the chosen kind; Find and Attach.
tab_to "Button Find and Attach"
key space
wait_for 20 window_visible "Open" || { shot no-open-dialog; fail "the open dialog did not appear"; }
sleep 1
shot open-dialog
xdotool type --delay 40 "$(winpath "$app/record.bat")"
key Return
wait_for 20 window_gone Open || { shot open-dialog-stays; fail "the open dialog stayed"; }
sleep 1
expect_tree "$(printf '\nrecord *\nSettings file')" attached
tab_to "Edit "
xdotool type --delay 80 "Recorder"
sleep 1
expect_tree "$(printf '\nRecorder *\nSettings file')" renamed
shot attached
key alt+a
wait_for 20 grep -q "Recorder" "$DATA/shortcuts/shortcuts.txt" || { shot not-saved; fail "nothing was saved"; }
sleep 1
grep -q "^^ExeLnk|$(winpath "$app/record.bat" | sed 's/\\/\\\\/g')||bat|Recorder||" "$DATA/shortcuts/shortcuts.txt" ||
  { cat "$DATA/shortcuts/shortcuts.txt"; fail "the saved record is not the attached file's"; }
[ ! -e "$DATA/temp/item_bak" ] || fail "the backup stayed"
shot saved

# Away from the window, so that only the menu changes the screen.
xdotool mousemove 60 60
sleep 1
shot before-menu
key ctrl+l
sleep 2
shot menu
box=$(changed_box before-menu menu) || fail "no menu appeared"
read -r left top right bottom <<<"$box"
xdotool mousemove $((left + 40)) $((top + 10)) click 1
wait_for 30 test -f "$app/out.txt" || { shot after-click; fail "the new entry did not start the file"; }
grep -q started "$app/out.txt"
