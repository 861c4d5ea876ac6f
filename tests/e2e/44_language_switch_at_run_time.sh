#!/usr/bin/env bash
# With the manager window open, "de-de" chosen under "Lingua" in the tray menu's program
# submenu changes the window's captions at once; the tray menu itself shows German after
# the next reload of the items (a save), where its German accelerator opens the window.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install language)
clean_user_data
mkdir -p "$app/trans/de-de" "$DATA/shortcuts"
printf '\xEF\xBB\xBF[StrsGui____Controls__FrontMain]\r\nBitBtnAttach.Caption=Suchen und anh\xC3\xA4ngen\r\n' \
  >"$app/trans/de-de/UTF8_program.ini"
printf '[StrsGui____Menus__FrontMain]\r\nmiManageItems.Caption=&Zentrale f\xC3\xBCr Eintr\xC3\xA4ge...\r\n' \
  >>"$app/trans/de-de/UTF8_program.ini"
printf '^UnkLnk|C:\\windows\\win.ini|ini|Settings file|\r\n' >"$DATA/shortcuts/shortcuts.txt"
texts() { "$WINE" "$PIVOLA_ROOT/build/win64/e2e_texts_tool.exe" "$TITLE" | tr -d '\r'; }

start_pivola "$app"
open_manager
texts | grep -q "^Button Find and Attach$" || fail "the window does not start in English"
# The tray menu, its program submenu (the last entry), "Lingua" (fourth from its end),
# and the one culture it lists.
xdotool mousemove 60 60
key ctrl+l
sleep 1
key Up Right Up Up Up Up
shot lingua-selected
key Right
sleep 0.5
shot lingua-submenu
key Return
wait_for 20 bash -c "\"$WINE\" \"$PIVOLA_ROOT/build/win64/e2e_texts_tool.exe\" \"$TITLE\" | grep -q 'Suchen und anh'" ||
  { shot not-switched; texts; fail "the open window did not switch to de-de"; }
shot switched

# The tray menu follows at the next reload: save, hide the window, and open it again
# through the German entry's accelerator.
key alt+a
sleep 2
key Escape
wait_for 20 window_gone "$TITLE" || fail "the window stayed open"
key ctrl+l
sleep 1
key Up Right
sleep 0.5
shot german-menu
key z
wait_for 20 window_visible "$TITLE" || { shot no-manager; fail "the German entry did not open the window"; }
