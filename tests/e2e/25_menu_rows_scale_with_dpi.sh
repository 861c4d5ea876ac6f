#!/usr/bin/env bash
# With Wine's display at 144 DPI ("LogPixels") the tray menu's rows are half as high again
# as at 96 DPI: the rows the program draws itself (a menu font of the user's own), measured
# on the highlight of the entry under the pointer. At 144 DPI the manager window is laid
# out for that DPI too; its screenshot is kept.
E2E_PREFIX=e2e-dpi E2E_DESKTOP_W=1280 E2E_DESKTOP_H=1024
. "$(dirname "$0")/lib.sh"
app=$(new_install dpi)
clean_user_data
mkdir -p "$DATA/shortcuts" "$DATA/config"
{
  printf '^UnkLnk|C:\\windows\\win.ini|ini|Settings file|\r\n'
  printf '^SpeSep|Tools\r\n'
  printf '^UnkLnk|C:\\windows\\system.ini|ini|System file|\r\n'
} >"$DATA/shortcuts/shortcuts.txt"
printf '[ProgramOptions.Visuals]\r\nOverrideStandardFont=1\r\nOverrideStandardFontName=Tahoma\r\nOverrideStandardFontSize=8\r\n' \
  >"$DATA/config/options.ini"

# The DPI of the whole Wine display, read by Wine at its start: newer versions read the
# user's desktop key, older ones the current configuration's fonts key.
set_dpi() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINESERVER" -w >/dev/null 2>&1 || true
}
# The prefix goes back to 96 DPI whatever happens, for the next run.
trap 'set_dpi 96' EXIT

# Shows the tray menu at 300,200 and points at its first entry; sets MENU (its box) and
# ROW (the highlighted row's height).
measure_menu() {
  local dpi=$1
  start_pivola "$app"
  wait_for_tray_icon || { shot "dpi-$dpi-no-icon"; fail "the tray icon did not appear at $dpi DPI"; }
  xdotool mousemove 300 200
  sleep 1
  shot "dpi-$dpi-before"
  xdotool key ctrl+l
  sleep 2
  shot "dpi-$dpi-menu"
  MENU=$(changed_box "dpi-$dpi-before" "dpi-$dpi-menu") || fail "no menu appeared at $dpi DPI"
  local left top right bottom
  read -r left top right bottom <<<"$MENU"
  xdotool mousemove $((left + 60)) $((top + 8))
  sleep 1
  shot "dpi-$dpi-row"
  local row
  row=$(changed_box "dpi-$dpi-menu" "dpi-$dpi-row") || fail "no entry was highlighted at $dpi DPI"
  read -r left top right bottom <<<"$row"
  ROW=$((bottom - top + 1))
  echo "$dpi DPI: menu $MENU, first row $row ($ROW pixels high)"
  xdotool key Escape
  sleep 0.5
}

set_dpi 96
measure_menu 96
row96=$ROW
read -r l t r b <<<"$MENU"
menu96=$((b - t + 1))
check "$row96" -eq 19

set_dpi 144
measure_menu 144
row144=$ROW
read -r l t r b <<<"$MENU"
menu144=$((b - t + 1))
echo "rows: $row96 -> $row144; menu height: $menu96 -> $menu144"
# 19 x 1.5 = 28.5, which the program rounds as Windows does to 29.
check $((row144 * 2)) -ge $((row96 * 3 - 2)) -a $((row144 * 2)) -le $((row96 * 3 + 2))
check $((menu144 * 2)) -ge $((menu96 * 3 - 12)) -a $((menu144 * 2)) -le $((menu96 * 3 + 12))

# The manager window at 144 DPI.
. "$(dirname "$0")/manager_lib.sh"
open_manager
read -r wl wt wr wb <<<"$("$WINE" "$TOOL" rect "$TITLE" | tr -d '\r')"
echo "manager window at 144 DPI: $wl,$wt to $wr,$wb"
shot dpi-144-manager
check $((wr - wl)) -ge 1164 -a $((wb - wt)) -ge 891
kill -0 "$PIVOLA_PID" || fail "the program ended"
