#!/usr/bin/env bash
# Ctrl+L shows the tray menu at the pointer with the user's items, the "Program" heading
# and the program submenu; clicking the batch-file link starts it with its parameters in
# its working folder.
. "$(dirname "$0")/lib.sh"
app=$(new_install hot-key)
clean_user_data
work="$app/work"
mkdir -p "$work" "$DATA/shortcuts/Games"
out=$(winpath "$app/out.txt")
printf '@echo off\r\necho %%*> "%s.tmp"\r\ncd>> "%s.tmp"\r\nmove /y "%s.tmp" "%s" >nul\r\n' "$out" "$out" "$out" "$out" \
  >"$app/record.bat"
{
  printf '^ExeLnk|%s|one "two three"|bat|Xrecord|%s|\r\n' "$(winpath "$app/record.bat")" "$(winpath "$work")"
  printf '^Folder|Games\r\n^SpeSep|Tools\r\n^NorSep|\r\n'
  printf '^UnkLnk|C:\\windows\\win.ini|ini|Notes|\r\n'
} >"$DATA/shortcuts/shortcuts.txt"
printf '^NorSep|\r\n' >"$DATA/shortcuts/Games/shortcuts.txt"

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
xdotool mousemove 300 200
sleep 1
shot before-hot-key
xdotool key ctrl+l
sleep 2
shot hot-key-menu
box=$(changed_box before-hot-key hot-key-menu) || fail "no menu appeared"
read -r left top right bottom <<<"$box"
echo "menu at $left,$top to $right,$bottom"
check $((left - 300)) -ge -3 -a $((left - 300)) -le 3
check $((top - 200)) -ge -3 -a $((top - 200)) -le 3
# Five root items, the heading and the program submenu.
check $((bottom - top)) -ge 100 -a $((bottom - top)) -le 400

xdotool mousemove $((left + 40)) $((top + 10)) click 1
wait_for 30 test -f "$app/out.txt" || { shot after-click; fail "the batch file did not run"; }
shot after-click
args=$(sed -n 1p "$app/out.txt" | tr -d '\r')
cwd=$(sed -n 2p "$app/out.txt" | tr -d '\r')
echo "arguments: $args"
echo "working folder: $cwd"
check "$args" = 'one "two three"'
check "${cwd,,}" = "$(winpath "$work" | tr '[:upper:]' '[:lower:]')"
kill -0 "$PIVOLA_PID" || fail "the program ended"
