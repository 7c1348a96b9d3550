// The card counter: which cards a dealt game marks on each watched side, how the marks follow
// the engine's notices, and what the window paints and keeps in the preferences.
#include "engine/actions.h"
#include "engine/deal.h"
#include "records/ini_file.h"
#include "records/preference_keys.h"
#include "table/card_counter_window.h"
#include "table/resource_names.h"
#include "table/tests/test_scene.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tablamor::table {
namespace {

using testing::ShippedGame;

GameState Dealt(const char* file, const char* number = "0000000012345") {
    GameState state = NewGameState(ShippedGame(file));
    EXPECT_TRUE(DealGame(state, *GameNumber::Parse(number), NullEventSink()));
    return state;
}

// What the counter should show for one card, straight from the table.
CounterMark Expected(const GameState& s, int card, CounterOptions options) {
    const PileIndex pile = s.table.PileOf(static_cast<Card>(card));
    const PileKind kind = pile < 0 ? PileKind::None : KindOfPile(pile);
    bool up = s.table.FaceUp(card);
    switch (kind) {
    case PileKind::Stock:
    case PileKind::Waste:
        if (options.tableauOnly) return CounterMark::None;
        up = kind == PileKind::Waste; // the test games place both the stock and the waste
        break;
    case PileKind::Reserve:
        if (options.stockOnly) return CounterMark::None;
        up = true;
        break;
    case PileKind::None:
        return CounterMark::None;
    default:
        if (options.stockOnly) return CounterMark::None;
    }
    if (options.inverted) up = !up;
    return up ? CounterMark::Up : CounterMark::Down;
}

void ExpectMarksMatchTable(const CardCounterMarks& marks, const GameState& s) {
    for (int card = 1; card <= s.CardCount(); ++card)
        EXPECT_EQ(marks.MarkOf(card), Expected(s, card, marks.Options())) << "card " << card;
}

TEST(CardCounterMarks, DealtOneDeckGameOnEverySide) {
    const GameState s = Dealt("0001-klondike.game");
    ASSERT_EQ(s.table.Size(kStockPile), 24);
    struct Row {
        const char* name;
        CounterOptions options;
        int marked; // cards with a mark
    };
    const Row rows[] = {
        {"both sides", {}, 52},
        {"stock only", {true, false, false}, 24},
        {"tableau only", {false, true, false}, 28},
        {"inverted", {false, false, true}, 52},
    };
    for (const Row& row : rows) {
        CardCounterMarks marks;
        marks.SetOptions(row.options);
        marks.Refresh(s);
        int marked = 0;
        for (int card = 1; card <= 52; ++card) marked += marks.MarkOf(card) != CounterMark::None;
        EXPECT_EQ(marked, row.marked) << row.name;
        ExpectMarksMatchTable(marks, s);
    }
    // The last card of the first column is the one face-up card there.
    CardCounterMarks inverted;
    inverted.SetOptions({false, false, true});
    inverted.Refresh(s);
    EXPECT_EQ(inverted.MarkOf(s.table.Top(TableauPile(0))), CounterMark::Down);
    EXPECT_EQ(inverted.MarkOf(s.table.Top(kStockPile)), CounterMark::Up);
}

TEST(CardCounterMarks, GridAndHeightFollowTheCardCount) {
    // The height shows the last row of the game's decks whole, and no empty row below it.
    const struct {
        int cards;
        int rows;
    } decks[] = {{52, 4}, {104, 8}, {156, 12}, {208, 16}, {78, 4}, {0, 4}, {260, 4}};
    for (const auto& row : decks) {
        EXPECT_EQ(CardCounterMarks::Rows(row.cards), row.rows) << row.cards;
        const int lastMarkBottom = CardCounterMarks::kRowStep * (row.rows - 1) +
                                   CardCounterMarks::kRowTop + art::kCounterMarkHeight;
        EXPECT_GE(CardCounterMarks::ClientHeight(row.cards), lastMarkBottom) << row.cards;
        EXPECT_LT(CardCounterMarks::ClientHeight(row.cards),
                  lastMarkBottom + CardCounterMarks::kRowStep - art::kCounterMarkHeight + 4)
            << row.cards;
    }
    // Ace of hearts, king of spades of the first deck, king of spades of the second.
    EXPECT_EQ(CardCounterMarks::X(1), 16);
    EXPECT_EQ(CardCounterMarks::Y(1), 3);
    EXPECT_EQ(CardCounterMarks::X(52), 184);
    EXPECT_EQ(CardCounterMarks::Y(52), 57);
    EXPECT_EQ(CardCounterMarks::Y(104), 129);

    const GameState s = Dealt("0003-forty-thieves.game");
    ASSERT_EQ(s.CardCount(), 104);
    CardCounterMarks marks;
    marks.Refresh(s);
    ExpectMarksMatchTable(marks, s);
    EXPECT_EQ(marks.MarkOf(105), CounterMark::None);
}

TEST(CardCounterMarks, RowsShowTheSuitsOfTheDeck) {
    // Rows hold hearts, diamonds, clubs and spades of each deck; fewer suits relabel them.
    const struct Row {
        const char* file;
        std::vector<int> suits;
    } rows[] = {
        {"0003-forty-thieves.game",
         {kHearts, kDiamonds, kClubs, kSpades, kHearts, kDiamonds, kClubs, kSpades}},
        {"0207-spiderette-two-suits.game", {kHearts, kHearts, kSpades, kSpades}},
        {"0206-spiderette-one-suit.game", {kSpades, kSpades, kSpades, kSpades}},
    };
    for (const Row& row : rows) {
        CardCounterMarks marks;
        marks.Refresh(Dealt(row.file));
        ASSERT_EQ(CardCounterMarks::Rows(marks.CardCount()), static_cast<int>(row.suits.size()))
            << row.file;
        for (std::size_t r = 0; r < row.suits.size(); ++r)
            EXPECT_EQ(marks.RowSuit(static_cast<int>(r)), row.suits[r])
                << row.file << ", row " << r;
    }
    // A two-suit deck of two decks repeats the first deck's rows.
    GameState twoDecks = Dealt("0003-forty-thieves.game");
    twoDecks.params[param::kDeckSuits] = kSpadesAndHearts;
    CardCounterMarks marks;
    marks.Refresh(twoDecks);
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(marks.RowSuit(r), r % 4 < 2 ? kHearts : kSpades) << "row " << r;
}

TEST(CardCounterMarks, OneOnlyOptionAtATime) {
    CardCounterMarks marks;
    marks.SetOptions({false, true, false});
    marks.SetOptions({true, true, false}); // "&Stock only" checked while "&Tableau only" was
    EXPECT_TRUE(marks.Options().stockOnly);
    EXPECT_FALSE(marks.Options().tableauOnly);
    marks.SetOptions({false, false, false});
    EXPECT_TRUE(marks.WatchesStock());
    EXPECT_TRUE(marks.WatchesTable());
}

// Passes the engine's counter notices on to the marks, as the play controller does.
class CounterSink : public EventSink {
public:
    CounterSink(CardCounterMarks& marks, const GameState& state) : marks_(marks), state_(state) {}
    void CardLeft(Card card, PileKind from) override { marks_.CardLeft(card, from); }
    void CardArrived(Card card, PileKind to) override {
        marks_.CardArrived(card, to, state_.table.FaceUp(card));
        if (to == PileKind::Waste) marks_.WasteNotice(state_);
    }
    void StockRefilled() override { marks_.StockRefilled(state_); }

private:
    CardCounterMarks& marks_;
    const GameState& state_;
};

TEST(CardCounterMarks, FollowsMovesThroughTheNotices) {
    for (CounterOptions options :
         {CounterOptions{}, CounterOptions{true, false, false}, CounterOptions{false, true, false},
          CounterOptions{false, false, true}}) {
        GameState s = Dealt("0001-klondike.game");
        CardCounterMarks marks;
        marks.SetOptions(options);
        marks.Refresh(s);
        CounterSink sink(marks, s);
        // Three presses on the stock, then the waste's top card wherever it may go.
        int moved = 0;
        for (int press = 0; press < 3; ++press) {
            ASSERT_TRUE(PerformAction(s, s.table.Top(kStockPile),
                                      Action::Of(ActionKind::DealToWaste), sink));
            ExpectMarksMatchTable(marks, s);
        }
        for (int n = 0; n < s.TableauCount() && moved == 0; ++n) {
            GameState before = s;
            const Card top = s.table.Top(kWastePile);
            if (PerformAction(s, top, Action::Move(TableauPile(n)), sink) &&
                s.table.PileOf(top) == TableauPile(n))
                ++moved;
            else
                s = before;
        }
        ExpectMarksMatchTable(marks, s);
    }
}

// Pictures of one colour per name, so a pixel of the painted grid tells which mark lies there.
QImage Solid(QColor colour, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

class CardCounterWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<IniFile> ini;
    std::map<std::string, QRgb, std::less<>> colours;
    std::unique_ptr<CardCounterWindow> window;
    GameState state;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ini =
            std::make_unique<IniFile>(std::filesystem::path(dir.path().toStdString()) / "CFG.DAT");
        int shade = 10;
        auto add = [&](std::string name) {
            colours[name] = qRgb(shade, 255 - shade, shade);
            ++shade;
        };
        for (std::string_view suit : art::kCounterSuitPictures) add(std::string(suit));
        add(std::string(art::kCounterNoCard));
        for (int rank = 1; rank <= 13; ++rank) {
            add(art::CounterCardName(rank, true));
            add(art::CounterCardName(rank, false));
        }
        state = Dealt("0001-klondike.game");
        MakeWindow();
    }
    void MakeWindow() {
        window = std::make_unique<CardCounterWindow>(
            [this](std::string_view name) {
                auto it = colours.find(name);
                return it == colours.end()
                           ? QImage()
                           : Solid(it->second, art::kCounterMarkWidth, art::kCounterMarkHeight);
            },
            *ini);
        window->SetStateSource([this] { return &state; });
    }
    QRgb At(int card) const {
        return window->Picture().pixel(CardCounterMarks::X(card) + 1,
                                       CardCounterMarks::Y(card) + 1);
    }
    QRgb Colour(int card, bool up) const {
        return colours.at(art::CounterCardName((card - 1) % 13 + 1, up));
    }
};

