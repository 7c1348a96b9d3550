#!/usr/bin/env bash
# Kill test of the record rewrites: KILLS times (default 300), one end-of-game save with a
# preference change (records_kill_drill, built with the tests) is killed with SIGKILL at a random
# moment, and each record file (STAT.DAT, STAT_SCR.DAT, STAT_LOG.DAT, CFG.DAT) must then be, byte
# for byte, what it was before or what the same save gives when it runs to its end. Prints the
# count of kills, of saves that were left undone and of saves that completed; exits 1 at the
# first damaged file.
#   scripts/kill-test.sh [DRILL] [KILLS]   (DRILL default build/test/records/records_kill_drill)
set -euo pipefail
drill=$(realpath "${1:-build/test/records/records_kill_drill}")
kills=${2:-300}
[[ -x "$drill" ]] || { echo "no drill program at $drill" >&2; exit 2; }
# A kill is no power cut: the files need no disk under them, and memory keeps the rounds fast.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
files=(STAT.DAT STAT_SCR.DAT STAT_LOG.DAT CFG.DAT)

mkdir -p "$work/live/DATA"
"$drill" "$work/live" seed
# One complete save gives the time a save takes, which sets the range of the kill moments.
start=$(date +%s%N)
"$drill" "$work/live" 0
span_us=$(( ($(date +%s%N) - start) * 3 / 2000 ))

same() { [[ ! -e "$1" && ! -e "$2" ]] || cmp -s "$1" "$2"; }

undone=0 completed=0
for ((round = 1; round <= kills; round++)); do
  rm -rf "$work/old" "$work/new"
  cp -a "$work/live" "$work/old"
  cp -a "$work/live" "$work/new"
  "$drill" "$work/live" "$round" 2>/dev/null &
  pid=$!
  "$drill" "$work/new" "$round" 2>/dev/null & # the same save to its end, meanwhile
  reference=$!
  sleep "$(awk -v span="$span_us" -v seed="$RANDOM$round" \
             'BEGIN { srand(seed); printf "%.6f", rand() * span / 1000000 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  wait "$reference" || { echo "round $round: the save failed without a kill" >&2; exit 1; }
  state=""
  for f in "${files[@]}"; do
    if same "$work/live/DATA/$f" "$work/old/DATA/$f"; then state+="old "
    elif same "$work/live/DATA/$f" "$work/new/DATA/$f"; then state+="new "
    else
      echo "kill $round: $f is neither its old nor its new bytes" >&2
      exit 1
    fi
  done
  if [[ "$state" == "new new new new " ]]; then ((completed += 1)); else ((undone += 1)); fi
  # A later save goes on from whatever the kill left, as the program would.
done
echo "kills: $kills, saves left undone or half-way: $undone, completed: $completed"
