#!/bin/sh
# Installs the Debian packages the build needs when some are missing. Only root can; for
# anyone else it names what is missing and stops.
set -eu
missing=""
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages:$missing" >&2
  echo "Run as root, or install them with: sudo apt-get install$missing" >&2
  exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
