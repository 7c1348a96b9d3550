#include "records/preferences.h"

#include "records/fixed_fields.h"
#include "records/players.h"
#include "records/preference_keys.h"

#include <array>
#include <charconv>

namespace tablamor {
namespace {

using namespace pref;

enum class ValueKind { Text, Number };

// A preference key, its default and its field in the settings record (position 0: none).
struct PreferenceKey {
    std::string_view key;
    ValueKind kind;
    std::string_view fallback;
    int position;
    int width;
};

constexpr int kFlagWidth = 1;
constexpr std::string_view kDefaultBackgroundCol = "-2147483633"; // the system's window colour
constexpr std::string_view kFewColoursCard = "3";
constexpr std::string_view kMediumCardSize = "M";
constexpr std::string_view kMediumCardBack = "6";
constexpr std::string_view kNoBitmap = "0";
constexpr std::string_view kCardSizes = "BMPF";

// The keys in the order the start-up read takes them.
constexpr std::array kKeys = {
    PreferenceKey{kShowToolTips, ValueKind::Text, kYes, Settings::kShowToolTips, kFlagWidth},
    PreferenceKey{kToolBarLarge, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kToolBarFlat, ValueKind::Text, kYes, 0, 0},
    PreferenceKey{kToolBarVisible, ValueKind::Text, kYes, 0, 0},
    PreferenceKey{kBackCard, ValueKind::Number, "11", Settings::kBackCard, 3},
    PreferenceKey{kCard, ValueKind::Number, "1", Settings::kCardFace, 3},
    PreferenceKey{kCardSize, ValueKind::Text, kFitToWindowCardSize, Settings::kCardSize,
                  kFlagWidth},
    PreferenceKey{kBackgroundBmp, ValueKind::Text, "", Settings::kBackgroundBmp, 4},
    PreferenceKey{kBackgroundFixedCol, ValueKind::Number, "32768", Settings::kBackgroundFixedCol,
                  15},
    PreferenceKey{kBackgroundCol, ValueKind::Number, kDefaultBackgroundCol,
                  Settings::kBackgroundCol, 15},
    PreferenceKey{kBackgroundDef, ValueKind::Text, kNo, Settings::kBackgroundDef, kFlagWidth},
    PreferenceKey{kFadeBackground, ValueKind::Text, kYes, Settings::kFadeBackground, kFlagWidth},
    PreferenceKey{kGame, ValueKind::Number, "-1", Settings::kGameId, 4},
    PreferenceKey{kGameName, ValueKind::Text, "", Settings::kGameName, 50},
    PreferenceKey{kGameTreeNum, ValueKind::Number, "-1", 0, 0},
    PreferenceKey{kOpenPreviewGame, ValueKind::Text, kYes, 0, 0},
    PreferenceKey{kShowTime, ValueKind::Text, kYes, Settings::kShowTime, kFlagWidth},
    PreferenceKey{kShowScore, ValueKind::Text, kYes, Settings::kShowScore, kFlagWidth},
    PreferenceKey{kCardsAnimate, ValueKind::Text, kYes, Settings::kCardsAnimate, kFlagWidth},
    PreferenceKey{kCardsShadowed, ValueKind::Text, kYes, Settings::kCardsShadowed, kFlagWidth},
    PreferenceKey{kPilesUntidy, ValueKind::Text, kNo, Settings::kPilesUntidy, kFlagWidth},
    PreferenceKey{kAutomaticFaceUp, ValueKind::Text, kYes, Settings::kAutomaticFaceUp, kFlagWidth},
    PreferenceKey{kDealAnimation, ValueKind::Text, kYes, Settings::kDealAnimation, kFlagWidth},
    PreferenceKey{kRedealAnimation, ValueKind::Text, kYes, Settings::kRedealAnimation, kFlagWidth},
    PreferenceKey{kLanguage, ValueKind::Number, "20000", Settings::kLanguage, 6},
    PreferenceKey{kSpeedMoveCard, ValueKind::Number, "10", Settings::kSpeedMoveCard, 2},
    PreferenceKey{kStatusBar, ValueKind::Text, kNo, Settings::kStatusBar, kFlagWidth},
    PreferenceKey{kUserDefault, ValueKind::Text, "", Settings::kPlayer, kPlayerNameWidth},
    PreferenceKey{kUndoEnabled, ValueKind::Text, "0", Settings::kUndoEnabled, kFlagWidth},
    PreferenceKey{kWinningAnimation, ValueKind::Text, kYes, Settings::kWinningAnimation,
                  kFlagWidth},
    PreferenceKey{kConfirmQuit, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kConfirmQuitGame, ValueKind::Text, kYes, Settings::kConfirmQuitGame, kFlagWidth},
    PreferenceKey{kConfirmEnterHiScores, ValueKind::Text, kYes, Settings::kConfirmEnterHiScores,
                  kFlagWidth},
    PreferenceKey{kSoundsEnabled, ValueKind::Text, kYes, Settings::kSoundsEnabled, kFlagWidth},
    PreferenceKey{kSoundsAbout, ValueKind::Text, kYes, Settings::kSoundsAbout, kFlagWidth},
    PreferenceKey{kSoundsAutoplay, ValueKind::Text, kYes, Settings::kSoundsAutoplay, kFlagWidth},
    PreferenceKey{kSoundsCardDown, ValueKind::Text, kYes, Settings::kSoundsCardDown, kFlagWidth},
    PreferenceKey{kSoundsCardUp, ValueKind::Text, kYes, Settings::kSoundsCardUp, kFlagWidth},
    PreferenceKey{kSoundsNewHiScores, ValueKind::Text, kYes, Settings::kSoundsNewHiScores,
                  kFlagWidth},
    PreferenceKey{kSoundsFaceUp, ValueKind::Text, kYes, Settings::kSoundsFaceUp, kFlagWidth},
    PreferenceKey{kSoundsGameWon, ValueKind::Text, kYes, Settings::kSoundsGameWon, kFlagWidth},
    PreferenceKey{kSoundsHiScores, ValueKind::Text, kYes, Settings::kSoundsHiScores, kFlagWidth},
    PreferenceKey{kSoundsNewGame, ValueKind::Text, kYes, Settings::kSoundsNewGame, kFlagWidth},
    PreferenceKey{kSoundsPairing, ValueKind::Text, kYes, Settings::kSoundsPairing, kFlagWidth},
    PreferenceKey{kSoundsRedeal, ValueKind::Text, kYes, Settings::kSoundsRedeal, kFlagWidth},
    PreferenceKey{kSoundsRedo, ValueKind::Text, kYes, Settings::kSoundsRedo, kFlagWidth},
    PreferenceKey{kSoundsRestart, ValueKind::Text, kYes, Settings::kSoundsRestart, kFlagWidth},
    PreferenceKey{kSoundsShuffle, ValueKind::Text, kYes, Settings::kSoundsShuffle, kFlagWidth},
    PreferenceKey{kSoundsSplash, ValueKind::Text, kYes, Settings::kSoundsSplash, kFlagWidth},
    PreferenceKey{kSoundsStock, ValueKind::Text, kYes, Settings::kSoundsStock, kFlagWidth},
    PreferenceKey{kSoundsFoundation, ValueKind::Text, kYes, Settings::kSoundsFoundation,
                  kFlagWidth},
    PreferenceKey{kSoundsTableau, ValueKind::Text, kYes, Settings::kSoundsTableau, kFlagWidth},
    PreferenceKey{kSoundsUndo, ValueKind::Text, kYes, Settings::kSoundsUndo, kFlagWidth},
    PreferenceKey{kRandomBackground, ValueKind::Text, kNo, Settings::kRandomBackground, kFlagWidth},
    PreferenceKey{kRandomCard, ValueKind::Text, kNo, Settings::kRandomCard, kFlagWidth},
    PreferenceKey{kRandomDeck, ValueKind::Text, kNo, Settings::kRandomDeck, kFlagWidth},
    PreferenceKey{kVertScrollBar, ValueKind::Text, kNo, Settings::kVertScrollBar, kFlagWidth},
    PreferenceKey{kCursor, ValueKind::Number, "11", Settings::kCursor, 2},
    PreferenceKey{kAutoPlay, ValueKind::Text, kYes, 0, 0},
    PreferenceKey{kWinnableDeals, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kCardCounterStock, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kCardCounterTableau, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kCardCounterInverse, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kCardCounterVisible, ValueKind::Text, kNo, 0, 0},
    PreferenceKey{kCardCounterLeft, ValueKind::Number, "-1", 0, 0},
    PreferenceKey{kCardCounterTop, ValueKind::Number, "-1", 0, 0},
};

const PreferenceKey* FindKey(std::string_view key) {
    for (const PreferenceKey& k : kKeys)
        if (k.key == key) return &k;
    return nullptr;
}

int NumberOr(std::string_view text, int fallback) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : fallback;
}

std::string Read(const IniFile& config, const PreferenceKey& k, std::string_view fallback) {
    if (k.kind == ValueKind::Number)
        return std::to_string(config.ReadInt(kPreferenceSection, k.key, NumberOr(fallback, 0)));
    return config.ReadString(kPreferenceSection, k.key, fallback);
}

} // namespace

