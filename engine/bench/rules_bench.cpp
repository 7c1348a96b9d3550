// A whole deal (deal array and layout) of a two-deck game, and one placement test.
#include "engine/deal.h"
#include "engine/deal_array.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tablamor {
namespace {

// Two decks: eight foundations, ten tableau piles of four face up, the rest in the stock.
GameState TwoDeckGame() {
    GameParams p;
    p[param::kCardCount] = kMaxCards;
    p[param::kFoundationCount] = 8;
    p[param::kTableauCount] = 10;
    p[param::kStockDealt] = 64;
    p[param::kStockFaceDown] = 1;
    p[param::kFoundationCapacity] = 13;
    for (int n = 0; n < 8; ++n) {
        p.Set(param::kFoundationBase, n, kAce);
        p.Set(param::kFoundationDirection, n, code::kUp);
    }
    for (int n = 0; n < 10; ++n) {
        p.Set(param::kTableauDealt, n, 4);
        p.Set(param::kTableauFaceUp, n, 4);
        p.Set(param::kTableauEmptyFill, n, code::kBaseAnyCard);
    }
    return NewGameState(p);
}

std::vector<GameNumber> Numbers() {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<std::uint64_t> any(0, 9'999'999'999'999ULL);
    std::vector<GameNumber> numbers;
    for (int i = 0; i < 256; ++i) numbers.push_back(*GameNumber::Parse(std::to_string(any(rng))));
    return numbers;
}

void BM_Deal104Cards(benchmark::State& state) {
    const GameState fresh = TwoDeckGame();
    const auto numbers = Numbers();
    std::size_t i = 0;
    for (auto _ : state) {
        GameState s = fresh;
        bool dealt = DealGame(s, numbers[i++ % numbers.size()], NullEventSink());
        benchmark::DoNotOptimize(dealt);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Deal104Cards)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BuildDealArray104(benchmark::State& state) {
    const auto numbers = Numbers();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildDealArray(numbers[i++ % numbers.size()], kMaxCards));
}
BENCHMARK(BM_BuildDealArray104)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CanPlaceOnPile(benchmark::State& state) {
    GameState s = TwoDeckGame();
    if (!DealGame(s, Numbers()[0], NullEventSink())) state.SkipWithError("the deal failed");
    // every tableau top offered to every tableau pile and foundation in turn
    std::vector<std::pair<Card, PileIndex>> questions;
    for (int from = 0; from < 10; ++from)
        for (PileIndex to = FoundationPile(0); to < TableauPile(10); ++to)
            if (to < FoundationPile(8) || to >= TableauPile(0))
                questions.emplace_back(s.table.Top(TableauPile(from)), to);
    std::size_t i = 0;
    for (auto _ : state) {
        auto [card, to] = questions[i++ % questions.size()];
        benchmark::DoNotOptimize(CanPlaceOnPile(s, MoveContext::Alone(card), to, NullEventSink()));
    }
}
BENCHMARK(BM_CanPlaceOnPile)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace tablamor
