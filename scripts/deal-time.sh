#!/usr/bin/env bash
# The time a deal takes at the default card speed (the waits of its frames and their drawing) for
# Klondike, FreeCell, Spider, Pyramid and Forty Thieves, on a 1920 x 1080 table with big and with
# fitted cards. Usage: scripts/deal-time.sh [BUILD_DIR] [--speed MS] (default build/release-ui,
# configured with -DCMAKE_BUILD_TYPE=Release; the benchmark target is table_deal_bench).
set -euo pipefail
build=${1:-build/release-ui}
shift || true
bench="$build/table/table_deal_bench"
[[ -x "$bench" ]] || { echo "no $bench: cmake --build $build --target table_deal_bench" >&2; exit 2; }
"$bench" "$@" | awk -F'\t' 'NR == 1 || $2 ~ /^(Klondike|FreeCell|Spider|Pyramid|Forty Thieves)$/'
