#pragma once
// The rule core: may card M lie on card T (or on an empty pile) under one pile's building rule?
// Every legality question of the game (drops, lifted runs, sends to the foundations, the deal's
// gathering of cards to the foundations) ends here, so play, autoplay, hints and a solver judge
// moves alike. The tests only read the state; the one message they can send is "Error suit - 1",
// for a card whose suit cannot be worked out during a balanced-base test.
#include "engine/events.h"
#include "engine/game_state.h"

#include <string_view>

namespace tablamor {

inline constexpr std::string_view kUnknownSuitText = "Error suit - 1";

// Where a card lies, as the rules name it: -99 stock, -98 waste, -1..-16 foundation 1..16,
// 1..26 tableau pile 1..26, -21..-28 reserve 1..8, 0 anywhere else (the third stock-group pile
// included) or nowhere.
namespace location {
inline constexpr int kStock = -99;
inline constexpr int kWaste = -98;
inline constexpr int kNowhere = 0;
inline constexpr int kFirstReserve = -21;
} // namespace location

int LocateCard(const Table& table, Card card);
bool IsTableauLocation(int location);
bool IsFoundationLocation(int location);
bool IsReserveLocation(int location);

// One build question. `top` is the target's top card: -1 for an empty pile during play, 0 for an
// empty foundation during the deal; both count as empty. It stays an int because the two markers
// judge differently (the rules of steps count from them).
struct BuildQuery {
    int top = -1;
    Card card = kNoCard; // M: the card that would lie on the target (a run's lowest card)
    int base = 0;        // the target's empty-fill or base code
    int stop = 0;        // the stop rank: the first foundation's base for tableau piles
    int direction = 0;   // code::kDown, kUp, kUpOrDown
    int rule = 0;
    bool wrap = false; // foundations wrap king to ace and back; tableau piles do not
    bool pastBase = false;
    int pile = 0;           // 0-based number of the target within its group
    bool dropping = true;   // false while testing a pair inside a run
    bool singleCard = true; // M is carried alone (base code 86 takes nothing else)
};

bool CheckBuild(const GameState& state, const BuildQuery& query, EventSink& sink);

// Whether CheckBuild's verdict on a target with a top card reads nothing but the query under
// this rule (not the table, not where the card lies): a verdict that may be remembered.
bool RuleReadsQueryOnly(int rule);
// Whether the verdict on an empty target under this base code (the query's base) reads nothing but
// the query and whether one card is carried.
bool EmptyBaseReadsQueryOnly(int base);

// Keeps the colours (and, for codes 84 and 85, the suits) of the cards that start the
// foundations of one base code balanced: code 81 takes aces, 84 kings and 85 aces, with no
// colour on more than half of those foundations and, for 84 and 85, no suit twice.
bool BalancedBaseAllowed(const GameState& state, int baseCode, Card card, EventSink& sink);

} // namespace tablamor