TEST_F(CardCounterWindowTest, PaintsTheMarksAndTheInvertedOption) {
    window->Refresh();
    EXPECT_EQ(window->Picture().height(), CardCounterMarks::ClientHeight(52));
    // No suit symbol below the four rows of a one-deck game.
    const QRgb blank = window->Picture().pixel(1, window->Picture().height() - 1);
    for (int y = CardCounterMarks::Y(52) + art::kCounterMarkHeight; y < window->Picture().height();
         ++y)
        EXPECT_EQ(window->Picture().pixel(1, y), blank) << y;
    EXPECT_EQ(window->Picture().width(), 198);
    const int faceUp = state.table.Top(TableauPile(3));
    const int faceDown = state.table.At(TableauPile(3), 0);
    EXPECT_EQ(At(faceUp), Colour(faceUp, true));
    EXPECT_EQ(At(faceDown), Colour(faceDown, false));
    EXPECT_EQ(
        window->Picture().pixel(1, CardCounterMarks::kRowStep * 3 + CardCounterMarks::kRowTop + 1),
        colours.at("card_spades"));

    window->InvertedAction()->trigger();
    EXPECT_EQ(At(faceUp), Colour(faceUp, false));
    EXPECT_EQ(At(faceDown), Colour(faceDown, true));
    window->TableauOnlyAction()->trigger();
    const int stockCard = state.table.Top(kStockPile);
    EXPECT_EQ(At(stockCard), colours.at("Card_None"));

    state = Dealt("0003-forty-thieves.game");
    window->Refresh();
    EXPECT_EQ(window->Picture().height(), CardCounterMarks::ClientHeight(104));
}

