// The search for a winnable deal: the number found is one the solver wins and is the next the
// generator would have drawn among those tried; a budget too small finds none and says how many
// it tried; a stopped search tries nothing; the game as set up is left alone.
#include "engine/placed_piles.h"
#include "engine/tests/play_fixture.h"
#include "session/winnable_deal.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tablamor {
namespace {

constexpr int kFreeCell = 2;
constexpr std::uint32_t kSeed = 7;

GameState SetUpGame(int id) {
    for (const GameDefinition& g : test::ShippedGameDefinitions())
        if (g.id == id) return test::DealtGame(g.params, "1");
    ADD_FAILURE() << "no game " << id;
    return {};
}

// Nodes only, so that the outcome does not depend on the machine's speed.
WinnableDealBudget NodesOnly(int numbers, long long nodes, SolveWatch* watch = nullptr) {
    SolveBudget perNumber{nodes};
    perNumber.watch = watch;
    return {numbers, 0, perNumber};
}

TEST(WinnableDeal, TheNumberFoundIsWonAndTheGameSetUpIsLeftAlone) {
    const GameState setUp = SetUpGame(kFreeCell);
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(setUp);
    std::mt19937 rng(kSeed);
    const WinnableDealSearch found = FindWinnableDeal(setUp, geometry, rng, NodesOnly(5, 300'000));
    ASSERT_TRUE(found.number);
    EXPECT_GE(found.tried, 1);
    EXPECT_EQ(setUp.number.Text(), GameNumber::Parse("1")->Text()) << "the deal in play stays";

    std::mt19937 same(kSeed);
    GameNumber drawn;
    for (int i = 0; i < found.tried; ++i) drawn = NewGameNumber(same);
    EXPECT_EQ(drawn, *found.number) << "numbers are drawn as a new deal draws them";
    const GameState dealt = test::DealtGame(setUp.params, found.number->Text());
    EXPECT_EQ(Solve(dealt, geometry, SolveBudget{300'000}).outcome, SolveOutcome::Won);
}

TEST(WinnableDeal, ASpentBudgetOrAStopFindsNone) {
    const GameState setUp = SetUpGame(kFreeCell);
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(setUp);
    std::mt19937 rng(kSeed);
    const WinnableDealSearch tooSmall = FindWinnableDeal(setUp, geometry, rng, NodesOnly(3, 10));
    EXPECT_FALSE(tooSmall.number);
    EXPECT_EQ(tooSmall.tried, 3);

    SolveWatch watch;
    watch.stop = true;
    const WinnableDealSearch stopped =
        FindWinnableDeal(setUp, geometry, rng, NodesOnly(3, 300'000, &watch));
    EXPECT_FALSE(stopped.number);
    EXPECT_EQ(stopped.tried, 0);

    // The whole search's clock bounds each number's search too.
    WinnableDealBudget noTime = NodesOnly(3, 100'000'000);
    noTime.timeMs = 1;
    const auto start = std::chrono::steady_clock::now();
    FindWinnableDeal(setUp, geometry, rng, noTime);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

} // namespace
} // namespace tablamor
