#!/usr/bin/env bash
# Installs, with apt-get, whatever Isobra needs to build and test that is not
# there yet. Safe to run again; does nothing when everything is installed.
set -euo pipefail

PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n libdeflate-dev
    libespeak-ng-dev espeak-ng-data
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-mincho fonts-ipafont-gothic
    xvfb xauth poppler-utils
    desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin gdal-bin
    file dpkg-dev
    clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        SUDO="sudo"
    else
        echo "Isobra needs these packages and this user cannot install them: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
