#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing
# Ondalira need. Does nothing when they are all present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libqt6sql6-sqlite libqt6sql6-psql libqt6svg6 libqt6charts6 qt6-qpa-plugins qt6-translations-l10n
    fonts-sil-andika fonts-noto-color-emoji fonts-dejavu-core
    wspanish
    libavformat-dev libavutil-dev
    libespeak-ng-dev espeak-ng-data
    libquazip1-qt6-dev libssl-dev
    gstreamer1.0-plugins-good gstreamer1.0-libav
    xvfb xauth x11-utils
    ffmpeg  # tests make videos as phones record them
    desktop-file-utils appstream
    postgresql postgresql-common  # the store's tests run on a throwaway server too
    libpq-dev  # a school server's connection watched with libpq's own calls
)
packages+=("$@")  # and what the caller names (the package script: lintian)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
