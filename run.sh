#!/usr/bin/env bash
# Sets up what is missing, builds a release build, assembles the program directory and starts
# the program. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABLAMOR_TESTS=OFF -DTABLAMOR_BENCHMARKS=OFF
cmake --build build/release
runtime=build/release/runtime
if [[ -x "$runtime/tablamor" && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
  exec "$runtime/tablamor" "$@"
fi
"$runtime/tablamor-cli" games
exec "$runtime/tablamor-cli" show --game 1 --number 1
