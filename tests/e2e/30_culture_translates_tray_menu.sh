#!/usr/bin/env bash
# Started with "LanguageCulture" de-de, and a de-de folder that translates
# "miManageItems.Caption", the tray menu shows the translated caption: its accelerator
# "Z", which no English caption has, opens the manager window.
. "$(dirname "$0")/lib.sh"
app=$(new_install culture)
clean_user_data
cp "$PIVOLA_ROOT/build/win64/e2e_window_tool.exe" "$app/"
mkdir -p "$app/trans/de-de" "$DATA/config"
printf '\xEF\xBB\xBF[StrsGui____Menus__FrontMain]\r\nmiManageItems.Caption=&Zentrale f\xC3\xBCr Eintr\xC3\xA4ge...\r\n' \
  >"$app/trans/de-de/UTF8_program.ini"
printf '[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n' >"$DATA/config/options.ini"

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
if (cd "$app" && "$WINE" e2e_window_tool.exe visible "Pivola 1.7.9"); then fail "the manager window is open already"; fi
xdotool mousemove 300 200
sleep 1
xdotool key ctrl+l
sleep 1.5
xdotool key Up
sleep 0.5
xdotool key Right
sleep 1
shot translated-submenu
xdotool key z
manager_open() { (cd "$app" && "$WINE" e2e_window_tool.exe visible "Pivola 1.7.9"); }
wait_for 20 manager_open || { shot no-manager; fail "the translated entry did not open the manager window"; }
shot manager-open
grep -q "LanguageCulture=de-de" "$DATA/config/options.ini"
echo "the tray menu showed the de-de caption"
