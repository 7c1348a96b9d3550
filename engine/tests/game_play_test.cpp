// GamePlay on hand-made tables: undo and redo under the three policies, the counters a step
// carries, autoplay and the filling of empty piles, and the end of a game.
#include "rules_fixture.h"

#include "engine/game_play.h"
#include "engine/rule_codes.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using namespace test;

GameState SmallGame(int tableaus = 2) {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kFoundationCount, 4},
                            {param::kTableauCount, tableaus},
                            {param::kFoundationCapacity, 13},
                            {param::kStockPasses, -1},
                            {param::kStockDealCount, 1},
                            {param::kStockFaceDown, 1},
                            {param::kWastePlaced, 1},
                            {param::kAutoplayAvailable, 1}});
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, code::kUp);
    SetRange(s, param::kTableauRule, tableaus, code::kAlternateColour);
    SetRange(s, param::kTableauEmptyFill, tableaus, code::kBaseAnyCard);
    s.active = true;
    return s;
}

Command Send(int card) {
    return Command{CommandKind::Send, static_cast<Card>(card), -1};
}
Command Drop(int card, PileIndex pile) {
    return Command{CommandKind::Drop, static_cast<Card>(card), pile};
}
const Command kStock{CommandKind::Stock, kNoCard, -1};

class FixedClock : public PlayClock {
public:
    TimePoint Now() const override { return now; }
    TimePoint now{};
};

class KeptResults : public GameRecorder {
public:
    void RecordFinishedGame(const GameResult& result) override { results.push_back(result); }
    std::vector<GameResult> results;
};

TEST(Undo, PoliciesAndStacks) {
    enum Op { kMove, kUndo, kRedo };
    struct Row {
        const char* name;
        UndoPolicy policy;
        std::vector<Op> ops;
        std::vector<bool> done;
    };
    const Row rows[] = {
        {"nothing to undo after the deal", UndoPolicy::Unlimited, {kUndo}, {false}},
        {"unlimited",
         UndoPolicy::Unlimited,
         {kMove, kMove, kUndo, kUndo, kRedo, kRedo},
         {true, true, true, true, true, true}},
        {"one level: a second undo beeps",
         UndoPolicy::OneLevel,
         {kMove, kMove, kUndo, kUndo},
         {true, true, true, false}},
        {"one level: undo, redo, undo",
         UndoPolicy::OneLevel,
         {kMove, kUndo, kRedo, kUndo},
         {true, true, true, true}},
        {"a new move clears the redo stack",
         UndoPolicy::Unlimited,
         {kMove, kUndo, kMove, kRedo},
         {true, true, true, false}},
        {"disabled", UndoPolicy::Disabled, {kMove, kUndo}, {true, false}},
    };
    for (const Row& row : rows) {
        GameState s = SmallGame();
        Put(s, kStockPile, {H(5), H(6), H(7)}, false);
        RecordingSink sink;
        GamePlay play(s, sink);
        play.SetUndoPolicy(row.policy);
        int beepsExpected = 0;
        for (std::size_t i = 0; i < row.ops.size(); ++i) {
            bool done = row.ops[i] == kMove   ? play.Apply(kStock)
                        : row.ops[i] == kUndo ? play.Undo()
                                              : play.Redo();
            EXPECT_EQ(done, row.done[i]) << row.name << " step " << i;
            beepsExpected += done ? 0 : 1;
        }
        EXPECT_EQ(sink.beeps, beepsExpected) << row.name;
    }
}

TEST(Undo, RestoresFaceDownCardsAndResetsTheMoveCounter) {
    GameState s = SmallGame();
    Put(s, TableauPile(0), {S(9)}, false);
    s.table.Append(TableauPile(0), H(8), true);
    Put(s, TableauPile(1), {C(9)});
    GamePlay play(s, NullEventSink());
    ASSERT_TRUE(play.Apply(Drop(H(8), TableauPile(1))));
    ASSERT_TRUE(play.Apply(Command{CommandKind::Flip, S(9), -1}));
    EXPECT_EQ(s.actionsDone, 1) << "turning a card is no action of the move executor";
    ASSERT_TRUE(play.Undo());
    EXPECT_FALSE(s.table.FaceUp(S(9)));
    ASSERT_TRUE(play.Undo());
    EXPECT_EQ(s.actionsDone, 0);
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "048008");
}

TEST(Undo, ARedealTakenBackCanBeMadeAgain) {
    struct Row {
        const char* name;
        int perPress;
    };
    // with three cards a press the redeal deals the whole waste again and the stock is empty on
    // both sides of the step
    const Row rows[] = {{"one card a press", 1}, {"the redeal empties the stock again", 3}};
    for (const Row& row : rows) {
        GameState s = SmallGame();
        s.params[param::kStockPasses] = 2;
        s.params[param::kStockDealCount] = static_cast<std::int16_t>(row.perPress);
        Put(s, kWastePile, {H(5), H(6), H(7)});
        GamePlay play(s, NullEventSink());
        const Table before = s.table;
        ASSERT_TRUE(play.Apply(kStock)) << row.name;
        EXPECT_EQ(s.passesUsed, 2);
        while (!s.table.Empty(kStockPile)) ASSERT_TRUE(play.Apply(kStock));
        EXPECT_FALSE(play.Apply(kStock)) << row.name << ": no pass left";
        while (play.CanUndo()) ASSERT_TRUE(play.Undo());
        EXPECT_EQ(s.table, before) << row.name;
        EXPECT_EQ(s.passesUsed, 1) << row.name;
        EXPECT_TRUE(play.Apply(kStock)) << row.name << ": the redeal again";
    }
}

