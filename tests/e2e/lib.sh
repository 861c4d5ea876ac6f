# Shared steps of the end-to-end scripts: an installation folder with pivola.exe, a clean
# per-user data folder, and waiting for the program instead of sleeping fixed times.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
. tools/wine-env.sh e2e
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

shot() { import -window root "$E2E_ROOT/$1.png" >/dev/null 2>&1 || true; }
