// The redeal of the tableau (special codes 28 and 29): the stock press gathers the tableau piles
// and deals them again in packets, counting a pass; undo gives the pass back.
#include "rules_fixture.h"

#include "engine/game_play.h"
#include "engine/rule_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tablamor {
namespace {

using namespace test;

using Piles = std::vector<std::vector<int>>;

const Command kStock{CommandKind::Stock, kNoCard, -1};

// `piles` tableau piles building down in suit, no waste; the stock press redeals them.
GameState RedealGame(int special, int packet, int passes, const Piles& piles) {
    const int count = static_cast<int>(piles.size());
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kTableauCount, count},
                            {param::kSpecialCode, special},
                            {param::kStockDealCount, packet},
                            {param::kStockPasses, passes},
                            {param::kStockPlaced, 1}});
    SetRange(s, param::kTableauDirection, count, code::kDown);
    s.number = *GameNumber::Parse("1063937284984");
    s.active = true;
    for (int n = 0; n < count; ++n) {
        s.table.Truncate(TableauPile(n), 0);
        for (int c : piles[static_cast<std::size_t>(n)])
            s.table.Append(TableauPile(n), static_cast<Card>(c), true);
    }
    return s;
}

Piles Tableau(const GameState& s) {
    Piles out;
    for (int n = 0; n < s.TableauCount(); ++n) {
        std::vector<int> pile;
        for (Card c : s.table.Pile(TableauPile(n))) pile.push_back(c);
        out.push_back(pile);
    }
    return out;
}

std::vector<int> SortedCards(const GameState& s) {
    std::vector<int> cards;
    for (const auto& pile : Tableau(s)) cards.insert(cards.end(), pile.begin(), pile.end());
    std::sort(cards.begin(), cards.end());
    return cards;
}

TEST(TableauRedeal, InOrderTheCardsKeepTheirOrderInNewPackets) {
    struct Row {
        const char* name;
        int packet;
        int passes;
        int passesUsed; // before the press
        Piles before;
        bool done;
        Piles after;
    } const rows[] = {
        {"packets of four from the first pile on, the last one short",
         4,
         -1,
         1,
         {{H(5), H(3), H(9)}, {S(2), S(7)}, {}, {D(4)}},
         true,
         {{H(5), H(3), H(9), S(2)}, {S(7), D(4)}, {}, {}}},
        {"packets of three; gaps close up",
         3,
         3,
         2,
         {{}, {C(1)}, {C(2), C(3), C(4), C(5)}, {}},
         true,
         {{C(1), C(2), C(3)}, {C(4), C(5)}, {}, {}}},
        {"a redeal that would change nothing is refused",
         4,
         -1,
         1,
         {{H(1), H(2), H(3), H(4)}, {H(5), H(6)}, {}},
         false,
         {{H(1), H(2), H(3), H(4)}, {H(5), H(6)}, {}}},
        {"no pass left", 4, 3, 3, {{H(5)}, {H(6)}}, false, {{H(5)}, {H(6)}}},
        {"one pass only: nothing to redeal", 4, 1, 1, {{H(5)}, {H(6)}}, false, {{H(5)}, {H(6)}}},
        {"an empty tableau", 4, -1, 1, {{}, {}}, false, {{}, {}}},
        {"more cards than the piles' packets: the rest on the last pile",
         1,
         -1,
         1,
         {{H(1), H(2), H(3)}, {}},
         true,
         {{H(1)}, {H(2), H(3)}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s =
            RedealGame(code::kSpecialTableauRedealInOrder, row.packet, row.passes, row.before);
        s.passesUsed = row.passesUsed;
        GamePlay play(s, NullEventSink());
        EXPECT_EQ(play.Apply(kStock), row.done);
        EXPECT_EQ(Tableau(s), row.after);
        EXPECT_EQ(s.passesUsed, row.passesUsed + (row.done ? 1 : 0));
        for (const auto& pile : row.after)
            for (int c : pile) EXPECT_TRUE(s.table.FaceUp(c)) << c;
    }
}

// Shuffled: the same cards in packets of three, the same order for the same number and pass (so
// an undone redeal made again deals the same), another order on the next pass.
TEST(TableauRedeal, ShuffledByTheNumberAndThePass) {
    const Piles before = {{H(1), H(2), H(3)}, {H(4), H(5), H(6)},    {H(7), H(8)},
                          {H(9), H(10)},      {H(11), H(12), H(13)}, {}};
    GameState s = RedealGame(code::kSpecialTableauRedealShuffled, 3, 3, before);
    const std::vector<int> cards = SortedCards(s);
    GamePlay play(s, NullEventSink());
    ASSERT_TRUE(play.Apply(kStock));
    const Piles first = Tableau(s);
    EXPECT_EQ(SortedCards(s), cards);
    std::vector<std::size_t> sizes;
    for (const auto& pile : first) sizes.push_back(pile.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 3, 3, 3, 1, 0}));
    EXPECT_EQ(s.passesUsed, 2);

    ASSERT_TRUE(play.Undo());
    EXPECT_EQ(Tableau(s), before);
    EXPECT_EQ(s.passesUsed, 1) << "undo gives the pass back";
    ASSERT_TRUE(play.Apply(kStock));
    EXPECT_EQ(Tableau(s), first) << "the same pass shuffles the same way";

    ASSERT_TRUE(play.Apply(kStock));
    EXPECT_EQ(s.passesUsed, 3);
    EXPECT_NE(Tableau(s), first) << "the next pass shuffles anew";
    EXPECT_EQ(SortedCards(s), cards);
    EXPECT_FALSE(play.Apply(kStock)) << "two redeals, then no more";
    EXPECT_FALSE(play.Undo() && play.Undo() && play.Undo()) << "three steps only: two redeals";
}

} // namespace
} // namespace tablamor