StartupPreferences LoadPreferences(IniFile& config, Settings& settings, bool fewColours) {
    const int failuresBefore = config.ReadFailures();
    StartupPreferences startup;
    startup.fewColoursNotice = fewColours;
    for (const PreferenceKey& k : kKeys) {
        if (k.position == 0) continue;
        std::string_view fallback = k.fallback;
        std::string cardsAnimate;
        if (k.key == kCard && fewColours) fallback = kFewColoursCard;
        if (k.key == kCardsShadowed) {
            cardsAnimate = settings.Get(Settings::kCardsAnimate, kFlagWidth);
            fallback = cardsAnimate;
        }
        std::string value = Read(config, k, fallback);
        if (k.key == kCardSize &&
            (value.size() != 1 || kCardSizes.find(value) == std::string::npos))
            value = k.fallback;
        settings.Set(k.position, k.width, FitText(value, k.width)); // never half a character

        if (k.key == kCardSize && value == kMediumCardSize)
            settings.Set(Settings::kBackCard, FindKey(kBackCard)->width, kMediumCardBack);
        if (k.key == kAutomaticFaceUp) settings.Set(k.position, k.width, kNo);
    }
    startup.toolBarLarge = ReadPreference(config, kToolBarLarge) == kYes;
    startup.toolBarFlat = ReadPreference(config, kToolBarFlat) == kYes;
    startup.cursor = settings.GetInt(Settings::kCursor, FindKey(kCursor)->width, 0);

    if (settings.GetInt(Settings::kBackCard, FindKey(kBackCard)->width, 0) == 0)
        settings.Set(Settings::kBackCard, FindKey(kBackCard)->width, "1");
    if (settings.GetInt(Settings::kBackgroundCol, FindKey(kBackgroundCol)->width, 0) == 0)
        settings.Set(Settings::kBackgroundCol, FindKey(kBackgroundCol)->width,
                     kDefaultBackgroundCol);
    if (settings.Get(Settings::kBackgroundBmp, FindKey(kBackgroundBmp)->width).empty())
        settings.Set(Settings::kBackgroundBmp, FindKey(kBackgroundBmp)->width, kNoBitmap);

    startup.showTime = settings.Get(Settings::kShowTime, kFlagWidth) != kNo;
    startup.showScore = settings.Get(Settings::kShowScore, kFlagWidth) != kNo;

    if (settings.Player().empty()) {
        settings.SetPlayer(kFirstPlayer);
        // Only a name known to be missing is written: one that could not be read may be there.
        if (config.ReadFailures() == failuresBefore) {
            config.WriteString(kPreferenceSection, kUserDefault, kFirstPlayer);
            AddPlayer(config, kFirstPlayer);
        }
    }
    startup.autoPlay = ReadPreference(config, kAutoPlay) == kYes;
    return startup;
}

std::string FitPlayerName(std::string_view name) {
    return std::string(TrimTrailingBlanks(FitText(name, kPlayerNameWidth)));
}

std::string ReadPreference(const IniFile& config, std::string_view key) {
    const PreferenceKey* k = FindKey(key);
    if (!k) return config.ReadString(kPreferenceSection, key);
    return Read(config, *k, k->fallback);
}

int PreferenceFieldPosition(std::string_view key) {
    const PreferenceKey* k = FindKey(key);
    return k ? k->position : 0;
}

std::string PreferenceDefault(std::string_view key) {
    const PreferenceKey* k = FindKey(key);
    return k ? std::string(k->fallback) : std::string();
}

void UpgradeOldPreferences(IniFile& config) {
    constexpr std::string_view kOldYes = "S";
    for (std::string_view key : {kCardsAnimate, kConfirmQuit})
        if (config.ReadString(kPreferenceSection, key) == kOldYes)
            config.WriteString(kPreferenceSection, key, kYes);
}

} // namespace tablamor
