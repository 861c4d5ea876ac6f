# Steps shared by the scripts that drive the manager window: the window tool, the tree as
# the native view shows it, and keys with a short pause for the window to follow.
TOOL="$PIVOLA_ROOT/build/win64/e2e_window_tool.exe"
TITLE="Pivola 1.7.9"
tree() { "$WINE" "$TOOL" tree "$TITLE" | tr -d '\r'; }
focused() { "$WINE" "$TOOL" focus "$TITLE" | tr -d '\r'; }
key() {
  xdotool key "$@"
  sleep 0.4
}
# Presses Tab until the focus is on the control whose class and text start so.
tab_to() {
  for _ in $(seq 30); do
    case "$(focused)" in "$1"*) return 0 ;; esac
    key Tab
  done
  fail "the focus never reached \"$1\" (it is on \"$(focused)\")"
}
expect_tree() {
  local want=$1 got
  got=$(tree)
  [ "$got" = "$want" ] || { printf 'tree:\n%s\nexpected:\n%s\n' "$got" "$want"; shot "${2:-tree}"; fail "the tree differs"; }
}
# Opens the manager window with a double click on the tray icon.
open_manager() {
  wait_for_tray_icon || { shot no-icon; fail "the tray icon did not appear"; }
  read -r x y <<<"$(tray_icon_at)"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 120 1
  wait_for 30 "$WINE" "$TOOL" visible "$TITLE" || { shot no-window; fail "the manager window did not open"; }
  sleep 2
}
window_visible() { "$WINE" "$TOOL" visible "$1"; }
window_gone() { ! "$WINE" "$TOOL" visible "$1"; }
