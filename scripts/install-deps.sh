#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the programs.
set -euo pipefail
packages=(cmake g++ make ninja-build libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
          qt6-translations-l10n fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
