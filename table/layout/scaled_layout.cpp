#include "table/layout/scaled_layout.h"

#include "table/layout/layout_rounding.h"
#include "table/layout/table_layout.h"

#include <algorithm>
#include <cmath>

namespace tablamor::layout {
namespace {

const CardSize kBigCard = CardSizeOf(CardSizeLetter::Big);

int Scaled(int value, double scale) {
    return RoundHalfEven(value * scale);
}

// A window length in the shrunk window's units, never more than the real one holds.
int Shrunk(int value, double scale) {
    return static_cast<int>(std::floor(value / scale));
}

} // namespace

CardSize CardOfWidth(int width) {
    width = std::max(width, 1);
    return {width, std::max(1, RoundRatio(static_cast<long long>(width) * kBigCard.height,
                                          kBigCard.width))};
}

FanSteps ScaledFanSteps(const GameParams& params, int width) {
    const double scale = static_cast<double>(width) / kBigCard.width;
    FanSteps s = ChooseFanSteps(CardSizeLetter::Big, params);
    // A step the game uses stays at least one pixel, so that no fan collapses onto one spot.
    auto scale_step = [&](int& step) {
        if (step > 0) step = std::max(1, Scaled(step, scale));
    };
    scale_step(s.verticalUp);
    scale_step(s.verticalDown);
    scale_step(s.horizontalUp);
    scale_step(s.horizontalDown);
    scale_step(s.horizontalEven);
    scale_step(s.verticalFixed);
    scale_step(s.sideGap);
    return s;
}

SizedLayout LayOutForCardWidth(const GameParams& params, const LayoutInput& input, int width) {
    const CardSize card = CardOfWidth(width);
    const double scale = static_cast<double>(card.width) / kBigCard.width;
    // Heights are measured from the table top, which stays where the window puts it.
    const int top = input.tableTop;
    const int shrunkTop = RoundHalfEven(top / scale);
    auto below_top = [&](int y) { return shrunkTop + Shrunk(y - top, scale); };

    LayoutInput shrunk = input;
    shrunk.cardSize = CardSizeLetter::Big;
    shrunk.tableTop = shrunkTop;
    shrunk.tableBottom = below_top(input.tableBottom);
    shrunk.windowHeight = below_top(input.windowHeight);
    shrunk.screenHeight = below_top(input.screenHeight);
    shrunk.windowWidth = Shrunk(input.windowWidth - input.scrollBarWidth, scale);
    shrunk.scrollBarWidth = 0;
    shrunk.screenWidth = Shrunk(input.screenWidth, scale);
    shrunk.scrollPosition = 0;

    const PilePositions small = ComputeTableLayout(params, shrunk);
    SizedLayout sized{card, ScaledFanSteps(params, card.width), {}};
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        // A coordinate the layout left unset keeps its marker.
        if (!IsUnset(small.X(pile))) sized.positions.SetX(pile, Scaled(small.X(pile), scale));
        const int y = small.AbsoluteY(pile);
        if (!IsUnset(y)) sized.positions.SetY(pile, top + Scaled(y - shrunkTop, scale));
    }
    sized.positions.SetScrollOffset(std::max(0, input.scrollPosition));
    return sized;
}

} // namespace tablamor::layout
