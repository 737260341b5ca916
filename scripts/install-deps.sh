#!/usr/bin/env bash
# Installs, from Debian's or Ubuntu's packages, whatever the build, the program, its tests
# and its packaging need and the machine lacks. Does nothing when all is there.
# ALPHASTOP_NO_APT=1 installs nothing: for machines whose packages are managed otherwise, it
# lists what is missing and carries on, so the build says what it cannot find.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-ipafont-gothic
  clang libclang-rt-dev clang-format
  libcli11-dev nlohmann-json3-dev
  dpkg-dev desktop-file-utils appstream
  python3-dev pybind11-dev python3-numpy python3-pytest
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "${ALPHASTOP_NO_APT:-}" = "1" ]; then
  echo "ALPHASTOP_NO_APT=1: not installing; missing packages: ${missing[*]}" >&2
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
