#!/usr/bin/env bash
# Installs the Debian package on this machine as a user would (dpkg -i, then
# apt-get -f install for any library still missing), validates the installed
# desktop entry and metainfo, starts the program through coinwick-launch in a
# scratch data folder (offscreen) and checks that it comes up and stays up,
# then removes the package again. Needs root and a Debian 12 system.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

[ "$(id -u)" = 0 ] || { echo "check-install needs root" >&2; exit 1; }
make --no-print-directory package BUILD="$BUILD"
deb=$(realpath "$BUILD"/coinwick_*.deb)
data=$(mktemp -d)
cleanup() { dpkg -r coinwick >/dev/null 2>&1 || true; rm -rf "$data"; }
trap cleanup EXIT

dpkg -i "$deb" || DEBIAN_FRONTEND=noninteractive apt-get -f install -y
dpkg -s coinwick | grep -q '^Status: install ok installed'
desktop-file-validate /usr/share/applications/coinwick.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.coinwick.Coinwick2.metainfo.xml

COINWICK_DATA="$data" QT_QPA_PLATFORM=offscreen coinwick-launch &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "coinwick-launch ended at once (exit $?)" >&2; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -f "$data/PERSONAL.DAT" ] || { echo "the program made no settings file in $data" >&2; exit 1; }
echo "Installed, validated and started: $deb"
