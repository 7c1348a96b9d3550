// Where the tableau columns lie, for every tableau arrangement.
#include "table/layout/arrangements.h"
#include "table/layout/fan_steps.h"
#include "table/layout/layout_rounding.h"
#include "table/layout/layout_work.h"

#include <algorithm>
#include <array>

namespace tablamor::layout::detail {
namespace {

using namespace tableau_arrangement;

constexpr int kSmallestGap = 4;
constexpr int kLargestGap = 20;
constexpr int kGapBesideOverStock = 15; // room for the stock's thickness over a column
constexpr int kFixedGap = 10;
constexpr int kNarrowFixedGap = 5;
constexpr int kNarrowScreenStartShift = 2;
constexpr int kShrinkRoundUp = 99; // hundredths added before rounding the gap shrink
// Arrangements with room at the left for the stock group.
constexpr int kStockRoomExtra = 32;
constexpr int kStockRoomRightSlack = 30;
constexpr int kStockRoomLeftSlack = 10;
constexpr int kStockRoomPileGap = 22;
constexpr int kStockRoomWideShift = 15;
constexpr int kStockRoomGapCap = 15; // a gap above 20 drops to this
constexpr int kPackedStockRoomGap = 2;
// Wrapping and packed arrangements.
constexpr int kCloseGapPercent = 85;     // of a card width
constexpr int kWideGapMinimumHalves = 3; // 1.5 card widths
constexpr int kShortWrapStart = 15;
constexpr int kTallWrapStartShift = 10;
constexpr int kPackedTallStart = 48;
constexpr int kPackedShortStart = 8;
constexpr int kPackedGap = 4;
constexpr int kUnderFoundationsGap = 10;
// The slanted group of seven.
constexpr int kSlantedColumns = 7;
constexpr int kSlantedStockTallX = 40;
constexpr int kSlantedStockShortX = 15;
constexpr int kSlantedWasteDrop = 10;
constexpr int kSlantedStepExtra = 3;
constexpr int kSlantedClearance = 3; // column 6 must lie this far right of the stock
constexpr int kSlantedShift = 3;
constexpr int kSlantedTallDrop = 4;
constexpr int kSlantedShortRise = 8;
constexpr int kSlantedThirdGap = 30;
constexpr int kSlantedThirdPush = 33;
// The peaks: the stock and the third pile this far apart below the last row.
constexpr int kPeaksStockGap = 30;
constexpr int kPeaksStockRoom = 15; // room for the stock's thickness
constexpr int kPeaksRowMargin = 10; // the widest row keeps this far from either edge
// The grid filling the table's height: its columns this far apart, the stock and the third pile
// this far left and right of it.
constexpr int kGridColumnGap = 10;
constexpr int kGridSideGap = 30;

using Coordinates = std::array<std::optional<int>, kMaxTableaus>;

struct Columns {
    Coordinates x{};
    Coordinates y{};
};

int ClampGap(int gap) {
    return std::clamp(gap, kSmallestGap, kLargestGap);
}

bool StockOverTableau(const LayoutWork& w) {
    return w.stock.arrangement == stock_arrangement::kOverTableau ||
           w.thirdPile.arrangement == third_pile_arrangement::kOverTableauLeft;
}

// Every column one card width and the gap right of the one before, on one row.
void FillRow(const LayoutWork& w, Columns& c, int x0, int gap) {
    std::optional<int> y = w.Row(w.tableau.rowDigit);
    for (int i = 0; i < w.tableauCount; ++i) {
        c.x[i] = i == 0 ? x0 : *c.x[i - 1] + w.cardWidth + gap;
        c.y[i] = y;
    }
}

// A row of n columns that would start left of the margin gives up gap and starts at the margin.
void ShrinkToMargin(const LayoutWork& w, int n, int& gap, int& x0) {
    // A single column has no gap to give up.
    if (n > 1) {
        double shrink = static_cast<double>(w.margin - x0) / (n - 1);
        gap = ClampGap(gap - RoundHalfEven(shrink + kShrinkRoundUp / 100.0));
    }
    x0 = w.narrowScreen ? w.margin - kNarrowScreenStartShift : w.margin;
}

void Spread(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount, W = w.cardWidth, a = w.tableau.arrangement;
    int gap = ClampGap(RoundRatio(w.usable - n * W, n + 1));
    if (a == kSpread && StockOverTableau(w)) gap = std::max(gap, kGapBesideOverStock);
    int x0 = RoundRatio(w.usable - n * W - (n - 1) * gap, 2);
    if (x0 < w.margin) {
        if (a != kSpread)
            ShrinkToMargin(w, n, gap, x0);
        else
            x0 = w.margin;
    }
    w.tableauGap = gap;
    FillRow(w, c, x0, gap);
    if (a != kSpread && StockOverTableau(w) && gap < kGapBesideOverStock) {
        // The columns under the stock group keep room for its thickness.
        for (int i = 1; i < std::min(w.stockCount, n); ++i)
            c.x[i] = *c.x[i - 1] + W + kGapBesideOverStock;
        for (int i = std::max(w.stockCount, 1); i < n; ++i) c.x[i] = *c.x[i - 1] + W + gap;
    }
}

void CentredFixedGap(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount;
    int gap = w.narrowTable ? kNarrowFixedGap : kFixedGap;
    int x0 = w.forcedTableauStart ? *w.forcedTableauStart
                                  : RoundRatio(w.usable - n * w.cardWidth - (n - 1) * gap, 2);
    w.tableauGap = gap;
    FillRow(w, c, x0, gap);
}

void RoomForStock(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount, W = w.cardWidth, a = w.tableau.arrangement;
    const int f = (a == kRoomForTwo || a == kRoomForTwoPacked) ? 2 : 1;
    int gap = RoundRatio(w.usable - (n + f) * W - kStockRoomExtra, n + 1 + f);
    if (gap < kSmallestGap)
        gap = kSmallestGap;
    else if (gap > kLargestGap)
        gap = kStockRoomGapCap;
    if (a == kRoomForTwoPacked) gap = kPackedStockRoomGap;
    int x0 = RoundRatio(
        w.usable - kStockRoomRightSlack - (n + f) * W - gap * (n + f - 2) - kStockRoomLeftSlack, 2);
    x0 = std::max(x0, w.margin) + f * (W + kStockRoomPileGap);
    if (a == kRoomForTwo || a == kRoomForStockWide) x0 += kStockRoomWideShift;
    w.tableauGap = gap;
    FillRow(w, c, x0, gap);
}

// Columns per line of the wrapping arrangements, at least one.
int ColumnsPerLine(const LayoutWork& w) {
    int lines = std::max<int>(w.params[param::kTableauLines], 1);
    return std::max(RoundRatio(w.tableauCount, lines), 1);
}

bool OneLine(const LayoutWork& w) {
    return w.params[param::kTableauLines] <= 1;
}

int CloseGap(const LayoutWork& w) {
    return RoundRatio(kCloseGapPercent * w.cardWidth, 100);
}

int WideGap(const LayoutWork& w, int perLine) {
    return std::max(RoundRatio(w.usable - perLine * w.cardWidth - 2, perLine + 1),
                    RoundRatio(kWideGapMinimumHalves * w.cardWidth, 2));
}

// Columns left to right, a new line every `perLine` columns; lineY gives a line's y.
template <class LineY>
void Wrap(LayoutWork& w, Columns& c, int x0, int gap, int firstLine, LineY lineY) {
    const int perLine = ColumnsPerLine(w);
    int line = firstLine;
    for (int i = 0; i < w.tableauCount; ++i) {
        if (i == 0) {
            c.x[i] = x0;
        } else if (OneLine(w) || i % perLine != 0) {
            c.x[i] = *c.x[i - 1] + w.cardWidth + gap;
        } else {
            c.x[i] = x0;
            ++line;
        }
        c.y[i] = lineY(line);
    }
    w.tableauGap = gap;
}

// Whether a group other than the tableau lies in row 1.
bool RowOneTaken(const LayoutWork& w) {
    constexpr int kFirstRow = 1;
    return (w.stockCount > 0 && w.stock.rowDigit == kFirstRow) ||
           (w.foundationCount > 0 && w.foundations.rowDigit == kFirstRow) ||
           (w.reserveCount > 0 && w.reserves.rowDigit == kFirstRow) ||
           (w.thirdCount > 0 && w.thirdPile.rowDigit == kFirstRow);
}

// The lines are centred in the table height; when another group lies in row 1 they never start
// above row 2, or a short table would lay the first line over that row.
void WrapClose(LayoutWork& w, Columns& c) {
    constexpr int kSecondRow = 2;
    int shift = 0;
    if (RowOneTaken(w)) shift = std::max(*w.Row(kSecondRow) - ThreeLineY(w, 0), 0);
    Wrap(w, c, kShortWrapStart, CloseGap(w), 0, [&](int l) { return ThreeLineY(w, l) + shift; });
}

void WrapWide(LayoutWork& w, Columns& c) {
    if (!w.Row(w.tableau.rowDigit)) return;
    int x0 = w.tallScreen ? w.margin + kTallWrapStartShift : kShortWrapStart;
    Wrap(w, c, x0, WideGap(w, ColumnsPerLine(w)), w.tableau.rowDigit,
         [&](int l) { return FourLineY(w, l, false); });
}

// The grid, and the third stock-group pile beside or under it.
void WrapGrid(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount;
    constexpr int kGridLastLine = 4;
    constexpr int kCloseThirdLine = 2;
    if (w.tallScreen) {
        int x0 = w.margin + kTallWrapStartShift;
        Wrap(w, c, x0, WideGap(w, ColumnsPerLine(w)), 1,
             [&](int l) { return FourLineY(w, l, true); });
        w.Place(kThirdPile, x0, FourLineY(w, kGridLastLine, true));
    } else {
        int gap = CloseGap(w);
        Wrap(w, c, kShortWrapStart, gap, 0, [&](int l) { return ThreeLineY(w, l); });
        if (n > 0)
            w.Place(kThirdPile, *c.x[n - 1] + w.cardWidth + gap, ThreeLineY(w, kCloseThirdLine));
    }
}

// Seven columns stepping down to the left, the stock and waste at the left, the third pile at
// the right.
void Slanted(LayoutWork& w, Columns& c) {
    const int W = w.cardWidth, H = w.cardHeight;
    const int step = RoundRatio(W, 2) + kSlantedStepExtra;
    const int stockX = w.tallScreen ? kSlantedStockTallX : kSlantedStockShortX;
    w.Place(kStockPile, stockX, w.rows[1]);
    w.Place(kWastePile, stockX, w.rows[2] + kSlantedWasteDrop);

    std::array<int, kSlantedColumns> x{};
    x[0] = RoundRatio(w.usable - W, 2);
    for (int i = 1; i < kSlantedColumns; ++i) x[i] = x[i - 1] - step;
    while (x[5] <= stockX + W + kSlantedClearance)
        for (int& v : x) v += kSlantedShift;

    int thirdX = w.usable - step - W;
    if (thirdX < x[5] + 6 * W + kSlantedThirdGap) thirdX = x[5] + 6 * W + kSlantedThirdPush;
    w.Place(kThirdPile, thirdX, w.rows[1]);

    const int drop =
        w.tallScreen ? RoundRatio(H, 2) + kSlantedTallDrop : RoundRatio(H, 2) - kSlantedShortRise;
    int y = w.rows[1];
    for (int i = 0; i < std::min(w.tableauCount, kSlantedColumns); ++i, y += drop) {
        c.x[i] = x[static_cast<std::size_t>(i)];
        c.y[i] = y;
    }
}

// Twelve or thirteen columns too many for one line: the first half (one more when odd) on the
// tableau's row, the rest centred under them half-way between that row and the table bottom, so
// the columns of both lines have the same room to grow downwards. Each line is spread as
// arrangement 14 spreads its row.
void TwoLines(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount, W = w.cardWidth;
    const std::optional<int> firstY = w.Row(w.tableau.rowDigit);
    if (n == 0 || !firstY) return;
    const int perLine = (n + 1) / 2;
    int gap = ClampGap(RoundRatio(w.usable - perLine * W, perLine + 1));
    int x0 = RoundRatio(w.usable - perLine * W - (perLine - 1) * gap, 2);
    if (x0 < w.margin) ShrinkToMargin(w, perLine, gap, x0);
    const int secondY =
        *firstY + std::max(w.cardHeight + w.spacing, RoundRatio(w.bottom - *firstY, 2));
    const int secondX0 = x0 + RoundRatio((2 * perLine - n) * (W + gap), 2);
    for (int i = 0; i < n; ++i) {
        const bool first = i < perLine;
        const int place = first ? i : i - perLine;
        c.x[i] = (first ? x0 : secondX0) + place * (W + gap);
        c.y[i] = first ? *firstY : secondY;
    }
    w.tableauGap = gap;
}

// Rows of peaks (engine/peaks.h): the last row, whole, centred; each row above one place shorter,
// half a place further right and half a card higher; the stock and the third pile centred below.
void Peaks(LayoutWork& w, Columns& c) {
    const int W = w.cardWidth, H = w.cardHeight, rows = w.tableauCount;
    if (rows == 0) return;
    const int place = W + kSideBySideGap;
    const int lastRow = std::max<int>(1, w.params.At(param::kTableauDealt, rows - 1));
    // Centred when that leaves the margin on both sides. A row too wide for that starts at the
    // margin and reaches past the table's right edge, so that "Fit to window" takes a card small
    // enough to keep the margins rather than one whose row touches both edges.
    const int rowWidth = lastRow * place - kSideBySideGap;
    const int centredX = RoundRatio(w.usable - rowWidth, 2);
    const int lastX =
        centredX >= kPeaksRowMargin
            ? centredX
            : std::max(kPeaksRowMargin, w.usable - rowWidth + kPeaksRowMargin + kSideBySideGap);
    const int drop = RoundRatio(H, 2);
    for (int i = 0; i < rows; ++i) {
        c.x[i] = lastX + RoundRatio((rows - 1 - i) * place, 2);
        c.y[i] = w.rows[1] + i * drop;
    }
    const int belowY = *c.y[rows - 1] + H + w.spacing + kPeaksStockRoom;
    const int middle = RoundRatio(w.usable, 2);
    w.Place(kStockPile, middle - kPeaksStockGap / 2 - W, belowY);
    w.Place(kThirdPile, middle + kPeaksStockGap / 2, belowY);
}

// A grid of squared piles (Monte Carlo): TableauLines lines of equal length, centred across the
// table, the lines a row apart or, on a short table, as far apart as its height lets them be
// (edge to edge at the least, so five lines of big cards fit a 480-pixel table); the stock left
// of the second line and the third pile right of the first.
void HeightFilledGrid(LayoutWork& w, Columns& c) {
    const int n = w.tableauCount, W = w.cardWidth, H = w.cardHeight;
    if (n == 0) return;
    const int perLine = ColumnsPerLine(w);
    const int lines = (n + perLine - 1) / perLine;
    const int height = w.bottom - w.top;
    const int step = lines > 1 ? std::min(H + w.spacing, (height - H) / (lines - 1)) : 0;
    const int gridWidth = perLine * W + (perLine - 1) * kGridColumnGap;
    const int x0 = RoundRatio(w.usable - gridWidth, 2);
    const int y0 = w.top + std::max(0, RoundRatio(height - H - (lines - 1) * step, 2));
    for (int i = 0; i < n; ++i) {
        c.x[i] = x0 + (i % perLine) * (W + kGridColumnGap);
        c.y[i] = y0 + (i / perLine) * step;
    }
    w.tableauGap = kGridColumnGap;
    // the stock beside the second line: its thickness would reach above the first
    w.Place(kStockPile, x0 - kGridSideGap - W, y0 + step);
    w.Place(kThirdPile, x0 + gridWidth + kGridSideGap, y0);
}

void LeftPacked(LayoutWork& w, Columns& c) {
    w.tableauGap = kPackedGap;
    FillRow(w, c, w.tallScreen ? kPackedTallStart : kPackedShortStart, kPackedGap);
}

void Write(LayoutWork& w, const Columns& c) {
    for (int i = 0; i < w.tableauCount; ++i) w.Place(TableauPile(i), c.x[i], c.y[i]);
}

} // namespace

bool PlaceTableau(LayoutWork& w) {
    Columns c;
    bool ends = false;
    switch (w.tableau.arrangement) {
    case kSpread:
    case kSpreadShrink:
    case kSpreadTopRows:
        Spread(w, c);
        break;
    case kCentredFixedGap:
        CentredFixedGap(w, c);
        break;
    case kRoomForStock:
    case kRoomForTwo:
    case kRoomForStockWide:
    case kRoomForTwoPacked:
        RoomForStock(w, c);
        break;
    case kWrapClose:
        WrapClose(w, c);
        break;
    case kWrapWide:
        WrapWide(w, c);
        break;
    case kWrapGrid:
        WrapGrid(w, c);
        ends = true;
        break;
    case kSlanted:
        Slanted(w, c);
        ends = true;
        break;
    case kPeaks:
        Peaks(w, c);
        ends = true;
        break;
    case kHeightFilledGrid:
        HeightFilledGrid(w, c);
        ends = true;
        break;
    case kLeftPacked:
        LeftPacked(w, c);
        break;
    case kTwoLines:
        TwoLines(w, c);
        break;
    default:
        // Placed later (under the foundations) or not at all; the columns keep their row.
        if (w.tableauCount > 0) c.y[0] = w.Row(w.tableau.rowDigit);
        break;
    }
    Write(w, c);
    return ends;
}

void PlaceTableauUnderFoundations(LayoutWork& w) {
    if (w.tableau.arrangement != kUnderFoundations || w.foundationCount == 0) return;
    const int n = w.tableauCount, W = w.cardWidth;
    auto first = w.X(FoundationPile(0));
    auto last = w.X(FoundationPile(w.foundationCount - 1));
    if (!first || !last) return;
    Columns c;
    int x0 = *first + RoundRatio(*last + W - *first - n * W - kUnderFoundationsGap * (n - 1), 2);
    FillRow(w, c, x0, kUnderFoundationsGap);
    Write(w, c);
}

} // namespace tablamor::layout::detail
