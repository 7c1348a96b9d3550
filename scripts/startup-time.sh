#!/usr/bin/env bash
# Start-up time of the program: launches it RUNS times (default 7) on a virtual X screen with
# --game 1 (Klondike dealt at once, no dialog) in a fresh copy of the program directory each
# time, and prints the milliseconds from launch to the first painted table of each run and
# their median. Usage: scripts/startup-time.sh [PROGRAM_DIR] [RUNS] (default build/release/runtime).
# With KEEP_DATA=1 the DATA directory of the first run is kept for the later ones (a second start).
set -euo pipefail
runtime=$(realpath "${1:-build/release/runtime}")
runs=${2:-7}
[[ -x "$runtime/tablamor" ]] || { echo "no program in $runtime" >&2; exit 2; }

measure() {
  local work times=()
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  for entry in GAMES.DAT SOL.RGF Images SOUNDS help tablamor; do
    [[ -e "$runtime/$entry" ]] && ln -s "$runtime/$entry" "$work/$entry"
  done
  for ((i = 0; i < runs; i++)); do
    [[ "${KEEP_DATA:-0}" == 1 && $i -gt 0 ]] || rm -rf "$work/DATA"
    local start out line
    start=$(date +%s%N)
    # The program's exit status is not the measure: a sanitizer build ends non-zero on a leak
    # report of a system library after the table was painted.
    out=$(TABLAMOR_STARTUP_TIMING=1 ASAN_OPTIONS=detect_leaks=0 \
          "$runtime/tablamor" --root "$work" --game 1 2>"$work/stderr") || true
    line=$(grep '^first-table ' <<< "$out" || true)
    if [[ -z "$line" ]]; then
      echo "run $((i + 1)): no table was painted; the program said:" >&2
      cat "$work/stderr" >&2
      exit 1
    fi
    times+=($(( (${line#first-table } - start) / 1000000 )))
  done
  echo "runs (ms): ${times[*]}"
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median (ms): " a[int((NR+1)/2)]}'
}

if [[ -n "${DISPLAY:-}" ]]; then
  measure
else
  # one virtual screen for all runs: the script again, under it
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$runtime" "$runs"
fi
