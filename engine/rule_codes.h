#pragma once
// The values the rule parameters take: building rules, directions, empty-pile (base) codes,
// foundation start-card codes, run size codes and the special game codes that select the few
// game-specific steps. The parameters that hold them are named in engine/params.h.
namespace tablamor::code {

// Building direction of a foundation or tableau pile.
inline constexpr int kDown = 0;
inline constexpr int kUp = 1;
inline constexpr int kUpOrDown = 2;

// Building rules of foundations and tableau piles. Codes without a name here go to the general
// test with no suit or colour condition.
inline constexpr int kSameSuit = 0;
inline constexpr int kSameColour = 1;
inline constexpr int kAnySuit = 2; // the general test alone, as for every code without a name
inline constexpr int kAlternateColour = 3;
inline constexpr int kClosed = 4;
inline constexpr int kClosedToo = 5;
inline constexpr int kNoCardOnCard = 6; // the general test with a condition nothing meets
inline constexpr int kEmptyOnceStockIsOut = 7;
inline constexpr int kQueenOnlyToEmpty = 10; // foundations: a queen, onto an empty pile
inline constexpr int kSameSuitNoQueenOnKingJack = 11;
inline constexpr int kAnything = 12;
inline constexpr int kStepsOfTwo = 14;
inline constexpr int kStepsOfThree = 15;
inline constexpr int kStepsOfFour = 16;
inline constexpr int kNotFromTableau = 17;
inline constexpr int kNotFromTableauUnlessEmpty = 18;
inline constexpr int kNotFromTableauOrReserve = 19;
inline constexpr int kUpAnySuitAroundTheCorner = 20;
inline constexpr int kNotSameSuit = 21;
inline constexpr int kAceOrBelowTableauTop = 22; // foundations: judged against the tableau tops
inline constexpr int kUpInSuitWhileWasteEmpty = 23;
inline constexpr int kSuitNoQueenKingPair = 24;
inline constexpr int kSuitByTwos = 25;
inline constexpr int kAnySuitOnShortPile = 26;
inline constexpr int kAlternateNotFromFoundationOrReserve = 27;
inline constexpr int kSuitUpOrDownNoWrap = 28;
inline constexpr int kSuitUpThenKingThenDown = 29;
inline constexpr int kSuitFollowsPileDirection = 30;
inline constexpr int kSuitDownNothingOnAce = 31;
inline constexpr int kSuitUpNothingOnKing = 32;
inline constexpr int kNotFromTableauOnShortPile = 33;
// Foundations: only a whole suit, king to ace, lifted from a tableau pile onto an empty foundation.
inline constexpr int kCompleteSuit = 34;

// Reserve rules.
inline constexpr int kReserveClosed = 4;
inline constexpr int kReserveKingsWhileFirstShort = 8;
inline constexpr int kReserveCourtCardsToEmpty = 9;
inline constexpr int kReserveAnyWhileFirstShort = 13;

// What an empty pile takes (foundation base codes, tableau empty-fill codes). Codes 1..13 (and
// any unnamed code) take that rank.
inline constexpr int kBaseAnyCard = -1;
inline constexpr int kBaseBalancedAces = 81;
inline constexpr int kBaseStartedByDeal = 82;
inline constexpr int kBaseStartedByDealToo = 83;
inline constexpr int kBaseBalancedKingsBySuit = 84;
inline constexpr int kBaseBalancedAcesBySuit = 85;
inline constexpr int kBaseAnySingleCard = 86;
inline constexpr int kBaseFromStockOrWaste = 87;
// As 92, but the first foundation started takes its card from a reserve.
inline constexpr int kBaseSharedRankFirstFromReserve = 88;
inline constexpr int kFillBelowFoundationBase = 91; // tableau: replaced by the deal
inline constexpr int kBaseSharedRank = 92;

// Foundation start-card codes: which card, if any, the deal puts on a foundation.
inline constexpr int kStartNone = 0;
inline constexpr int kStartFirstCard = 20;
inline constexpr int kStartRankOffset = 50; // 51..63: the first card of rank code - 50
inline constexpr int kStartSuitMatesOfFirst = 91;
inline constexpr int kStartEmptySharedBase = 92;
inline constexpr int kStartAceThenGather = 93;
inline constexpr int kStartAceThenGatherOwn = 94;
inline constexpr int kStartKingsAndAcesThenGather = 95;
inline constexpr int kStartNoneAcesFromTableau = 96;
inline constexpr int kStartCardCodeOffset = 100; // 100 and above: card code - 100

// A value above this in the third pile's start card stands for the code value - 100.
inline constexpr int kThirdPileCodeOffset = 100;

// Run size codes (how many cards may move at once). An unnamed negative code allows as many
// cards as there are empty tableau piles, at least one; 0 and above that many cards.
inline constexpr int kRunAny = -1;
inline constexpr int kRunFreeCellsAndSpaces = -5;
inline constexpr int kRunFreeCellsOrSpaces = -6;
inline constexpr int kRunKingLed = -12;
// (free cells + 1) x 2^(empty tableau piles) onto a card, half that onto an empty pile.
inline constexpr int kRunClassicSupermove = -7;
// The top card alone, or the whole pile when every card of it is lifted.
inline constexpr int kRunTopCardOrWholePile = -8;
// Free cells + 1; empty tableau piles do not count.
inline constexpr int kRunFreeCellsOnly = -9;

// Run check modes for runs lifted from a tableau pile.
inline constexpr int kRunCheckPileRule = 1;
inline constexpr int kRunCheckSameSuit = 10;

// Flags and modes of single parameters.
inline constexpr int kOpeningRestrictionOn = 1;
inline constexpr int kWasteTakesBuilds = 2;
inline constexpr int kWasteHoldsOne = 3; // the stock is not dealt while the waste holds a card
inline constexpr int kWasteNeverTarget = 4;
inline constexpr int kOn = 1;               // a yes/no parameter that is set
inline constexpr int kUnlimitedPasses = -1; // StockPasses: the stock is redealt without end

// Fill sources of empty tableau piles (parameter TableauFillSource).
inline constexpr int kFillFromReserve = 1;          // reserve 1's top card
inline constexpr int kFillFromWasteThenStock = 2;   // the waste's top card, else the stock's
inline constexpr int kFillFromStockThenWaste = 3;   // the stock's top card, else the waste's
inline constexpr int kFillFromWasteUntilMarked = 4; // as 2, until a step carries the tableau mark

// "Add_Tableaus" / "Add_Reserves" flags of a pile (TableauTakesAdd, ReserveTakesAdd): 1, 2 and 3
// take a card; the stock press also reads 1 (deal at once), 2 (deal only without gaps) and, for
// the first reserve, 3 (the eight-card last deal to the tableau).
inline constexpr int kAddDeals = 1;
inline constexpr int kAddDealsWithoutGaps = 2;
inline constexpr int kAddLastEightToTableau = 3;

// Lifting from reserves and foundations (ReserveLift, FoundationLift).
inline constexpr int kReserveLiftWhole = -11; // any reserve card lifts with the cards on it
inline constexpr int kFoundationLiftAlways = 1;
inline constexpr int kFoundationLiftAboveOne = 2; // only from a foundation of two or more cards

// The stock press that counts every release as a pass (ReleaseCountsPass).
inline constexpr int kEveryReleaseAPass = 1;

// Special game codes.
inline constexpr int kSpecialGolf = 2; // ace and king do not follow each other
// Ace and king follow each other. With the tableau fanned side by side (style 4) the rows are
// peaks (engine/peaks.h): a card is played when no card of the row below covers it.
inline constexpr int kSpecialPeaks = 12;
inline constexpr int kSpecialGolfAroundTheCorner = 15;
inline constexpr int kSpecialUnscored = 9;
inline constexpr int kSpecialAcesFromReserveAndWaste = 11;
inline constexpr int kSpecialComparedDrop = 19;
inline constexpr int kSpecialHeartsCourtApart = 22;
inline constexpr int kSpecialMarkTableauMoves = 23;
// Aces are never discarded; the game is won when nothing but aces is left.
inline constexpr int kSpecialAcesStay = 27;
// The stock press gathers the tableau piles (the first pile's cards first, each pile bottom to
// top) and deals them again from the first pile on, StockDealCount cards a pile, the last pile
// perhaps short. Every redeal is a pass through the stock (StockPasses). Code 28 shuffles the
// gathered cards first, by the game number and the pass; code 29 keeps their order.
inline constexpr int kSpecialTableauRedealShuffled = 28;
inline constexpr int kSpecialTableauRedealInOrder = 29;
constexpr bool RedealsTableau(int special) {
    return special == kSpecialTableauRedealShuffled || special == kSpecialTableauRedealInOrder;
}

} // namespace tablamor::code
