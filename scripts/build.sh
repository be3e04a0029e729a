#!/usr/bin/env bash
# Configures and builds into build/ (executables in build/bin/): the targets
# named on the command line, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DDORMIVO_WERROR="$werror" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
