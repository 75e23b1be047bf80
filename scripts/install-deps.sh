#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the programs.
set -euo pipefail
packages=(cmake g++ make ninja-build libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
          qt6-translations-l10n fonts-dejavu-core)
bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"
