#include "engine/pairing_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace tablamor {
namespace {

using C = SelectionCheck;
using namespace pairing;

// Hearts of the given ranks (second-deck or other suits behave the same by rank).
std::vector<Card> Ranks(std::initializer_list<int> ranks) {
    std::vector<Card> cards;
    int suit = 0;
    for (int r : ranks) cards.push_back(static_cast<Card>(13 * (suit++ % 4) + r));
    return cards;
}

TEST(PairingRules, SelectionsByCode) {
    struct Row {
        const char* name;
        int code;
        int target;
        std::vector<Card> selection;
        C expected;
    } rows[] = {
        {"sum 10: two pips", kPipsAndFourOfAKind, 10, Ranks({3, 7}), C::Complete},
        {"sum 10: third pip refused", kPipsAndFourOfAKind, 10, Ranks({3, 2, 5}), C::Refused},
        {"sum 10: ten with a pip refused", kPipsAndFourOfAKind, 10, Ranks({10, 5}), C::Refused},
        {"four queens", kPipsAndFourOfAKind, 10, Ranks({12, 12, 12, 12}), C::Complete},
        {"three queens", kPipsAndFourOfAKind, 10, Ranks({12, 12, 12}), C::Incomplete},
        {"queen and jack refused", kPipsAndFourOfAKind, 10, Ranks({12, 11}), C::Refused},
        {"sum 15 of three pips", kPipsAndFourOfAKind, 15, Ranks({4, 5, 6}), C::Complete},
        {"two to thirteen", kTwoCardSum, 13, Ranks({6, 7}), C::Complete},
        {"king alone makes thirteen", kTwoCardSum, 13, Ranks({13}), C::Complete},
        {"queen alone is short", kTwoCardSum, 13, Ranks({12}), C::Incomplete},
        {"three cards refused", kTwoCardSum, 13, Ranks({1, 2, 3}), C::Refused},
        {"equal pair", kEqualRankPairs, 0, Ranks({9, 9}), C::Complete},
        {"equal pair that touches (places judged by the caller)", kTouchingEqualRanks, 0,
         Ranks({4, 4}), C::Complete},
        {"touching unequal pair refused", kTouchingEqualRanks, 0, Ranks({4, 5}), C::Refused},
        {"unequal pair refused", kEqualRankPairsToo, 0, Ranks({9, 8}), C::Refused},
        {"eleven", kElevensAndCourts, 0, Ranks({5, 6}), C::Complete},
        {"jack queen king", kElevensAndCourts, 0, Ranks({11, 13, 12}), C::Complete},
        {"two jacks refused", kElevensAndCourts, 0, Ranks({11, 11}), C::Refused},
        {"pip with court refused", kElevensAndCourts, 0, Ranks({5, 11}), C::Refused},
        {"ten waits for an ace", kElevensAndCourts, 0, Ranks({10}), C::Incomplete},
        {"ten and ace", kElevensAndCourts, 0, Ranks({10, 1}), C::Complete},
        {"ten with a court refused", kElevensAndCourts, 0, Ranks({10, 12}), C::Refused},
        {"ace alone", kAceOrEighteen, 0, Ranks({1}), C::Complete},
        {"ace with others refused", kAceOrEighteen, 0, Ranks({5, 1}), C::Refused},
        {"court and eighteen", kAceOrEighteen, 0, Ranks({12, 5, 6, 7}), C::Complete},
        {"court and seventeen", kAceOrEighteen, 0, Ranks({12, 4, 6, 7}), C::Incomplete},
        {"two courts refused", kAceOrEighteen, 0, Ranks({12, 13}), C::Refused},
        {"equal ranks refused", kAceOrEighteen, 0, Ranks({6, 6}), C::Refused},
        {"court, ten and eight", kAceOrEighteen, 0, Ranks({11, 10, 3, 5}), C::Complete},
        {"four number cards refused", kAceOrEighteen, 0, Ranks({10, 2, 3, 4}), C::Refused},
        {"ten and jack make twenty", kTensTwentiesThirties, 0, Ranks({10, 11}), C::Complete},
        {"ten alone", kTensTwentiesThirties, 0, Ranks({10}), C::Incomplete},
        {"three twos and four", kTensTwentiesThirties, 0, Ranks({2, 2, 2, 4}), C::Complete},
        {"free pair", kTwoCardsFree, 0, Ranks({3, 9}), C::Incomplete},
        {"free third refused", kTwoCardsFreeQueenKing, 0, Ranks({3, 9, 1}), C::Refused},
        {"nine alone", kNinesAndTenToKing, 0, Ranks({9}), C::Complete},
        {"four and five", kNinesAndTenToKing, 0, Ranks({4, 5}), C::Complete},
        {"ten to king", kNinesAndTenToKing, 0, Ranks({13, 10, 12, 11}), C::Complete},
        {"two tens refused", kNinesAndTenToKing, 0, Ranks({10, 10}), C::Refused},
        {"pip with ten refused", kNinesAndTenToKing, 0, Ranks({4, 10}), C::Refused},
        {"any sum", 99, 11, Ranks({2, 4, 5}), C::Complete},
        {"any sum, short", 99, 11, Ranks({2, 4}), C::Incomplete},
    };
    for (const Row& row : rows) {
        bool upArray[8] = {true, true, true, true, true, true, true, true};
        EXPECT_EQ(CheckPairingSelection(row.code, row.target, row.selection,
                                        std::span<const bool>(upArray, row.selection.size())),
                  row.expected)
            << row.name;
    }
}

TEST(PairingRules, FaceDownCardsRefusedWhereOnlyFaceUpCount) {
    auto cards = Ranks({5, 5});
    bool mixed[] = {true, false};
    EXPECT_EQ(CheckPairingSelection(kFaceUpEqualPairs, 0, cards, mixed), C::Refused);
    bool up[] = {true, true};
    EXPECT_EQ(CheckPairingSelection(kFaceUpEqualPairs, 0, cards, up), C::Complete);
    auto eleven = Ranks({5, 6});
    EXPECT_EQ(CheckPairingSelection(kFaceUpElevens, 0, eleven, mixed), C::Refused);
    EXPECT_EQ(CheckPairingSelection(kFaceUpElevens, 0, eleven, up), C::Complete);
}

TEST(PairingRules, PyramidSums) {
    EXPECT_EQ(CheckSumSelection(13, Ranks({13})), C::Complete);
    EXPECT_EQ(CheckSumSelection(14, Ranks({13})), C::Incomplete);
    EXPECT_EQ(CheckSumSelection(14, Ranks({13, 1})), C::Complete);
    EXPECT_EQ(CheckSumSelection(13, Ranks({2, 3, 8})), C::Refused);
}

} // namespace
} // namespace tablamor
