#pragma once
// Shared pieces of the layout tests: a window of a given size and pile expectations.
#include "engine/params.h"
#include "engine/piles.h"
#include "table/layout/layout_input.h"

#include <string>

namespace tablamor::layout::testing {

// The table of a window that fills a screen of the same size, below the large toolbar.
inline LayoutInput Window(int width, int height, CardSizeLetter size = CardSizeLetter::Big) {
    LayoutInput in;
    in.tableTop = kLargeToolbarTableTop;
    in.tableBottom = height - 1;
    in.windowWidth = width;
    in.windowHeight = height;
    in.screenWidth = width;
    in.screenHeight = height;
    in.cardSize = size;
    return in;
}

// One group's code: arrangement, row digit and count.
inline void Group(GameParams& p, int arrangementParam, int arrangement, int rowParam, int row,
                  int countParam, int count) {
    p[arrangementParam] = static_cast<std::int16_t>(arrangement);
    p[rowParam] = static_cast<std::int16_t>(row);
    p[countParam] = static_cast<std::int16_t>(count);
}

inline void Tableau(GameParams& p, int arrangement, int row, int count) {
    Group(p, param::kTableauLayout, arrangement, param::kTableauLayoutRow, row,
          param::kTableauCount, count);
}
inline void Foundations(GameParams& p, int arrangement, int row, int count) {
    Group(p, param::kFoundationLayout, arrangement, param::kFoundationLayoutRow, row,
          param::kFoundationCount, count);
}
inline void Reserves(GameParams& p, int arrangement, int row, int count) {
    Group(p, param::kReserveLayout, arrangement, param::kReserveLayoutRow, row,
          param::kReserveCount, count);
}
// The stock group; `stock` and `waste` say which of the two the game puts on the table.
inline void Stock(GameParams& p, int arrangement, int row, int count, bool stock, bool waste) {
    Group(p, param::kStockLayout, arrangement, param::kStockLayoutRow, row,
          param::kStockGroupPlaced, count);
    p[param::kStockPlaced] = stock ? 1 : 0;
    p[param::kWastePlaced] = waste ? 1 : 0;
}
inline void ThirdPile(GameParams& p, int arrangement, int row) {
    Group(p, param::kThirdPileLayout, arrangement, param::kThirdPileLayoutRow, row,
          param::kThirdPilePlaced, 1);
}

// Where one pile is expected.
struct At {
    std::string pile;
    int x;
    int y;
};

} // namespace tablamor::layout::testing
