#include "table/layout/pile_fan.h"

#include "table/layout/layout_rounding.h"

#include <algorithm>

namespace tablamor::layout {
namespace {

constexpr int kCardsPerThicknessStep = 7;
// The stock's edge pictures cover a thickness of 0..15; a two-deck stock stops rising there.
constexpr int kMaxStockThickness = 15;
constexpr int kUntidyWrapColumns = 6; // columns past the seventh reuse tables 1..6
constexpr int kUntidyWrapEntries = 12;

} // namespace

int StockThickness(int cards) {
    if (cards <= 1) return 0;
    if (cards == 2) return 1;
    return std::min(RoundRatio(cards, kCardsPerThicknessStep) + 1, kMaxStockThickness);
}

int UntidyShift(const UntidyShifts& shifts, int column, int k) {
    if (column < 0 || k < 0) return 0;
    int t = column < kUntidyTables ? column : column % kUntidyWrapColumns;
    int e = k <= kUntidyWrapEntries ? k : k % kUntidyWrapEntries;
    return shifts[static_cast<std::size_t>(t)][static_cast<std::size_t>(e)];
}

Point PilePlace(const FanContext& c, PileIndex pile) {
    Point p{c.positions.X(pile), c.positions.Y(pile)};
    if (pile == kStockPile || pile == kWastePile) {
        int d = StockThickness(c.table.Size(pile));
        p.x -= d;
        p.y -= d;
    }
    return p;
}

Point CardPlace(const FanContext& c, PileIndex pile, int k) {
    Point p = PilePlace(c, pile);
    if (pile < 0 || pile >= kPileCount) return p;
    k = std::clamp(k, 0, c.table.Size(pile));
    const PileKind kind = KindOfPile(pile);
    const FanSteps& s = c.steps;
    const FanStyle style = FanStyleOf(c.params, pile);
    // A card's step depends on the face of the card it lies on.
    auto faceUpBelow = [&](int j) { return c.table.FaceUp(c.table.At(pile, j)); };
    switch (style) {
    case FanStyle::Vertical:
        for (int j = 0; j < k; ++j) p.y += faceUpBelow(j) ? s.verticalUp : s.verticalDown;
        break;
    case FanStyle::Horizontal:
        for (int j = 0; j < k; ++j) p.x += faceUpBelow(j) ? s.horizontalUp : s.horizontalDown;
        break;
    case FanStyle::SideBySide:
        p.x += k * (c.card.width + s.sideGap);
        break;
    case FanStyle::FixedVertical:
        if (kind == PileKind::Reserve) p.y += k * s.verticalFixed;
        break;
    case FanStyle::HorizontalEven:
        if (kind == PileKind::Tableau) p.x += k * s.horizontalEven;
        break;
    case FanStyle::SecondCardLower:
        if (k > 0) p.y += s.verticalUp;
        break;
    default:
        break; // every card on one spot
    }
    if (c.untidy && kind == PileKind::Tableau && style == FanStyle::Vertical)
        p.x += UntidyShift(*c.untidy, NumberInGroup(pile), k);
    return p;
}

} // namespace tablamor::layout
