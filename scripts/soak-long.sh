#!/bin/sh
# The long form of the random-play soak: every shipped game over many more numbers than the
# suite's short form (30). Run it after a change to the rules or the games.
#   scripts/soak-long.sh [BUILD_DIR] [NUMBERS]      (defaults build/test, 300)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/test}
cmake --build "$build" --target engine_tests
TABLAMOR_SOAK_NUMBERS=${2:-300} "$build/engine/engine_tests" --gtest_filter='ShippedGames/SoakTest.*'
