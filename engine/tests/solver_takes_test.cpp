// Takes: the cards a pairing game takes away together are one move of the search, and a stock
// press between the presses is kept where the press covers a selected card.
#include "play_fixture.h"
#include "rules_fixture.h"

#include "engine/fan_style.h"
#include "engine/game_play.h"
#include "engine/pairing_rules.h"
#include "engine/placed_piles.h"
#include "engine/solver.h"
#include "engine/solver_moves.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace test;

constexpr long long kBudget = 1'000;

bool Selects(const GameState& s) {
    return !s.table.Empty(kSelectionPile);
}

TEST(SolverTakes, APairIsOneMoveAndNoMoveLeavesACardSelected) {
    const auto games = ShippedGameDefinitions();
    const auto fourteenOut = std::ranges::find(games, 35, &GameDefinition::id);
    ASSERT_NE(fourteenOut, games.end());
    const GameState s = DealtGame(fourteenOut->params, "1");
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    SolverMoves moves(s, geometry);
    std::vector<SolverMove> listed;
    moves.Generate(s, listed);
    ASSERT_FALSE(listed.empty());
    for (const SolverMove& m : listed) {
        GameState after = s;
        ASSERT_TRUE(moves.Apply(after, m)) << CommandText(m.command);
        EXPECT_FALSE(Selects(after)) << CommandText(m.command) << " leaves a card selected";
        EXPECT_NE(m.later[0], kNoCard) << CommandText(m.command) << ": a press alone";
        EXPECT_EQ(m.later[1], kNoCard) << CommandText(m.command) << ": two cards make fourteen";
        EXPECT_EQ(after.table.Size(kThirdPile), 2) << CommandText(m.command);
        std::vector<Command> line;
        AppendCommands(m, line);
        EXPECT_EQ(line.size(), 2U);
    }
}

// Tens, twenties and thirties on two piles showing their top cards, the stock press dealing a card
// onto each: the three taken before the press pairs with the seven the press deals beside it,
// and the ace it deals onto the three then with the nine. No other line wins: the threes and
// nines are covered once the stock is pressed, and nothing pairs before.
GameState TensWithADealBetween() {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kTableauCount, 2},
                            {param::kSpecialCode, pairing::kTensTwentiesThirties},
                            {param::kPairingSum, 10},
                            {param::kTableauFan, FanCode(FanStyle::WholePile)}});
    SetRange(s, param::kTableauTakesAdd, 2, 1);
    Put(s, TableauPile(0), {H(3)});
    Put(s, TableauPile(1), {C(9)});
    Put(s, kStockPile, {S(7), D(1)}); // the ace is dealt first, onto the three
    s.active = true;
    return s;
}

TEST(SolverTakes, AStockPressBetweenThePressesWhereItCoversASelectedCard) {
    const GameState s = TensWithADealBetween();
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    SolverMoves moves(s, geometry);
    std::vector<SolverMove> listed;
    moves.Generate(s, listed);
    const bool threeDealSeven = std::ranges::any_of(listed, [](const SolverMove& m) {
        return m.command == Command{CommandKind::Press, static_cast<Card>(H(3)), -1} &&
               m.later[0] == kStockStep && m.later[1] == S(7);
    });
    EXPECT_TRUE(threeDealSeven) << "press 003, stock, press 046 as one move";

    const SolveResult result = Solve(s, geometry, kBudget);
    ASSERT_EQ(result.outcome, SolveOutcome::Won);
    const auto press = std::ranges::find(result.line, CommandKind::Stock, &Command::kind);
    ASSERT_NE(press, result.line.end());
    ASSERT_NE(press, result.line.begin());
    ASSERT_NE(press + 1, result.line.end());
    EXPECT_EQ(std::prev(press)->kind, CommandKind::Press) << "a card selected before the deal";
    EXPECT_EQ(std::next(press)->kind, CommandKind::Press);
    GameState played = s;
    GamePlay play(played, NullEventSink());
    play.SetGeometry(&geometry);
    play.Begin();
    for (const Command& c : result.line) ASSERT_TRUE(play.Apply(c)) << CommandText(c);
    EXPECT_TRUE(play.LastGameWon());
}

} // namespace
} // namespace tablamor
