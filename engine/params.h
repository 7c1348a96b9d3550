#pragma once
// The game parameter record: 333 signed 16-bit values that hold every rule, count and layout
// code of a game. Each parameter (or range of parameters, one per pile) is named once here;
// the engine, the layout and the game sources under games/ use these names, never raw numbers.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tablamor {

inline constexpr int kParamCount = 333; // P[0] .. P[332]; P[0] is unused
inline constexpr int kMaxFoundations = 16;
inline constexpr int kMaxTableaus = 26;
inline constexpr int kMaxReserves = 8;

// A run of parameters with one value per pile of a group: pile n (0-based) reads P[first + n],
// for n in 0 .. count - 1. Read and written only through GameParams::At and Set, which refuse a
// pile outside the run.
struct ParamRange {
    int first;
    int count;

    constexpr bool Holds(int n) const { return n >= 0 && n < count; }
    constexpr int Index(int n) const { return first + n; }
};

namespace param {
// Deal (foundation and stock set-up)
inline constexpr int kDealFoundationBaseCard = 1; // 1: a card dealt to foundation 1 sets every base
inline constexpr int kTableauRunCheck = 2;        // run check mode for runs lifted from the tableau
inline constexpr int kTableauFan = 3;             // tableau fan style
inline constexpr int kFoundationFan = 4;          // foundation fan style
inline constexpr int kReserveFan = 5;             // reserve fan style
inline constexpr int kStockFaceDown = 6;          // 0: stock cards are dealt face up
inline constexpr int kStockPlaced = 7;            // 1: the stock is on the table
inline constexpr int kWastePlaced = 8;            // 1: the waste is on the table
inline constexpr int kDeckSuits = 9;              // suits the cards show: 0 four, 1 or 2 fewer
inline constexpr int kDealFoundationCard = 10;    // 1: one more card to foundation 1 after the deal
inline constexpr int kRunSize = 11;               // how many cards may move at once
inline constexpr int kReserveLift = 12;           // reserve lifting mode (-11: whole reserve)
inline constexpr int kStockPasses = 13;           // passes through the stock, -1 unlimited
inline constexpr int kReleaseCountsPass = 14;     // 1: every release on the stock is a pass
inline constexpr int kFoundationLift = 15;        // 1 always, 2 when more than one card
inline constexpr int kAutoplayAvailable = 16;     // not 0: autoplay is offered
inline constexpr int kStockDealCount = 17;        // cards dealt per stock press
inline constexpr int kTableauFillSource = 18;     // where empty tableau piles are filled from
inline constexpr int kAfterDealByPile = 19;       // 0: after-deal scans row by row, else by pile
inline constexpr int kFoundationResort = 21;      // 1: re-sort a foundation after every card
inline constexpr int kKingsToBottom = 22;         // 1: kings go to the bottom of their piles
inline constexpr int kFoundationCapacity = 23;    // cards a foundation holds
inline constexpr int kNarrowScreenMedium = 26;    // 1: medium cards on narrow screens
inline constexpr int kPairingSum = 27;            // pairing game code / target sum, 0 none
inline constexpr int kOpeningRestriction = 28;    // 1: opening restriction
inline constexpr int kAutoFillAfterFirst = 29;    // 1: fill the tableau after the first action
inline constexpr int kDealScore = 30;             // score added after the deal, in cards
inline constexpr int kSpecialCode = 31;           // special game code
// Per-foundation ranges (one value per foundation 0..15)
inline constexpr ParamRange kFoundationBase{32, kMaxFoundations};
inline constexpr ParamRange kFoundationDirection{48, kMaxFoundations};
inline constexpr ParamRange kFoundationRule{64, kMaxFoundations};
inline constexpr ParamRange kFoundationStartCard{80, kMaxFoundations};
// Per-tableau ranges (one value per pile 0..25)
inline constexpr ParamRange kTableauEmptyFill{96, kMaxTableaus};
inline constexpr ParamRange kTableauDirection{122, kMaxTableaus};
inline constexpr ParamRange kTableauRule{148, kMaxTableaus};
inline constexpr ParamRange kTableauPastBase{174, kMaxTableaus};
// Pile takes a card in "Add_Tableaus". The record has no slot of its own for the 26th pile:
// its flag is P[225], the slot that is also the first reserve's rule code, and each reader
// takes that value in its own sense. The game sources name the first 25 only.
inline constexpr ParamRange kTableauTakesAdd{200, kMaxTableaus};
// Per-reserve ranges (one value per reserve 0..7)
inline constexpr ParamRange kReserveRule{225, kMaxReserves};
inline constexpr ParamRange kReserveTakesAdd{233, kMaxReserves}; // takes a card in "Add_Reserves"
inline constexpr int kThirdPileStartCard = 241;
inline constexpr int kWasteBuild = 242;     // 2: builds on the waste; 3: it holds one card
inline constexpr int kWasteNotTarget = 243; // 4: the waste is never a drop target
inline constexpr int kStockLayout = 244;
inline constexpr int kStockLayoutRow = 245;
inline constexpr int kFoundationLayout = 246;
inline constexpr int kFoundationLayoutRow = 247;
inline constexpr int kTableauLayout = 248;
inline constexpr int kTableauLayoutRow = 249;
inline constexpr int kTableauLines = 250;
inline constexpr int kReserveLayout = 251;
inline constexpr int kReserveLayoutRow = 252;
inline constexpr int kThirdPileLayout = 253;
inline constexpr int kThirdPileLayoutRow = 254;
inline constexpr int kStockGroupPlaced = 255;
inline constexpr int kFoundationCount = 256;
inline constexpr int kTableauCount = 257;
inline constexpr int kReserveCount = 258;
inline constexpr int kThirdPilePlaced = 259;
inline constexpr int kCardCount = 260;
inline constexpr int kStockDealt = 261;
inline constexpr int kWasteDealt = 262;
inline constexpr ParamRange kTableauDealt{263, kMaxTableaus};
inline constexpr ParamRange kTableauFaceUp{289, kMaxTableaus};
inline constexpr int kThirdPileDealt = 315;
inline constexpr ParamRange kReserveDealt{316, kMaxReserves};
inline constexpr int kPlayingTime = 327;    // 0 long, 1 medium, 2 quick
inline constexpr int kDifficulty = 328;     // 0 easy, 1 medium, 2 hard
inline constexpr int kWinChanceClass = 330; // 0 very high .. 4 very low
inline constexpr int kWinChanceAbout = 331; // about P[331] in P[332]
inline constexpr int kWinChanceOutOf = 332;
} // namespace param

// One named parameter or range, as written in the game sources ("TableauDealt = 1 2 3").
struct ParamName {
    std::string_view name;
    int first;
    int count;
};

// Every named parameter in index order.
std::span<const ParamName> ParamNames();

// The named entry that holds parameter `index`, or nullptr.
const ParamName* ParamNameOf(int index);

// The named entry of that name (case-sensitive), or nullptr.
const ParamName* FindParamName(std::string_view name);

// The game parameter record P.
struct GameParams {
    std::array<std::int16_t, kParamCount> value{};

    std::int16_t& operator[](int index) { return value[static_cast<std::size_t>(index)]; }
    std::int16_t operator[](int index) const { return value[static_cast<std::size_t>(index)]; }
    // The value of pile n in a per-pile range; 0 for a pile outside it.
    std::int16_t At(ParamRange range, int n) const {
        return range.Holds(n) ? (*this)[range.Index(n)] : std::int16_t{0};
    }
    // Sets the value of pile n in a per-pile range; a pile outside it changes nothing.
    void Set(ParamRange range, int n, std::int16_t v) {
        if (range.Holds(n)) (*this)[range.Index(n)] = v;
    }
    bool operator==(const GameParams&) const = default;
};

} // namespace tablamor
