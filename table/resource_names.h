#pragma once
// The names, sizes and places of the program's pictures and sounds, shared by the artwork
// generator that makes them and the program that loads them. Plain C++: no Qt needed to include it.
//
// Where things are, relative to the program directory:
//   Images/<FaceFileName|BackFileName|BackgroundFileName>.bmp   24-bit bitmaps
//   SOUNDS/<SoundFileName(name)>                                16-bit PCM wave files
//   SOL.RGF                                                     Qt binary resource file
//
// Lookup in SOL.RGF: register the file with QResource::registerResource(path) (false means it
// cannot be loaded), then a picture named N loads as QImage(QString::fromStdString(
// ResourcePath(N))), that is ":/SOL/N". Every resource is a PNG. Names are case-sensitive and
// spelt exactly as below ("card_hearts", "Card_None", "3D_BORDER_B1", "GAME0001").
//
// Transparency: the marks, cursors, tree, rating, counter, toolbar and advice pictures carry an
// alpha channel; paint them with source-over. SHADOW_* pictures are opaque and use white as the
// transparent colour, 3D_BORDER_* pictures use pure blue (0, 0, 255); neither colour occurs in
// them otherwise. No picture uses pure green (0, 255, 0), so keying it out is harmless. A
// "GAME" preview is opaque; its top-left pixel is the table green RGB(0, 128, 0).
//
// Screens of a device pixel ratio above 1: the toolbar pictures, the cursors and the previews are
// also drawn at twice their size under the name followed by "@2x" (a cursor's hot spot texts stay
// in the ordinary picture's pixels; a small toolbar picture at twice its size is the large one).
// The program takes those and paints them at their ordinary size, so that they stay sharp.
//
// Card pictures (faces and backs) are plain rectangles of the card size whose three pixels at
// each corner (the corner and its two neighbours along the edges) lie outside the card's
// outline: the painter replaces them with what lies under the card, which rounds the corners.
#include <array>
#include <string>
#include <string_view>

namespace tablamor::art {

inline constexpr std::string_view kResourceFile = "SOL.RGF";
inline constexpr std::string_view kImagesDir = "Images";
inline constexpr std::string_view kSoundsDir = "SOUNDS";
inline constexpr std::string_view kResourceRoot = ":/SOL/";
// The folder inside the resource file that kResourceRoot points at (the .qrc prefix).
inline constexpr std::string_view kResourcePrefix = "/SOL";

inline std::string ResourcePath(std::string_view name) {
    return std::string(kResourceRoot) + std::string(name);
}

// ---- cards ---------------------------------------------------------------------------------

struct CardSize {
    char letter;
    int width;
    int height;
};
inline constexpr std::array<CardSize, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'P', 25, 32}}};
// A card drawn at run time at any other size carries this letter.
inline constexpr char kAnySizeLetter = 'F';
inline constexpr int kBigCardWidth = 71;
inline constexpr int kBigCardHeight = 96;

// A face file holds one suit: 5 x 3 cells of exactly the card size, ace to king row by row from
// the top-left; the last two cells are unused.
inline constexpr int kFaceGridColumns = 5;
inline constexpr int kFaceGridRows = 3;
inline constexpr int kRanksPerSuit = 13;

inline constexpr std::array<char, 4> kSuitLetters{'H', 'D', 'C', 'S'};
// 001 the default set; 003 the plainer, high-contrast set used on narrow screens.
inline constexpr std::array<int, 2> kFaceSets{1, 3};
// 001 Boat, 003 Snowman, 006 the medium-size default, 011 Plaiting 1, 014 Roses,
// 019 Tropical fish.
inline constexpr std::array<int, 6> kBackNumbers{1, 3, 6, 11, 14, 19};
// Tiled backgrounds: 102 Moquette, 287 Metal gold, 296 Moquette 1, 304 Brick wall 1,
// 311 Parquet, 324 Meadow.
inline constexpr std::array<int, 6> kBackgroundNumbers{102, 287, 296, 304, 311, 324};

namespace detail {
inline std::string ThreeDigits(int n) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}
inline std::string FourDigits(int n) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}
} // namespace detail

// The pictures drawn again for screens of a higher device pixel ratio: their scale and names.
inline constexpr int kHiDpiScale = 2;
inline std::string HiDpiName(std::string_view name) {
    return std::string(name) + "@2x";
}

