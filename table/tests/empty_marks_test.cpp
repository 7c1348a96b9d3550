// The marks of empty piles, rule by rule.
#include "table/empty_marks.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

struct Row {
    const char* name;
    EmptyPile kind;
    std::vector<std::pair<int, int>> params; // index, value
    int number;
    StockState stock;
    int expected;
};

TEST(EmptyMarks, EveryRule) {
    using namespace param;
    const Row rows[] = {
        {"pairing stock", EmptyPile::Stock, {{kSpecialCode, 8}, {kStockPasses, -1}}, 0, {1, 5}, 21},
        {"pairing stock, touching pairs", EmptyPile::Stock, {{kSpecialCode, 30}}, 0, {1, 0}, 21},
        {"release counts, passes left",
         EmptyPile::Stock,
         {{kReleaseCountsPass, 1}, {kStockPasses, 3}},
         0,
         {2, 0},
         22},
        {"release counts, passes used up",
         EmptyPile::Stock,
         {{kReleaseCountsPass, 1}, {kStockPasses, 3}},
         0,
         {3, 0},
         8},
        {"waste of one card", EmptyPile::Stock, {{kStockPasses, -1}}, 0, {1, 1}, 8},
        {"unlimited redeals", EmptyPile::Stock, {{kStockPasses, -1}}, 0, {9, 2}, 22},
        {"redeals left", EmptyPile::Stock, {{kStockPasses, 3}}, 0, {2, 10}, 22},
        {"redeal limit reached", EmptyPile::Stock, {{kStockPasses, 3}}, 0, {3, 10}, 8},
        {"single pass", EmptyPile::Stock, {{kStockPasses, 1}}, 0, {1, 10}, 8},
        {"tableau redeals left, no waste",
         EmptyPile::Stock,
         {{kSpecialCode, 28}, {kStockPasses, 3}},
         0,
         {2, 0},
         22},
        {"tableau redeals used up",
         EmptyPile::Stock,
         {{kSpecialCode, 29}, {kStockPasses, 3}},
         0,
         {3, 0},
         8},
        {"tableau redeals unlimited",
         EmptyPile::Stock,
         {{kSpecialCode, 29}, {kStockPasses, -1}},
         0,
         {7, 0},
         22},
        {"waste with the stock placed", EmptyPile::Waste, {{kStockPlaced, 1}}, 0, {}, 2},
        {"waste, no passes", EmptyPile::Waste, {{kStockPasses, 0}}, 0, {}, 8},
        {"waste, no mark", EmptyPile::Waste, {{kStockPasses, 2}}, 0, {}, 0},
        {"foundation from aces", EmptyPile::Foundation, {{kFoundationBase.Index(2), 1}}, 2, {}, 10},
        {"foundation, ace code 81",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(0), 81}},
         0,
         {},
         10},
        {"foundation, ace code 85",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(0), 85}},
         0,
         {},
         10},
        {"foundation from fives",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(1), 5}},
         1,
         {},
         15},
        {"foundation from tens",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(0), 10}},
         0,
         {},
         20},
        {"foundation from jacks",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(0), 11}},
         0,
         {},
         6},
        {"foundation from kings, code 84",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(15), 84}},
         15,
         {},
         11},
        {"foundation starting with a queen",
         EmptyPile::Foundation,
         {{kFoundationRule.Index(3), 10}, {kFoundationBase.Index(3), 1}},
         3,
         {},
         3},
        {"foundation without a rank",
         EmptyPile::Foundation,
         {{kFoundationBase.Index(0), 0}},
         0,
         {},
         4},
        {"free cell", EmptyPile::Reserve, {{kReserveRule.Index(0), 9}}, 4, {}, 9},
        {"reserve for kings", EmptyPile::Reserve, {{kReserveRule.Index(0), 8}}, 0, {}, 11},
        {"plain reserve", EmptyPile::Reserve, {{kReserveRule.Index(0), 1}}, 0, {}, 1},
        {"column for kings", EmptyPile::Tableau, {{kTableauEmptyFill.Index(4), 13}}, 4, {}, 11},
        {"column for queens", EmptyPile::Tableau, {{kTableauEmptyFill.Index(1), 12}}, 1, {}, 3},
        {"column for twos", EmptyPile::Tableau, {{kTableauEmptyFill.Index(0), 2}}, 0, {}, 12},
        {"column for any card, first column filled",
         EmptyPile::Tableau,
         {{kTableauEmptyFill.Index(0), 91}, {kTableauEmptyFill.Index(3), 0}},
         3,
         {},
         4},
        {"empty column", EmptyPile::Tableau, {{kTableauEmptyFill.Index(3), 0}}, 3, {}, 7},
        {"third pile", EmptyPile::ThirdPile, {}, 0, {}, 2},
        {"foundation number out of range", EmptyPile::Foundation, {}, 16, {}, 0},
    };
    for (const Row& r : rows) {
        GameParams p;
        for (auto [index, value] : r.params) p[index] = static_cast<std::int16_t>(value);
        EXPECT_EQ(EmptyMark(r.kind, p, r.number, r.stock), r.expected) << r.name;
    }
}

} // namespace
} // namespace tablamor::table
