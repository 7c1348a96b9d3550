// The per-pile parameter ranges: reads and writes through the range refuse a pile outside it,
// and the 26th tableau pile's "Add_Tableaus" flag is the slot it shares with the first reserve's
// rule.
#include "engine/params.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

TEST(ParamRange, PilesOutsideTheRangeReadZeroAndAreNeverWritten) {
    GameParams p;
    for (int i = 0; i < kParamCount; ++i) p[i] = static_cast<std::int16_t>(i);
    const GameParams before = p;
    // the piles just outside each end fall in the neighbouring ranges
    EXPECT_EQ(p.At(param::kTableauRule, -1), 0);
    EXPECT_EQ(p.At(param::kTableauRule, kMaxTableaus), 0);
    EXPECT_EQ(p.At(param::kReserveDealt, kMaxReserves), 0);
    EXPECT_EQ(p.At(param::kFoundationBase, kMaxFoundations), 0);
    p.Set(param::kFoundationRule, -1, 7);
    p.Set(param::kFoundationRule, kMaxFoundations, 7);
    p.Set(param::kReserveTakesAdd, kMaxReserves, 7);
    EXPECT_EQ(p, before);

    EXPECT_EQ(p.At(param::kTableauRule, kMaxTableaus - 1), param::kTableauRule.first + 25);
    p.Set(param::kReserveDealt, kMaxReserves - 1, -5);
    EXPECT_EQ(p[param::kReserveDealt.first + kMaxReserves - 1], -5);
}

TEST(ParamRange, TheLastTableauPileSharesItsAddFlagWithTheFirstReserveRule) {
    GameParams p;
    p.Set(param::kReserveRule, 0, 3);
    EXPECT_EQ(p.At(param::kTableauTakesAdd, kMaxTableaus - 1), 3);
    EXPECT_EQ(p.At(param::kTableauTakesAdd, kMaxTableaus - 2), 0);
    // the game sources name the shared slot once, as the reserve's rule
    const ParamName* shared = ParamNameOf(param::kTableauTakesAdd.Index(kMaxTableaus - 1));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->name, "ReserveRule");
}

} // namespace
} // namespace tablamor
