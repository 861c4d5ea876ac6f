#!/usr/bin/env bash
# With Ctrl+L held by another program, Pivola starts silently without the hot key: no
# message, the icon in the notification area, the program running.
. "$(dirname "$0")/lib.sh"
app=$(new_install hot-key-taken)
clean_user_data
cp "$PIVOLA_ROOT/build/win64/e2e_hotkey_holder.exe" "$app/"
(cd "$app" && exec "$WINE" e2e_hotkey_holder.exe ready.txt) &
holder=$!
wait_for 60 test -f "$app/ready.txt" || fail "the other program could not take the key"
start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
sleep 2
shot started
xdotool mousemove 300 200
sleep 0.5
shot before-key
xdotool key ctrl+l
sleep 2
shot after-key
if box=$(changed_box before-key after-key); then
  read -r left top right bottom <<<"$box"
  # Only the pointer may have moved; no menu and no message box appeared.
  check $((right - left)) -lt 40 -a $((bottom - top)) -lt 40
fi
kill -0 "$PIVOLA_PID" || fail "the program ended"
check ! -s "$DATA/logs/misc/program.log" -o -z "$(grep -- '--Exception--' "$DATA/logs/misc/program.log" 2>/dev/null)"
kill "$holder" 2>/dev/null || true
echo "started silently without the hot key"
