#!/usr/bin/env bash
# Cross-compiles the Qt-free core, uzx.exe and their tests for 64-bit Windows
# into build-win/ (uzx.exe with Russian.lng beside it in build-win/bin/).
#   bash scripts/build-windows.sh          build
#   bash scripts/build-windows.sh --test   build, then run every test under Wine:
#       the unit tests, the Win32 serial link on a pseudo-terminal, and uzx.exe
#       against the virtual terminal (built natively into build-win/host/)
# Installs what is missing. The Qt programs need a Qt kit for Windows and are
# built on Windows itself (see README).
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=false
case "${1:-}" in
    --test) run_tests=true ;;
    "") ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

# Wine runs the converter that makes the language file, so the build needs it too.
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest)
# The virtual terminal and the program that drives uzx.exe under Wine are Linux programs.
$run_tests && packages+=(g++ libgtest-dev libgmock-dev)
bash scripts/install-packages.sh --no-recommends "${packages[@]}"

host_option=()
if $run_tests; then
    cmake -S . -B build-win/host -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DMOSTREL_BUILD_UI=OFF -DMOSTREL_BUILD_TESTS=ON >/dev/null
    cmake --build build-win/host -j 2 --target vterm uzx_wine_tests
    host_option=(-DMOSTREL_HOST_BUILD="$PWD/build-win/host")
fi

# Warnings are errors, as in the native CI build, and at its -O2: at -O3 the
# MinGW GCC 12 warns falsely about std::string's own copies (GCC bug 105329).
# CMake reads the toolchain file on the first run only; later runs need not
# warn that it went unused.
cmake -S . -B build-win -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DMOSTREL_BUILD_UI=OFF -DMOSTREL_BUILD_TESTS=ON "${host_option[@]}" >/dev/null
cmake --build build-win -j 2
echo "Windows programs in build-win/bin:"
ls build-win/bin

if $run_tests; then
    ctest --test-dir build-win -j 2 --output-on-failure --timeout 900
fi
