#!/usr/bin/env python3
"""Surveys every game with the solver and prints a Markdown table of the share of deals won.

For each games/*.game source, runs `tablamor-cli solve-survey` on the first --count numbers with a
budget of --nodes search nodes and, with --time-ms, of milliseconds per deal, several games at a
time. With --update-ratings the
chance-of-winning ratings of each source are rewritten from the share won:

    class  0 very high (80 % or more), 1 high (50 %), 2 medium (25 %), 3 low (10 %), 4 very low
    about  "about k in 10" from 50 %, "about 1 in n" below, nothing shown when no deal was won

The share is won / decided: a deal the solver could not decide within the budget (neither won
nor proven lost) is left out rather than counted as lost, so a short budget does not make a game
look harder than it is. Losses are harder to prove than wins are to find, so the undecided deals
hold most of the losses: where more than one deal in ten was left undecided the share leans high
and is not given as a figure: the class is written but "about k in n" is hidden. Where fewer
than half the deals were decided, the few that were are mostly the easy ones, so the game keeps
the class it had and loses its figure.
With --drawn the numbers are drawn as a new game draws them (numbers 1 to N give closely related
deals); the table lists what was won, lost and left undecided.
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


def families(games_dir):
    """Game id -> family, from the table of games/CATALOGUE.md (the first games by name)."""
    found = {1: "Klondike", 2: "FreeCell", 3: "Forty Thieves"}
    catalogue = games_dir / "CATALOGUE.md"
    if catalogue.exists():
        games_table = catalogue.read_text().partition("\n## Games\n")[2].partition("\n## ")[0]
        for m in re.finditer(r"^\| (\d+) \| [^|]+ \| ([^|]+) \|", games_table, re.M):
            found[int(m.group(1))] = m.group(2).strip()
    return found


def survey(cli, root, game_id, count, nodes, time_ms, drawn):
    command = [cli, "solve-survey", "--root", root, "--game", str(game_id), "--count", str(count),
               "--nodes", str(nodes)]
    if time_ms is not None:
        command += ["--time-ms", str(time_ms)]
    if drawn is not None:
        command += ["--drawn", str(drawn)]
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    won = int(re.search(r"^won (\d+) of", out, re.M).group(1))
    lost = len(re.findall(r"^\d+ lost ", out, re.M))
    median = float(re.search(r"^median-ms (\S+)", out, re.M).group(1))
    return won, won + lost, median


def decided_share(won, decided):
    """The share of decided deals won; None when no deal was decided."""
    return won / decided if decided else None


def is_certain(decided, count):
    """Whether enough deals were decided for the share to be given as a figure."""
    return 10 * decided >= 9 * count


def is_rated(decided, count):
    """Whether enough deals were decided for the share to set the class."""
    return 2 * decided >= count


def set_rating(text, key, value):
    line = f"{key} = {value}"
    pattern = re.compile(rf"^{key}\s*=.*$", re.M)
    if pattern.search(text):
        return pattern.sub(line, text)
    if "# Ratings" not in text:
        text = text.rstrip("\n") + "\n\n# Ratings\n"
    return text.rstrip("\n") + "\n" + line + "\n"


def write_ratings(path, text, share, certain, rated=True):
    if share is None or not rated:
        # Too little to go by: the class stays, the figure goes.
        print(f"{path.name}: fewer than half the deals decided; its class stays", file=sys.stderr)
        text = set_rating(text, "WinChanceAbout", 0)
        path.write_text(set_rating(text, "WinChanceOutOf", 0))
        return
    about, out_of = chance_about(share) if certain else (0, 0)
    text = set_rating(text, "WinChanceClass", chance_class(share))
    text = set_rating(text, "WinChanceAbout", about)
    text = set_rating(text, "WinChanceOutOf", out_of)
    path.write_text(text)


def rate_from_table(games_dir, table):
    """Rewrites the ratings from a table this script printed; 1 when the table has no decided
    column."""
    text = table.read_text()
    if "| decided |" not in text:
        print(f"{table}: no decided column (a table of an older survey); survey again",
              file=sys.stderr)
        return 1
    count = int(re.search(r"\| won of (\d+) \|", text).group(1))
    tally = {int(m.group(1)): (int(m.group(2)), int(m.group(3)))
             for m in re.finditer(r"^\| (\d+) \| [^|]+ \| [^|]* \| (\d+) \| (\d+) \|", text,
                                  re.M)}
    for path in sorted(games_dir.glob("*.game")):
        game_id, _, source = read_source(path)
        if game_id in tally:
            won, decided = tally[game_id]
            write_ratings(path, source, decided_share(won, decided), is_certain(decided, count),
                          is_rated(decided, count))
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
    parser.add_argument("--time-ms", type=int, help="milliseconds per deal besides the nodes")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--drawn", type=int, metavar="SEED",
                        help="survey numbers drawn as a new game draws them, from this seed")
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
        futures = {gid: pool.submit(survey, args.cli, args.root, gid, args.count, args.nodes,
                                   args.time_ms, args.drawn)
                   for gid in sources}
        for future in concurrent.futures.as_completed(futures.values()):
            gid = next(g for g, f in futures.items() if f is future)
            print(f"surveyed {gid}: won, decided, median ms {future.result()}", file=sys.stderr,
                  flush=True)
        results = {gid: f.result() for gid, f in futures.items()}

    family = families(pathlib.Path(args.games))
    sample = f"{args.count} numbers drawn from seed {args.drawn}" if args.drawn is not None \
        else f"numbers 1 to {args.count}"
    print("# Solver survey\n")
    budget = f"{args.nodes:,} positions"
    if args.time_ms is not None:
        budget = f"{args.time_ms / 1000:g} s (and at most {budget})"
    print(f"Each game's {sample}, each searched within {budget}. Written by "
          f"`scripts/survey-games.py`; the ratings come from it (games/CATALOGUE.md).\n")
    print(f"| id | game | family | won of {args.count} | decided | lost | undecided | share of decided "
          f"| median ms | chance class |")
    print("|---:|---|---|---:|---:|---:|---:|---:|---:|---:|")
    for gid, (path, name, text) in sources.items():
        won, decided, median = results[gid]
        share = decided_share(won, decided)
        certain = is_certain(decided, args.count)
        shown = "-" if share is None else f"{share:.0%}" + ("" if certain else " (uncertain)")
        rated = "-" if share is None or not is_rated(decided, args.count) else chance_class(share)
        print(f"| {gid} | {name} | {family.get(gid, '')} | {won} | {decided} | {decided - won} | {args.count - decided} "
              f"| {shown} | {median:.1f} | {rated} |", flush=True)
        if args.update_ratings:
            write_ratings(path, text, share, certain, is_rated(decided, args.count))
    return 0


if __name__ == "__main__":
    sys.exit(main())
