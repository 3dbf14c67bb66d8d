#!/usr/bin/env bash
# Configures and builds Lexiparc in Release into build/ (or $1).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
