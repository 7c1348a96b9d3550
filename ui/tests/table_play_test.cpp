// Play on the table with the mouse: drags of real deals, the double-click, the stock, and
// pixels of the painted table at the places the layout computed.
#include "window_fixture.h"

#include "engine/move_generator.h"

namespace tablamor::ui {
namespace {

using testing::WindowFixture;

// The first command of a kind the generator offers, if any.
std::optional<Command> FindCommand(const GameState& state, const PileGeometry& g, CommandKind kind,
                                   PileKind from = PileKind::None) {
    for (const Command& c : GenerateCommands(state, g)) {
        if (c.kind != kind) continue;
        if (from != PileKind::None && KindOfPile(state.table.PileOf(c.card)) != from) continue;
        return c;
    }
    return std::nullopt;
}

class TablePlay : public WindowFixture {};

TEST_F(TablePlay, LegalDropLandsAndIsRecorded) {
    for (int n = 1; n < 60; ++n) {
        Open(2, std::to_string(n)); // FreeCell: every card face up
        auto drop = FindCommand(State(), Play().Geometry(), CommandKind::Drop, PileKind::Tableau);
        if (!drop || KindOfPile(drop->pile) != PileKind::Tableau) continue;
        PileIndex from = State().table.PileOf(drop->card);
        const int k = State().table.Find(from, drop->card);
        const int fromSize = State().table.Size(from);
        Drag(CardCentre(from, k), TopCentre(drop->pile));
        EXPECT_EQ(State().table.PileOf(drop->card), drop->pile) << "number " << n;
        EXPECT_EQ(State().table.Size(from), k) << "the whole run moved";
        EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 1u);
        EXPECT_LT(k, fromSize);
        window->Controller().Undo();
        EXPECT_EQ(State().table.Size(from), fromSize);
        return;
    }
    FAIL() << "no deal offered a tableau move";
}

TEST_F(TablePlay, IllegalDropFliesBackAndPressWithoutMoveRecordsNothing) {
    Open(1, "1", true);
    const Table before = State().table;
    PileIndex column = TableauPile(6);
    Card top = State().table.Top(column);
    // onto the waste place: never a target in Klondike
    Drag(TopCentre(column), TopCentre(kWastePile) + QPoint(0, 3));
    EXPECT_EQ(State().table, before);
    EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 0u);
    const QImage idle = window->View().cursor().pixmap().toImage();
    Press(TopCentre(column));
    EXPECT_NE(window->View().cursor().pixmap().toImage(), idle) << "the dragging cursor";
    Release(TopCentre(column));
    EXPECT_EQ(window->View().cursor().pixmap().toImage(), idle);
    EXPECT_EQ(State().table.Top(column), top);
    EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 0u);
}

TEST_F(TablePlay, DoubleClickSendsToAFoundation) {
    for (int n = 1; n < 200; ++n) {
        Open(2, std::to_string(n));
        auto send = FindCommand(State(), Play().Geometry(), CommandKind::Send, PileKind::Tableau);
        if (!send || CardRank(send->card) != kAce) continue;
        PileIndex from = State().table.PileOf(send->card);
        DoubleClick(TopCentre(from));
        EXPECT_EQ(KindOfPile(State().table.PileOf(send->card)), PileKind::Foundation)
            << "number " << n;
        return;
    }
    FAIL() << "no deal offered a send";
}

TEST_F(TablePlay, StockDealsAndRedealArmsOnPressAndLeavingCancels) {
    Open(1, "7");
    const QPoint stock = TopCentre(kStockPile);
    for (int i = 0; i < 24; ++i) {
        Press(stock);
        Release(stock);
    }
    ASSERT_TRUE(State().table.Empty(kStockPile));
    EXPECT_EQ(State().table.Size(kWastePile), 24);
    // Armed by the press, called off by leaving the stock before the release.
    Press(stock);
    EXPECT_TRUE(State().stockPressed);
    MoveHeld(stock + QPoint(0, 300));
    EXPECT_FALSE(State().stockPressed);
    Release(stock + QPoint(0, 300));
    EXPECT_TRUE(State().table.Empty(kStockPile));
    // Armed and released over the stock: the waste goes back and the first card comes up again.
    Press(stock);
    Release(stock);
    EXPECT_EQ(State().table.Size(kWastePile), 1);
    EXPECT_EQ(State().table.Size(kStockPile), 23);
}

// A quick click on the stock releases while the dealt card still slides: the release must still
// reach the game, so that autoplay sends an ace the deal turned up.
TEST_F(TablePlay, AutoplayRunsAfterAQuickStockClickDuringTheSlide) {
    Open(1, "1063937284984", true);
    Play().SetAutoplay(true);
    const QPoint stock = TopCentre(kStockPile);
    int acesSent = 0;
    for (int i = 0; i < 24 && !State().table.Empty(kStockPile); ++i) {
        Press(stock);
        ASSERT_TRUE(Play().Animating()) << "the dealt card slides";
        Release(stock);
        ASSERT_FALSE(State().table.Empty(kWastePile) && State().table.Empty(kStockPile));
        if (!State().table.Empty(kWastePile)) {
            EXPECT_NE(CardRank(State().table.Top(kWastePile)), kAce) << "press " << i;
        }
        for (int f = 0; f < State().FoundationCount(); ++f)
            acesSent += State().table.Size(FoundationPile(f)) > 0;
    }
    EXPECT_GT(acesSent, 0) << "the deal turns up at least one ace";
}

TEST_F(TablePlay, PixelsAtLayoutPlaces) {
    Open(1, "1");
    QImage shot = window->View().grab().toImage();
    // A face-up card is mostly white; the empty waste shows its mark on the green table.
    Rect card = Play().Geometry().TopCardRect(TableauPile(0));
    QColor face = shot.pixelColor(card.x + 4, card.y + card.height / 2);
    EXPECT_GT(face.lightness(), 200);
    Rect waste = Play().Geometry().TopCardRect(kWastePile);
    QColor mark = shot.pixelColor(waste.x + 3, waste.y + waste.height / 2);
    EXPECT_GT(mark.green(), mark.red() + 30);
    // The faded background: darker at the bottom than near the top.
    QColor topGreen = shot.pixelColor(5, 100), bottomGreen = shot.pixelColor(5, shot.height() - 5);
    EXPECT_GT(topGreen.green(), bottomGreen.green());
}

TEST_F(TablePlay, KeyF2DealsAnew) {
    Open(1, "1");
    const std::string first = startup.settings.GameNumber();
    startup.settings.Set(Settings::kConfirmQuitGame, "N");
    QTest::keyClick(window.get(), Qt::Key_F2);
    WaitForAnimations();
    EXPECT_NE(startup.settings.GameNumber(), first);
    EXPECT_TRUE(State().active);
}

} // namespace
} // namespace tablamor::ui
