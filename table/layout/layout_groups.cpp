// Where the stock group, the foundations, the reserves and the third stock-group pile lie; most
// arrangements take their x from the tableau columns already placed.
#include "table/layout/arrangements.h"
#include "table/layout/layout_rounding.h"
#include "table/layout/layout_work.h"

#include <algorithm>

namespace tablamor::layout::detail {
namespace {

std::optional<int> Minus(std::optional<int> x, int amount) {
    return x ? std::optional<int>(*x - amount) : std::nullopt;
}
std::optional<int> Plus(std::optional<int> x, int amount) {
    return Minus(x, -amount);
}

} // namespace

void PlaceStockGroup(LayoutWork& w) {
    using namespace stock_arrangement;
    constexpr int kBesideTableauGap = 22;
    constexpr int kFarWasteGap = 45;
    constexpr int kFarStockGap = 15;
    constexpr int kEdgeX = 15;
    constexpr int kEdgePileGap = 15;
    constexpr int kNearGap = 30;
    constexpr int kWideGap = 60;
    constexpr int kPairWasteGap = 15;
    constexpr int kPairStockGap = 20;
    if (w.stockCount == 0) return;
    const int W = w.cardWidth;
    const std::optional<int> y = w.Row(w.stock.rowDigit);
    for (int i = 0; i < w.stockCount; ++i) w.Place(i, std::nullopt, y);

    switch (w.stock.arrangement) {
    case kOverTableau:
        if (w.StockPlaced() && w.WastePlaced()) {
            w.Place(kStockPile, w.TableauX(0), std::nullopt);
            w.Place(kWastePile, w.TableauX(1), std::nullopt);
        } else if (w.WastePlaced()) {
            w.Place(kWastePile, w.TableauX(0), std::nullopt);
        } else if (w.StockPlaced()) {
            w.Place(kStockPile, w.TableauX(0), std::nullopt);
        }
        break;
    case kLeftMargin:
        for (int i = 0; i < w.stockCount; ++i)
            w.Place(i, w.margin + i * (W + w.margin), std::nullopt);
        break;
    case kLeftOfTableau: {
        auto x = Minus(w.TableauX(0), W + kBesideTableauGap);
        w.Place(kStockPile, x, std::nullopt);
        if (w.WastePlaced()) w.Place(kWastePile, x, w.rows[2]); // under the stock
        break;
    }
    case kFarLeftOfTableau: {
        auto waste = Minus(w.TableauX(0), W + kFarWasteGap);
        w.Place(kWastePile, waste, std::nullopt);
        w.Place(kStockPile, Minus(waste, W + kFarStockGap), std::nullopt);
        break;
    }
    case kLeftEdge: {
        int x = kEdgeX + (w.tallScreen ? RoundRatio(w.shadow, 2) : 0);
        w.Place(kStockPile, x, std::nullopt);
        if (w.stockCount >= 2) w.Place(kWastePile, x + W + kEdgePileGap, std::nullopt);
        break;
    }
    case kNearLeftOfTableau:
    case kWideLeftOfTableau: {
        int gap = w.stock.arrangement == kNearLeftOfTableau ? kNearGap : kWideGap;
        w.Place(w.StockPlaced() ? kStockPile : kWastePile, Minus(w.TableauX(0), W + gap),
                std::nullopt);
        break;
    }
    case kPairLeftOfTableau: {
        auto waste = Minus(w.TableauX(0), W + kPairWasteGap);
        w.Place(kWastePile, waste, std::nullopt);
        w.Place(kStockPile, Minus(waste, W + kPairStockGap), std::nullopt);
        break;
    }
    default:
        break;
    }
    if (!w.Y(kWastePile)) w.Place(kWastePile, std::nullopt, w.Y(kStockPile));
}

void PlaceFoundations(LayoutWork& w) {
    using namespace foundation_arrangement;
    constexpr int kBesideStockTallGap = 20;
    constexpr int kBesideStockShortGap = 10;
    constexpr int kBesideStockTallStep = 3;
    constexpr int kBesideStockShortStep = 1;
    constexpr int kRightEdgeSlack = 5;
    constexpr int kTightStep = 1;
    const int k = w.foundationCount, n = w.tableauCount, W = w.cardWidth;
    w.foundationGap = std::max(1, RoundRatio(w.tableauGap, 3));
    if (k == 0) return;
    const std::optional<int> y = w.Row(w.foundations.rowDigit);
    auto put = [&](int i, std::optional<int> x) { w.Place(FoundationPile(i), x, y); };
    // The last foundation at `last`, each earlier one `step` further left.
    auto leftwards = [&](std::optional<int> last, int step) {
        for (int i = k - 1; i >= 0; --i) put(i, Minus(last, (k - 1 - i) * step));
    };
    auto rightwards = [&](int first, int step) {
        for (int i = 0; i < k; ++i) put(i, first + i * step);
    };
    auto overLastColumns = [&] {
        for (int i = 0; i < k; ++i) put(i, w.TableauX(n - k + i));
    };

    switch (w.foundations.arrangement) {
    case kOverLastColumns:
        overLastColumns();
        break;
    case kFromLastColumn:
        leftwards(w.TableauX(n - 1), W + w.foundationGap);
        break;
    case kSpread:
        w.foundationGap = std::max(1, RoundRatio(w.usable - k * W - 2, k + 1));
        rightwards(w.foundationGap, W + w.foundationGap);
        break;
    case kCentred:
        w.foundationGap = std::max(1, RoundRatio(w.tableauGap, 2));
        rightwards(RoundRatio(w.usable - k * W - (k - 1) * w.foundationGap, 2),
                   W + w.foundationGap);
        break;
    case kRightEdge:
        leftwards(w.usable - W - w.margin - kRightEdgeSlack, W + w.margin);
        break;
    case kOverLastColumnsTight:
        if (w.tallScreen)
            overLastColumns();
        else
            leftwards(w.TableauX(n - 1), W + kTightStep);
        break;
    case kBesideStock: {
        PileIndex anchor = w.WastePlaced() ? kWastePile : kStockPile;
        auto x0 =
            Plus(w.X(anchor), W + (w.tallScreen ? kBesideStockTallGap : kBesideStockShortGap));
        int step = W + (w.tallScreen ? kBesideStockTallStep : kBesideStockShortStep);
        for (int i = 0; i < k; ++i) w.Place(FoundationPile(i), Plus(x0, i * step), w.Y(anchor));
        break;
    }
    default:
        for (int i = 0; i < k; ++i) put(i, std::nullopt);
        break;
    }
}

void PlaceReserves(LayoutWork& w) {
    using namespace reserve_arrangement;
    constexpr int kLeftOfWideTableauGap = 22;
    constexpr int kLeftOfTableauGap = 45;
    constexpr int kWideTableau = 7;
    const int r = w.reserveCount, n = w.tableauCount, W = w.cardWidth;
    if (r == 0) return;
    const std::optional<int> y = w.Row(w.reserves.rowDigit);
    auto put = [&](int i, std::optional<int> x) { w.Place(ReservePile(i), x, y); };
    switch (w.reserves.arrangement) {
    case kFromTableauStart:
        for (int i = 0; i < r; ++i) put(i, Plus(w.TableauX(0), i * (W + w.foundationGap)));
        break;
    case kOverFirstColumns:
        for (int i = 0; i < r; ++i) put(i, w.TableauX(i));
        break;
    case kLeftMargin:
        for (int i = 0; i < r; ++i) put(i, w.margin + i * (W + w.margin));
        break;
    case kOverLastColumns:
        for (int i = 0; i < r; ++i) put(i, w.TableauX(n - r + i));
        break;
    case kUnderWaste:
        put(0, w.X(kWastePile));
        break;
    case kLeftOfTableau:
        put(0, Minus(w.TableauX(0),
                     W + (n > kWideTableau ? kLeftOfWideTableauGap : kLeftOfTableauGap)));
        break;
    default:
        put(0, std::nullopt);
        break;
    }
}

void PlaceThirdPile(LayoutWork& w) {
    using namespace third_pile_arrangement;
    constexpr int kUnderStockGap = 20;
    if (w.thirdCount == 0) return;
    const int d = w.thirdPile.rowDigit;
    switch (w.thirdPile.arrangement) {
    case kUnderStock: {
        // The row above the pile's own; row 1 stands in for the row above row 1.
        auto above = w.Row(d <= 1 ? d : d - 1);
        w.Place(kThirdPile, w.X(kStockPile), Plus(above, w.cardHeight + kUnderStockGap));
        break;
    }
    case kOverSecondColumn:
        w.Place(kThirdPile, w.TableauX(1), w.Row(d));
        break;
    case kOverLastColumn:
        w.Place(kThirdPile, w.TableauX(w.tableauCount - 1), w.Row(d));
        break;
    default:
        break;
    }
}

} // namespace tablamor::layout::detail
