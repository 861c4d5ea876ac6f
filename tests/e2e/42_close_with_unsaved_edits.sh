#!/usr/bin/env bash
# Closing the manager window with an unsaved edit asks "Do you want to save changes?":
# No hides the window and puts the tree back as it was saved; Cancel keeps the window
# open with the edit. Nothing reaches the store on disk.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install close-question)
clean_user_data
mkdir -p "$DATA/shortcuts"
printf '^UnkLnk|C:\\windows\\win.ini|ini|Settings file|\r\n^NorSep|\r\n' >"$DATA/shortcuts/shortcuts.txt"
cp "$DATA/shortcuts/shortcuts.txt" "$E2E_ROOT/close-question-store.txt"

rename_link() {
  tab_to SysTreeView32
  key Home Down
  tab_to "Edit "
  xdotool type --delay 80 "$1"
  sleep 1
}
ask_to_close() {
  key Escape
  wait_for 20 window_visible Warning || { shot no-question; fail "no question at close"; }
  sleep 1
}

start_pivola "$app"
open_manager
rename_link "Changed"
expect_tree "$(printf '\nChanged *\n---------------')" renamed
ask_to_close
shot question
key n
wait_for 20 window_gone "$TITLE" || { shot still-open; fail "No did not hide the window"; }

open_manager
expect_tree "$(printf ' *\nSettings file\n---------------')" restored
rename_link "Kept"
ask_to_close
key Escape
wait_for 20 window_gone Warning || fail "the question stayed"
sleep 1
window_visible "$TITLE" || fail "Cancel hid the window"
expect_tree "$(printf '\nKept *\n---------------')" kept
shot kept
cmp "$DATA/shortcuts/shortcuts.txt" "$E2E_ROOT/close-question-store.txt" || fail "the store was written"
