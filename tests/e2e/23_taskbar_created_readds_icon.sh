#!/usr/bin/env bash
# When the shell comes back and broadcasts its "TaskbarCreated" message, as a restarted
# shell does, Pivola puts its icon back.
. "$(dirname "$0")/lib.sh"
app=$(new_install taskbar)
clean_user_data
cp "$PIVOLA_ROOT/build/win64/e2e_tray_tool.exe" "$app/"
start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
shot icon-shown
# The shell loses the icon, as a crashed shell does.
(cd "$app" && "$WINE" e2e_tray_tool.exe remove) || fail "could not take the icon away"
icon_gone() { ! tray_icon_at >/dev/null; }
wait_for 30 icon_gone || fail "the icon did not go away"
shot icon-gone
(cd "$app" && "$WINE" e2e_tray_tool.exe broadcast) || fail "could not broadcast"
wait_for_tray_icon 30 || { shot icon-not-back; fail "the icon did not come back"; }
shot icon-back
kill -0 "$PIVOLA_PID" || fail "the program ended"
echo "icon re-added"
