#include "table/paint_preferences.h"

namespace tablamor::table {
namespace {

constexpr int kColourWidth = 15;
constexpr int kPictureWidth = 4;
constexpr int kDelayWidth = 2;

bool NotNo(const Settings& s, int position) {
    return s.Get(position, 1) != "N";
}

// Colour fields are written as decimal text that may not fit an int (a system colour is
// stored as a negative value, a plain colour as up to 16777215).
std::int64_t ColourField(const Settings& s, int position, std::int64_t fallback) {
    const std::string text = s.Get(position, kColourWidth);
    std::size_t used = 0;
    try {
        const long long value = std::stoll(text, &used);
        return used == text.size() ? value : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

} // namespace

PaintPreferences PaintPreferencesFrom(const Settings& s) {
    PaintPreferences p;
    p.defaultBackground = s.GetFlag(Settings::kBackgroundDef);
    p.backgroundColour = ColourField(s, Settings::kBackgroundCol, p.backgroundColour);
    p.backgroundPicture = s.GetInt(Settings::kBackgroundBmp, kPictureWidth, 0);
    p.fixedColour = ColourField(s, Settings::kBackgroundFixedCol, 0);
    p.fadeBackground = s.GetFlag(Settings::kFadeBackground);
    p.cardsShadowed = NotNo(s, Settings::kCardsShadowed);
    p.untidyTableau = NotNo(s, Settings::kPilesUntidy);
    p.cardsAnimate = NotNo(s, Settings::kCardsAnimate);
    p.moveDelayMs = s.GetInt(Settings::kSpeedMoveCard, kDelayWidth, kDefaultMoveDelay);
    p.winningAnimation = s.GetFlag(Settings::kWinningAnimation);
    return p;
}

} // namespace tablamor::table
