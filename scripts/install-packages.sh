#!/usr/bin/env bash
# Installs those of the named Debian packages that are missing (as root, or
# through sudo). --no-recommends leaves out what they merely recommend.
#   bash scripts/install-packages.sh [--no-recommends] PACKAGE...
set -euo pipefail
options=()
if [ "${1:-}" = "--no-recommends" ]; then
    options+=(--no-install-recommends)
    shift
fi
missing=()
for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${options[@]}" "${missing[@]}"
