#!/usr/bin/env bash
# Installs the Debian packages Kov builds and tests with, when any is missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev fonts-dejavu-core xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
