#!/usr/bin/env python3
"""Rewrites tools/cli/tests/winnable_numbers.inc: per game, a number the solver wins, and a budget.

For every game `tablamor-cli games` lists, runs `tablamor-cli solve-survey` on the first --count
numbers within --nodes positions each (and, for a game none of those is won in, on the first
--hard-count numbers within --hard-nodes) and pins the number won in the fewest positions. The
solver is deterministic for a given budget of positions, so the pinned budget is what the win
took and one turn of every search more. Run it with a Release build after a change to the
solver or the games, then read the diff before committing:

    scripts/update-pins.py [--build build/release] [--jobs 2] [--only ID ...]

With --only, only those games are surveyed again; the other pins stay as they are.
"""
import argparse
import concurrent.futures
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PINS = ROOT / "tools" / "cli" / "tests" / "winnable_numbers.inc"
TURN = 256 * 3  # one slice of positions for each of the three searches
FIRST_NUMBERS = 50  # the pins must lie among the first fifty numbers

HEADER = """\
// game id, {{number, solve budget}}: the number among the first {first} won in the fewest positions,
// written by scripts/update-pins.py from tablamor-cli solve-survey on a Release build
// (--count {count} --nodes {nodes}; --count {hard_count} --nodes {hard_nodes} for a game none of
// those is won in); each budget is the positions the win took and one turn of every search more
"""

def wins(cli, root, game_id, count, nodes):
    """{number: positions} of the numbers won."""
    out = subprocess.run(
        [cli, "solve-survey", "--root", root, "--game", str(game_id), "--count", str(count),
         "--nodes", str(nodes)],
        check=True, capture_output=True, text=True).stdout
    return {int(m.group(1)): int(m.group(2))
            for m in re.finditer(r"^(\d+) won (\d+) ", out, re.M)}


def read_pins():
    """{game id: (number, budget)} of the pins file as it is."""
    return {int(m.group(1)): (int(m.group(2)), int(m.group(3)))
            for m in re.finditer(r"^\{(\d+), \{(\d+), (\d+)\}\},$", PINS.read_text(), re.M)}


def pin(cli, root, game_id, args):
    won = wins(cli, root, game_id, args.count, args.nodes)
    if not won:
        won = wins(cli, root, game_id, args.hard_count, args.hard_nodes)
    if not won:
        return None
    number = min(won, key=lambda n: (won[n], n))
    return number, won[number] + TURN


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/release",
                        help="a Release build directory (built here: tablamor-cli, games_dat)")
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--nodes", type=int, default=20000)
    parser.add_argument("--hard-count", type=int, default=FIRST_NUMBERS)
    parser.add_argument("--hard-nodes", type=int, default=200000)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--only", type=int, nargs="*", help="survey only these game ids")
    args = parser.parse_args()
    if max(args.count, args.hard_count) > FIRST_NUMBERS:
        parser.error(f"the pins must lie among the first {FIRST_NUMBERS} numbers")

    build = (ROOT / args.build).resolve()
    subprocess.run(["cmake", "--build", str(build), "--target", "tablamor-cli", "games_dat"],
                   check=True)
    cli = str(build / "runtime" / "tablamor-cli")
    root = str(build / "runtime")
    games = subprocess.run([cli, "games", "--root", root], check=True, capture_output=True,
                           text=True).stdout
    ids = [int(line.split("\t")[0]) for line in games.splitlines() if line.strip()]
    kept = read_pins() if args.only else {}
    surveyed = [gid for gid in ids if not args.only or gid in args.only]

    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        futures = {gid: pool.submit(pin, cli, root, gid, args) for gid in surveyed}
        pins = {gid: futures[gid].result() if gid in futures else kept.get(gid) for gid in ids}

    missing = [gid for gid, p in pins.items() if p is None]
    if missing:
        print(f"no number won for games {missing}; the pins stay as they are", file=sys.stderr)
        return 1
    lines = [HEADER.format(first=FIRST_NUMBERS, count=args.count, nodes=args.nodes,
                           hard_count=args.hard_count, hard_nodes=args.hard_nodes)]
    lines += [f"{{{gid}, {{{number}, {budget}}}}},\n" for gid, (number, budget) in pins.items()]
    PINS.write_text("".join(lines))
    print(f"wrote {PINS.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
