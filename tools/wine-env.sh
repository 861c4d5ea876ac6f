# Sourced by the scripts that run Windows programs: a Wine prefix and a home of their own
# inside the build folder, so nothing is written outside it, and no Wine chatter.
# Usage: . tools/wine-env.sh <name>   (the prefix is build/wine-<name>)
_pv_root=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)
_pv_name=${1:-test}
export PIVOLA_ROOT="$_pv_root"
export WINEPREFIX="$_pv_root/build/wine-$_pv_name/prefix"
export HOME="$_pv_root/build/wine-$_pv_name/home"
export WINEDEBUG=-all
# No installer prompts for the .NET and HTML runtimes, which the program does not use.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
WINE=/usr/lib/wine/wine64
mkdir -p "$HOME"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
fi
# The Wine user's documents folder, as the program sees it.
pv_documents() {
  echo "$HOME"
}