TEST(Undo, DropsThePairingSelection) {
    GameState s = SmallGame(3);
    s.params[param::kPairingSum] = 13;
    s.params[param::kSpecialCode] = 7;
    Put(s, TableauPile(0), {H(6)});
    Put(s, TableauPile(1), {S(7)});
    Put(s, TableauPile(2), {H(2)});
    GamePlay play(s, NullEventSink());
    const Command pressSix{CommandKind::Press, H(6), -1}, pressSeven{CommandKind::Press, S(7), -1};
    const Command pressTwo{CommandKind::Press, H(2), -1};
    ASSERT_TRUE(play.Apply(pressSix));
    ASSERT_TRUE(play.Apply(pressSeven)); // 6 + 7: discarded
    EXPECT_EQ(s.table.PileString(kThirdPile), "006046");
    ASSERT_TRUE(play.Apply(pressTwo));
    EXPECT_EQ(s.table.PileString(kSelectionPile), "002");
    ASSERT_TRUE(play.Undo());
    EXPECT_TRUE(s.table.Empty(kSelectionPile));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "006");
}

TEST(Autoplay, SendsEverythingAndFillsBetweenPasses) {
    GameState s = SmallGame(2);
    s.params[param::kTableauFillSource] = code::kFillFromStockThenWaste;
    Put(s, TableauPile(0), {H(1)});
    Put(s, TableauPile(1), {S(9)}, false); // face down: left alone
    Put(s, kStockPile, {H(4), H(3), H(2)}, false);
    GamePlay play(s, NullEventSink());
    EXPECT_TRUE(play.RunAutoplay());
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "001002003004")
        << "each stock card filled the empty pile, then went up";
    EXPECT_TRUE(s.table.Empty(TableauPile(0)));
    EXPECT_EQ(s.table.PileString(TableauPile(1)), "048");
    EXPECT_FALSE(s.table.FaceUp(S(9)));
}

TEST(Autoplay, RunsAfterEveryReleaseOnlyWhenSwitchedOnAndOffered) {
    struct Row {
        const char* name;
        bool on;
        int offered;
        bool sent;
    };
    const Row rows[] = {
        {"on", true, 1, true}, {"off", false, 1, false}, {"not offered", true, 0, false}};
    for (const Row& row : rows) {
        GameState s = SmallGame(2);
        s.params[param::kAutoplayAvailable] = static_cast<std::int16_t>(row.offered);
        Put(s, TableauPile(0), {H(1)});
        Put(s, kStockPile, {H(2)}, false);
        GamePlay play(s, NullEventSink());
        play.SetAutoplay(row.on);
        ASSERT_TRUE(play.Apply(kStock)) << row.name;
        EXPECT_EQ(s.table.Size(FoundationPile(0)), row.sent ? 2 : 0) << row.name;
    }
}

TEST(AutoFill, OneUndoTakesBackTheMoveAndItsFill) {
    GameState s = SmallGame(2);
    s.params[param::kTableauFillSource] = code::kFillFromWasteThenStock;
    Put(s, TableauPile(0), {H(1)});
    Put(s, TableauPile(1), {S(9)});
    Put(s, kWastePile, {C(5)});
    GamePlay play(s, NullEventSink());
    const Table before = s.table;
    ASSERT_TRUE(play.Apply(Send(H(1))));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "031");
    EXPECT_EQ(play.GetHistory().UndoStack().Size(), 1u);
    ASSERT_TRUE(play.Undo());
    EXPECT_EQ(s.table, before);
}

TEST(EndOfGame, RecordsTheResultOnceAndStopsPlay) {
    struct Row {
        const char* name;
        bool quit;
        bool won;
        int score;
    };
    const Row rows[] = {{"won by the last card", false, true, 208}, {"quit", true, false, 203}};
    for (const Row& row : rows) {
        GameState s = SmallGame(1);
        for (int n = 0; n < 4; ++n)
            for (int r = 1; r <= 13; ++r)
                s.table.Append(FoundationPile(n), static_cast<Card>(13 * n + r), true);
        s.table.FindInPile(FoundationPile(3), S(13), FindMode::Delete);
        Put(s, TableauPile(0), {S(13)});
        UpdateScore(s);
        FixedClock clock;
        RecordingSink sink;
        KeptResults records;
        GamePlay play(s, sink, clock);
        play.SetRecorder(&records);
        play.Begin();
        clock.now += std::chrono::seconds(75);
        if (row.quit)
            play.QuitGame();
        else
            ASSERT_TRUE(play.Apply(Send(S(13))));
        ASSERT_EQ(records.results.size(), 1u) << row.name;
        EXPECT_EQ(records.results[0].won, row.won) << row.name;
        EXPECT_EQ(records.results[0].score, row.score) << row.name;
        EXPECT_EQ(records.results[0].seconds, 75) << row.name;
        EXPECT_EQ(sink.ended, std::vector<bool>{row.won}) << row.name;
        EXPECT_FALSE(s.active);
        EXPECT_EQ(play.LastGameWon(), row.won);
        EXPECT_FALSE(play.Undo()) << "no command acts once the game has ended";
        play.EndOfGame();
        EXPECT_EQ(records.results.size(), 1u);
    }
}

