#!/usr/bin/env bash
# Starting the program while it runs: the new copy ends by itself with exit code 0 within
# 10 seconds, the first copy runs on with the only instance window, and "options.ini" is
# as it was. While the first copy sits in the notification area nothing is shown; when its
# manager window is open behind another program's window, or minimised, the second start
# brings it to the front.
. "$(dirname "$0")/lib.sh"
app=$(new_install second-start)
clean_user_data
. "$(dirname "$0")/manager_lib.sh"

instance_windows() { "$WINE" "$TOOL" windows TvdWinFormInstanceControl | tr -d '\r'; }
foreground() { "$WINE" "$TOOL" foreground | tr -d '\r'; }
pivola_in_front() { [ "$(foreground)" = "$TITLE" ]; }
pivola_not_in_front() { ! pivola_in_front; }
start_again() {
  local code=0 began=$SECONDS
  (cd "$app" && timeout 10 "$WINE" pivola.exe) || code=$?
  echo "second start ($1): exit code $code after $((SECONDS - began)) s"
  [ "$code" = 0 ] || { shot "second-start-$1"; fail "the second start ended with $code (124: still running after 10 s)"; }
  kill -0 "$PIVOLA_PID" 2>/dev/null || fail "the first copy ended ($1)"
  [ "$(instance_windows)" = "7D2A91C04B6E4F18A3D5E0B9C8F21A64" ] || fail "instance windows ($1): $(instance_windows)"
  cmp "$DATA/config/options.ini" "$options" || fail "options.ini changed ($1)"
}

# A first run leaves "options.ini" behind, which every later copy reads.
run_pivola "$app" -exit
options="$E2E_ROOT/second-start-options.ini"
cp "$DATA/config/options.ini" "$options"

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
start_again tray
window_gone "$TITLE" || fail "the hidden manager window was shown"

open_manager
"$WINE" notepad &
notepad=$!
wait_for 30 pivola_not_in_front || { shot notepad; fail "the other program's window did not come to the front"; }
echo "in front: $(foreground)"
start_again behind
wait_for 5 pivola_in_front || { shot behind; fail "the manager window stayed behind: $(foreground) is in front"; }
shot in-front

"$WINE" "$TOOL" minimize "$TITLE"
wait_for 5 "$WINE" "$TOOL" iconic "$TITLE" || fail "the manager window was not minimised"
start_again minimised
wait_for 5 pivola_in_front || { shot minimised; fail "the minimised manager window did not come back: $(foreground) is in front"; }
"$WINE" "$TOOL" iconic "$TITLE" && fail "the manager window is still minimised"
shot restored

kill "$notepad" 2>/dev/null || true
