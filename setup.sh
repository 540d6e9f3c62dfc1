#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the program need.
# Idempotent: does nothing but a quick check when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n qt6-l10n-tools
    libbenchmark-dev
    liberfa-dev
    tzdata
    xvfb xauth
    fonts-comic-neue fonts-liberation2
    desktop-file-utils appstream dpkg-dev file groff-base python3-icalendar python3-numpy
    xdotool xclip x11-utils faketime libfaketime imagemagick time strace
    clang libclang-rt-14-dev lld
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
