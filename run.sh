#!/usr/bin/env bash
# Installs what is missing, builds and starts the heating design program.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build --parallel "${KALVENROD_JOBS:-$(nproc)}"
if [ ! -x build/bin/Mekr ]; then
  echo "The heating design program (build/bin/Mekr) is not built yet."
  exit 0
fi
exec build/bin/Mekr "$@"
