#!/usr/bin/env bash
# Without parameters the program keeps running with no visible window until it is ended.
. "$(dirname "$0")/lib.sh"
app=$(new_install hidden)
clean_user_data
start_pivola "$app"
# The program is up once its icon is in the notification area.
wait_for_tray_icon || { shot no-icon; fail "the program did not start"; }
sleep 3
kill -0 "$PIVOLA_PID" 2>/dev/null || fail "the program ended by itself"
shot hidden
python3 "$SCREEN" empty "$E2E_ROOT/hidden.png" || fail "a window is visible"
echo "running without a visible window"
"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$PIVOLA_PID" 2>/dev/null || true
