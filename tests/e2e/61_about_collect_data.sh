#!/usr/bin/env bash
# "About..." in the program submenu of the tray menu opens the About window on its
# credits. Its translation page shows the English program file, and its data page lists
# the program's folders. "Collect data for support..." with a folder typed into the folder
# browser puts "data.html" (a table of the six rows) and "options.ini" there, and no log
# that does not exist. Screenshots of the three pages are left in build/e2e.
. "$(dirname "$0")/lib.sh"
app=$(new_install about)
clean_user_data
. "$(dirname "$0")/manager_lib.sh"
ABOUT="About"
BROWSER="Browse for Folder"
OUT="$E2E_ROOT/about-support"
rm -rf "$OUT"
mkdir -p "$OUT"
focused_in() { "$WINE" "$TOOL" focus "$1" | tr -d '\r'; }
tab_in_about_to() {
  for _ in $(seq 40); do
    case "$(focused_in "$ABOUT")" in "$1"*) return 0 ;; esac
    key Tab
  done
  shot about-focus
  fail "the focus never reached \"$1\" (it is on \"$(focused_in "$ABOUT")\")"
}

# Options are written at the end of a session; the user here has had one before.
mkdir -p "$DATA/config"
printf '; written by an earlier session\r\n[Misc]\r\n' >"$DATA/config/options.ini"

start_pivola "$app"
wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
sleep 1
# The program submenu by keyboard; its first entries are Help..., Updates..., About....
xdotool mousemove 300 200
sleep 0.5
key ctrl+l
sleep 1.5
key Up
key Right
key Down Down
shot about-selected
key Return
wait_for 30 window_visible "$ABOUT" || { shot no-about; fail "\"About...\" did not open the About window"; }
sleep 2
shot about-credits

# The pages: a click on the first tab gives the row of tabs the focus (the read-only
# credits field keeps the Tab key for itself), then the arrow key.
read -r tl tt tr tb <<<"$("$WINE" "$TOOL" child "$ABOUT" SysTabControl32 | tr -d '\r')"
xdotool mousemove $((tl + 20)) $((tt + 10)) click 1
sleep 0.5
case "$(focused_in "$ABOUT")" in SysTabControl32*) ;; *) shot about-focus; fail "a click on the tabs did not focus them" ;; esac
key Right
sleep 1
shot about-translation
key Right
sleep 1
shot about-data

rows=$("$WINE" "$TOOL" list "$ABOUT" | tr -d '\r')
echo "$rows"
echo "$rows" | grep -q "^Application main directory | .*\\\\about\\\\$" || fail "the data page lacks the program folder"
echo "$rows" | grep -q "^Application user data directory | .*Vendrik\\\\Pivola\\\\$" || fail "the data page lacks the data folder"
check "$(echo "$rows" | wc -l)" = 6

tab_in_about_to "Button &Collect data for support..."
key Return
wait_for 30 window_visible "$BROWSER" || { shot no-browser; fail "the folder browser did not open"; }
sleep 1
read -r el et er eb <<<"$("$WINE" "$TOOL" child "$BROWSER" Edit | tr -d '\r')"
xdotool mousemove $(((el + er) / 2)) $(((et + eb) / 2)) click 1
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "$(winpath "$OUT")"
sleep 0.5
shot about-browser
key Return
wait_for 30 window_gone "$BROWSER" || { shot browser-open; fail "the folder browser did not close"; }
wait_for 20 test -f "$OUT/options.ini" || { ls -la "$OUT"; fail "no options.ini was collected"; }
check -f "$OUT/data.html"
check ! -f "$OUT/program.log" -o -f "$DATA/logs/misc/program.log"
cmp "$OUT/options.ini" "$DATA/config/options.ini" || fail "the collected options file differs"
python3 - "$OUT/data.html" <<'PY' || fail "data.html is not a table of six rows"
import sys
from html.parser import HTMLParser

class Table(HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.row, self.cell, self.tables = [], None, None, 0
    def handle_starttag(self, tag, attrs):
        if tag == "table": self.tables += 1
        elif tag == "tr": self.row = []
        elif tag in ("td", "th"): self.cell = [tag, ""]
    def handle_data(self, data):
        if self.cell is not None: self.cell[1] += data
    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.cell is not None:
            self.row.append(tuple(self.cell)); self.cell = None
        elif tag == "tr" and self.row is not None:
            self.rows.append(self.row); self.row = None

t = Table()
t.feed(open(sys.argv[1], encoding="utf-8").read())
data = [r for r in t.rows if all(kind == "td" for kind, _ in r)]
print(t.tables, "table,", len(data), "data rows")
assert t.tables == 1 and len(data) == 6 and all(len(r) == 2 for r in data)
assert data[0][1][1].startswith("Pivola 1.7.9") and data[1][1][1].startswith("Windows")
PY

"$WINE" "$TOOL" minimize "$ABOUT" >/dev/null 2>&1 || true
"$WINESERVER" -k >/dev/null 2>&1 || true
echo "PASS"
