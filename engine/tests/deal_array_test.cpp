// Game numbers and the deal array: golden orders that must never change, and the permutation
// property over many numbers.
#include "engine/deal_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace tablamor {
namespace {

std::string ArrayText(const DealArray& deal) {
    std::string text;
    for (int k = 0; k < deal.Size(); ++k) text += (k ? " " : "") + CardCodeText(deal.At(k));
    return text;
}

TEST(GameNumber, ReadLikeTheSettingsField) {
    struct Row {
        const char* text;
        const char* expected; // empty: invalid
    } rows[] = {
        {"1", "0000000000001"},
        {"1234567890123", "1234567890123"},
        {"991234567890123", "1234567890123"},
        {"42   ", "0000000000042"},
        {"0", "0000000000000"},
        {"", ""},
        {"12a4", ""},
        {" 12", ""},
        {"-5", ""},
        {"1.5", ""},
    };
    for (const Row& row : rows) {
        auto number = GameNumber::Parse(row.text);
        EXPECT_EQ(number ? number->Text() : "", row.expected) << "'" << row.text << "'";
    }
}

TEST(GameNumber, DrawnNumbersAreThirteenDigitsWithinTheProductRange) {
    std::mt19937 rng(7);
    std::mt19937 again(7);
    for (int i = 0; i < 1000; ++i) {
        GameNumber n = NewGameNumber(rng);
        EXPECT_LE(n.Text(), "9999978000004");
        EXPECT_EQ(n, NewGameNumber(again)) << "the same seed draws the same numbers";
    }
}

TEST(DealArray, GoldenOrders) {
    struct Row {
        const char* number;
        int cards;
        const char* starts;
        const char* ends;
    } rows[] = {
        {"1", 52,
         "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 "
         "012 032 021 002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 "
         "008 029 047 031 020 050 036 001",
         ""},
        {"1234567890123", 52, "005 014 028 037 035 006 002 043", "007 010 024 004 025"},
    };
    for (const Row& row : rows) {
        auto deal = BuildDealArray(*GameNumber::Parse(row.number), row.cards);
        ASSERT_TRUE(deal);
        std::string text = ArrayText(*deal);
        EXPECT_EQ(text.substr(0, std::string(row.starts).size()), row.starts) << row.number;
        std::string ends = row.ends;
        EXPECT_EQ(text.substr(text.size() - ends.size()), ends) << row.number;
    }
}

TEST(DealArray, EveryCardExactlyOnce) {
    std::mt19937_64 rng(20240601);
    std::uniform_int_distribution<std::uint64_t> any(0, 9'999'999'999'999ULL);
    for (int i = 0; i < 1000; ++i) {
        auto number = *GameNumber::Parse(std::to_string(any(rng)));
        for (int cards : {52, 104}) {
            auto deal = BuildDealArray(number, cards);
            ASSERT_TRUE(deal);
            ASSERT_EQ(deal->Size(), cards);
            std::vector<int> seen(static_cast<std::size_t>(cards) + 1);
            for (int k = 0; k < cards; ++k) ++seen[deal->At(k)];
            EXPECT_EQ(seen[0], 0) << number.Text();
            EXPECT_TRUE(std::all_of(seen.begin() + 1, seen.end(), [](int n) { return n == 1; }))
                << number.Text() << " with " << cards << " cards";
        }
    }
}

TEST(DealArray, CardCounts) {
    GameNumber n = *GameNumber::Parse("1234567890123");
    for (int bad : {53, 60, 103, 105, 0, -4}) EXPECT_FALSE(BuildDealArray(n, bad)) << bad;
    // a shorter game fills every slot with different first-deck cards; the rest are dropped
    auto short40 = BuildDealArray(n, 40);
    ASSERT_TRUE(short40);
    std::vector<int> cards;
    for (int k = 0; k < short40->Size(); ++k) cards.push_back(short40->At(k));
    std::sort(cards.begin(), cards.end());
    EXPECT_EQ(cards.size(), 40u);
    EXPECT_EQ(std::adjacent_find(cards.begin(), cards.end()), cards.end());
    EXPECT_GE(cards.front(), 1);
    EXPECT_LE(cards.back(), 52);
}

TEST(DealArray, TakingCards) {
    DealArray deal = *BuildDealArray(*GameNumber::Parse("1"), 52);
    EXPECT_EQ(deal.TakeFront(), 40);
    EXPECT_TRUE(deal.Remove(45));
    EXPECT_FALSE(deal.Remove(45));
    EXPECT_FALSE(deal.Remove(40)) << "already taken";
    EXPECT_EQ(deal.Size(), 50);
    EXPECT_EQ(ArrayText(deal).substr(0, 31), "004 043 039 015 006 016 018 035");
}

} // namespace
} // namespace tablamor