TEST(CardCounterPlace, BesideTheTableOrInItsBottomRightCorner) {
    const QSize counter(210, 130);
    const QRect screen(0, 0, 1024, 740);
    const struct Row {
        const char* name;
        QRect table;
        bool outside; // right of the table
    } rows[] = {
        {"a narrow window leaves room on its right", QRect(10, 80, 600, 500), true},
        {"a maximized window", QRect(0, 60, 1024, 680), false},
        {"a window too low for the counter", QRect(0, 60, 1024, 100), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect placed(CardCounterWindow::PlaceBeside(counter, row.table, screen), counter);
        EXPECT_GE(placed.top(), row.table.top()) << "never over the menu bar or the toolbar";
        EXPECT_EQ(placed.left() > row.table.right(), row.outside);
        if (row.table.height() > counter.height()) {
            EXPECT_TRUE(screen.contains(placed));
        }
        if (!row.outside) {
            EXPECT_GT(placed.left(), row.table.center().x()) << "the right side of the table";
        }
    }
}

// A framed window that reaches past an edge of the screen comes back by the least shift; one
// larger than the screen keeps its top left corner on it.
TEST(CardCounterPlace, ShiftOnScreen) {
    const QRect screen(0, 0, 1024, 740);
    const struct Row {
        const char* name;
        QRect frame;
        QPoint shift;
    } rows[] = {
        {"wholly on the screen", QRect(700, 300, 220, 400), QPoint(0, 0)},
        {"a title bar taller than reckoned", QRect(790, 360, 220, 400), QPoint(0, -20)},
        {"off the right edge", QRect(900, 100, 220, 400), QPoint(-96, 0)},
        {"above and left of the screen", QRect(-30, -5, 220, 400), QPoint(30, 5)},
        {"taller than the screen", QRect(100, 200, 220, 900), QPoint(0, -200)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CardCounterWindow::ShiftOnScreen(row.frame, screen), row.shift);
    }
}

TEST_F(CardCounterWindowTest, KeepsItsStateInThePreferences) {
    window->StockOnlyAction()->trigger();
    window->InvertedAction()->trigger();
    auto read = [&](std::string_view key) {
        return ini->ReadString(pref::kPreferenceSection, key, "?");
    };
    EXPECT_EQ(read(pref::kCardCounterStock), "Y");
    EXPECT_EQ(read(pref::kCardCounterTableau), "N");
    EXPECT_EQ(read(pref::kCardCounterInverse), "Y");
    EXPECT_EQ(read(pref::kCardCounterVisible), "N");

    // Checking "&Tableau only" unchecks "&Stock only".
    window->TableauOnlyAction()->trigger();
    EXPECT_FALSE(window->StockOnlyAction()->isChecked());
    EXPECT_EQ(read(pref::kCardCounterStock), "N");

    ini->WriteInt(pref::kPreferenceSection, pref::kCardCounterLeft, 0);
    ini->WriteInt(pref::kPreferenceSection, pref::kCardCounterTop, 40);
    ini->WriteString(pref::kPreferenceSection, pref::kCardCounterVisible, "Y");
    MakeWindow();
    const QPoint defaultPlace = window->pos();
    window->LoadState();
    EXPECT_TRUE(window->TableauOnlyAction()->isChecked());
    EXPECT_TRUE(window->InvertedAction()->isChecked());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), defaultPlace); // a saved place of 0 is no place
    const int faceUp = state.table.Top(TableauPile(0));
    EXPECT_EQ(At(faceUp), Colour(faceUp, false));
    window->Toggle();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace tablamor::table
