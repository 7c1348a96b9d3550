// Decisions the engine has taken where more than one behaviour would be defensible, each pinned
// by a row so that nobody turns it back unawares: the start card that wraps round the deck, the
// pass an undone redeal gives back, the gap-closing press as an undo step, and the definitions
// the games compiler refuses.
#include "engine/deal.h"
#include "engine/definition_check.h"
#include "engine/game_play.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using namespace test;

// Start code 91 adds 13 x (n + 1) to the first card of the deal array and wraps round the
// game's cards. A plain remainder would give 0 (no card) where the sum is a multiple of the card
// count; the wrap gives that deck's king instead.
TEST(EngineDecisions, StartCode91WrapsToARealCard) {
    GameState s = MakeGame({{param::kCardCount, 52}, {param::kFoundationCount, 4}});
    SetRange(s, param::kFoundationStartCard, 4, code::kStartSuitMatesOfFirst);
    // the deal array of this number starts with the king of spades (052)
    ASSERT_TRUE(DealGame(s, *GameNumber::Parse("1341252427316"), NullEventSink()));
    const char* expected[] = {"013", "026", "039", "052"}; // 52 + 52 = 104 wraps to 52
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(s.table.PileString(FoundationPile(n)), expected[n]) << "foundation " << n + 1;
        EXPECT_EQ(s.P(param::kFoundationBase, n), kKing) << "foundation " << n + 1;
    }
}

// An undo puts back the passes through the stock with the table, so a redeal taken back can be
// made again. Two stock cards, three dealt a press: every press after the first is a redeal,
// which deals the new pass at once.
TEST(EngineDecisions, AnUndoneRedealGivesThePassBack) {
    struct Row {
        const char* name;
        int passes;
        const char* steps;    // s stock, u undo, r redo
        const char* outcomes; // + done, - refused
        int passesUsed;       // at the end
    } const rows[] = {
        {"two passes: the second press is the only redeal, also after its undo", 2, "ssuss",
         "++++-", 2},
        {"three passes: the undone redeal is counted once", 3, "ssuss", "+++++", 3},
        {"undo to the start: the first pass", 3, "ssuu", "++++", 1},
        {"redo brings the redeal's pass back", 3, "ssuurr", "++++++", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s = MakeGame({{param::kCardCount, 52},
                                {param::kStockPasses, row.passes},
                                {param::kStockDealCount, 3},
                                {param::kStockFaceDown, 1},
                                {param::kWastePlaced, 1}});
        s.active = true;
        Put(s, kStockPile, {H(2), H(3)}, false);
        GamePlay play(s, NullEventSink());
        std::string outcomes;
        for (const char* step = row.steps; *step; ++step) {
            const bool done = *step == 's'   ? play.Apply(Command{CommandKind::Stock, kNoCard, -1})
                              : *step == 'u' ? play.Undo()
                                             : play.Redo();
            outcomes += done ? '+' : '-';
        }
        EXPECT_EQ(outcomes, row.outcomes);
        EXPECT_EQ(s.passesUsed, row.passesUsed);
    }
}

// The press on the stock that closes the gaps of the game with special code 8 is an undo step of
// its own (see CloseGaps): one undo takes back exactly that press.
TEST(EngineDecisions, ClosingGapsIsAnUndoStepOfItsOwn) {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kFoundationCount, 1},
                            {param::kTableauCount, 5},
                            {param::kSpecialCode, 8},
                            {param::kPairingSum, 13},
                            {param::kTableauFan, 3},
                            {param::kStockPlaced, 1}});
    s.active = true;
    Put(s, TableauPile(0), {H(1)});
    Put(s, TableauPile(2), {H(3), H(4)});
    Put(s, TableauPile(4), {H(5)});
    Put(s, kStockPile, {S(1), S(2), S(3)}, false);
    GamePlay play(s, NullEventSink());
    const Table before = s.table;
    ASSERT_TRUE(play.Apply(Command{CommandKind::Stock, kNoCard, -1}));
    const Table closed = s.table;
    ASSERT_NE(closed, before);
    EXPECT_EQ(play.GetHistory().UndoStack().Size(), 1u);
    ASSERT_TRUE(play.Undo());
    EXPECT_EQ(s.table, before);
    ASSERT_TRUE(play.Redo());
    EXPECT_EQ(s.table, closed);
}

// Special code 11 moves every ace of reserve 1 onto foundations 2, 3 ...: the compiler refuses a
// definition where such a foundation is missing or already started, which some numbers would
// deal and others not.
TEST(EngineDecisions, TheCompilerRefusesSpecial11OntoAStartedFoundation) {
    struct Row {
        const char* name;
        int foundations;
        int reserveCards;
        int startCode;     // of foundation 3
        const char* fault; // part of the message; nullptr: accepted
    } const rows[] = {
        {"later foundations empty", 5, 13, code::kStartNone, nullptr},
        {"an empty foundation sharing the base", 5, 13, code::kStartEmptySharedBase, nullptr},
        {"foundation 3 starts with a rank", 5, 13, 2, "onto Dest3, which the deal starts"},
        {"foundation 3 starts with the first card", 5, 13, code::kStartFirstCard, "start code 20"},
        {"foundation 3 starts with a suit-mate", 5, 13, code::kStartSuitMatesOfFirst,
         "start code 91"},
        {"a reserve of one card reaches only Dest2", 2, 1, 2, nullptr},
        {"four aces need Dest2 to Dest5", 4, 13, code::kStartNone,
         "onto Dest5, which the game does not have"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameDefinition g;
        g.id = 77;
        g.name = "Test";
        g.params[param::kCardCount] = 52;
        g.params[param::kSpecialCode] = code::kSpecialAcesFromReserveAndWaste;
        g.params[param::kFoundationCount] = static_cast<std::int16_t>(row.foundations);
        g.params[param::kReserveCount] = 1;
        g.params.Set(param::kReserveDealt, 0, static_cast<std::int16_t>(row.reserveCards));
        g.params.Set(param::kFoundationStartCard, 2, static_cast<std::int16_t>(row.startCode));
        const std::string fault = DefinitionFault(g);
        if (!row.fault) {
            EXPECT_EQ(fault, "");
            continue;
        }
        EXPECT_NE(fault.find("Test (id 77): special code 11"), std::string::npos) << fault;
        EXPECT_NE(fault.find(row.fault), std::string::npos) << fault;
        g.params[param::kSpecialCode] = 0;
        EXPECT_EQ(DefinitionFault(g), "") << "only special code 11 is checked";
    }
}

} // namespace
} // namespace tablamor
