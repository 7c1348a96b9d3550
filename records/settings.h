#pragma once
// The settings record: three 250-character strings of fixed-width text fields, addressed by a
// position 1..749 and a width. Preferences and a few items of the running game live here; the
// named accessors below are the fields in use. Positions 250 and 500 and anything outside
// 1..749 hold no field: reads give the empty text, writes do nothing.
#include <array>
#include <string>
#include <string_view>

namespace tablamor {

class Settings {
public:
    static constexpr int kStringLength = 250;

    Settings();

    // The field's characters with trailing blanks removed.
    std::string Get(int position, int width) const;
    // Pads the value with blanks or cuts it to the width.
    void Set(int position, int width, std::string_view value);

    bool GetFlag(int position) const { return Get(position, 1) == "Y"; }
    void SetFlag(int position, bool on) { Set(position, 1, on ? "Y" : "N"); }
    // Decimal value of a field; `fallback` when it is not a number.
    int GetInt(int position, int width, int fallback = 0) const;
    void SetInt(int position, int width, int value);

    // Named fields.
    std::string PreferencesFile() const { return Get(kPrefsFile, 20); }
    int GameId() const { return GetInt(kGameId, 4, -1); }
    void SetGameId(int id) { SetInt(kGameId, 4, id); }
    std::string GameNumber() const { return Get(kGameNumber, 15); }
    void SetGameNumber(std::string_view number) { Set(kGameNumber, 15, number); }
    std::string GameName() const { return Get(kGameName, 50); }
    void SetGameName(std::string_view name) { Set(kGameName, 50, name); }
    std::string Player() const { return Get(kPlayer, 30); }
    void SetPlayer(std::string_view name) { Set(kPlayer, 30, name); }
    int Score() const { return GetInt(kScore, 6); }
    void SetScore(int score) { SetInt(kScore, 6, score); }
    std::string ScoringType() const { return Get(kScoringType, 2); }
    std::string CardSize() const { return Get(kCardSize, 1); }
    void SetCardSize(std::string_view letter) { Set(kCardSize, 1, letter); }
    std::string ProgramDir() const { return Get(kProgramDir, 200); }
    void SetProgramDir(std::string_view dir) { Set(kProgramDir, 200, dir); }
    int Language() const { return GetInt(kLanguage, 6, 20000); }

    // Positions of the fields in use.
    static constexpr int kPrefsFile = 1; // width 20
    static constexpr int kBackCard = 21; // width 3
    static constexpr int kCardFace = 24; // width 3
    static constexpr int kBackgroundDef = 27;
    static constexpr int kBackgroundCol = 28;      // width 15
    static constexpr int kBackgroundBmp = 43;      // width 4
    static constexpr int kBackgroundFixedCol = 47; // width 15
    static constexpr int kGameId = 62;             // width 4
    static constexpr int kShowTime = 66;
    static constexpr int kCardsAnimate = 67;
    static constexpr int kLanguage = 68;      // width 6
    static constexpr int kSpeedMoveCard = 74; // width 2
    static constexpr int kStatusBar = 76;
    static constexpr int kPlayer = 77;        // width 30
    static constexpr int kStatCounter1 = 112; // width 4: games won since start-up
    static constexpr int kStatCounter2 = 116; // width 4: games lost since start-up
    static constexpr int kScoringType = 120;  // width 2
    static constexpr int kScore = 122;        // width 6
    static constexpr int kCardSize = 128;
    static constexpr int kSavedCardFace = 129; // width 3
    static constexpr int kSavedBackCard = 132; // width 3
    static constexpr int kFadeBackground = 135;
    static constexpr int kShowScore = 136;
    static constexpr int kUndoEnabled = 137;
    static constexpr int kUndoMark = 138;
    static constexpr int kRedoMark = 139;
    static constexpr int kWinningAnimation = 140;
    static constexpr int kSoundsEnabled = 141;
    static constexpr int kSoundsAbout = 142;
    static constexpr int kSoundsAutoplay = 143;
    static constexpr int kSoundsGameWon = 144;
    static constexpr int kSoundsNewGame = 145;
    static constexpr int kSoundsRedo = 146;
    static constexpr int kSoundsRestart = 147;
    static constexpr int kSoundsSplash = 148;
    static constexpr int kSoundsShuffle = 149;
    static constexpr int kSoundsUndo = 151;
    static constexpr int kRandomBackground = 152;
    static constexpr int kGameNumber = 153; // width 15
    static constexpr int kSoundsHiScores = 171;
    static constexpr int kCursor = 172; // width 2
    static constexpr int kSoundsNewHiScores = 174;
    static constexpr int kSoundsPairing = 175;
    static constexpr int kSoundsStock = 176;
    static constexpr int kSoundsTableau = 177;
    static constexpr int kCardsShadowed = 178;
    static constexpr int kPilesUntidy = 179;
    static constexpr int kSoundsFaceUp = 180;
    static constexpr int kSoundsCardDown = 181;
    static constexpr int kSoundsCardUp = 182;
    static constexpr int kSoundsRedeal = 183;
    static constexpr int kSoundsFoundation = 184;
    static constexpr int kConfirmQuitGame = 185;
    static constexpr int kConfirmEnterHiScores = 186;
    static constexpr int kRandomCard = 187;
    static constexpr int kRandomDeck = 188;
    static constexpr int kGameName = 189; // width 50
    static constexpr int kAutomaticFaceUp = 239;
    static constexpr int kSavedCardSize = 240;
    static constexpr int kDealAnimation = 241;
    static constexpr int kRedealAnimation = 242;
    static constexpr int kVertScrollBar = 243;
    static constexpr int kShowToolTips = 244;
    static constexpr int kProgramDir = 501; // width 200

private:
    std::array<std::string, 3> strings_;
    // The string and 0-based character index of a position, or nullptr.
    std::string* Locate(int position, int& index);
    const std::string* Locate(int position, int& index) const;
};

} // namespace tablamor
