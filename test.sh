#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build --parallel "${KALVENROD_JOBS:-$(nproc)}"
cd build
ctest --output-on-failure --parallel "${KALVENROD_JOBS:-$(nproc)}" --timeout 600
