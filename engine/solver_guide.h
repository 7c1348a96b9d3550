#pragma once
// Guidance for the solver's search, read from the rules alone (no per-game knowledge): a move it
// may make without trying the others, and how promising a position looks.
//
// A card going to a foundation is safe when no card still off the foundations could ever be
// built on it on any tableau pile: whatever a win from the position before does with that card,
// it can do without it, so every win from before is also a win after. The same holds for a whole
// suit going up as one move, judged by its ace. Games where the move could change anything else
// (piles filled or dealt to in order, a waste dealt in threes, builds on the waste, special and
// pairing games) get no safe moves.
#include "engine/commands.h"
#include "engine/game_state.h"
#include "engine/solver_pairs.h"
#include "engine/solver_pile_memo.h"
#include "engine/solver_wanted.h"

#include <bitset>
#include <cstdint>
#include <vector>

namespace tablamor {

// How much each feature of a position counts in its score.
struct ScoreWeights {
    int progress = 0; // per point of the running score
    int faceDown = 0; // per face-down card on the table
    int waste = 0;    // per card dealt to the waste and not played
    int empty = 0;    // per empty tableau pile
    int buried = 0;   // per card lying on a card the foundations take now
    int broken = 0;   // per card not on a card it is built on
    int parked = 0;   // per card in a reserve
};

// Searches run side by side with different weights, each finding what the others miss.
inline constexpr int kSearchStyles = 3;

class SolverGuide {
public:
    // `style` picks the weights, 0 to kSearchStyles - 1.
    explicit SolverGuide(const GameState& start, int style = 0);

    bool IsSafeFoundationMove(const GameState& before, const GameState& after);

    // True for a drop the search leaves out, though it may be needed: where the foundations take
    // whole suits, a run lifted off a card of its suit one rank higher (it breaks up a suit in the
    // making). A search that leaves a move out can no longer prove a deal lost.
    bool IsLeftOut(const GameState& position, const Command& command) const;

    // True when the position can no longer be won because a card can never reach a foundation.
    // Read where the foundations judge a card against the tableau tops (a card goes up beside a
    // higher card or an ace of its suit, an ace at any time): once a suit's aces are all up, the
    // highest card of that suit still down can never follow them.
    bool IsDead(const GameState& position) const;

    // True when some card can never move, so the position can never be won. Worked out on a
    // loosened game where a card once moved stays at hand: a card may move once the cards over it
    // have (a face-up one may also carry them along, or be carried by the card it lies on; a
    // stock or waste card is always at hand) and it has somewhere to go: its foundation once some
    // copy of each lower card of its suit has moved, a card it may be built on once that card or
    // the cards over it have moved, an empty pile taking it once some pile's cards have all
    // moved. Each move of play is one of the loosened game's, so a card it never moves never
    // moves in play. Read where nothing but the tableau and foundations built by suit up from
    // the ace take a card, by rules reading the two cards alone, and a stock card comes into play
    // by the waste.
    // The rules it reads are read at the first call.
    bool IsBlocked(const GameState& position);

    // Higher is more promising: cards on the foundations above all (in golf, cards off the
    // tableau, then cards still in the stock), then the features of ScoreWeights.
    int Score(const GameState& position);

private:
    using CardSet = std::bitset<kMaxCards + 1>;

    ScoreWeights weights_;
    bool golf_ = false;
    bool safeMovesAllowed_ = false;
    bool waveringWaste_ = false;       // a waste card sent early changes what later passes show
    bool fillingInOrder_ = false;      // emptied piles are filled or dealt to by place
    bool wholeSuits_ = false;          // the foundations take whole suits, king to ace
    bool judgedByTableauTops_ = false; // every foundation takes cards by that rule
    BuiltPairs pairs_;
    bool blockingRulesRead_ = false;
    bool blockable_ = false; // IsBlocked reads these rules
    bool stockDealsToWaste_ = false;
    std::vector<std::vector<Card>> parents_; // per card: the cards it may be built on
    CardSet toEmpty_;                        // the cards an empty tableau pile may take
    WantedCards wanted_;
    PileCountMemo broken_; // per tableau pile: its broken pairs

    int BrokenPairs(const GameState& position);
    int Progress(const GameState& position) const;
    int WholeSuitsInTheMaking(const GameState& position) const;
    void ReadBlockingRules(const GameState& start);
    bool AllOverMoved(const GameState& s, PileIndex pile, int at, const CardSet& moved) const;
    bool MayMove(const GameState& s, PileIndex pile, int at, const CardSet& moved,
                 bool somePileCleared) const;
};

} // namespace tablamor
