#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests, `make run` and
# `make package` need and this machine does not have yet. Safe to run again:
# it installs nothing twice.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libvulkan-dev libxkbcommon-dev
  qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libofx-dev libcsv-dev
  xvfb xauth x11-utils imagemagick fonts-liberation
  clang-14 libclang-rt-14-dev
  cups-bsd poppler-utils libreoffice-calc-nogui
  cups-daemon cups-client printer-driver-cups-pdf ghostscript
  dpkg-dev desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
