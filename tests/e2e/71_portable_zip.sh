#!/usr/bin/env bash
# The portable package of `make dist`, unpacked into a folder and started there, keeps its
# data in that folder (its muc.ini says so), shows the starter items at Ctrl+L, lists
# German in its language menu and writes nothing into the documents folder.
. "$(dirname "$0")/lib.sh"
packages=$("$PIVOLA_ROOT/tools/make-dist.sh")
zipfile=$(sed -n 1p <<<"$packages")
check -f "$zipfile"
dir="$E2E_ROOT/portable"
rm -rf "$dir"
mkdir -p "$dir"
clean_user_data
(cd "$dir" && unzip -q "$zipfile")
check -f "$dir/pivola.exe"
check -f "$dir/muc.ini"
seed=$(cat "$dir/shortcuts/shortcuts.txt")

start_pivola "$dir"
wait_for_tray_icon || { shot portable-no-icon; fail "the tray icon did not appear"; }
for f in projects temp logs/misc config reuse shortcuts; do
  check -d "$dir/$f"
done
check "$(cat "$dir/shortcuts/shortcuts.txt")" = "$seed"
xdotool mousemove 300 150
sleep 1
shot portable-before-menu
xdotool key ctrl+l
sleep 2
shot portable-starter-menu
box=$(changed_box portable-before-menu portable-starter-menu) || fail "no menu appeared"
read -r left top right bottom <<<"$box"
echo "menu at $left,$top to $right,$bottom"
check $((bottom - top)) -ge 120
xdotool key Escape
sleep 1
"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$PIVOLA_PID" 2>/dev/null || true
check ! -e "$DOCS/Vendrik"
echo "data kept in $dir"
