#include "table/layout/hit_test.h"

#include "table/layout/fan_steps.h"

#include <algorithm>

namespace tablamor::layout {
namespace {

constexpr int kWholeReserveLift = -11;

int Count(const GameParams& p, int param, int max) {
    return std::clamp<int>(p[param], 0, max);
}

// The topmost card of the pile whose place holds the point.
std::optional<Hit> CardUnder(const TableGeometry& g, PileIndex pile, int x, int y) {
    const Table& table = g.Context().table;
    for (int k = table.Size(pile) - 1; k >= 0; --k) {
        Rect r = g.CardRect(pile, k);
        if (r.Contains(x, y)) {
            // A pile gathered on one spot is taken by its top card.
            const FanStyle style = FanStyleOf(g.Context().params, pile);
            if (style == FanStyle::WholePile || style == FanStyle::OneSpot)
                return Hit{table.Top(pile), pile, g.TopCardRect(pile)};
            return Hit{table.At(pile, k), pile, r};
        }
    }
    return std::nullopt;
}

// The whole pile's extent: from its first card's place to its top card's.
Rect PileExtent(const TableGeometry& g, PileIndex pile) {
    Rect first = g.CardRect(pile, 0);
    Rect top = g.TopCardRect(pile);
    int left = std::min(first.x, top.x), topY = std::min(first.y, top.y);
    int right = std::max(first.Right(), top.Right()),
        bottom = std::max(first.Bottom(), top.Bottom());
    return {left, topY, right - left, bottom - topY};
}

} // namespace

std::optional<Hit> HitTest(const TableGeometry& g, int x, int y) {
    const GameParams& p = g.Context().params;
    const Table& table = g.Context().table;

    for (PileIndex pile : {kStockPile, kWastePile}) {
        if (!g.Placed(pile)) continue;
        Rect r = g.TopCardRect(pile);
        if (r.Contains(x, y)) return Hit{table.Top(pile), pile, r};
    }

    const int columns = Count(p, param::kTableauCount, kMaxTableaus);
    const bool backwards = FanStyleOf(p, PileKind::Tableau) == FanStyle::SideBySide;
    for (int i = 0; i < columns; ++i) {
        PileIndex pile = TableauPile(backwards ? columns - 1 - i : i);
        if (!g.Placed(pile)) continue;
        if (table.Empty(pile)) {
            if (g.TopCardRect(pile).Contains(x, y)) return Hit{kNoCard, pile, g.TopCardRect(pile)};
            continue;
        }
        if (auto hit = CardUnder(g, pile, x, y)) return hit;
        // Side by side, the search goes on until a column yields a card; otherwise a column
        // whose extent holds the point ends it.
        if (!backwards && PileExtent(g, pile).Contains(x, y)) break;
    }

    for (int n = 0; n < kMaxFoundations; ++n) {
        PileIndex pile = FoundationPile(n);
        if (!g.Placed(pile)) continue;
        Rect r = g.TopCardRect(pile);
        if (r.Contains(x, y)) return Hit{table.Top(pile), pile, r};
    }

    for (int n = 0; n < Count(p, param::kReserveCount, kMaxReserves); ++n) {
        PileIndex pile = ReservePile(n);
        if (!g.Placed(pile)) continue;
        if (table.Empty(pile)) {
            if (g.TopCardRect(pile).Contains(x, y)) return Hit{kNoCard, pile, g.TopCardRect(pile)};
            continue;
        }
        if (auto hit = CardUnder(g, pile, x, y)) {
            if (p[param::kReserveLift] == kWholeReserveLift) hit->rect.height = g.CardHeight();
            return hit;
        }
    }
    return std::nullopt;
}

} // namespace tablamor::layout
