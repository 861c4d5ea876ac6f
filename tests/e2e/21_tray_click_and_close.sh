#!/usr/bin/env bash
# A left click on the tray icon shows the same menu; "Close" in the program submenu ends
# the program with exit code 0, leaving "options.ini" with an identical backup and the
# start-with-Windows value in the registry.
. "$(dirname "$0")/lib.sh"
app=$(new_install tray-click)
clean_user_data
start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
read -r x y <<<"$(tray_icon_at)"
echo "tray icon at $x,$y"
shot before-click
xdotool mousemove "$x" "$y" click 1
sleep 2
shot tray-menu
box=$(changed_box before-click tray-menu) || fail "no menu appeared"
echo "menu box $box"
read -r left top right bottom <<<"$box"
check $((bottom - top)) -ge 30
# The last entry is the program submenu; its last entry is "Close".
xdotool key Up
sleep 0.5
xdotool key Right
sleep 0.5
xdotool key Up
sleep 0.5
shot close-selected
xdotool key Return
code=0
wait "$PIVOLA_PID" || code=$?
echo "exit code $code"
check "$code" = 0
cmp "$DATA/config/options.ini" "$DATA/config/options.~ini"
grep -q "ProgramPopupShortCut=CTRL+L" "$DATA/config/options.ini"
run=$("$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Vendrik-Pivola 2>/dev/null | tr -d '\r')
echo "$run"
grep -qi "pivola.exe" <<<"$run" || fail "no Run value"
