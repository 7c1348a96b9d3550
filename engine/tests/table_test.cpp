#include "engine/table.h"

#include "engine/params.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tablamor {
namespace {

TEST(Cards, DecodeCodes) {
    EXPECT_EQ(CardSuit(104), kSpades);
    EXPECT_EQ(CardRank(104), kKing);
    EXPECT_EQ(CardRank(53), 1);
    EXPECT_TRUE(IsRed(53));
    EXPECT_TRUE(IsRed(26));
    EXPECT_FALSE(IsRed(27));
    EXPECT_FALSE(IsRed(79));
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardRank(105), -1);
    EXPECT_TRUE(IsCourtCard(63));
    EXPECT_FALSE(IsCourtCard(62));
    EXPECT_EQ(RankBelow(1), 13);
    EXPECT_EQ(RankAbove(13), 1);
    EXPECT_EQ(ParseCardCode("007"), 7);
    EXPECT_EQ(ParseCardCode("105"), -1);
    EXPECT_EQ(ParseCardCode("7"), -1);
}

TEST(Table, CardTableLines) {
    Table t;
    EXPECT_EQ(t.CardTableLine(1), "CUORI_A        10011");
    EXPECT_EQ(t.CardTableLine(14), "QUADR_A        20141");
    EXPECT_EQ(t.CardTableLine(52), "PICCH_K        40521");
    EXPECT_EQ(t.CardTableLine(53), "CUORI_A        10531");
    t.SetFaceUp(104, false);
    EXPECT_EQ(t.CardTableLine(104), "PICCH_K        41040");
}

TEST(Table, PileStringForm) {
    Table t;
    ASSERT_TRUE(t.SetPileString(TableauPile(0), "001014027"));
    EXPECT_EQ(t.Size(TableauPile(0)), 3);
    EXPECT_EQ(t.Top(TableauPile(0)), 27);
    EXPECT_EQ(t.PileString(TableauPile(0)), "001014027");
    EXPECT_FALSE(t.SetPileString(TableauPile(1), "0010"));
    EXPECT_FALSE(t.SetPileString(TableauPile(1), "1x1"));
    EXPECT_TRUE(t.Empty(TableauPile(1)));
}

TEST(Table, SetFaceFlagsPatterns) {
    struct Row {
        int n;
        bool flag;
        const char* expected; // face flags bottom first
    } rows[] = {
        {-1, true, "10101"}, {-2, true, "01010"}, {7, false, "00000"},
        {2, false, "11100"}, {0, false, "11111"}, {-3, false, "11111"},
    };
    for (const Row& row : rows) {
        Table t;
        for (Card c = 1; c <= 5; ++c) t.Append(TableauPile(0), c, true);
        t.SetFaceFlags(TableauPile(0), row.n, row.flag);
        std::string flags;
        for (Card c = 1; c <= 5; ++c) flags += t.FaceUp(c) ? '1' : '0';
        EXPECT_EQ(flags, row.expected) << "n = " << row.n;
    }
}

TEST(Table, FindInPileModes) {
    Table t;
    PileIndex p = TableauPile(2);
    ASSERT_TRUE(t.SetPileString(p, "001000014"));
    EXPECT_TRUE(t.FindInPile(p, 14, FindMode::Test));
    EXPECT_EQ(t.PileString(p), "001000014");
    EXPECT_TRUE(t.FindInPile(p, 14, FindMode::DeleteWithGap));
    EXPECT_EQ(t.PileString(p), "001");

    ASSERT_TRUE(t.SetPileString(p, "000014005"));
    EXPECT_TRUE(t.FindInPile(p, 14, FindMode::DeleteWithGap));
    EXPECT_EQ(t.PileString(p), "005");
    EXPECT_TRUE(t.FindInPile(p, 5, FindMode::Blank));
    EXPECT_EQ(t.PileString(p), "000");
    EXPECT_FALSE(t.FindInPile(p, 6, FindMode::Delete));
}

TEST(Table, RemoveCardSearchOrderAndMisses) {
    Table t;
    t.Append(kStockPile, 9);
    t.Append(TableauPile(3), 9); // second deck would differ; the same code twice tests the order
    t.Append(FoundationPile(0), 10);
    Table before = t;
    EXPECT_EQ(t.RemoveCard(77, 7), PileKind::None);
    EXPECT_EQ(t, before);
    // Tableau piles are searched before the stock, but only up to the game's count.
    EXPECT_EQ(t.RemoveCard(9, 3), PileKind::Stock);
    EXPECT_EQ(t.RemoveCard(9, 7), PileKind::Tableau);
    EXPECT_EQ(t.BlankCard(10, 7), PileKind::Foundation);
    EXPECT_EQ(t.PileString(FoundationPile(0)), "000");
}

