#!/usr/bin/env bash
# Starts the freshly built pivola.exe under Wine, in a Wine desktop window that has a
# notification area. The program folder is build/run/Pivola; its data goes to the Wine
# user's documents folder, which lies inside the build folder.
set -eu
cd "$(dirname "$0")/.."
. tools/wine-env.sh run
app="$PIVOLA_ROOT/build/run/Pivola"
mkdir -p "$app"
cp build/win64/pivola.exe "$app/"
echo "Pivola runs in a Wine desktop; its data folder is $HOME/Vendrik/Pivola."
echo "Click the tray icon or press Ctrl+L; close the desktop window or press Ctrl+C to stop."
cd "$app"
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting Pivola inside Xvfb."
  exec xvfb-run -a "$WINE" explorer /desktop=Pivola,1024x768 pivola.exe "$@"
fi
exec "$WINE" explorer /desktop=Pivola,1024x768 pivola.exe "$@"
