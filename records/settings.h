#pragma once
// The settings record: three 250-character strings of fixed-width text fields, each field a
// named constant below with its position 1..749 and width. Preferences and a few items of the
// running game live here. Positions 250 and 500 and anything outside 1..749 hold no field:
// reads give the empty text, writes do nothing. A field's default is the one its key has in the
// preference table (records/preferences.h).
#include <array>
#include <string>
#include <string_view>

namespace tablamor {

// Where a field lies in the settings record.
struct SettingsField {
    int position = 0;
    int width = 0;

    bool operator==(const SettingsField&) const = default;
};

class Settings {
public:
    static constexpr int kStringLength = 250;

    Settings();

    // The field's characters with trailing blanks removed.
    std::string Get(SettingsField field) const;
    // Pads the value with blanks or cuts it to the width.
    void Set(SettingsField field, std::string_view value);

    // A "Y"/"N" field: "Y" is on, "N" off, anything else the field's default.
    bool Flag(SettingsField field) const;
    void SetFlag(SettingsField field, bool on) { Set(field, on ? "Y" : "N"); }
    // Decimal value of a field; the field's default when it is not a number (0 without one).
    int Int(SettingsField field) const;
    void SetInt(SettingsField field, int value) { Set(field, std::to_string(value)); }

    // Named fields.
    std::string PreferencesFile() const { return Get(kPrefsFile); }
    int GameId() const { return Int(kGameId); }
    void SetGameId(int id) { SetInt(kGameId, id); }
    std::string GameNumber() const { return Get(kGameNumber); }
    void SetGameNumber(std::string_view number) { Set(kGameNumber, number); }
    std::string GameName() const { return Get(kGameName); }
    void SetGameName(std::string_view name) { Set(kGameName, name); }
    std::string Player() const { return Get(kPlayer); }
    void SetPlayer(std::string_view name) { Set(kPlayer, name); }
    int Score() const { return Int(kScore); }
    void SetScore(int score) { SetInt(kScore, score); }
    std::string ScoringType() const { return Get(kScoringType); }
    std::string CardSize() const { return Get(kCardSize); }
    void SetCardSize(std::string_view letter) { Set(kCardSize, letter); }
    std::string ProgramDir() const { return Get(kProgramDir); }
    void SetProgramDir(std::string_view dir) { Set(kProgramDir, dir); }
    int Language() const { return Int(kLanguage); }

    // The fields in use.
    static constexpr SettingsField kPrefsFile{1, 20};
    static constexpr SettingsField kBackCard{21, 3};
    static constexpr SettingsField kCardFace{24, 3};
    static constexpr SettingsField kBackgroundDef{27, 1};
    static constexpr SettingsField kBackgroundCol{28, 15};
    static constexpr SettingsField kBackgroundBmp{43, 4};
    static constexpr SettingsField kBackgroundFixedCol{47, 15};
    static constexpr SettingsField kGameId{62, 4};
    static constexpr SettingsField kShowTime{66, 1};
    static constexpr SettingsField kCardsAnimate{67, 1};
    static constexpr SettingsField kLanguage{68, 6};
    static constexpr SettingsField kSpeedMoveCard{74, 2};
    static constexpr SettingsField kStatusBar{76, 1};
    static constexpr SettingsField kPlayer{77, 30};
    static constexpr SettingsField kStatCounter1{112, 4}; // games won since start-up
    static constexpr SettingsField kStatCounter2{116, 4}; // games lost since start-up
    static constexpr SettingsField kScoringType{120, 2};
    static constexpr SettingsField kScore{122, 6};
    static constexpr SettingsField kCardSize{128, 1};
    static constexpr SettingsField kSavedCardFace{129, 3};
    static constexpr SettingsField kSavedBackCard{132, 3};
    static constexpr SettingsField kFadeBackground{135, 1};
    static constexpr SettingsField kShowScore{136, 1};
    static constexpr SettingsField kUndoEnabled{137, 1};
    static constexpr SettingsField kUndoMark{138, 1};
    static constexpr SettingsField kRedoMark{139, 1};
    static constexpr SettingsField kWinningAnimation{140, 1};
    static constexpr SettingsField kSoundsEnabled{141, 1};
    static constexpr SettingsField kSoundsAbout{142, 1};
    static constexpr SettingsField kSoundsAutoplay{143, 1};
    static constexpr SettingsField kSoundsGameWon{144, 1};
    static constexpr SettingsField kSoundsNewGame{145, 1};
    static constexpr SettingsField kSoundsRedo{146, 1};
    static constexpr SettingsField kSoundsRestart{147, 1};
    static constexpr SettingsField kSoundsSplash{148, 1};
    static constexpr SettingsField kSoundsShuffle{149, 1};
    static constexpr SettingsField kSoundsUndo{151, 1};
    static constexpr SettingsField kRandomBackground{152, 1};
    static constexpr SettingsField kGameNumber{153, 15};
    static constexpr SettingsField kSoundsHiScores{171, 1};
    static constexpr SettingsField kCursor{172, 2};
    static constexpr SettingsField kSoundsNewHiScores{174, 1};
    static constexpr SettingsField kSoundsPairing{175, 1};
    static constexpr SettingsField kSoundsStock{176, 1};
    static constexpr SettingsField kSoundsTableau{177, 1};
    static constexpr SettingsField kCardsShadowed{178, 1};
    static constexpr SettingsField kPilesUntidy{179, 1};
    static constexpr SettingsField kSoundsFaceUp{180, 1};
    static constexpr SettingsField kSoundsCardDown{181, 1};
    static constexpr SettingsField kSoundsCardUp{182, 1};
    static constexpr SettingsField kSoundsRedeal{183, 1};
    static constexpr SettingsField kSoundsFoundation{184, 1};
    static constexpr SettingsField kConfirmQuitGame{185, 1};
    static constexpr SettingsField kConfirmEnterHiScores{186, 1};
    static constexpr SettingsField kRandomCard{187, 1};
    static constexpr SettingsField kRandomDeck{188, 1};
    static constexpr SettingsField kGameName{189, 50};
    static constexpr SettingsField kAutomaticFaceUp{239, 1};
    static constexpr SettingsField kSavedCardSize{240, 1};
    static constexpr SettingsField kDealAnimation{241, 1};
    static constexpr SettingsField kRedealAnimation{242, 1};
    static constexpr SettingsField kVertScrollBar{243, 1};
    static constexpr SettingsField kShowToolTips{244, 1};
    static constexpr SettingsField kProgramDir{501, 200};

private:
    std::array<std::string, 3> strings_;
    // The string and 0-based character index of a position, or nullptr.
    std::string* Locate(int position, int& index);
    const std::string* Locate(int position, int& index) const;
};

} // namespace tablamor
