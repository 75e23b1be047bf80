#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the CI
# build (warnings are errors) and under AddressSanitizer and
# UndefinedBehaviorSanitizer. Name presets to run only those:
#   bash scripts/run-tests.sh dev
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(ci asan)
for preset in "${presets[@]}"; do
    echo "=== $preset: build"
    bash scripts/build.sh "$preset"
    echo "=== $preset: tests"
    ctest --preset "$preset" -j "$(nproc)"
done
