#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tockmere need, only those
# that are missing, without prompting. Safe to run again and again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-multimedia-dev
    fonts-dejavu-core xvfb xauth tzdata poppler-utils
    clang libclang-rt-14-dev
    xdotool x11-utils imagemagick desktop-file-utils
    pulseaudio pulseaudio-utils
    cups cups-client printer-driver-cups-pdf
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
