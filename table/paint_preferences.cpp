#include "table/paint_preferences.h"

namespace tablamor::table {
namespace {

// Colour fields are written as decimal text that may not fit an int (a system colour is
// stored as a negative value, a plain colour as up to 16777215).
std::int64_t ColourField(const Settings& s, SettingsField field, std::int64_t fallback) {
    const std::string text = s.Get(field);
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
    p.defaultBackground = s.Flag(Settings::kBackgroundDef);
    p.backgroundColour = ColourField(s, Settings::kBackgroundCol, p.backgroundColour);
    p.backgroundPicture = s.Int(Settings::kBackgroundBmp);
    p.fixedColour = ColourField(s, Settings::kBackgroundFixedCol, 0);
    p.fadeBackground = s.Flag(Settings::kFadeBackground);
    p.cardsShadowed = s.Flag(Settings::kCardsShadowed);
    p.untidyTableau = s.Flag(Settings::kPilesUntidy);
    p.cardsAnimate = s.Flag(Settings::kCardsAnimate);
    p.moveDelayMs = s.Int(Settings::kSpeedMoveCard);
    p.winningAnimation = s.Flag(Settings::kWinningAnimation);
    return p;
}

} // namespace tablamor::table
