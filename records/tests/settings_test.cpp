#include "records/settings.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

TEST(Settings, FieldsByPositionAndWidth) {
    Settings s;
    EXPECT_EQ(s.Get(62, 4), "");
    s.Set(62, 4, "5");
    EXPECT_EQ(s.Get(62, 4), "5");
    EXPECT_EQ(s.Get(62, 1), "5");
    EXPECT_EQ(s.Get(63, 3), "");
    s.Set(62, 4, "ABCDEFG");
    EXPECT_EQ(s.Get(62, 4), "ABCD");
    EXPECT_EQ(s.Get(66, 1), ""); // the neighbour is untouched
    Settings fresh;
    fresh.Set(501, 200, "/opt/tablamor/");
    EXPECT_EQ(fresh.ProgramDir(), "/opt/tablamor/");
    EXPECT_EQ(fresh.Get(1, 249), ""); // the third string is separate from the first
    s.Set(251, 3, "abc");
    EXPECT_EQ(s.Get(251, 3), "abc");
}

TEST(Settings, PositionsWithoutFields) {
    Settings s;
    for (int position : {0, 250, 500, 750, -3}) {
        s.Set(position, 5, "XXXXX");
        EXPECT_EQ(s.Get(position, 5), "") << position;
    }
    s.Set(248, 10, "abcdefghij"); // cut at the end of its 250-character string
    EXPECT_EQ(s.Get(248, 10), "abc");
    EXPECT_EQ(s.Get(251, 5), "");
}

TEST(Settings, NamedAccessors) {
    Settings s;
    EXPECT_EQ(s.GameId(), -1);
    s.SetGameId(8001);
    EXPECT_EQ(s.GameId(), 8001);
    s.SetGameId(-1);
    EXPECT_EQ(s.GameId(), -1);
    s.SetScore(-52);
    EXPECT_EQ(s.Score(), -52);
    s.SetFlag(Settings::kShowTime, true);
    EXPECT_TRUE(s.GetFlag(Settings::kShowTime));
    s.Set(Settings::kScore, 6, "12x");
    EXPECT_EQ(s.GetInt(Settings::kScore, 6, 7), 7);
}

} // namespace
} // namespace tablamor
