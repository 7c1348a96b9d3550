// The untidy tableau's shift tables, over many deals.
#include "table/untidy_shifts.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

TEST(UntidyShifts, StayWithinTheirBounds) {
    std::mt19937 random(2024);
    bool sawLeft = false;
    bool sawRight = false;
    for (int deal = 0; deal < 500; ++deal) {
        const layout::UntidyShifts shifts = DrawUntidyShifts(random);
        for (const auto& table : shifts) {
            ASSERT_EQ(table[0], 0);
            int sum = 0;
            for (std::size_t e = 1; e < table.size(); ++e) {
                ASSERT_GE(table[e], -1);
                ASSERT_LE(table[e], 2);
                sum += table[e];
                ASSERT_GE(sum, -2);
                ASSERT_LE(sum, 2);
                sawLeft = sawLeft || table[e] < 0;
                sawRight = sawRight || table[e] > 0;
            }
        }
    }
    EXPECT_TRUE(sawLeft);
    EXPECT_TRUE(sawRight);
}

} // namespace
} // namespace tablamor::table
