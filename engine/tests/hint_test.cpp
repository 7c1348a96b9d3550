// Hints: following them alone wins, asking again on one position walks through different moves
// that each still win, a position the solver proves lost or a stopped search offers a legal move
// marked as such, and a finished game has none.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/hint.h"
#include "engine/move_generator.h"
#include "engine/placed_piles.h"

#include <algorithm>

namespace tablamor {
namespace {

constexpr int kFreeCell = 2;
constexpr int kBeleagueredCastle = 30;
constexpr int kFollowedNumbers = 20;
// No deal of these games needs more moves than this; a loop of hints would.
constexpr int kMostMoves = 2'000;

GameParams ParamsOf(int id) {
    for (const GameDefinition& g : test::ShippedGameDefinitions())
        if (g.id == id) return g.params;
    ADD_FAILURE() << "no game " << id;
    return {};
}

// The window's budget without its clock, so that the test does not depend on the machine.
SolveBudget NodesOnly() {
    SolveBudget budget = HintBudget();
    budget.timeMs = 0;
    return budget;
}

TEST(Hints, FollowingHintsAloneWinsFreeCellOneToTwenty) {
    const GameParams params = ParamsOf(kFreeCell);
    for (int n = 1; n <= kFollowedNumbers; ++n) {
        GameState s = test::DealtGame(params, std::to_string(n));
        const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
        GamePlay play(s, NullEventSink());
        play.SetGeometry(&geometry);
        play.Begin();
        HintFinder hints;
        int moves = 0;
        for (; s.active && moves < kMostMoves; ++moves) {
            const Hint hint = hints.Find(s, geometry, NodesOnly());
            ASSERT_EQ(hint.kind, HintKind::Winning) << "number " << n << ", move " << moves;
            ASSERT_TRUE(play.Apply(hint.command)) << n << ": " << CommandText(hint.command);
        }
        EXPECT_TRUE(play.LastGameWon()) << "number " << n << " after " << moves << " hints";
        EXPECT_EQ(hints.Find(s, geometry, NodesOnly()).kind, HintKind::None) << n;
    }
}

TEST(Hints, AskingAgainGivesEveryMoveOnceAndEachWinningOneStillWins) {
    const GameState dealt = test::DealtGame(ParamsOf(kBeleagueredCastle), "3");
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(dealt);
    const std::vector<Command> legal = GenerateCommands(dealt, geometry);
    HintFinder hints;
    std::vector<Command> shown;
    for (;;) {
        const Hint hint = hints.Find(dealt, geometry, NodesOnly(), shown);
        if (hint.kind == HintKind::None) break;
        ASSERT_TRUE(std::find(legal.begin(), legal.end(), hint.command) != legal.end())
            << CommandText(hint.command);
        ASSERT_TRUE(std::find(shown.begin(), shown.end(), hint.command) == shown.end())
            << "shown twice: " << CommandText(hint.command);
        if (hint.kind == HintKind::Winning) {
            GameState child = dealt;
            const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
            ASSERT_TRUE(PlayCommand(child, hint.command, false, env));
            EXPECT_EQ(Solve(child, geometry, NodesOnly()).outcome, SolveOutcome::Won)
                << CommandText(hint.command);
        }
        shown.push_back(hint.command);
        ASSERT_LE(shown.size(), legal.size());
    }
    EXPECT_EQ(shown.size(), legal.size());
    // The first hint of the position is the first move of the winning line found from it.
    EXPECT_EQ(shown.front(), Solve(dealt, geometry, NodesOnly()).line.front());
}

TEST(Hints, WithoutAWinningLineALegalMoveIsOfferedAndSaysWhy) {
    struct Row {
        const char* what;
        int game;
        const char* number;
        bool stop; // the search is stopped before it starts
        SolveOutcome verdict;
    };
    const Row rows[] = {
        {"a stopped search", kFreeCell, "1", true, SolveOutcome::Unknown},
        {"a beleaguered castle deal the solver proves lost", kBeleagueredCastle, "1", false,
         SolveOutcome::Lost},
    };
    for (const Row& row : rows) {
        const GameState dealt = test::DealtGame(ParamsOf(row.game), row.number);
        const PlacedPiles geometry = PlacedPiles::EveryPileOf(dealt);
        SolveWatch watch;
        watch.stop = row.stop;
        SolveBudget budget = NodesOnly();
        budget.watch = &watch;
        HintFinder hints;
        const Hint hint = hints.Find(dealt, geometry, budget);
        EXPECT_EQ(hint.kind, HintKind::Legal) << row.what;
        EXPECT_EQ(hint.verdict, row.verdict) << row.what;
        EXPECT_EQ(hint.command, GenerateCommands(dealt, geometry).front()) << row.what;
    }
}

} // namespace
} // namespace tablamor
