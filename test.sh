#!/usr/bin/env bash
# Sets up what is missing, builds the test build (warnings as errors, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABLAMOR_SANITIZE=ON -DTABLAMOR_WERROR=ON
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
ctest --test-dir build/test --output-on-failure -j "$(nproc)" || status=$?
./scripts/check-format.sh || status=1
exit "$status"
