#!/usr/bin/env bash
# Builds the Debian package (`make package`), unpacks it into a scratch folder
# without installing it, and checks what it holds: the file list, the desktop
# entry and the AppStream metainfo by their validators, the manual page by
# rendering it. Needs no root; touches nothing outside the build folder and
# a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

make --no-print-directory package BUILD="$BUILD"
deb=$(realpath "$BUILD"/coinwick_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg-deb -c "$deb"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/coinwick usr/bin/coinwick-launch \
         usr/share/applications/coinwick.desktop \
         usr/share/icons/hicolor/scalable/apps/coinwick.svg \
         usr/share/metainfo/io.coinwick.Coinwick2.metainfo.xml \
         usr/share/man/man1/coinwick.1.gz usr/share/man/man1/coinwick-launch.1.gz \
         usr/share/doc/coinwick/README.md; do
  [ -e "$root/$f" ] || { echo "missing from the package: /$f" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency" >&2; exit 1; }

desktop-file-validate "$root/usr/share/applications/coinwick.desktop"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
man -l "$root/usr/share/man/man1/coinwick.1.gz" 2>&1 >/dev/null | { ! grep .; } \
  || { echo "the manual page does not render cleanly" >&2; exit 1; }
man -l "$root/usr/share/man/man1/coinwick.1.gz" | head -n 8
echo "Package checked: $deb"
