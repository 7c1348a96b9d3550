#!/usr/bin/env python3
"""Surveys every game with the solver and prints a Markdown table of the share of deals won.

For each games/*.game source, runs `tablamor-cli solve-survey` on the first --count numbers with a
budget of --nodes search nodes per deal, several games at a time. With --update-ratings the
chance-of-winning ratings of each source are rewritten from the share won:

    class  0 very high (80 % or more), 1 high (50 %), 2 medium (25 %), 3 low (10 %), 4 very low
    about  "about k in 10" from 50 %, "about 1 in n" below, nothing shown when no deal was won

A deal the solver could not decide within the budget counts as not won, so the shares are lower
bounds of what a player who sees every card could win.
"""
import argparse
import concurrent.futures
import pathlib
import re
import subprocess
import sys

CLASS_THRESHOLDS = [(0.80, 0), (0.50, 1), (0.25, 2), (0.10, 3)]
VERY_LOW = 4


def chance_class(share):
    for threshold, value in CLASS_THRESHOLDS:
        if share >= threshold:
            return value
    return VERY_LOW


def chance_about(share):
    """(about, out_of) for "about `about` in `out_of`"; (0, 0) hides it."""
    if share <= 0:
        return 0, 0
    if share >= 0.5:
        return round(share * 10), 10
    return 1, round(1 / share)


def read_source(path):
    text = path.read_text()
    game_id = int(re.search(r"^id\s*=\s*(\d+)", text, re.M).group(1))
    name = re.search(r"^name\s*=\s*(.+)$", text, re.M).group(1).strip()
    return game_id, name, text


def survey(cli, root, game_id, count, nodes):
    out = subprocess.run(
        [cli, "solve-survey", "--root", root, "--game", str(game_id), "--count", str(count),
         "--nodes", str(nodes)],
        check=True, capture_output=True, text=True).stdout
    won = int(re.search(r"^won (\d+) of", out, re.M).group(1))
    median = float(re.search(r"^median-ms (\S+)", out, re.M).group(1))
    return won, median


def set_rating(text, key, value):
    line = f"{key} = {value}"
    pattern = re.compile(rf"^{key}\s*=.*$", re.M)
    if pattern.search(text):
        return pattern.sub(line, text)
    if "# Ratings" not in text:
        text = text.rstrip("\n") + "\n\n# Ratings\n"
    return text.rstrip("\n") + "\n" + line + "\n"


def write_ratings(path, text, share):
    about, out_of = chance_about(share)
    text = set_rating(text, "WinChanceClass", chance_class(share))
    text = set_rating(text, "WinChanceAbout", about)
    text = set_rating(text, "WinChanceOutOf", out_of)
    path.write_text(text)


def rate_from_table(games_dir, table):
    count = int(re.search(r"\| won of (\d+) \|", table.read_text()).group(1))
    won = {int(m.group(1)): int(m.group(2))
           for m in re.finditer(r"^\| (\d+) \| [^|]+ \| (\d+) \|", table.read_text(), re.M)}
    for path in sorted(games_dir.glob("*.game")):
        game_id, _, text = read_source(path)
        if game_id in won:
            write_ratings(path, text, won[game_id] / count)
        else:
            print(f"game {game_id} is not in the table; its ratings stay", file=sys.stderr)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="the tablamor-cli program")
    parser.add_argument("--root", required=True, help="program directory holding GAMES.DAT")
    parser.add_argument("--games", default=str(pathlib.Path(__file__).parent.parent / "games"))
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--nodes", type=int, default=100000)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--only", type=int, nargs="*", help="survey only these game ids")
    parser.add_argument("--update-ratings", action="store_true")
    parser.add_argument("--ratings-from", metavar="TABLE",
                        help="rewrite the ratings from a table this script printed before, "
                             "without surveying again")
    args = parser.parse_args()
    if args.ratings_from:
        return rate_from_table(pathlib.Path(args.games), pathlib.Path(args.ratings_from))

    sources = {}
    for path in sorted(pathlib.Path(args.games).glob("*.game")):
        game_id, name, text = read_source(path)
        if not args.only or game_id in args.only:
            sources[game_id] = (path, name, text)

    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        futures = {gid: pool.submit(survey, args.cli, args.root, gid, args.count, args.nodes)
                   for gid in sources}
        results = {gid: f.result() for gid, f in futures.items()}

    print(f"| id | game | won of {args.count} | share | median ms | chance class |")
    print("|---:|---|---:|---:|---:|---:|")
    for gid, (path, name, text) in sources.items():
        won, median = results[gid]
        share = won / args.count
        print(f"| {gid} | {name} | {won} | {share:.0%} | {median:.1f} | {chance_class(share)} |")
        if args.update_ratings:
            write_ratings(path, text, share)
    return 0


if __name__ == "__main__":
    sys.exit(main())
