#include "records/settings.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

TEST(Settings, FieldsByPositionAndWidth) {
    Settings s;
    EXPECT_EQ(s.Get({62, 4}), "");
    s.Set({62, 4}, "5");
    EXPECT_EQ(s.Get({62, 4}), "5");
    EXPECT_EQ(s.Get({62, 1}), "5");
    EXPECT_EQ(s.Get({63, 3}), "");
    s.Set({62, 4}, "ABCDEFG");
    EXPECT_EQ(s.Get({62, 4}), "ABCD");
    EXPECT_EQ(s.Get({66, 1}), ""); // the neighbour is untouched
    Settings fresh;
    fresh.Set({501, 200}, "/opt/tablamor/");
    EXPECT_EQ(fresh.ProgramDir(), "/opt/tablamor/");
    EXPECT_EQ(fresh.Get({1, 249}), ""); // the third string is separate from the first
    s.Set({251, 3}, "abc");
    EXPECT_EQ(s.Get({251, 3}), "abc");
}

TEST(Settings, PositionsWithoutFields) {
    Settings s;
    for (int position : {0, 250, 500, 750, -3}) {
        s.Set({position, 5}, "XXXXX");
        EXPECT_EQ(s.Get({position, 5}), "") << position;
    }
    s.Set({248, 10}, "abcdefghij"); // cut at the end of its 250-character string
    EXPECT_EQ(s.Get({248, 10}), "abc");
    EXPECT_EQ(s.Get({251, 5}), "");
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
    EXPECT_TRUE(s.Flag(Settings::kShowTime));
}

TEST(Settings, FieldsThatHoldNoValueTakeTheirDefault) {
    struct Row {
        const char* name;
        SettingsField field;
        const char* text;
        int number;
        bool flag;
    };
    const Row rows[] = {
        {"a number", Settings::kBackCard, "14", 14, false},
        {"not a number: the default", Settings::kBackCard, "1x", 11, false},
        {"not a number, no default: 0", Settings::kScore, "12x", 0, false},
        {"Y is on", Settings::kVertScrollBar, "Y", 0, true},
        {"N is off", Settings::kShowTime, "N", 0, false},
        {"blank: the default on", Settings::kShowTime, "", 0, true},
        {"blank: the default off", Settings::kVertScrollBar, "", 0, false},
        {"another letter: the default", Settings::kWinningAnimation, "S", 0, true},
    };
    for (const Row& row : rows) {
        Settings s;
        s.Set(row.field, row.text);
        if (row.field.width > 1)
            EXPECT_EQ(s.Int(row.field), row.number) << row.name;
        else
            EXPECT_EQ(s.Flag(row.field), row.flag) << row.name;
    }
}

} // namespace
} // namespace tablamor
