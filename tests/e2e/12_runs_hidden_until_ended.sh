#!/usr/bin/env bash
# Without parameters the program keeps running with no visible window until it is ended.
. "$(dirname "$0")/lib.sh"
app=$(new_install hidden)
clean_user_data
(cd "$app" && exec "$WINE" pivola.exe) &
pid=$!
# The program has started once its data folder exists.
wait_for 60 test -d "$DATA/shortcuts" || fail "the program did not start"
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
visible=$( (xdotool search --onlyvisible --name "Pivola" 2>/dev/null || true) | wc -l)
shot hidden
check "$visible" = 0
echo "running without a visible window"
"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
