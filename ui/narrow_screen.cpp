#include "ui/narrow_screen.h"

namespace tablamor::ui {
namespace {

constexpr std::string_view kMediumSize = "M";
constexpr std::string_view kFixedFaceSet = "003";
constexpr std::string_view kFixedBack = "006";
constexpr int kSetWidth = 3;

} // namespace

NarrowScreenOutcome CheckNarrowScreen(Settings& s, int screenWidth, bool gameWantsMedium) {
    NarrowScreenOutcome outcome;
    const std::string sizeBefore = s.CardSize();
    if (screenWidth < kNarrowScreenWidth && gameWantsMedium) {
        outcome.narrow = true;
        if (sizeBefore != kMediumSize) {
            s.Set(Settings::kSavedCardSize, 1, sizeBefore);
            s.Set(Settings::kSavedCardFace, kSetWidth, s.Get(Settings::kCardFace, kSetWidth));
            s.Set(Settings::kSavedBackCard, kSetWidth, s.Get(Settings::kBackCard, kSetWidth));
            s.Set(Settings::kCardFace, kSetWidth, kFixedFaceSet);
            s.Set(Settings::kBackCard, kSetWidth, kFixedBack);
            s.SetCardSize(kMediumSize);
            outcome.switchedNow = true;
        }
    } else if (!s.Get(Settings::kSavedCardFace, kSetWidth).empty()) {
        s.SetCardSize(s.Get(Settings::kSavedCardSize, 1));
        s.Set(Settings::kCardFace, kSetWidth, s.Get(Settings::kSavedCardFace, kSetWidth));
        s.Set(Settings::kBackCard, kSetWidth, s.Get(Settings::kSavedBackCard, kSetWidth));
        for (int position : {Settings::kSavedCardFace, Settings::kSavedBackCard})
            s.Set(position, kSetWidth, "");
        s.Set(Settings::kSavedCardSize, 1, "");
    }
    outcome.cardSizeChanged = s.CardSize() != sizeBefore;
    return outcome;
}

std::string NarrowScreenMessage(std::string_view gameName) {
    return "Your video card runs at 640x480 pixels.\nFor best graphics display, screen resolution "
           "should be set to 800x600 pixels or higher. However, it's possible to play " +
           std::string(gameName) + " " + "using a predefined card and deck set.";
}

} // namespace tablamor::ui
