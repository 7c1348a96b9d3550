#pragma once
// Where each card of a pile lies: the pile's place plus the fan steps of the cards below it.
// This is the one computation of card places; drawing, hit-testing and the drop-target search
// all read it.
//
// Tableau piles fan by the tableau style, foundations by the foundation style, reserves by the
// reserve style. The stock group does not fan; instead the stock and the waste rise up and left
// as they grow (their thickness), so their top card lies above and left of the laid-out place.
#include "engine/params.h"
#include "engine/table.h"
#include "table/layout/card_size.h"
#include "table/layout/fan_steps.h"
#include "table/layout/pile_positions.h"

#include <array>
#include <cstdint>

namespace tablamor::layout {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// How far the stock or waste has risen with `cards` cards on it.
int StockThickness(int cards);

// The untidy tableau's sideways shifts: seven tables of thirteen entries, drawn at every deal.
inline constexpr int kUntidyTables = 7;
inline constexpr int kUntidyEntries = 13;
using UntidyShifts = std::array<std::array<std::int8_t, kUntidyEntries>, kUntidyTables>;

// Shift of card `k` (0 = bottom) of tableau column `column` (0-based).
int UntidyShift(const UntidyShifts& shifts, int column, int k);

// Everything a card place depends on. The referenced objects must outlive it.
struct FanContext {
    const PilePositions& positions;
    const Table& table;
    const GameParams& params;
    FanSteps steps;
    CardSize card;
    // Set when the untidy tableau is shown (vertical tableau fan only).
    const UntidyShifts* untidy = nullptr;
};

// The place of the pile's first card, y read with ScrollOffset; the stock and the waste risen by
// their thickness. Meaningless for a pile that is not placed.
Point PilePlace(const FanContext& context, PileIndex pile);

// Top-left corner of card `k` (0 = bottom) of the pile; k may be the pile's size (where the next
// card would go). A k outside 0..size is taken as the nearest of those.
Point CardPlace(const FanContext& context, PileIndex pile, int k);

} // namespace tablamor::layout
