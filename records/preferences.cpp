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
    SettingsField field;
};

constexpr std::string_view kDefaultBackgroundCol = "-2147483633"; // the system's window colour
constexpr std::string_view kFewColoursCard = "3";
constexpr std::string_view kMediumCardSize = "M";
constexpr std::string_view kMediumCardBack = "6";
constexpr std::string_view kNoBitmap = "0";
constexpr std::string_view kCardSizes = "BMPF";

// The keys in the order the start-up read takes them.
constexpr std::array kKeys = {
    PreferenceKey{kShowToolTips, ValueKind::Text, kYes, Settings::kShowToolTips},
    PreferenceKey{kToolBarLarge, ValueKind::Text, kNo, {}},
    PreferenceKey{kToolBarFlat, ValueKind::Text, kYes, {}},
    PreferenceKey{kToolBarVisible, ValueKind::Text, kYes, {}},
    PreferenceKey{kBackCard, ValueKind::Number, "11", Settings::kBackCard},
    PreferenceKey{kCard, ValueKind::Number, "1", Settings::kCardFace},
    PreferenceKey{kCardSize, ValueKind::Text, kFitToWindowCardSize, Settings::kCardSize},
    PreferenceKey{kBackgroundBmp, ValueKind::Text, "", Settings::kBackgroundBmp},
    PreferenceKey{kBackgroundFixedCol, ValueKind::Number, "32768", Settings::kBackgroundFixedCol},
    PreferenceKey{kBackgroundCol, ValueKind::Number, kDefaultBackgroundCol,
                  Settings::kBackgroundCol},
    PreferenceKey{kBackgroundDef, ValueKind::Text, kNo, Settings::kBackgroundDef},
    PreferenceKey{kFadeBackground, ValueKind::Text, kYes, Settings::kFadeBackground},
    PreferenceKey{kGame, ValueKind::Number, "-1", Settings::kGameId},
    PreferenceKey{kGameName, ValueKind::Text, "", Settings::kGameName},
    PreferenceKey{kGameTreeNum, ValueKind::Number, "-1", {}},
    PreferenceKey{kOpenPreviewGame, ValueKind::Text, kYes, {}},
    PreferenceKey{kShowTime, ValueKind::Text, kYes, Settings::kShowTime},
    PreferenceKey{kShowScore, ValueKind::Text, kYes, Settings::kShowScore},
    PreferenceKey{kCardsAnimate, ValueKind::Text, kYes, Settings::kCardsAnimate},
    PreferenceKey{kCardsShadowed, ValueKind::Text, kYes, Settings::kCardsShadowed},
    PreferenceKey{kPilesUntidy, ValueKind::Text, kNo, Settings::kPilesUntidy},
    PreferenceKey{kAutomaticFaceUp, ValueKind::Text, kYes, Settings::kAutomaticFaceUp},
    PreferenceKey{kDealAnimation, ValueKind::Text, kYes, Settings::kDealAnimation},
    PreferenceKey{kRedealAnimation, ValueKind::Text, kYes, Settings::kRedealAnimation},
    PreferenceKey{kLanguage, ValueKind::Number, "20000", Settings::kLanguage},
    PreferenceKey{kSpeedMoveCard, ValueKind::Number, "10", Settings::kSpeedMoveCard},
    PreferenceKey{kStatusBar, ValueKind::Text, kNo, Settings::kStatusBar},
    PreferenceKey{kUserDefault, ValueKind::Text, "", Settings::kPlayer},
    PreferenceKey{kUndoEnabled, ValueKind::Text, "0", Settings::kUndoEnabled},
    PreferenceKey{kWinningAnimation, ValueKind::Text, kYes, Settings::kWinningAnimation},
    PreferenceKey{kConfirmQuit, ValueKind::Text, kNo, {}},
    PreferenceKey{kConfirmQuitGame, ValueKind::Text, kYes, Settings::kConfirmQuitGame},
    PreferenceKey{kConfirmEnterHiScores, ValueKind::Text, kYes, Settings::kConfirmEnterHiScores},
    PreferenceKey{kSoundsEnabled, ValueKind::Text, kYes, Settings::kSoundsEnabled},
    PreferenceKey{kSoundsAbout, ValueKind::Text, kYes, Settings::kSoundsAbout},
    PreferenceKey{kSoundsAutoplay, ValueKind::Text, kYes, Settings::kSoundsAutoplay},
    PreferenceKey{kSoundsCardDown, ValueKind::Text, kYes, Settings::kSoundsCardDown},
    PreferenceKey{kSoundsCardUp, ValueKind::Text, kYes, Settings::kSoundsCardUp},
    PreferenceKey{kSoundsNewHiScores, ValueKind::Text, kYes, Settings::kSoundsNewHiScores},
    PreferenceKey{kSoundsFaceUp, ValueKind::Text, kYes, Settings::kSoundsFaceUp},
    PreferenceKey{kSoundsGameWon, ValueKind::Text, kYes, Settings::kSoundsGameWon},
    PreferenceKey{kSoundsHiScores, ValueKind::Text, kYes, Settings::kSoundsHiScores},
    PreferenceKey{kSoundsNewGame, ValueKind::Text, kYes, Settings::kSoundsNewGame},
    PreferenceKey{kSoundsPairing, ValueKind::Text, kYes, Settings::kSoundsPairing},
    PreferenceKey{kSoundsRedeal, ValueKind::Text, kYes, Settings::kSoundsRedeal},
    PreferenceKey{kSoundsRedo, ValueKind::Text, kYes, Settings::kSoundsRedo},
    PreferenceKey{kSoundsRestart, ValueKind::Text, kYes, Settings::kSoundsRestart},
    PreferenceKey{kSoundsShuffle, ValueKind::Text, kYes, Settings::kSoundsShuffle},
    PreferenceKey{kSoundsSplash, ValueKind::Text, kYes, Settings::kSoundsSplash},
    PreferenceKey{kSoundsStock, ValueKind::Text, kYes, Settings::kSoundsStock},
    PreferenceKey{kSoundsFoundation, ValueKind::Text, kYes, Settings::kSoundsFoundation},
    PreferenceKey{kSoundsTableau, ValueKind::Text, kYes, Settings::kSoundsTableau},
    PreferenceKey{kSoundsUndo, ValueKind::Text, kYes, Settings::kSoundsUndo},
    PreferenceKey{kRandomBackground, ValueKind::Text, kNo, Settings::kRandomBackground},
    PreferenceKey{kRandomCard, ValueKind::Text, kNo, Settings::kRandomCard},
    PreferenceKey{kRandomDeck, ValueKind::Text, kNo, Settings::kRandomDeck},
    PreferenceKey{kVertScrollBar, ValueKind::Text, kNo, Settings::kVertScrollBar},
    PreferenceKey{kCursor, ValueKind::Number, "11", Settings::kCursor},
    PreferenceKey{kAutoPlay, ValueKind::Text, kYes, {}},
    PreferenceKey{kWinnableDeals, ValueKind::Text, kNo, {}},
    PreferenceKey{kCardCounterStock, ValueKind::Text, kNo, {}},
    PreferenceKey{kCardCounterTableau, ValueKind::Text, kNo, {}},
    PreferenceKey{kCardCounterInverse, ValueKind::Text, kNo, {}},
    PreferenceKey{kCardCounterVisible, ValueKind::Text, kNo, {}},
    PreferenceKey{kCardCounterLeft, ValueKind::Number, "-1", {}},
    PreferenceKey{kCardCounterTop, ValueKind::Number, "-1", {}},
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
        if (k.field.position == 0) continue;
        std::string_view fallback = k.fallback;
        std::string cardsAnimate;
        if (k.key == kCard && fewColours) fallback = kFewColoursCard;
        if (k.key == kCardsShadowed) {
            cardsAnimate = settings.Get(Settings::kCardsAnimate);
            fallback = cardsAnimate;
        }
        std::string value = Read(config, k, fallback);
        if (k.key == kCardSize &&
            (value.size() != 1 || kCardSizes.find(value) == std::string::npos))
            value = k.fallback;
        settings.Set(k.field, FitText(value, k.field.width)); // never half a character

        if (k.key == kCardSize && value == kMediumCardSize)
            settings.Set(Settings::kBackCard, kMediumCardBack);
        if (k.key == kAutomaticFaceUp) settings.Set(k.field, kNo);
    }
    startup.toolBarLarge = ReadPreference(config, kToolBarLarge) == kYes;
    startup.toolBarFlat = ReadPreference(config, kToolBarFlat) == kYes;
    startup.cursor = settings.Int(Settings::kCursor);

    if (settings.Int(Settings::kBackCard) == 0) settings.Set(Settings::kBackCard, "1");
    if (settings.Int(Settings::kBackgroundCol) == 0)
        settings.Set(Settings::kBackgroundCol, kDefaultBackgroundCol);
    if (settings.Get(Settings::kBackgroundBmp).empty())
        settings.Set(Settings::kBackgroundBmp, kNoBitmap);

    startup.showTime = settings.Flag(Settings::kShowTime);
    startup.showScore = settings.Flag(Settings::kShowScore);

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

std::optional<SettingsField> PreferenceField(std::string_view key) {
    const PreferenceKey* k = FindKey(key);
    if (!k || k->field.position == 0) return std::nullopt;
    return k->field;
}

std::string_view FieldDefault(SettingsField field) {
    for (const PreferenceKey& k : kKeys)
        if (field.position != 0 && k.field.position == field.position) return k.fallback;
    return {};
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
