// The solver at the player's side and play from the keyboard, in a real window: a hint marks
// the cards to lift and their target and asked again shows another move, any move stops a
// search and takes its marks away, "Can this deal be won?" answers; the keys lift, drop, put
// back, send and deal as the pointer does, and the focus never rests on a hidden card.
#include "window_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"
#include "records/preference_keys.h"
#include "records/preferences.h"
#include "records/winnable_numbers.h"
#include "table/table_view.h"
#include "ui/hint_controller.h"
#include "ui/keyboard_play.h"
#include "ui/spoken_names.h"
#include "ui/winnable_deals.h"

#include <QAction>
#include <QSignalSpy>
#include <QStatusBar>

#include <functional>
#include <random>

namespace tablamor::ui {
namespace {

using testing::WindowFixture;

constexpr int kFreeCell = 2;
constexpr int kKlondike = 1;
constexpr int kAnswerWaitMs = 120'000;

class SolverAtHand : public WindowFixture {
protected:
    HintController& Hints() { return window->Hints(); }
    KeyboardPlay& Keys() { return window->Keyboard(); }
    const std::vector<table::TableMark>& HintMarks() {
        return window->View().Marks(table::MarkLayer::Hint);
    }

    void AskAndWait(MenuCommand command) {
        QSignalSpy answered(&Hints(), &HintController::Answered);
        window->Action(command)->trigger();
        ASSERT_TRUE(answered.wait(kAnswerWaitMs))
            << window->Action(command)->objectName().toStdString();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(TableWidget(), static_cast<Qt::Key>(key), modifiers);
        WaitForAnimations();
    }
    // Moves the keyboard's focus to a card (or an empty pile's place) with Tab and the arrows.
    void FocusOn(PileIndex pile, int card) {
        auto group = [](PileIndex p) {
            const PileKind kind = KindOfPile(p);
            return kind == PileKind::Waste || kind == PileKind::ThirdPile ? PileKind::Stock : kind;
        };
        Key(Qt::Key_Down); // shows the focus
        for (int i = 0; i < 5 && group(Keys().FocusPile()) != group(pile); ++i) Key(Qt::Key_Tab);
        for (int i = 0; i < 30 && Keys().FocusPile() != pile; ++i) {
            const Rect from = Play().Geometry().TopCardRect(Keys().FocusPile());
            const Rect to = Play().Geometry().TopCardRect(pile);
            Key(to.x > from.x ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(Keys().FocusPile(), pile);
        for (int i = 0; i < 30 && Keys().FocusCard() != card; ++i)
            Key(Keys().FocusCard() > card ? Qt::Key_Up : Qt::Key_Down);
        ASSERT_EQ(Keys().FocusCard(), card);
    }
    // The state a command leads to, as the solver plays it.
    GameState After(const Command& c) {
        GameState s = State();
        const PlacedPiles g = PlacedPiles::From(Play().Geometry());
        EXPECT_TRUE(PlayCommand(s, c, false, PlayEnv{g, NullEventSink(), NoStepRecord()}));
        return s;
    }
};

TEST_F(SolverAtHand, HintMarksAWinningMoveAndAskedAgainAnother) {
    Open(kFreeCell, "1");
    AskAndWait(MenuCommand::Hint);
    ASSERT_TRUE(Hints().ShownHint());
    const Command first = *Hints().ShownHint();
    const PlacedPiles g = PlacedPiles::From(Play().Geometry());
    EXPECT_EQ(Solve(After(first), g, HintBudget()).outcome, SolveOutcome::Won);
    ASSERT_EQ(HintMarks().size(), 2u) << "the cards to lift and the target";
    EXPECT_EQ(HintMarks()[0].kind, table::MarkKind::Lift);
    EXPECT_EQ(HintMarks()[1].kind, table::MarkKind::Target);
    const Rect lifted = Play().Geometry().TopCardRect(State().table.PileOf(first.card));
    EXPECT_TRUE(HintMarks()[0].rect.contains(QPoint(lifted.x + 1, lifted.y + 1)));
    EXPECT_TRUE(Hints().Line().startsWith("Hint: ")) << Hints().Line().toStdString();

    AskAndWait(MenuCommand::Hint);
    ASSERT_TRUE(Hints().ShownHint());
    EXPECT_NE(*Hints().ShownHint(), first);

    // A press that moves nothing takes the marks and the hint's words away together.
    QTest::mouseClick(TableWidget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(HintMarks().empty());
    EXPECT_TRUE(Hints().Line().isEmpty()) << Hints().Line().toStdString();

    // Carrying the move out (any action) takes the marks away.
    ASSERT_TRUE(Play().ApplyCommand(first));
    WaitForAnimations();
    EXPECT_TRUE(HintMarks().empty());
    EXPECT_FALSE(Hints().ShownHint());
}

// A hint to turn a card over names the pile, never the face-down card.
TEST_F(SolverAtHand, AHintKeepsAFaceDownCardHidden) {
    constexpr int kSpiderTwoSuits = 213;
    Open(kSpiderTwoSuits, "8");
    // The third column's five goes onto the second column's six, uncovering a face-down card.
    const Card five = State().table.Top(TableauPile(2));
    ASSERT_TRUE(Play().ApplyCommand(Command{CommandKind::Drop, five, TableauPile(1)}));
    WaitForAnimations();
    ASSERT_FALSE(State().table.FaceUp(State().table.Top(TableauPile(2))));
    // The hints, played, come to a card to turn over within a few moves (the line the search
    // finds may take other moves first).
    constexpr int kMostHints = 10;
    for (int i = 0; i < kMostHints; ++i) {
        AskAndWait(MenuCommand::Hint);
        ASSERT_TRUE(Hints().ShownHint());
        if (Hints().ShownHint()->kind == CommandKind::Flip) break;
        ASSERT_TRUE(Play().ApplyCommand(*Hints().ShownHint()));
        WaitForAnimations();
    }
    ASSERT_EQ(Hints().ShownHint()->kind, CommandKind::Flip);
    const Card hidden = Hints().ShownHint()->card;
    EXPECT_FALSE(State().table.FaceUp(hidden));
    EXPECT_EQ(Hints().Line(), "Hint: turn over the face-down card of " +
                                  SpokenPile(State().table.PileOf(hidden)) + ".");
}

TEST_F(SolverAtHand, AMoveStopsTheSearchAndItsAnswerNeverComes) {
    Open(kKlondike, "3");
    QSignalSpy answered(&Hints(), &HintController::Answered);
    window->Action(MenuCommand::CanWin)->trigger();
    ASSERT_TRUE(Hints().Searching());
    EXPECT_TRUE(window->statusBar()->isVisible()) << "the progress line is shown";
    ASSERT_TRUE(Play().ApplyCommand(Command{CommandKind::Stock}));
    WaitForAnimations();
    EXPECT_FALSE(Hints().Searching());
    QTest::qWait(300);
    EXPECT_EQ(answered.count(), 0);
    EXPECT_TRUE(Hints().Line().isEmpty());
}

TEST_F(SolverAtHand, CanThisDealBeWonAnswers) {
    Open(kFreeCell, "1");
    AskAndWait(MenuCommand::CanWin);
    EXPECT_EQ(Hints().Line(), "This game can still be won");
    EXPECT_EQ(HintController::WinnableText(SolveOutcome::Lost, 0),
              "This game can no longer be won");
    EXPECT_EQ(HintController::WinnableText(SolveOutcome::Unknown, 2000),
              QString("Not decided within %L1 positions").arg(2000));
}

// With "Winnable deals only" on, a new game waits for the search the first time and deals a
// number the solver wins; the numbers found ahead are kept in the data directory, and the next
// new game takes the oldest at once.
TEST_F(SolverAtHand, WinnableDealsOnlyDealsNumbersTheSolverWins) {
    startup.settings.SetFlag(Settings::kConfirmQuitGame, false);
    Open(kFreeCell, "1");
    WinnableDeals& deals = window->Winnable();
    const auto file = startup.dataDir / "WINNABLE.DAT";
    auto waitFor = [](const std::function<bool()>& done) {
        for (int i = 0; i < kAnswerWaitMs / 50 && !done(); ++i) QTest::qWait(50);
        return done();
    };
    window->Action(MenuCommand::WinnableDeals)->trigger();
    EXPECT_TRUE(window->Action(MenuCommand::WinnableDeals)->isChecked());
    EXPECT_EQ(ReadPreference(IniFile(startup.dataDir / "CFG.DAT"), pref::kWinnableDeals), "Y");

    window->Action(MenuCommand::New)->trigger();
    ASSERT_TRUE(waitFor([&] { return !deals.Waiting() && State().active; }));
    EXPECT_NE(State().number.Text(), GameNumber::Parse("1")->Text());
    const PlacedPiles g = PlacedPiles::From(Play().Geometry());
    EXPECT_EQ(Solve(State(), g, SolveBudget{kHintNodes}).outcome, SolveOutcome::Won);

    ASSERT_TRUE(waitFor([&] { return !ReadWinnableNumbers(file, silent)[kFreeCell].empty(); }));
    const std::string kept = ReadWinnableNumbers(file, silent)[kFreeCell].front();
    window->Action(MenuCommand::New)->trigger();
    EXPECT_FALSE(deals.Waiting()) << "a kept number is dealt at once";
    WaitForAnimations();
    EXPECT_EQ(State().number.Text(), kept);

    window->Action(MenuCommand::WinnableDeals)->trigger();
    EXPECT_FALSE(deals.On());
    EXPECT_FALSE(deals.Searching());
}

TEST_F(SolverAtHand, KeysLiftDropAndPutBackAsThePointerDoes) {
    for (int n = 1; n < 40; ++n) {
        Open(kFreeCell, std::to_string(n));
        std::optional<Command> drop;
        for (const Command& c : GenerateCommands(State(), Play().Geometry()))
            if (c.kind == CommandKind::Drop && KindOfPile(c.pile) == PileKind::Tableau &&
                CardRank(c.card) != kAce &&
                KindOfPile(State().table.PileOf(c.card)) == PileKind::Tableau)
                drop = c;
        if (!drop) continue;
        const PileIndex from = State().table.PileOf(drop->card);
        const Table dealt = State().table;
        // Esc puts the lifted cards back with nothing played.
        FocusOn(from, State().table.Find(from, drop->card));
        Key(Qt::Key_Space);
        ASSERT_TRUE(Keys().Holding());
        Key(Qt::Key_Escape);
        EXPECT_FALSE(Keys().Holding());
        EXPECT_EQ(State().table, dealt);
        EXPECT_FALSE(Play().Play().CanUndo());
        // A drop the rules refuse flies back: no card but an ace goes onto an empty foundation.
        Key(Qt::Key_Space);
        FocusOn(FoundationPile(0), -1);
        Key(Qt::Key_Space);
        EXPECT_FALSE(Keys().Holding());
        EXPECT_EQ(State().table, dealt);
        FocusOn(from, State().table.Find(from, drop->card));
        // Lifted again, carried to the target and let go there.
        Key(Qt::Key_Space);
        ASSERT_TRUE(Keys().Holding());
        FocusOn(drop->pile, State().table.Size(drop->pile) - 1);
        const GameState expected = After(*drop);
        Key(Qt::Key_Return);
        EXPECT_FALSE(Keys().Holding());
        EXPECT_EQ(State().table, expected.table) << "number " << n << ": " << CommandText(*drop);
        EXPECT_TRUE(Play().Play().CanUndo());
        return;
    }
    FAIL() << "no deal offered a tableau move";
}

TEST_F(SolverAtHand, KeysSendDealAndTellTheFocus) {
    Open(kKlondike, "1"); // the ace of hearts lies on top of the seventh pile
    const PileIndex seventh = TableauPile(6);
    FocusOn(seventh, 6);
    EXPECT_EQ(Keys().FocusText().toStdString(),
              "Tableau 7, ace of hearts, 6 cards below face down");
    EXPECT_EQ(TableWidget()->accessibleName(), Keys().FocusText());
    Key(Qt::Key_F);
    EXPECT_EQ(KindOfPile(State().table.PileOf(1)), PileKind::Foundation);
    // The stock group is a Tab away from the foundations (Shift+Tab from the tableau).
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Backtab);
    ASSERT_EQ(Keys().FocusPile(), kStockPile);
    const int waste = State().table.Size(kWastePile);
    Key(Qt::Key_Space);
    EXPECT_GT(State().table.Size(kWastePile), waste);
}

TEST_F(SolverAtHand, FocusNeverRestsOnAHiddenCard) {
    Open(kKlondike, "5");
    std::mt19937 random(5);
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(keys)) - 1);
    for (int i = 0; i < 200; ++i) {
        Key(keys[pick(random)]);
        const PileIndex pile = Keys().FocusPile();
        const int k = Keys().FocusCard();
        ASSERT_TRUE(Play().Geometry().Placed(pile));
        const Table& t = State().table;
        if (k < 0) {
            EXPECT_TRUE(t.Empty(pile));
            continue;
        }
        const bool top = k == t.Size(pile) - 1;
        const Rect here = Play().Geometry().CardRect(pile, k);
        const bool seen = top || (t.FaceUp(t.At(pile, k)) &&
                                  !(Play().Geometry().CardRect(pile, k + 1).y == here.y &&
                                    Play().Geometry().CardRect(pile, k + 1).x == here.x));
        EXPECT_TRUE(seen) << "pile " << pile << " card " << k;
        const auto& marks = window->View().Marks(table::MarkLayer::Keyboard);
        ASSERT_FALSE(marks.empty());
        EXPECT_TRUE(marks.back().rect.contains(QPoint(here.x + 1, here.y + 1)));
    }
}

} // namespace
} // namespace tablamor::ui
