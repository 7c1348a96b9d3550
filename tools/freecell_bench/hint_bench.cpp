// The hint's benchmark (run by hand; not a test). Per game and number 1 to N: the wall time to the
// first hint from the deal with the window's budget, and at the deal and after a few random moves,
// whether the hinted move keeps the game winnable whenever a larger search finds that it is:
//
//   hint_bench --games GAMES.DAT [--game ID]... [--count N] [--check-nodes K] [--random-moves M]
#include "bench_stats.h"

#include "engine/deal.h"
#include "engine/game_file.h"
#include "engine/hint.h"
#include "engine/move_generator.h"
#include "engine/placed_piles.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tablamor {
namespace {

constexpr int kDefaultGames[] = {1, 2, 13}; // Klondike, FreeCell, Spider
constexpr long long kDefaultCount = 20;
constexpr long long kDefaultCheckNodes = 1'000'000;
constexpr long long kCheckTimeMs = 30'000;
constexpr int kDefaultRandomMoves = 15;

struct Options {
    std::string games;
    std::vector<int> ids;
    long long count = kDefaultCount;
    long long checkNodes = kDefaultCheckNodes;
    int randomMoves = kDefaultRandomMoves;
};

long long Number(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0)
        throw std::runtime_error("not a number: " + text);
    return value;
}

Options Read(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--games")
            o.games = value;
        else if (name == "--game")
            o.ids.push_back(static_cast<int>(Number(value)));
        else if (name == "--count")
            o.count = Number(value);
        else if (name == "--check-nodes")
            o.checkNodes = Number(value);
        else if (name == "--random-moves")
            o.randomMoves = static_cast<int>(Number(value));
        else
            throw std::runtime_error("unknown option " + name);
    }
    if (o.games.empty()) throw std::runtime_error("--games GAMES.DAT is needed");
    if (o.ids.empty()) o.ids.assign(std::begin(kDefaultGames), std::end(kDefaultGames));
    return o;
}

struct Tally {
    std::vector<double> firstHintMs;
    int winningFirstHints = 0;
    int winnablePositions = 0; // positions the check search wins
    int hintsOnAWinningLine = 0;
};

bool Winnable(const GameState& s, const PileGeometry& g, long long nodes) {
    if (s.won) return true;
    return Solve(s, g, SolveBudget{nodes, kCheckTimeMs}).outcome == SolveOutcome::Won;
}

// Does the hint for `s` keep the game winnable, when the check finds it winnable at all?
void CheckPosition(const GameState& s, const PileGeometry& g, const Options& o, Tally& t) {
    if (!s.active || !Winnable(s, g, o.checkNodes)) return;
    ++t.winnablePositions;
    HintFinder finder;
    const Hint hint = finder.Find(s, g, HintBudget());
    if (hint.kind == HintKind::None) return;
    GameState child = s;
    if (!PlayCommand(child, hint.command, false, PlayEnv{g, NullEventSink(), NoStepRecord()}))
        return;
    if (Winnable(child, g, o.checkNodes)) ++t.hintsOnAWinningLine;
}

void RunGame(const GameFile& file, int id, const Options& o) {
    const std::vector<GameDefinition> all = ReadAllGames(file);
    const GameDefinition* game = nullptr;
    for (const GameDefinition& d : all)
        if (d.id == id) game = &d;
    if (!game) throw std::runtime_error("no game " + std::to_string(id));
    Tally t;
    for (long long n = 1; n <= o.count; ++n) {
        GameState s = NewGameState(game->params);
        if (!DealGame(s, *GameNumber::Parse(std::to_string(n)), NullEventSink())) continue;
        s.active = true;
        const PlacedPiles g = PlacedPiles::EveryPileOf(s);
        HintFinder finder;
        const auto start = std::chrono::steady_clock::now();
        const Hint first = finder.Find(s, g, HintBudget());
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        t.firstHintMs.push_back(spent.count());
        if (first.kind == HintKind::Winning) ++t.winningFirstHints;
        std::printf("game %d number %lld first hint %.0f ms %s\n", id, n, spent.count(),
                    first.kind == HintKind::Winning ? "winning" : "not winning");
        std::fflush(stdout);
        CheckPosition(s, g, o, t);
        std::mt19937 random(static_cast<unsigned>(n));
        for (int m = 0; m < o.randomMoves && s.active; ++m) {
            const std::vector<Command> moves = GenerateCommands(s, g);
            if (moves.empty()) break;
            std::uniform_int_distribution<std::size_t> pick(0, moves.size() - 1);
            (void)PlayCommand(s, moves[pick(random)], false,
                              PlayEnv{g, NullEventSink(), NoStepRecord()});
        }
        CheckPosition(s, g, o, t);
    }
    const Summary ms = Summarize(t.firstHintMs);
    std::printf("game %d: first hint median %.0f ms, p90 %.0f ms, worst %.0f ms; winning first "
                "hints %d of %zu; hints on a winning line %d of %d winnable positions\n",
                id, ms.median, ms.p90, ms.max, t.winningFirstHints, t.firstHintMs.size(),
                t.hintsOnAWinningLine, t.winnablePositions);
}

} // namespace
} // namespace tablamor

int main(int argc, char** argv) {
    try {
        const tablamor::Options o = tablamor::Read(argc, argv);
        auto file = tablamor::GameFile::Open(o.games);
        if (!file) throw std::runtime_error("cannot read " + o.games);
        for (int id : o.ids) tablamor::RunGame(*file, id, o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hint_bench: %s\n", e.what());
        return 2;
    }
    return 0;
}
