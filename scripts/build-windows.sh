#!/usr/bin/env bash
# Cross-compiles the Qt-free programs for 64-bit Windows into build-win/bin/
# (uzx.exe, with Russian.lng beside it). The Qt programs need a Qt for
# Windows kit and are built on Windows itself (see README).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq g++-mingw-w64-x86-64-posix cmake make
fi

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMOSTREL_BUILD_UI=OFF >/dev/null
cmake --build build-win -j 2

# The language file is the same bytes on every system; a cross build cannot
# run its converter, so a small host build makes it.
cmake -S . -B build-win/host -DMOSTREL_BUILD_UI=OFF -DMOSTREL_BUILD_TESTS=OFF >/dev/null
cmake --build build-win/host --target language_files -j 2
cp build-win/host/bin/Russian.lng build-win/bin/
echo "Windows programs in build-win/bin:"
ls build-win/bin
