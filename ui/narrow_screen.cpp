#include "ui/narrow_screen.h"

namespace tablamor::ui {
namespace {

constexpr std::string_view kMediumSize = "M";
constexpr std::string_view kFixedFaceSet = "003";
constexpr std::string_view kFixedBack = "006";

} // namespace

NarrowScreenOutcome CheckNarrowScreen(Settings& s, int screenWidth, bool gameWantsMedium) {
    NarrowScreenOutcome outcome;
    const std::string sizeBefore = s.CardSize();
    if (screenWidth < kNarrowScreenWidth && gameWantsMedium) {
        outcome.narrow = true;
        if (sizeBefore != kMediumSize) {
            s.Set(Settings::kSavedCardSize, sizeBefore);
            s.Set(Settings::kSavedCardFace, s.Get(Settings::kCardFace));
            s.Set(Settings::kSavedBackCard, s.Get(Settings::kBackCard));
            s.Set(Settings::kCardFace, kFixedFaceSet);
            s.Set(Settings::kBackCard, kFixedBack);
            s.SetCardSize(kMediumSize);
            outcome.switchedNow = true;
        }
    } else if (!s.Get(Settings::kSavedCardFace).empty()) {
        s.SetCardSize(s.Get(Settings::kSavedCardSize));
        s.Set(Settings::kCardFace, s.Get(Settings::kSavedCardFace));
        s.Set(Settings::kBackCard, s.Get(Settings::kSavedBackCard));
        for (SettingsField field : {Settings::kSavedCardFace, Settings::kSavedBackCard})
            s.Set(field, "");
        s.Set(Settings::kSavedCardSize, "");
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
