#!/usr/bin/env bash
# "Preferences..." in the program submenu of the tray menu opens the options window,
# centred, on its first page with the focus on its first check box. By keyboard only the
# second page is opened, Ctrl+K is pressed into the hot-key field and Enter presses OK:
# from then on Ctrl+K opens the tray menu and Ctrl+L does not, and after "Close" the
# options file holds the new shortcut.
. "$(dirname "$0")/lib.sh"
app=$(new_install options)
clean_user_data
. "$(dirname "$0")/manager_lib.sh"
OPTIONS="Options"
focused_in() { "$WINE" "$TOOL" focus "$OPTIONS" | tr -d '\r'; }
# Presses Tab until the focus in the options window is on the control whose class and
# text start so.
tab_in_options_to() {
  for _ in $(seq 30); do
    case "$(focused_in)" in "$1"*) return 0 ;; esac
    key Tab
  done
  shot options-focus
  fail "the focus never reached \"$1\" (it is on \"$(focused_in)\")"
}
# The tray menu's program submenu, opened by keyboard from the menu that $1 shows.
open_program_submenu() {
  xdotool mousemove 300 200
  sleep 0.5
  key "$1"
  sleep 1.5
  key Up
  key Right
}
# Whether a key shows the tray menu: the screen changes by more than the pointer. A menu
# that shows is closed again with a click beside it (screenshot before-KEY is the screen
# without it).
key_shows_menu() {
  xdotool mousemove 300 200
  sleep 0.5
  shot "before-$1"
  xdotool key "$1"
  sleep 2
  shot "after-$1"
  local box shown=1
  if box=$(changed_box "before-$1" "after-$1"); then
    read -r left top right bottom <<<"$box"
    [ $((right - left)) -ge 40 ] && [ $((bottom - top)) -ge 40 ] && shown=0
  fi
  xdotool mousemove 900 100 click 1
  sleep 1
  return $shown
}

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
sleep 1

# Close, Manage items..., Preferences... are the last three entries.
open_program_submenu ctrl+l
key Up Up Up
shot preferences-selected
key Return
wait_for 30 window_visible "$OPTIONS" || { shot no-options; fail "the options window did not open"; }
sleep 2
shot options-visuals
read -r wl wt wr wb <<<"$("$WINE" "$TOOL" rect "$OPTIONS" | tr -d '\r')"
echo "options window at $wl,$wt to $wr,$wb"
# Centred on the desktop (its taskbar at the bottom takes a few pixels).
check $((wl + wr - DESKTOP_W)) -ge -4 -a $((wl + wr - DESKTOP_W)) -le 4
check $((wt + wb)) -le "$DESKTOP_H" -a $((wt + wb)) -ge $((DESKTOP_H - 80))
case "$(focused_in)" in "Button Save &windows setup"*) ;; *) fail "the first check box does not have the focus: $(focused_in)" ;; esac

# To the row of tabs, and the second page with the arrow key.
tab_in_options_to "SysTabControl32"
key Right
sleep 1
case "$(focused_in)" in "Button Start Pivola in system tray"*) ;; *) fail "the page's first check box has not the focus: $(focused_in)" ;; esac
shot options-miscellaneous

tab_in_options_to "msctls_hotkey32"
key ctrl+k
sleep 0.5
key Return
wait_for 30 window_gone "$OPTIONS" || { shot options-still-open; fail "Enter did not press OK"; }
grep -q "ProgramPopupShortCut=Ctrl+K" "$DATA/config/options.ini" || fail "the window did not write the options"

key_shows_menu ctrl+k || fail "Ctrl+K does not open the tray menu"
key_shows_menu ctrl+l && fail "Ctrl+L still opens the tray menu"

# "Close" with the pointer (the keyboard reaches only the first menu the hot key shows):
# the new hot key's menu at the pointer, the program submenu from its last entry, and
# "Close" as the submenu's last entry.
xdotool mousemove 300 200
sleep 0.5
xdotool key ctrl+k
sleep 2
shot menu-open
box=$(changed_box before-ctrl+k menu-open) || fail "Ctrl+K shows no menu"
read -r left top right bottom <<<"$box"
xdotool mousemove $((left + 30)) $((bottom - 10))
sleep 2
shot submenu-open
box=$(changed_box menu-open submenu-open) || fail "the program submenu did not open"
read -r left top right bottom <<<"$box"
xdotool mousemove $((right - 30)) $((bottom - 10))
sleep 1
shot close-selected
xdotool click 1
wait_for 60 bash -c "! kill -0 $PIVOLA_PID 2>/dev/null" || { shot still-running; fail "Close did not end the program"; }
code=0
wait "$PIVOLA_PID" || code=$?
echo "exit code $code"
check "$code" = 0
grep "ProgramPopupShortCut" "$DATA/config/options.ini"
grep -q "^ProgramPopupShortCut=Ctrl+K" <(tr -d '\r' <"$DATA/config/options.ini") || fail "the options file lacks the new shortcut"
