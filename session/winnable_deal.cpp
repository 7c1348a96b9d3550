#include "session/winnable_deal.h"

#include "engine/deal.h"
#include "engine/hint.h"

#include <algorithm>
#include <chrono>

namespace tablamor {
namespace {

constexpr int kWindowNumbers = 25;
constexpr long long kWindowTimeMs = 30'000;
// A number the hint's search takes longer on is passed over for the next one.
constexpr long long kWindowNumberTimeMs = 5'000;

} // namespace

WinnableDealBudget WindowWinnableDealBudget(SolveWatch* watch) {
    SolveBudget perNumber = HintBudget(watch);
    perNumber.timeMs = kWindowNumberTimeMs;
    return {kWindowNumbers, kWindowTimeMs, perNumber};
}

WinnableDealSearch FindWinnableDeal(const GameState& setUp, const PileGeometry& geometry,
                                    std::mt19937& rng, const WinnableDealBudget& budget) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const SolveWatch* watch = budget.perNumber.watch;
    WinnableDealSearch search;
    while (search.tried < budget.numbers && !(watch && watch->stop)) {
        SolveBudget perNumber = budget.perNumber;
        if (budget.timeMs > 0) {
            const long long spent =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
            if (spent >= budget.timeMs) break;
            const long long left = budget.timeMs - spent;
            perNumber.timeMs = perNumber.timeMs > 0 ? std::min(perNumber.timeMs, left) : left;
        }
        const GameNumber number = NewGameNumber(rng);
        ++search.tried;
        GameState dealt = setUp;
        if (!DealForPlay(dealt, number, NullEventSink())) continue;
        if (Solve(dealt, geometry, perNumber).outcome == SolveOutcome::Won) {
            search.number = number;
            break;
        }
    }
    return search;
}

} // namespace tablamor
