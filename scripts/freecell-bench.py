#!/usr/bin/env python3
"""FreeCell benchmark: our solver beside fc-solve on the same deals.

Runs the freecell_bench program (built with the benchmarks) over numbers 1 to --count, which
solves each deal with our solver and writes it in fc-solve's board format, then runs fc-solve
(default preset) on every board. Prints the share solved and the median time per deal of both,
and the ratio of the medians, as a Markdown table. fc-solve's times are wall-clock times of the
whole program run, start-up included. Run by hand; fc-solve comes from Debian's
freecell-solver-bin package, which the program itself does not need.
"""
import argparse
import pathlib
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_ours(bench, count, nodes, boards):
    out = subprocess.run([bench, "--count", str(count), "--nodes", str(nodes), "--boards", boards],
                         check=True, capture_output=True, text=True).stdout
    rows = re.findall(r"^(\d+) (won|lost|unknown) (\d+) (\S+)$", out, re.M)
    solved = sum(1 for _, outcome, _, _ in rows if outcome == "won")
    return solved, statistics.median(float(ms) for *_, ms in rows)


def run_fc_solve(fc_solve, count, boards, timeout):
    solved, millis, timed_out = 0, [], 0
    for n in range(1, count + 1):
        start = time.perf_counter()
        try:
            out = subprocess.run([fc_solve, str(pathlib.Path(boards) / f"{n}.board")],
                                 capture_output=True, text=True, timeout=timeout).stdout
        except subprocess.TimeoutExpired:
            out, timed_out = "", timed_out + 1
        millis.append((time.perf_counter() - start) * 1000)
        if "This game is solveable." in out:
            solved += 1
    return solved, statistics.median(millis), timed_out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", required=True, help="the freecell_bench program")
    parser.add_argument("--fc-solve", default=shutil.which("fc-solve"), help="the fc-solve program")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--nodes", type=int, default=200000, help="our solver's budget per deal")
    parser.add_argument("--timeout", type=float, default=60, help="seconds fc-solve gets per deal")
    args = parser.parse_args()
    if not args.fc_solve:
        sys.exit("freecell-bench: fc-solve not found (Debian package freecell-solver-bin)")

    with tempfile.TemporaryDirectory() as boards:
        ours_solved, ours_median = run_ours(args.bench, args.count, args.nodes, boards)
        fc_solved, fc_median, fc_timed_out = run_fc_solve(args.fc_solve, args.count, boards,
                                                          args.timeout)
    print(f"| solver | solved of {args.count} | share | median ms per deal |")
    print("|---|---:|---:|---:|")
    print(f"| tablamor ({args.nodes} positions) | {ours_solved} | "
          f"{ours_solved / args.count:.1%} | {ours_median:.2f} |")
    print(f"| fc-solve (default preset) | {fc_solved} | {fc_solved / args.count:.1%} | "
          f"{fc_median:.2f} |")
    print(f"\nmedian ratio tablamor / fc-solve: {ours_median / fc_median:.2f}")
    if fc_timed_out:
        print(f"fc-solve ran out of its {args.timeout:g} s on {fc_timed_out} deals")
    return 0


if __name__ == "__main__":
    sys.exit(main())