// "CB001H": size letter, three-digit set, suit letter. Add ".bmp" for the file.
inline std::string FaceFileName(char sizeLetter, int set, char suitLetter) {
    return std::string("C") + sizeLetter + detail::ThreeDigits(set) + suitLetter;
}
// "DB011".
inline std::string BackFileName(char sizeLetter, int back) {
    return std::string("D") + sizeLetter + detail::ThreeDigits(back);
}
// "B324".
inline std::string BackgroundFileName(int number) {
    return "B" + detail::ThreeDigits(number);
}

// ---- marks, shadows and borders (one per card size, each of the card size unless noted) ----

inline constexpr int kMarkCount = 22; // "W" + L + "001" .. "022"
inline std::string MarkName(char sizeLetter, int mark) {
    return std::string("W") + sizeLetter + detail::ThreeDigits(mark);
}

// SHADOW_L1 is the vertical strip drawn at the card's right edge from 7 px below its top;
// SHADOW_L2 the horizontal strip drawn at its bottom edge from 8 px right of its left.
// Both are kShadowDepth deep: a checkerboard of black on white (white is transparent).
inline constexpr int kShadowDepth = 7;
inline std::string ShadowName(char sizeLetter, int which) {
    return "SHADOW_" + std::string(1, sizeLetter) + std::to_string(which);
}

// 3D_BORDER_L1 is the right edge of a stock pile, 16 wide and card height + 13 high;
// 3D_BORDER_L2 the bottom edge, card width + 11 wide and 16 high. Pixel (c, r) of the first
// lies at (x + width - 16 + c, y - 13 + r) of a pile resting at (x, y), of the second at
// (x - 13 + c, y + height - 16 + r), so a pile d pixels thick cuts its strips from column or
// row 15 - d. Thickness 0..15 is covered.
inline constexpr int kBorderDepth = 16;
inline std::string BorderName(char sizeLetter, int which) {
    return "3D_BORDER_" + std::string(1, sizeLetter) + std::to_string(which);
}

// ---- cursors ---------------------------------------------------------------------------------

// 32 x 32 with alpha. The hot spot is also stored in the PNG as the texts "HotspotX"/"HotspotY".
struct CursorPicture {
    int number; // the number the program registers it under
    std::string_view name;
    int hotX;
    int hotY;
};
inline constexpr int kCursorSize = 32;
inline constexpr std::array<CursorPicture, 10> kCursors{{
    {10, "CUR_ARROW1A", 1, 1},
    {11, "CUR_ARROW2A", 1, 1},
    {12, "CUR_HAND1A", 11, 4},
    {13, "CUR_HAND2A", 10, 1},
    {14, "CUR_CROSS1A", 15, 15},
    {20, "CUR_ARROW1B", 1, 1},
    {21, "CUR_ARROW2B", 1, 1},
    {22, "CUR_HAND1B", 13, 9},
    {23, "CUR_HAND2B", 10, 1},
    {24, "CUR_CROSS1B", 15, 15},
}};

// ---- open-a-game dialog --------------------------------------------------------------------

// The tree's image list in index order (16 x 16 each).
inline constexpr int kTreePictureSize = 16;
inline constexpr std::array<std::string_view, 35> kTreePictures{
    "TREE1",
    "TREE2",
    "N_TREE3",
    "N_TREE4",
    "N_TREE5",
    "F_TREE1",
    "F_TREE2",
    "S_TREE1",
    "S_TREE2",
    "D_TREE1",
    "D_TREE2",
    "TREE5_CANFIELD_TYPE",
    "TREE5_FAN_TYPE",
    "TREE5_FORTYTHIEVES_TYPE",
    "TREE5_FREECELL_TYPE",
    "TREE5_KLONDIKE_TYPE",
    "TREE5_PAIRING_TYPE",
    "TREE5_SIMPLEGAMES_TYPE",
    "TREE5_SPIDER_TYPE",
    "TREE5_1DECK_TYPE",
    "TREE5_2DECK_TYPE",
    "C_TREE1",
    "C_TREE2",
    "TREE5_CUSTOMIZED_GAMES",
    "TREE5_FAVORITES_GAMES",
    "TREE5_BAKERSDOZEN_TYPE",
    "T_TREE1",
    "T_TREE2",
    "I_TREE1",
    "I_TREE2",
    "K_TREE1",
    "K_TREE2",
    "W_TREE1",
    "W_TREE2",
    "TREE5_ROW_TYPE",
};

// Rating pictures, indexed by the rating value.
inline constexpr int kRatingWidth = 64;
inline constexpr int kRatingHeight = 12;
inline constexpr std::array<std::string_view, 3> kDifficultyPictures{
    "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD"};
inline constexpr std::array<std::string_view, 5> kChancePictures{
    "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
    "PROG_CHAN_VERYLOW"};
inline constexpr std::array<std::string_view, 3> kGameTimePictures{
    "PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK"};