TEST(Table, ValueSemantics) {
    Table a;
    for (Card c = 1; c <= kMaxCards; ++c) a.Append(c % kPileCount, c, c % 2 == 0);
    Table b = a;
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.Hash(), b.Hash());
    b.SetFaceUp(5, !b.FaceUp(5));
    EXPECT_NE(a, b);
    b = a;
    Card moved = b.EraseAt(TableauPile(0), 0);
    b.Append(TableauPile(1), moved);
    EXPECT_NE(a, b);
    EXPECT_NE(a.Hash(), b.Hash());
    EXPECT_EQ(a.LongestTableau(26), 2);
    EXPECT_EQ(a.TotalSlots(), kMaxCards);
    EXPECT_EQ(a.PileOf(53), 0);
    EXPECT_EQ(a.PileOf(52), 52);
}

// Turning a pile over onto another, down and up the slots, gives the table that taking its cards
// off the top one by one and appending each with the flag gives.
TEST(Table, TurnOverMatchesCardByCard) {
    Table start;
    Card next = 1;
    for (const PileIndex p : {kStockPile, kWastePile, TableauPile(0), ReservePile(2)})
        for (int k = 0; k < 5; ++k) ASSERT_TRUE(start.Append(p, next++, k % 2 == 0));
    const struct {
        PileIndex from;
        PileIndex to;
        bool faceUp;
    } turns[] = {{kWastePile, kStockPile, false},
                 {kStockPile, kWastePile, true},
                 {TableauPile(0), ReservePile(2), true},
                 {ReservePile(2), TableauPile(1), false},
                 {TableauPile(4), kStockPile, true}};
    for (const auto& t : turns) {
        Table turned = start;
        turned.TurnOver(t.from, t.to, t.faceUp);
        Table expected = start;
        while (!expected.Empty(t.from))
            ASSERT_TRUE(expected.Append(t.to, expected.EraseAt(t.from, expected.Size(t.from) - 1),
                                        t.faceUp));
        EXPECT_TRUE(turned == expected) << t.from << " " << t.to;
    }
}

// Moving the top cards between piles, down and up the slots, gives the table that taking them off
// one by one and appending them in order gives; a count past the pile's size moves it all.
TEST(Table, MoveTopMatchesCardByCard) {
    Table start;
    Card next = 1;
    for (const PileIndex p : {kStockPile, kWastePile, TableauPile(0), TableauPile(3),
                              FoundationPile(1), ReservePile(2)})
        for (int k = 0; k < 4; ++k) ASSERT_TRUE(start.Append(p, next++));
    const struct {
        PileIndex from;
        int count;
        PileIndex to;
    } moves[] = {{TableauPile(0), 2, ReservePile(2)},    {ReservePile(2), 3, kWastePile},
                 {TableauPile(3), 9, TableauPile(5)},    {kStockPile, 1, kStockPile},
                 {FoundationPile(1), 0, TableauPile(0)}, {TableauPile(5), 4, TableauPile(4)}};
    for (const auto& m : moves) {
        Table moved = start;
        moved.MoveTop(m.from, m.count, m.to);
        Table expected = start;
        const int size = start.Size(m.from);
        const int first = std::max(0, size - m.count);
        if (m.from != m.to) {
            expected.Truncate(m.from, first);
            for (int k = first; k < size; ++k)
                ASSERT_TRUE(expected.Append(m.to, start.At(m.from, k)));
        }
        EXPECT_TRUE(moved == expected) << m.from << " " << m.count << " " << m.to;
    }
}

TEST(Table, FullTableRefusesMoreCards) {
    Table t;
    for (int i = 0; i < Table::kCapacity; ++i) ASSERT_TRUE(t.Append(kStockPile, kNoCard));
    EXPECT_FALSE(t.Append(kWastePile, 1));
    EXPECT_FALSE(t.Insert(kStockPile, 0, 1));
    EXPECT_TRUE(t.Empty(kWastePile));
}

TEST(Piles, NamesRoundTrip) {
    for (PileIndex p = 0; p < kPileCount; ++p) EXPECT_EQ(ParsePileName(PileName(p)), p);
    EXPECT_EQ(PileName(TableauPile(11)), "Fila12");
    EXPECT_EQ(PileName(ReservePile(0)), "Appogg1");
}

TEST(Params, EveryIndexHasExactlyOneName) {
    for (int k = 1; k < kParamCount; ++k) {
        int owners = 0;
        for (const ParamName& n : ParamNames())
            if (k >= n.first && k < n.first + n.count) ++owners;
        EXPECT_EQ(owners, 1) << "parameter " << k;
    }
}

} // namespace
} // namespace tablamor
