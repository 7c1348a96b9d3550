// The redraw after cards leave a pile: whatever left, the table picture afterwards is what a full
// paint of the new table gives, and the window shows it.
#include "table/tests/test_scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tablamor::table {
namespace {

using namespace testing;

struct Row {
    const char* name;
    GameParams (*game)();
    std::function<void(TestTable&)> deal;
    PileIndex pile;
    int keep; // cards left on the pile
    bool untidy = false;
    bool changes = true; // whether the picture changes at all
};

GameParams Klondike() {
    GameParams p = ShippedGame("0001-klondike.game");
    p[param::kStockFaceDown] = 1;
    return p;
}

GameParams FortyThieves() {
    GameParams p = ShippedGame("0003-forty-thieves.game");
    p[param::kStockFaceDown] = 1;
    return p;
}

// Klondike with a long face-up run on column 2, four cards on the waste and one on a foundation.
void KlondikeInPlay(TestTable& t) {
    DealKlondike(t);
    t.Put(TableauPile(1), {40, 27, 14, 1, 44});
    t.Put(kWastePile, {30, 31, 32, 33});
    t.Put(FoundationPile(0), {35});
}

// Forty Thieves with a long column next to a short one, so that one column reaches past another.
void FortyThievesInPlay(TestTable& t) {
    int code = 1;
    for (int column = 0; column < 10; ++column)
        for (int k = 0; k < (column == 3 ? 25 : 4); ++k)
            t.table.Append(TableauPile(column), static_cast<tablamor::Card>(code++), true);
    while (code <= 80) t.table.Append(kStockPile, static_cast<tablamor::Card>(code++), false);
    t.Put(kWastePile, {81, 82, 83});
}

TEST(RedrawAfterLeave, EqualsAFullPaint) {
    TestArtwork art;
    ASSERT_TRUE(art.Valid());
    const Row rows[] = {
        {"run lifted from a column", Klondike, KlondikeInPlay, TableauPile(1), 3},
        {"top card of a column", Klondike, KlondikeInPlay, TableauPile(6), 6},
        {"column emptied", Klondike, KlondikeInPlay, TableauPile(0), 0},
        {"waste top card", Klondike, KlondikeInPlay, kWastePile, 3},
        {"waste emptied", Klondike, KlondikeInPlay, kWastePile, 0},
        {"stock top card, thinner", Klondike, KlondikeInPlay, kStockPile, 17},
        {"stock emptied", Klondike, KlondikeInPlay, kStockPile, 0},
        {"foundation card", Klondike, KlondikeInPlay, FoundationPile(0), 0},
        {"untidy run", Klondike, KlondikeInPlay, TableauPile(1), 2, true},
        {"untidy column emptied", Klondike, KlondikeInPlay, TableauPile(3), 0, true},
        {"long column of a two-deck game", FortyThieves, FortyThievesInPlay, TableauPile(3), 5},
        {"two-deck stock", FortyThieves, FortyThievesInPlay, kStockPile, 10},
    };
    for (const Row& r : rows) {
        TestTable t(art, r.game(), {1024, 768});
        r.deal(t);
        PaintPreferences prefs;
        prefs.untidyTableau = r.untidy;
        for (int c = 0; c < 7; ++c)
            for (int e = 0; e < 13; ++e)
                t.scene.untidyShifts[c][e] = static_cast<std::int8_t>((c + e) % 4 - 1);
        t.Relayout(prefs);
        t.canvas->PaintTable();
        const QImage painted = t.canvas->TablePicture();
        const auto pile = t.table.Pile(r.pile);
        const std::vector<tablamor::Card> before(pile.begin(), pile.end());
        t.table.Truncate(r.pile, r.keep);
        t.canvas->RedrawAfterLeave(r.pile, before);
        EXPECT_NE(t.canvas->TablePicture(), painted) << r.name;
        EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint()) << r.name;
        EXPECT_EQ(t.canvas->Window(), t.canvas->TablePicture().copy(QRect(QPoint(), t.window)))
            << r.name;
    }
}

TEST(RedrawAfterLeave, CardsOnlyAddedChangeNothing) {
    TestArtwork art;
    ASSERT_TRUE(art.Valid());
    TestTable t(art, Klondike());
    KlondikeInPlay(t);
    t.canvas->PaintTable();
    const QImage painted = t.canvas->TablePicture();
    const auto pile = t.table.Pile(TableauPile(2));
    const std::vector<tablamor::Card> before(pile.begin(), pile.end());
    t.Put(TableauPile(2), {50});
    t.canvas->RedrawAfterLeave(TableauPile(2), before);
    EXPECT_EQ(t.canvas->TablePicture(), painted);
    // The added card is drawn by whoever brought it.
    t.canvas->RedrawPile(TableauPile(2));
    EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint());
}

} // namespace
} // namespace tablamor::table
