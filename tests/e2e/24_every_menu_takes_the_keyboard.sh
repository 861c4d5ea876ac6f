#!/usr/bin/env bash
# Every tray menu opened with the hot key takes the keyboard, not only the first: after a
# menu closed with Escape and after a chosen link whose target is missing, Down and Return
# still choose the batch-file link. The failed start shows no window of its own.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install every-menu)
clean_user_data
mkdir -p "$DATA/shortcuts"
out=$(winpath "$app/out.txt")
printf '@echo off\r\necho ran> "%s"\r\n' "$out" >"$app/record.bat"
{
  printf '^ExeLnk|%s||bat|Xrecord||\r\n' "$(winpath "$app/record.bat")"
  printf '^UnkLnk|%s|ini|Missing file|\r\n' "$(winpath "$app/not-there.ini")"
} >"$DATA/shortcuts/shortcuts.txt"
start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
xdotool mousemove 300 200
key ctrl+l
sleep 1
key Escape
sleep 1
# The missing link, second of the menu.
key ctrl+l
sleep 1
key Down Down Return
sleep 3
shot after-failed-start
boxes=$("$WINE" "$TOOL" shown "#32770" | tr -d '\r')
[ -z "$boxes" ] || fail "the failed start showed a message box: $boxes"
key ctrl+l
sleep 1
key Down Return
wait_for 20 test -f "$app/out.txt" || { shot keys-ignored; fail "the menu after a failed start took no keys"; }
kill -0 "$PIVOLA_PID" || fail "the program ended"
