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

// What must come right after a move for the move to be worth making: nothing (any move may
// follow), or a card dropped on a pile, or a card sent to a foundation; or the move is never
// worth making here.
struct FollowUp {
    enum class Kind { Any, Pointless, DropOnto, SendUp };
    Kind kind = Kind::Any;
    PileIndex pile = -1; // DropOnto: the pile a card must go on
    Card card = kNoCard; // SendUp: the card that must go to a foundation

    // Whether the command may be the follow-up asked for (read before it is played), and whether
    // the move from `between` to `after` is.
    bool Admits(const Command& command) const;
    bool MetBy(const GameState& between, const GameState& after) const;
};

class SolverGuide {
public:
    // `style` picks the weights, 0 to kSearchStyles - 1.
    explicit SolverGuide(const GameState& start, int style = 0);

    bool IsSafeFoundationMove(const GameState& before, const GameState& after);

    // True for a drop the search leaves out, though it may be needed: where the foundations take
    // whole suits, a run lifted off a card of its suit one rank higher (it breaks up a suit in the
    // making). A search that leaves a move out can no longer prove a deal lost.
    bool IsLeftOut(const GameState& position, const Command& command) const;

    // What must follow `command` in `position` for it to be worth making, where the foundations
    // are built by suit up from the ace, the tableau by rules reading the two cards alone, runs
    // of any length move when built, and nothing else takes a card (IsBlocked's rules). Any
    // winning line can be reordered so that these hold, without growing longer:
    // - A card C taken back from a foundation to a tableau pile: the moves between it and the
    //   first that puts a card on C or moves C do not need it (it only covers a pile's top and
    //   keeps C off its foundation, where with one deck nothing but C goes), so it may be made
    //   right before that move; a move of C alone elsewhere is a take-back straight there, a move
    //   back to the foundation undoes it. So a card must be dropped on C next; it is pointless when
    //   no card C takes is at hand (in the stock, the waste, face up or on a foundation's top).
    // - A run built on a face-up tableau card X, moved onto X's twin Y (a card the tableau
    //   rules cannot tell from X: the same cards take it and it takes the same cards, as a drop
    //   and as a run): until X or Y goes to a foundation, a line after the shift is mirrored
    //   before it by the same moves with what lies on X and on Y exchanged (the twins take,
    //   carry and are carried alike), and the two lines meet when the pile on the twin moves
    //   off. Only X sent up while Y carries the pile tells them apart, and there the shift may
    //   be made right before it. So X must go to its foundation next.
    FollowUp Needs(const GameState& position, const Command& command);

    // True for turning up a tableau pile's face-down top card where Needs reads the rules: the
    // card took nothing and could not move; turned up, nothing else changes, so every move of a
    // line from before may be made after, and the search makes it without trying the others.
    bool IsSafeFlip(const GameState& position, const Command& command);

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
    // The rules it reads are read at the first call (of this or Needs).
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
    bool rulesRead_ = false;
    bool blockable_ = false; // IsBlocked reads these rules
    bool stockDealsToWaste_ = false;
    std::vector<std::vector<Card>> parents_;  // per card: the cards it may be built on
    std::vector<std::vector<Card>> children_; // per card: the cards that may be built on it
    std::vector<int> twinClass_;              // per card: cards of one class are twins
    bool takeBacksNeedDrop_ = false;          // Needs judges cards taken back from foundations
    bool shiftsNeedSendUp_ = false;           // Needs judges runs moved between twins
    bool flipsSafe_ = false;                  // IsSafeFlip may say yes
    CardSet toEmpty_;                         // the cards an empty tableau pile may take
    WantedCards wanted_;
    PileCountMemo broken_; // per tableau pile: its broken pairs

    int BrokenPairs(const GameState& position);
    int Progress(const GameState& position) const;
    int WholeSuitsInTheMaking(const GameState& position) const;
    void ReadBlockingRules(const GameState& start);
    void ReadFollowUpRules(const GameState& start);
    void ReadRules(const GameState& start);
    FollowUp TakeBackNeeds(const GameState& s, Card card, PileIndex pile) const;
    FollowUp ShiftNeeds(const GameState& s, const Command& c);
    bool AllOverMoved(const GameState& s, PileIndex pile, int at, const CardSet& moved) const;
    bool MayMove(const GameState& s, PileIndex pile, int at, const CardSet& moved,
                 bool somePileCleared) const;
};

} // namespace tablamor
