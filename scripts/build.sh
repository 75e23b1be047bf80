#!/usr/bin/env bash
# Configures and builds one preset of CMakePresets.json (dev when none is
# named): dev builds into build/ with the programs in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
