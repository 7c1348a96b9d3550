#!/bin/sh
# Rewrites the reviewed move-path counts that cli_tests compares with tablamor-cli's perft:
# depth 2 from game number 1 of every shipped game. Run it after a change to the rules or the
# games that is meant to change what the player can do, then read the diff before committing.
#   scripts/update-perft-golden.sh [BUILD_DIR]     (default build/test)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/test}
cmake --build "$build" --target tablamor-cli games_dat
"$build/runtime/tablamor-cli" perft --game all --number 1 --depth 2 \
    > tools/cli/tests/golden/perft-depth2.txt
echo "wrote tools/cli/tests/golden/perft-depth2.txt"
