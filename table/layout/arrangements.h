#pragma once
// Arrangement numbers of the layout codes, one set per pile group. A number that a group does
// not list places nothing of that group (apart from the y of its row).
namespace tablamor::layout {

namespace tableau_arrangement {
inline constexpr int kSpread = 1;            // centred, gap 4..20 from the width
inline constexpr int kCentredFixedGap = 2;   // centred, gap 10 (5 on narrow tables)
inline constexpr int kRoomForStock = 3;      // room for one pile at the left
inline constexpr int kWrapClose = 10;        // wrapping lines, close together
inline constexpr int kRoomForTwo = 11;       // room for two piles at the left
inline constexpr int kRoomForStockWide = 12; // room for one pile, 15 px further right
inline constexpr int kLeftPacked = 13;       // packed from the left edge
inline constexpr int kSpreadShrink = 14;     // as 1, shrinking the gap to fit the margin
inline constexpr int kSpreadTopRows = 15;    // as 14, with tighter rows
inline constexpr int kWrapWide = 18;         // wrapping lines, wide apart
inline constexpr int kUnderFoundations = 20; // centred under the foundations
inline constexpr int kRoomForTwoPacked = 21; // room for two piles, columns 2 px apart
inline constexpr int kTwoLines = 22;         // two lines of columns, the second half-way down
inline constexpr int kWrapGrid = 53;         // wrapping grid; nothing else is placed
inline constexpr int kSlanted = 54;          // slanted group of seven; ends the layout
inline constexpr int kPeaks = 55; // rows of peaks over the stock and third pile; ends the layout
inline constexpr int kHeightFilledGrid = 56; // a grid as tall as the table lets it be; ends it
} // namespace tableau_arrangement

namespace stock_arrangement {
inline constexpr int kLeftOfTableau = 3;      // left of the tableau, waste below the stock
inline constexpr int kOverTableau = 4;        // over the first tableau columns
inline constexpr int kLeftMargin = 5;         // side by side from the left margin
inline constexpr int kFarLeftOfTableau = 11;  // two piles left of the tableau
inline constexpr int kLeftEdge = 13;          // side by side at the left edge
inline constexpr int kNearLeftOfTableau = 16; // one pile 30 px left of the tableau
inline constexpr int kWideLeftOfTableau = 19; // one pile 60 px left of the tableau
inline constexpr int kPairLeftOfTableau = 21; // two piles close left of the tableau
} // namespace stock_arrangement

namespace foundation_arrangement {
inline constexpr int kSpread = 1;                // spread over the width
inline constexpr int kCentred = 2;               // centred
inline constexpr int kOverLastColumns = 7;       // over the last tableau columns
inline constexpr int kRightEdge = 8;             // packed against the right edge
inline constexpr int kFromLastColumn = 9;        // leftwards from the last tableau column
inline constexpr int kOverLastColumnsTight = 13; // as 7; packed on short screens
inline constexpr int kBesideStock = 17;          // to the right of the stock or waste
} // namespace foundation_arrangement

namespace reserve_arrangement {
inline constexpr int kOverFirstColumns = 4; // reserve i over tableau column i
inline constexpr int kLeftMargin = 5;       // from the left margin (clash checked)
inline constexpr int kFromTableauStart = 6; // from the first tableau column rightwards
inline constexpr int kOverLastColumns = 7;  // over the last tableau columns
inline constexpr int kUnderWaste = 11;      // the first reserve at the waste's x
inline constexpr int kLeftOfTableau = 12;   // the first reserve left of the tableau
} // namespace reserve_arrangement

namespace third_pile_arrangement {
inline constexpr int kOverTableauLeft = 4;  // only widens the left margin
inline constexpr int kOverSecondColumn = 6; // at the second tableau column's x
inline constexpr int kOverLastColumn = 7;   // at the last tableau column's x
inline constexpr int kUnderStock = 16;      // under the stock
} // namespace third_pile_arrangement

} // namespace tablamor::layout
