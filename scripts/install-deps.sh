#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Tarnwell needs to build, test and run that this
# machine lacks. Safe to run again: it installs nothing when everything is there. Packages named
# as arguments are installed as well.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6printsupport6
  libbenchmark-dev
  xvfb xauth imagemagick xdotool fonts-dejavu-core
  poppler-utils
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
