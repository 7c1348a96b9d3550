// Solves FreeCell (game 2) numbers 1 to N and prints, per number, the outcome, the positions
// searched and the milliseconds taken, then the share solved and the median time. With --boards
// DIR it also writes each deal as DIR/<number>.board in fc-solve's format, for
// scripts/freecell-bench.py to set beside these figures.
//
//   freecell_bench [--count N] [--nodes K] [--boards DIR]
#include "fc_board.h"

#include "engine/deal.h"
#include "engine/game_source.h"
#include "engine/placed_piles.h"
#include "engine/solver.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace tablamor {
namespace {

constexpr long long kDefaultCount = 1000;
constexpr long long kDefaultNodes = 200'000;
constexpr const char* kFreeCellSource = "/games/0002-freecell.game";

struct BenchOptions {
    long long count = kDefaultCount;
    long long nodes = kDefaultNodes;
    std::filesystem::path boards; // empty: no boards written
};

struct UsageError {
    std::string message;
};

long long PositiveNumber(const std::string& option, const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1)
        throw UsageError{"option " + option + " takes a positive number"};
    return value;
}

BenchOptions ReadOptions(int argc, char** argv) {
    BenchOptions options;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc) throw UsageError{"option " + name + " needs a value"};
        const std::string value = argv[i + 1];
        if (name == "--count")
            options.count = PositiveNumber(name, value);
        else if (name == "--nodes")
            options.nodes = PositiveNumber(name, value);
        else if (name == "--boards")
            options.boards = value;
        else
            throw UsageError{"unknown option " + name};
    }
    return options;
}

GameParams FreeCellParams() {
    const std::string path = std::string(TABLAMOR_SOURCE_DIR) + kFreeCellSource;
    std::ifstream in(path);
    if (!in) throw UsageError{"cannot read " + path};
    std::stringstream text;
    text << in.rdbuf();
    return ParseGameSource(text.str(), path).params;
}

int Run(const BenchOptions& options) {
    const GameParams params = FreeCellParams();
    if (!options.boards.empty()) std::filesystem::create_directories(options.boards);
    std::vector<double> millis;
    long long solved = 0;
    for (long long n = 1; n <= options.count; ++n) {
        GameState state = NewGameState(params);
        if (!DealGame(state, *GameNumber::Parse(std::to_string(n)), NullEventSink()))
            throw UsageError{"number " + std::to_string(n) + " cannot be dealt"};
        state.active = true;
        if (!options.boards.empty()) {
            std::ofstream board(options.boards / (std::to_string(n) + ".board"));
            board << FcBoard(state);
            if (!board) throw UsageError{"cannot write the board of number " + std::to_string(n)};
        }
        const PlacedPiles geometry = PlacedPiles::EveryPileOf(state);
        const auto start = std::chrono::steady_clock::now();
        const SolveResult result = Solve(state, geometry, options.nodes);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        millis.push_back(spent.count());
        const bool won = result.outcome == SolveOutcome::Won;
        if (won) ++solved;
        const char* word = won ? "won" : result.outcome == SolveOutcome::Lost ? "lost" : "unknown";
        std::printf("%lld %s %lld %.3f\n", n, word, result.nodes, spent.count());
    }
    std::sort(millis.begin(), millis.end());
    std::printf("solved %lld of %lld\n", solved, options.count);
    std::printf("median-ms %.3f\n", millis[millis.size() / 2]);
    return 0;
}

} // namespace
} // namespace tablamor

int main(int argc, char** argv) {
    try {
        return tablamor::Run(tablamor::ReadOptions(argc, argv));
    } catch (const tablamor::UsageError& e) {
        std::fprintf(stderr, "freecell_bench: %s\n", e.message.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "freecell_bench: %s\n", e.what());
    }
    return 2;
}
