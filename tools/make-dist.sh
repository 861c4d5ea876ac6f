#!/usr/bin/env bash
# Makes the two packages for Windows users from the built program (build/win64/pivola.exe)
# and the native tool that writes the shipped files (build/native/pivola_shipped_files):
#   build/dist/Pivola-<version>-portable.zip  unpack anywhere and start; data stays beside it
#   build/dist/Pivola-<version>-setup.exe     installer; data goes to the user's documents
# and prints their paths. `make dist` builds what it needs and then runs this.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=$(sed -nE 's/^project\(pivola VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
exe=build/win64/pivola.exe
tool=build/native/pivola_shipped_files
for f in "$exe" "$tool"; do
  [ -x "$f" ] || [ -f "$f" ] || { echo "make-dist: $f is missing; run 'make dist'" >&2; exit 1; }
done

out="$root/build/dist"
stage="$out/stage"
rm -rf "$stage"
mkdir -p "$stage/help" "$stage/trans/de-de"
cp "$exe" "$stage/"
# The debugging information stays in the build; users get the program alone.
x86_64-w64-mingw32-strip "$stage/pivola.exe"
# The English language files and the starter item store, from the program's own code.
"$tool" "$stage" >/dev/null
cp dist/trans/de-de/UTF8_*.ini "$stage/trans/de-de/"
python3 tools/make_flag.py "$stage/trans/de-de/de-de.bmp"
cp dist/help/index.html "$stage/help/"

# The installer: everything but muc.ini, so that each user's data goes to the documents
# folder and is seeded from the program folder's shortcuts\.
setup="$out/Pivola-$version-setup.exe"
rm -f "$setup"
makensis -V2 -NOCD -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/resources/pivola.ico" \
  -DOUTFILE="$setup" installer/pivola.nsi >"$out/makensis.log" 2>&1 || {
  cat "$out/makensis.log" >&2
  exit 1
}

# The portable package: the same files and a muc.ini that keeps the data beside the program.
zipfile="$out/Pivola-$version-portable.zip"
rm -f "$zipfile"
# A copy carried on a memory stick does not add itself to the programs Windows starts; the
# option is there to switch it on.
cp dist/muc.ini "$stage/"
mkdir -p "$stage/config"
printf '[ProgramOptions.Miscellaneous]\r\nAlwaysShowInTray=0\r\n' >"$stage/config/options.ini"
(cd "$stage" && zip -q -X -r "$zipfile" pivola.exe muc.ini help trans shortcuts config)
rm -rf "$stage/muc.ini" "$stage/config"

echo "$zipfile"
echo "$setup"