// The clock stands still during a pause, and a game that ends while paused counts only the
// time played.
TEST(Pause, StopsTheClockUntilResumed) {
    GameState s = SmallGame(1);
    FixedClock clock;
    RecordingSink sink;
    KeptResults records;
    GamePlay play(s, sink, clock);
    play.SetRecorder(&records);
    play.Begin();
    clock.now += std::chrono::seconds(10);
    play.SetPaused(true);
    clock.now += std::chrono::seconds(500);
    EXPECT_EQ(play.ElapsedSeconds(), 10);
    play.SetPaused(true); // a second pause changes nothing
    play.SetPaused(false);
    clock.now += std::chrono::seconds(5);
    EXPECT_EQ(play.ElapsedSeconds(), 15);
    play.SetPaused(true);
    clock.now += std::chrono::seconds(60);
    play.QuitGame();
    EXPECT_FALSE(play.Paused());
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_EQ(records.results[0].seconds, 15);
    play.SetPaused(true);
    EXPECT_FALSE(play.Paused()) << "no pause without a game in play";
}

// A hint taken marks the game in play as hinted when it ends; the next deal starts unhinted, and
// a hint asked for with no game in play marks nothing.
TEST(EndOfGame, AHintedGameIsRecordedAsHinted) {
    GameState s = SmallGame(1);
    KeptResults records;
    GamePlay play(s, NullEventSink());
    play.SetRecorder(&records);
    play.Begin();
    play.NoteHint();
    play.QuitGame();
    play.NoteHint();
    s.active = true;
    play.Begin();
    play.QuitGame();
    ASSERT_EQ(records.results.size(), 2u);
    EXPECT_TRUE(records.results[0].hinted);
    EXPECT_FALSE(records.results[1].hinted);
}

// The clock starts again when the window has finished showing the deal; an ended game keeps its
// time.
TEST(EndOfGame, TheClockCountsFromTheEndOfTheShownDeal) {
    GameState s = SmallGame(1);
    Put(s, TableauPile(0), {S(13)});
    FixedClock clock;
    KeptResults records;
    GamePlay play(s, NullEventSink(), clock);
    play.SetRecorder(&records);
    play.Begin();
    clock.now += std::chrono::seconds(8); // the deal, card by card
    play.RestartClock();
    clock.now += std::chrono::seconds(75);
    EXPECT_EQ(play.ElapsedSeconds(), 75);
    play.QuitGame();
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_EQ(records.results[0].seconds, 75);
    play.RestartClock();
    clock.now += std::chrono::seconds(5);
    EXPECT_EQ(play.ElapsedSeconds(), 75);
}

TEST(EndOfGame, AGameOfFilledColumnsIsWonByTheTableAndKeepsNoScore) {
    GameState s = SmallGame(2);
    s.params[param::kSpecialCode] = code::kSpecialUnscored;
    s.params.Set(param::kTableauEmptyFill, 0, code::kBaseAnyCard);
    s.score = 0;
    Put(s, TableauPile(0), {H(5)});
    Put(s, kWastePile, {S(3)});
    KeptResults records;
    GamePlay play(s, NullEventSink());
    play.SetRecorder(&records);
    ASSERT_TRUE(play.Apply(Drop(S(3), TableauPile(1))));
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_TRUE(records.results[0].won);
    EXPECT_EQ(records.results[0].score, 0);
}

TEST(AbandonGame, WhenToAsk) {
    struct Row {
        bool animation, confirm, inPlay, won;
        AbandonAnswer answer;
    };
    const Row rows[] = {
        {true, true, true, false, AbandonAnswer::Refuse},
        {false, false, true, false, AbandonAnswer::Abandon},
        {false, true, true, false, AbandonAnswer::Ask},
        {false, true, false, false, AbandonAnswer::Abandon},
        {false, true, true, true, AbandonAnswer::Abandon},
    };
    for (const Row& r : rows)
        EXPECT_EQ(AskAbandonGame(r.animation, r.confirm, r.inPlay, r.won), r.answer);
    EXPECT_EQ(AbandonQuestion(""), "Quit this game?");
    EXPECT_EQ(AbandonQuestion("New game?"), "New game?");
}

} // namespace
} // namespace tablamor
