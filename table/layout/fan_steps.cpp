#include "table/layout/fan_steps.h"

namespace tablamor::layout {
namespace {

// The steps of one card size, before the game's styles pick which of them are used.
struct SizeSteps {
    int verticalUp;
    int verticalDown;
    int horizontalUp;
    int horizontalDown;
    int horizontalEven;
};

constexpr SizeSteps kBigSteps{18, 4, 12, 4, 7};
constexpr SizeSteps kMediumSteps{14, 4, 10, 4, 5};
constexpr SizeSteps kSmallSteps{3, 3, 3, 3, 3};
constexpr int kFixedVerticalStep = 3;

const SizeSteps& StepsOf(CardSizeLetter size) {
    switch (size) {
    case CardSizeLetter::Big:
        return kBigSteps;
    case CardSizeLetter::Medium:
        return kMediumSteps;
    case CardSizeLetter::Small:
        return kSmallSteps;
    }
    return kBigSteps;
}

} // namespace

FanSteps ChooseFanSteps(CardSizeLetter size, const GameParams& params) {
    const SizeSteps& s = StepsOf(size);
    const FanStyle tableau = FanStyleOf(params, PileKind::Tableau);
    const FanStyle reserve = FanStyleOf(params, PileKind::Reserve);
    FanSteps steps;
    steps.verticalFixed = kFixedVerticalStep;
    steps.sideGap = kSideBySideGap;
    if (tableau == FanStyle::Vertical) {
        steps.verticalUp = s.verticalUp;
        steps.verticalDown = s.verticalDown;
    }
    if (tableau == FanStyle::Horizontal || reserve == FanStyle::Horizontal) {
        steps.horizontalUp = s.horizontalUp;
        steps.horizontalDown = s.horizontalDown;
    }
    if (tableau == FanStyle::HorizontalEven) steps.horizontalEven = s.horizontalEven;
    return steps;
}

} // namespace tablamor::layout
