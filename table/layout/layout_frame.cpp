// Margins, rows, centred line sets and the layout codes of the groups.
#include "table/layout/arrangements.h"
#include "table/layout/card_size.h"
#include "table/layout/layout_rounding.h"
#include "table/layout/layout_work.h"

#include <algorithm>
#include <string>

namespace tablamor::layout::detail {
namespace {

// Window and screen sizes are taken within this range, so that no position overflows.
constexpr int kLargestInput = 30000;
// Below this the window (or the screen) is low: closer rows, less width, the close line sets.
constexpr int kLowHeight = 500;
// Below this width the table is narrow: smaller gaps and margin.
constexpr int kNarrowWidth = 650;
constexpr int kLowWindowWidthLoss = 10;
constexpr int kRowSpacing = 10;
constexpr int kLowRowSpacing = 5;
constexpr int kMargin = 10;
constexpr int kNarrowMargin = 3;
constexpr int kStockThicknessRoom = 15; // room for the stock rising up and left as it grows
constexpr int kTopRowsStart = 15;       // tableau arrangement 15: row 1 below the table top
constexpr int kTopRowsSpacing = 5;      // tableau arrangement 15: space between rows 1..3
constexpr int kBottomRowFromWindow = 50;
constexpr int kBottomRowFromScreen = 30;
constexpr int kLineSpacing = 10;     // between lines of the centred sets
constexpr int kGridLastSpacing = 25; // the grid's last line, further apart
constexpr int kLineSetMinimumTop = 2;

int ClampInput(int value) {
    return std::clamp(value, 0, kLargestInput);
}

// The row digit: the first character of the parameter's decimal text, when it is 1..6.
int RowDigit(int value) {
    std::string text = std::to_string(value);
    int digit = text[0] - '0';
    return digit >= 1 && digit <= kRowCount ? digit : 0;
}

LayoutCode CodeOf(const GameParams& p, int arrangementParam, int rowParam) {
    return {p[arrangementParam], RowDigit(p[rowParam])};
}

int Count(const GameParams& p, int countParam, int most) {
    return std::clamp(static_cast<int>(p[countParam]), 0, most);
}

bool WidensForStock(const LayoutWork& w) {
    using namespace stock_arrangement;
    switch (w.stock.arrangement) {
    case kLeftOfTableau:
    case kOverTableau:
    case kLeftMargin:
    case kNearLeftOfTableau:
    case kWideLeftOfTableau:
        return true;
    default:
        return w.thirdPile.arrangement == third_pile_arrangement::kOverTableauLeft;
    }
}

} // namespace

std::optional<int> LayoutWork::Row(int digit) const {
    if (digit < 1 || digit > kRowCount) return std::nullopt;
    return rows[static_cast<std::size_t>(digit)];
}

std::optional<int> LayoutWork::X(PileIndex pile) const {
    int x = positions.X(pile);
    return IsUnset(x) ? std::nullopt : std::optional<int>(x);
}

std::optional<int> LayoutWork::Y(PileIndex pile) const {
    int y = positions.AbsoluteY(pile);
    return IsUnset(y) ? std::nullopt : std::optional<int>(y);
}

std::optional<int> LayoutWork::TableauX(int column) const {
    if (column < 0 || column >= tableauCount) return std::nullopt;
    return X(TableauPile(column));
}

void LayoutWork::Place(PileIndex pile, std::optional<int> x, std::optional<int> y) {
    if (x) positions.SetX(pile, *x);
    if (y) positions.SetY(pile, *y);
}

bool LayoutWork::StockPlaced() const {
    return params[param::kStockPlaced] == 1;
}
bool LayoutWork::WastePlaced() const {
    return params[param::kWastePlaced] == 1;
}

void SetUpFrame(LayoutWork& w, const LayoutInput& in) {
    const GameParams& p = w.params;
    CardSize card = CardSizeOf(in.cardSize);
    w.cardWidth = card.width;
    w.cardHeight = card.height;
    w.top = ClampInput(in.tableTop);
    w.bottom = ClampInput(in.tableBottom);
    const int windowHeight = ClampInput(in.windowHeight);
    const int screenHeight = ClampInput(in.screenHeight);
    const int width = ClampInput(in.windowWidth) - ClampInput(in.scrollBarWidth);
    w.tallScreen = screenHeight >= kLowHeight;
    w.narrowScreen = ClampInput(in.screenWidth) < kNarrowWidth;
    w.shadow = in.cardsShadowed ? kShadowAllowance : 0;

    w.stock = CodeOf(p, param::kStockLayout, param::kStockLayoutRow);
    w.foundations = CodeOf(p, param::kFoundationLayout, param::kFoundationLayoutRow);
    w.tableau = CodeOf(p, param::kTableauLayout, param::kTableauLayoutRow);
    w.reserves = CodeOf(p, param::kReserveLayout, param::kReserveLayoutRow);
    w.thirdPile = CodeOf(p, param::kThirdPileLayout, param::kThirdPileLayoutRow);
    w.stockCount = Count(p, param::kStockGroupPlaced, kFirstFoundation);
    w.foundationCount = Count(p, param::kFoundationCount, kMaxFoundations);
    w.tableauCount = Count(p, param::kTableauCount, kMaxTableaus);
    w.reserveCount = Count(p, param::kReserveCount, kMaxReserves);
    w.thirdCount = Count(p, param::kThirdPilePlaced, 1);

    const bool lowWindow = windowHeight < kLowHeight;
    w.usable = width - 2 - (lowWindow ? kLowWindowWidthLoss : 0);
    w.spacing = lowWindow ? kLowRowSpacing : kRowSpacing;
    w.narrowTable = w.usable < kNarrowWidth;
    w.margin = w.narrowTable ? kNarrowMargin : kMargin;
    if (w.stockCount > 0) {
        w.margin += w.shadow;
        if (WidensForStock(w)) w.margin += kStockThicknessRoom;
    }

    const int H = w.cardHeight;
    auto& r = w.rows;
    r[1] = w.top + w.spacing + (w.stock.rowDigit == 1 ? kStockThicknessRoom : 0);
    r[2] = r[1] + w.spacing + H;
    if (w.stock.rowDigit == 2 || w.stock.arrangement == stock_arrangement::kLeftOfTableau)
        r[2] += kStockThicknessRoom;
    r[3] = r[2] + w.spacing + H;
    r[4] = r[3] + w.spacing + H;
    // A window that fills most of the screen keeps the bottom row inside the window; a smaller
    // one puts it near the bottom of the screen.
    if (5LL * windowHeight > 4LL * screenHeight)
        r[kBottomRow] = windowHeight - kBottomRowFromWindow - H;
    else
        r[kBottomRow] = screenHeight - kBottomRowFromScreen - H;
    r[6] = r[2] + RoundRatio(r[3] - r[2], 2);
    if (w.tableau.arrangement == tableau_arrangement::kSpreadTopRows) {
        r[1] = w.top + kTopRowsStart;
        r[2] = r[1] + H + kTopRowsSpacing;
        r[3] = r[2] + H + kTopRowsSpacing;
    }
}

int ThreeLineY(const LayoutWork& w, int line) {
    const int H = w.cardHeight;
    int avail = w.bottom - w.top - 3 * H - 2 * kLineSpacing;
    int first = std::max(w.top + RoundRatio(avail, 2), w.top + kLineSetMinimumTop);
    return first + std::max(line, 0) * (H + kLineSpacing);
}

int FourLineY(const LayoutWork& w, int line, bool grid) {
    const int H = w.cardHeight;
    const int lastSpacing = grid ? kGridLastSpacing : kLineSpacing;
    int avail = w.bottom - w.top - 4 * H - 2 * kLineSpacing - lastSpacing;
    int y = std::max(w.top + RoundRatio(avail, 2), w.top + kLineSetMinimumTop);
    for (int l = 2; l <= line; ++l) y += H + (l == 4 ? lastSpacing : kLineSpacing);
    return y;
}

} // namespace tablamor::layout::detail
