#!/usr/bin/env bash
# Configures and builds everything into build/ (executables in build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DDORMIVO_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
