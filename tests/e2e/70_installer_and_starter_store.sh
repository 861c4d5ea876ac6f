#!/usr/bin/env bash
# The installer of `make dist` installs silently into a folder given with /D=, with its
# Start-menu entry and the Run value; the installed pivola.exe seeds the starter items into
# the documents folder and Ctrl+L shows them. The uninstaller refuses while the program
# runs; afterwards it removes the program, its Run value and its Start-menu entry and
# leaves the data folder.
. "$(dirname "$0")/lib.sh"
packages=$("$PIVOLA_ROOT/tools/make-dist.sh")
setup=$(sed -n 2p <<<"$packages")
check -f "$setup"
dir="$E2E_ROOT/installed"
rm -rf "$dir"
clean_user_data
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
"$WINE" reg delete "$run_key" /v Vendrik-Pivola /f >/dev/null 2>&1 || true
find "$WINEPREFIX/drive_c/users" -name Pivola.lnk -delete

timeout 120 "$WINE" "$setup" /S "/D=$(winpath "$dir")" || fail "the installer failed ($?)"
for f in pivola.exe uninstall.exe help/index.html trans/en-us/UTF8_program.ini trans/de-de/UTF8_program.ini \
  trans/de-de/de-de.bmp shortcuts/shortcuts.txt; do
  check -f "$dir/$f"
done
check ! -e "$dir/muc.ini"
run_value() { "$WINE" reg query "$run_key" /v Vendrik-Pivola 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
echo "Run value: $(run_value)"
check "$(run_value)" = "$(winpath "$dir")\\pivola.exe"
lnk=$(find "$WINEPREFIX/drive_c/users" -name Pivola.lnk | head -n 1)
check -n "$lnk"
echo "Start-menu entry: ${lnk#"$WINEPREFIX"/}"

start_pivola "$dir"
wait_for_tray_icon || { shot installed-no-icon; fail "the tray icon did not appear"; }
check -f "$DATA/shortcuts/shortcuts.txt"
cmp "$DATA/shortcuts/shortcuts.txt" "$dir/shortcuts/shortcuts.txt" || fail "the starter items were not seeded"
xdotool mousemove 300 150
sleep 1
shot installed-before-menu
xdotool key ctrl+l
sleep 2
shot installed-starter-menu
box=$(changed_box installed-before-menu installed-starter-menu) || fail "no menu appeared"
read -r left top right bottom <<<"$box"
echo "menu at $left,$top to $right,$bottom"
# The program submenu, the "Program" heading, the "System" heading and four links.
check $((bottom - top)) -ge 120
xdotool key Escape
sleep 1

# A running copy holds the install mutex: the uninstaller asks to close it, and silently
# gives up with exit code 2, leaving everything in place.
rc=0
timeout 120 "$WINE" "$dir/uninstall.exe" /S "_?=$(winpath "$dir")" || rc=$?
echo "uninstaller while the program runs: exit code $rc"
check "$rc" = 2
check -f "$dir/pivola.exe"

"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$PIVOLA_PID" 2>/dev/null || true
# The uninstaller copies itself away and returns; its copy removes the files.
timeout 120 "$WINE" "$dir/uninstall.exe" /S || fail "the uninstaller failed ($?)"
wait_for 60 test ! -e "$dir/uninstall.exe" || fail "the uninstaller did not finish"
check ! -e "$dir/pivola.exe"
check ! -e "$dir/trans"
check ! -e "$dir/help"
check ! -e "$dir/shortcuts"
check -z "$(run_value)"
check -z "$(find "$WINEPREFIX/drive_c/users" -name Pivola.lnk)"
check -f "$DATA/shortcuts/shortcuts.txt"
check -d "$DATA/config"
echo "uninstalled; the data folder stays: $DATA"
