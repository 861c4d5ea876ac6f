#!/usr/bin/env bash
# With "CheckUpdatesLast" 60 days old and the interval 60 days, the program opens the
# update-check window by itself at start. The maker's site is a test server on this
# computer ("muc.ini" points the check at it). Where the browser engine can show the page,
# the window requests it with the product's user agent and refuses to close while it
# waits for it; where it cannot (Wine here has no HTML engine), the window says so in its
# own words, offers the address, waits for nothing and closes at once. Either way, closing
# it writes the time of the check into "options.ini".
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/manager_lib.sh"
app=$(new_install update-check)
clean_user_data
WINDOW="Checking for updates..."

# The maker's site: the history page, and a log of each request's path and user agent.
site="$E2E_ROOT/update-site"
rm -rf "$site"
mkdir -p "$site/products/pivola"
printf '<html><body><h1>Version history</h1><p>1.7.9: the newest version.</p></body></html>\n' \
  >"$site/products/pivola/history.php"
cat >"$site/server.py" <<'PY'
import http.server, socketserver, sys, time
log = open(sys.argv[2], "a", buffering=1)
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        log.write("%s %s\n" % (self.path, self.headers.get("User-Agent", "")))
        # A slow site: the window waits for the page for a while.
        time.sleep(5)
        super().do_GET()
    def log_message(self, *args):
        pass
socketserver.TCPServer.allow_reuse_address = True
with socketserver.TCPServer(("127.0.0.1", 0), Handler) as server:
    open(sys.argv[1], "w").write(str(server.server_address[1]))
    server.serve_forever()
PY
(cd "$site" && exec python3 server.py "$site/port" "$site/requests.log") &
server=$!
trap 'kill $server 2>/dev/null || true; "$WINESERVER" -k >/dev/null 2>&1 || true' EXIT
wait_for 10 test -s "$site/port" || fail "the test site did not start"
port=$(cat "$site/port")
printf '[Misc]\r\nUpdateSite=http://127.0.0.1:%s/\r\n' "$port" >"$app/muc.ini"

last=$(date -u -d '-60 days' '+%Y-%m-%d %H:%M:%S')
mkdir -p "$DATA/config"
printf '[ProgramOptions.Miscellaneous]\r\nCheckUpdatesInterval=60\r\nCheckUpdatesLast=%s\r\n' "$last" \
  >"$DATA/config/options.ini"

began=$SECONDS
start_pivola "$app"
wait_for 60 window_visible "$WINDOW" || { shot no-update-window; fail "the update window did not open by itself"; }
echo "the update window opened by itself after $((SECONDS - began)) s"
sleep 1.5
read -r left top right bottom <<<"$("$WINE" "$TOOL" rect "$WINDOW" | tr -d '\r')"
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$E2E_ROOT/update-window.png"
children=$("$WINE" "$TOOL" children "$WINDOW" | tr -d '\r')
printf '%s\n' "$children"
grep -q '^ToolbarWindow32' <<<"$children" || fail "no tool bar"
grep -q '^msctls_statusbar32' <<<"$children" || fail "no status bar"
grep -q '^Button Close' <<<"$children" || fail "no Close button"
address="http://127.0.0.1:$port/products/pivola/history.php"

if [ -s "$site/requests.log" ] || grep -q '^PivolaBrowserHost' <<<"$children"; then
  # The browser shows the page: it was asked for with the product's user agent, and the
  # window will not close while it waits for it.
  wait_for 10 grep -q "^/products/pivola/history.php Pivola::1.7.9::CheckForUpdates::" "$site/requests.log" ||
    fail "the history page was not requested with the product's user agent: $(cat "$site/requests.log")"
  "$WINE" "$TOOL" close "$WINDOW"
  sleep 1
  window_visible "$WINDOW" || fail "the window closed while it waited for the page"
else
  # No engine: the window says so, offers the address and waits for nothing.
  grep -q "cannot show web pages.*$address" <<<"$children" ||
    { shot no-engine; fail "the window does not say it cannot show the page, with the address"; }
fi
for _ in 1 2 3 4 5 6 7 8 9 10; do
  window_visible "$WINDOW" || break
  "$WINE" "$TOOL" close "$WINDOW"
  sleep 1
done
window_gone "$WINDOW" || { shot update-window-stays; fail "the update window did not close"; }
kill -0 "$PIVOLA_PID" 2>/dev/null || fail "the program ended with the window"
wait_for 10 grep -q "^CheckUpdatesLast=$(date -u '+%Y-%m-%d')" "$DATA/config/options.ini" ||
  fail "options.ini holds no new CheckUpdatesLast: $(grep CheckUpdates "$DATA/config/options.ini")"
grep -q "^CheckUpdatesInterval=60" "$DATA/config/options.ini" || fail "the interval changed"
echo "options.ini: $(grep -a '^CheckUpdatesLast=' "$DATA/config/options.ini" | tr -d '\r')"
