// Move generation on a dealt two-deck table (Forty Thieves), one undo and one redo on a history of
// 1000 steps, and the memory the history takes per step.
#include "engine/deal.h"
#include "engine/game_play.h"
#include "engine/game_source.h"
#include "engine/move_generator.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tablamor {
namespace {

constexpr int kHistorySteps = 1000;

GameParams FortyThieves() {
    std::ifstream in(std::string(TABLAMOR_SOURCE_DIR) + "/games/0003-forty-thieves.game");
    std::stringstream text;
    text << in.rdbuf();
    return ParseGameSource(text.str(), "0003-forty-thieves.game").params;
}

GameState Dealt(const GameParams& params, std::uint64_t number) {
    GameState s = NewGameState(params);
    if (!DealGame(s, *GameNumber::Parse(std::to_string(number)), NullEventSink()))
        throw std::runtime_error("Forty Thieves did not deal number " + std::to_string(number));
    s.active = true;
    return s;
}

void BM_GenerateCommands104Cards(benchmark::State& state) {
    const GameParams params = FortyThieves();
    std::vector<GameState> tables;
    for (std::uint64_t n = 1; n <= 64; ++n) tables.push_back(Dealt(params, n * 7919));
    const PlacedPiles placed = PlacedPiles::EveryPileOf(tables.front());
    std::vector<Command> commands;
    std::size_t i = 0, total = 0;
    for (auto _ : state) {
        GenerateCommands(tables[i++ % tables.size()], placed, commands);
        total += commands.size();
        benchmark::DoNotOptimize(commands.data());
    }
    state.counters["commands"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GenerateCommands104Cards)->Repetitions(9)->ReportAggregatesOnly(true);

// A history of 1000 steps of random play, new deals taken when a game runs out of moves.
struct PlayedHistory {
    GameState state;
    History history;
};

PlayedHistory PlayThousandSteps() {
    const GameParams params = FortyThieves();
    std::mt19937 rng(5);
    PlayedHistory played{Dealt(params, 1), {}};
    const PlacedPiles placed = PlacedPiles::EveryPileOf(played.state);
    const PlayEnv env{placed, NullEventSink(), NoStepRecord()};
    std::vector<Command> commands;
    std::uint64_t number = 1;
    while (played.history.UndoStack().Size() < kHistorySteps) {
        GenerateCommands(played.state, placed, commands);
        if (commands.empty()) {
            played.state = Dealt(params, ++number);
            continue;
        }
        const Table before = played.state.table;
        if (ApplyCommand(played.state, commands[rng() % commands.size()], env))
            played.history.RecordUndoStep(before, false, {played.state.passesUsed});
    }
    return played;
}

void BM_UndoThenRedoOn1000Steps(benchmark::State& state) {
    PlayedHistory played = PlayThousandSteps();
    StepCounters counters{played.state.passesUsed};
    for (auto _ : state) {
        if (!played.history.Undo(played.state.table, UndoPolicy::Unlimited, false, &counters) ||
            !played.history.Redo(played.state.table, UndoPolicy::Unlimited, false, &counters)) {
            state.SkipWithError("the history refused a step");
            break;
        }
        benchmark::DoNotOptimize(played.state.table);
    }
    const SnapshotStack& undo = played.history.UndoStack();
    state.counters["bytes_per_step"] =
        static_cast<double>(undo.MemoryBytes()) / static_cast<double>(undo.Size());
    state.counters["packed_bytes_per_step"] =
        static_cast<double>(undo.Bytes()) / static_cast<double>(undo.Size());
}
BENCHMARK(BM_UndoThenRedoOn1000Steps)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace tablamor
