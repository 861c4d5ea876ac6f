# Shared steps of the end-to-end scripts: an installation folder with pivola.exe, a clean
# per-user data folder, and waiting for the program instead of sleeping fixed times.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
# A script that changes the Wine prefix itself (its DPI, say) names a prefix of its own
# in E2E_PREFIX before it sources this file.
. tools/wine-env.sh "${E2E_PREFIX:-e2e}"
E2E_ROOT="$PIVOLA_ROOT/build/e2e"
DOCS=$(pv_documents)
DATA="$DOCS/Vendrik/Pivola"

fail() { echo "FAIL: $*" >&2; exit 1; }
check() { [ "$@" ] || fail "check failed: $*"; }

# A fresh installation folder holding the program; echoes its path.
new_install() {
  local dir="$E2E_ROOT/$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$PIVOLA_ROOT/build/win64/pivola.exe" "$dir/"
  echo "$dir"
}

clean_user_data() { rm -rf "$DOCS/Vendrik"; }

# Runs pivola.exe with arguments inside its folder; returns its exit code.
run_pivola() {
  local dir=$1
  shift
  (cd "$dir" && timeout 120 "$WINE" pivola.exe "$@")
}

# Waits until a command succeeds, for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.5
  done
}


# ---- the desktop with a notification area ------------------------------------------------
# Programs run inside one Wine desktop (where the shell's notification area lives) and
# still report their own exit codes.
DESKTOP_W=${E2E_DESKTOP_W:-1024}
DESKTOP_H=${E2E_DESKTOP_H:-768}
if [ ! -f "$WINEPREFIX/.pivola-desktop" ]; then
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${DESKTOP_W}x${DESKTOP_H}" /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.pivola-desktop"
fi
# Every script starts on a desktop without programs left from another.
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
trap '"$WINESERVER" -k >/dev/null 2>&1 || true' EXIT
SCREEN="$PIVOLA_ROOT/tests/e2e/screen.py"
mkdir -p "$E2E_ROOT"

# A screenshot of the Wine desktop.
shot() { import -window root -crop "${DESKTOP_W}x${DESKTOP_H}+0+0" +repage "$E2E_ROOT/$1.png" >/dev/null 2>&1; }

# The Windows form of a path below the checkout (Wine maps / to Z:).
winpath() { echo "Z:$1" | tr '/' '\\'; }

# Starts pivola.exe in its folder in the background; PIVOLA_PID is the process.
start_pivola() {
  local dir=$1
  shift
  (cd "$dir" && exec "$WINE" pivola.exe "$@") &
  PIVOLA_PID=$!
}

# Pivola's icon in the notification area: "x y", or nothing yet.
tray_icon_at() {
  shot probe >/dev/null 2>&1 || return 1
  python3 "$SCREEN" icon "$E2E_ROOT/probe.png"
}

wait_for_tray_icon() {
  local end=$((SECONDS + ${1:-90}))
  until tray_icon_at >/dev/null; do
    [ $SECONDS -ge $end ] && return 1
    sleep 1
  done
}

# The box in which two screenshots differ: "left top right bottom".
changed_box() { python3 "$SCREEN" changed "$E2E_ROOT/$1.png" "$E2E_ROOT/$2.png"; }