// Preview of a game's table: "GAME0001".
inline constexpr int kPreviewWidth = 192;
inline constexpr int kPreviewHeight = 144;
inline std::string PreviewName(int gameId) {
    return "GAME" + detail::FourDigits(gameId);
}

// ---- card counter --------------------------------------------------------------------------

// Suit symbols drawn at the start of every row, and the per-card marks drawn on the grid
// (columns 14 px apart, rows 18 px apart).
inline constexpr int kCounterSuitWidth = 14;
inline constexpr int kCounterSuitHeight = 16;
inline constexpr int kCounterMarkWidth = 12;
inline constexpr int kCounterMarkHeight = 16;
inline constexpr std::array<std::string_view, 4> kCounterSuitPictures{
    "card_hearts", "card_diamonds", "card_clubs", "card_spades"};
inline constexpr std::string_view kCounterNoCard = "Card_None";
// "Card_1_Up" .. "Card_13_Down".
inline std::string CounterCardName(int rank, bool faceUp) {
    return "Card_" + std::to_string(rank) + (faceUp ? "_Up" : "_Down");
}

// ---- toolbars ------------------------------------------------------------------------------

// The buttons of both toolbars, in toolbar order.
enum class ToolbarButton {
    New,
    Open,
    Restart,
    Save,
    Undo,
    Redo,
    Autoplay,
    Statistics,
    Rules,
    Exit
};
inline constexpr std::array<ToolbarButton, 10> kToolbarButtons{
    ToolbarButton::New,   ToolbarButton::Open, ToolbarButton::Restart,  ToolbarButton::Save,
    ToolbarButton::Undo,  ToolbarButton::Redo, ToolbarButton::Autoplay, ToolbarButton::Statistics,
    ToolbarButton::Rules, ToolbarButton::Exit};
// Icons for the 44 x 42 buttons of the large toolbar and the 23 x 22 buttons of the small one.
inline constexpr int kLargeToolbarIcon = 32;
inline constexpr int kSmallToolbarIcon = 16;

// Small toolbar: "TB_UNDO", "TB_UNDO_DIS" ...; large toolbar: "TBL_UNDO", "TBL_UNDO_DIS" ...
// Every button has an enabled and a greyed "_DIS" picture in both sizes.
inline std::string ToolbarPictureName(ToolbarButton button, bool large, bool disabled) {
    static constexpr std::array<std::string_view, 10> kWords{
        "NEW", "OPEN", "RESTART", "SAVE", "UNDO", "REDO", "AUTOPLAY", "STAT", "RULES", "EXIT"};
    std::string name = large ? "TBL_" : "TB_";
    name += kWords[static_cast<std::size_t>(button)];
    if (disabled) name += "_DIS";
    return name;
}

// ---- start-up ------------------------------------------------------------------------------

inline constexpr std::string_view kSplashBanner = "SPLASH_BANNER"; // across the top
inline constexpr int kSplashBannerWidth = 389;
inline constexpr int kSplashBannerHeight = 48;
inline constexpr std::string_view kSplashPicture = "SPLASH_PICTURE"; // the middle panel
inline constexpr int kSplashPictureWidth = 250;
inline constexpr int kSplashPictureHeight = 200;
// The advice window's two picture pages.
inline constexpr std::string_view kAdviceColor = "Color";
inline constexpr std::string_view kAdviceSmallScreen = "640x480";
inline constexpr int kAdvicePictureSize = 64;

// ---- sounds --------------------------------------------------------------------------------

// The names the program plays, as it names them; some carry ".wav", some do not.
inline constexpr std::array<std::string_view, 18> kSoundNames{
    "card_up.wav", "card_down.wav", "Foundation.wav", "Autoplay.wav", "Eddy.wav",
    "Tableau",     "Stock",         "Pairing",        "Face_up",      "Reorder",
    "Shuffle",     "Redeal",        "Undo",           "Redo",         "Won",
    "New",         "Splash",        "About.wav"};

// The file in SOUNDS that a sound name plays: the name itself when it ends in ".wav" (in any
// letter case), otherwise the name + ".wav".
inline std::string SoundFileName(std::string_view name) {
    constexpr std::string_view kExt = ".wav";
    if (name.size() >= kExt.size()) {
        std::string_view tail = name.substr(name.size() - kExt.size());
        bool same = true;
        for (std::size_t i = 0; i < kExt.size(); ++i) {
            char c = tail[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            same = same && c == kExt[i];
        }
        if (same) return std::string(name);
    }
    return std::string(name) + std::string(kExt);
}

} // namespace tablamor::art
