#pragma once
// Section and key names of the configuration file "DATA\CFG.DAT". Every place that reads or
// writes a preference uses these names; keys match without regard to case.
#include <string_view>

namespace tablamor::pref {

// Sections.
inline constexpr std::string_view kPreferenceSection = "Preference";
inline constexpr std::string_view kUsersSection = "Users";
inline constexpr std::string_view kShowMessagesSection = "Show_Messages";
inline constexpr std::string_view kFavouriteGamesSection = "Favourite Games";
inline constexpr std::string_view kGameNumbersSection = "Game_Numbers";

// "Users": "User" + three digits, 001 to 020.
inline constexpr std::string_view kUserKeyPrefix = "User";
inline constexpr int kUserKeyDigits = 3;
inline constexpr int kMaxUsers = 20;
// A player name is at most this many bytes (its field in the settings record).
inline constexpr int kPlayerNameWidth = 30;

// "Preference".
inline constexpr std::string_view kShowToolTips = "Show_ToolTips";
inline constexpr std::string_view kToolBarLarge = "ToolBar_Large";
inline constexpr std::string_view kToolBarFlat = "ToolBar_Flat";
inline constexpr std::string_view kToolBarVisible = "ToolBar_Visible";
inline constexpr std::string_view kBackCard = "Back_Card";
inline constexpr std::string_view kCard = "Card";
inline constexpr std::string_view kCardSize = "Card_Size";
inline constexpr std::string_view kBackgroundBmp = "Background_bmp";
inline constexpr std::string_view kBackgroundFixedCol = "Background_Fixed_Col";
inline constexpr std::string_view kBackgroundCol = "Background_Col";
inline constexpr std::string_view kBackgroundDef = "Background_def";
inline constexpr std::string_view kFadeBackground = "Fade_Background";
inline constexpr std::string_view kGame = "Game";
inline constexpr std::string_view kGameName = "Game_name";
inline constexpr std::string_view kGameTreeNum = "Game_TreeNum";
inline constexpr std::string_view kOpenPreviewGame = "Open_Preview_Game";
inline constexpr std::string_view kShowTime = "Show_Time";
inline constexpr std::string_view kShowScore = "Show_Score";
inline constexpr std::string_view kCardsAnimate = "Cards_Animate";
inline constexpr std::string_view kCardsShadowed = "Cards_Shadowed";
inline constexpr std::string_view kPilesUntidy = "Piles_TT";
inline constexpr std::string_view kAutomaticFaceUp = "Automatic_FaceUp";
inline constexpr std::string_view kDealAnimation = "Deal_Animation";
inline constexpr std::string_view kRedealAnimation = "Redeal_Animation";
inline constexpr std::string_view kLanguage = "Language";
inline constexpr std::string_view kSpeedMoveCard = "Speed_Move_Card";
inline constexpr std::string_view kStatusBar = "StatusBar";
inline constexpr std::string_view kUserDefault = "UserDefault";
inline constexpr std::string_view kShowTips = "Show_Tips"; // "N": no tip at start
inline constexpr std::string_view kNextTip = "Next_Tip";   // the tip shown next, from 0
inline constexpr std::string_view kUndoEnabled = "Undo_Enabled";
inline constexpr std::string_view kWinningAnimation = "Winning_Animation";
inline constexpr std::string_view kConfirmQuit = "ConfirmQuit";
inline constexpr std::string_view kConfirmQuitGame = "ConfirmQuitGame";
inline constexpr std::string_view kConfirmEnterHiScores = "ConfirmEnterHiScores";
inline constexpr std::string_view kSoundsEnabled = "Sounds_Enabled";
inline constexpr std::string_view kSoundsAbout = "Sounds_About";
inline constexpr std::string_view kSoundsAutoplay = "Sounds_Autoplay";
inline constexpr std::string_view kSoundsCardDown = "Sounds_CardDown";
inline constexpr std::string_view kSoundsCardUp = "Sounds_CardUp";
inline constexpr std::string_view kSoundsNewHiScores = "Sounds_NewHiScores";
inline constexpr std::string_view kSoundsFaceUp = "Sounds_FaceUp";
inline constexpr std::string_view kSoundsGameWon = "Sounds_GameWon";
inline constexpr std::string_view kSoundsHiScores = "Sounds_HiScores";
inline constexpr std::string_view kSoundsNewGame = "Sounds_NewGame";
inline constexpr std::string_view kSoundsPairing = "Sounds_Pairing";
inline constexpr std::string_view kSoundsRedeal = "Sounds_Redeal";
inline constexpr std::string_view kSoundsRedo = "Sounds_Redo";
inline constexpr std::string_view kSoundsRestart = "Sounds_Restart";
inline constexpr std::string_view kSoundsShuffle = "Sounds_Shuffle";
inline constexpr std::string_view kSoundsSplash = "Sounds_Splash";
inline constexpr std::string_view kSoundsStock = "Sounds_Stock";
inline constexpr std::string_view kSoundsFoundation = "Sounds_Foundation";
inline constexpr std::string_view kSoundsTableau = "Sounds_Tableau";
inline constexpr std::string_view kSoundsUndo = "Sounds_Undo";
inline constexpr std::string_view kRandomBackground = "Random_Background";
inline constexpr std::string_view kRandomCard = "Random_Card";
inline constexpr std::string_view kRandomDeck = "Random_Deck";
inline constexpr std::string_view kVertScrollBar = "VertScrollBar";
inline constexpr std::string_view kCursor = "Cursor";
inline constexpr std::string_view kAutoPlay = "AutoPlay";
// The status line tells after every move whether the game can still be won (Y/N, default N).
inline constexpr std::string_view kWinnableStatus = "Winnable_Status";
// A new game deals only numbers the solver has won (Y/N, default N).
inline constexpr std::string_view kWinnableDeals = "Winnable_Deals";
inline constexpr std::string_view kCardCounterStock = "CardCounter_Stock";
inline constexpr std::string_view kCardCounterTableau = "CardCounter_Tableau";
inline constexpr std::string_view kCardCounterInverse = "CardCounter_Inverse";
inline constexpr std::string_view kCardCounterVisible = "CardCounter_Visible";
inline constexpr std::string_view kCardCounterLeft = "CardCounter_Left";
inline constexpr std::string_view kCardCounterTop = "CardCounter_Top";
// The main window: maximized (Y/N, default Y) and its restored "left top width height".
inline constexpr std::string_view kWindowMaximized = "Window_Maximized";
inline constexpr std::string_view kWindowRestored = "Window_Restored";
// Y (the default): a game in progress when the window closes is kept and offered at the next
// start; N: it ends as lost, as quitting it would.
inline constexpr std::string_view kKeepUnfinishedGame = "Keep_Unfinished_Game";

// Values.
inline constexpr std::string_view kYes = "Y";
inline constexpr std::string_view kNo = "N";
inline constexpr std::string_view kFirstPlayer = "Player 1";
// "Card_Size": beside the letters of the three fixed sizes, "Fit to window", the default.
inline constexpr std::string_view kFitToWindowCardSize = "F";

} // namespace tablamor::pref
