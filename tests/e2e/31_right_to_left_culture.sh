#!/usr/bin/env bash
# A culture whose shared file sets "Application.BiDiMode=RightToLeft" makes the program's
# windows right-to-left.
. "$(dirname "$0")/lib.sh"
app=$(new_install right-to-left)
clean_user_data
cp "$PIVOLA_ROOT/build/win64/e2e_window_tool.exe" "$app/"
mkdir -p "$app/trans/ar-sa" "$DATA/config"
printf '[StrsGui____Application__Module]\r\nApplication.BiDiMode=RightToLeft\r\n' >"$app/trans/ar-sa/UTF8_shared.ini"
printf '[ProgramOptions.General]\r\nLanguageCulture=ar-sa\r\n' >"$DATA/config/options.ini"

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
style=$(cd "$app" && "$WINE" e2e_window_tool.exe exstyle "Pivola 1.7.9" | tr -d '\r')
echo "main window extended style: $style"
check $((0x$style & 0x00400000)) != 0
# The manager window, opened from the program submenu, shows mirrored.
xdotool mousemove 600 200
sleep 0.5
xdotool key ctrl+l
sleep 1.5
xdotool key Up
sleep 0.5
xdotool key Right
sleep 1
shot right-to-left-menu
xdotool key m
manager_open() { (cd "$app" && "$WINE" e2e_window_tool.exe visible "Pivola 1.7.9"); }
wait_for 20 manager_open || { shot no-manager; fail "the manager window did not open"; }
sleep 1
shot right-to-left-window
echo "the program's windows are right-to-left"
