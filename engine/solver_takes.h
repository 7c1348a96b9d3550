#pragma once
// Takes: the solver's moves in the games that hold a selection (the pairing games and the pyramid
// family), where cards leave by being pressed one by one until the selection is complete and is
// discarded. Every position with cards selected would otherwise be searched on its own, and every
// order of pressing them as another line; instead, every way of pressing on from a position until
// nothing is selected again is followed here, and each outcome is listed as one move, a take: the
// commands of its presses (with a stock press between them where the rules need one), played one
// by one, so the replay of a winning line through play judges each.
//
// What is followed: the moves leading to a position with cards selected, then every move from
// there, the positions told apart by their table and the cards selected in any order (the order
// is read by nothing but the discard, which lays the cards in that order on a pile the rules only
// count). A take ends where nothing is selected: the selection discarded, or emptied again.
// Selecting and deselecting change nothing but the selection, so from a position with nothing
// selected, a move that is not a press of a card (a stock press, a flip) is followed between the
// presses only where it does something else than it does on the position itself: where it acts
// as it does there and the same presses select the same cards after it, "the move, then the
// presses" reaches what "the presses, the move" does, and the solver lists the move, then takes.
// So in the pyramid, a stock press between two presses is not followed where the first card
// stays where it lies, and in a game whose stock deals onto the tableau, it is where the deal
// covers a selected card.
//
// A take carries its first command and kMostLaterSteps more; one that needs more presses is
// listed as its first presses (kMostLaterSteps + 1 at most, so that the rest make whole takes),
// leading to a position with cards selected that the search then searches, and the take on from
// there is found there. Where more than kMostTakeNodes positions with cards selected are reached,
// or a move the take cannot carry (a flip, a drop) is needed between presses, the moves stay as
// listed, one command each: the search then searches the positions with cards selected itself.
#include "engine/solver_moves.h"

#include <bitset>
#include <span>
#include <unordered_set>
#include <vector>

namespace tablamor {

// Positions with cards selected followed from one position, at most; of them, positions off its
// table (where a move between presses did something else).
inline constexpr int kMostTakeNodes = 1024;
inline constexpr int kMostOffTableNodes = 64;

class SolverTakes {
public:
    using CardSet = std::bitset<kMaxCards + 1>;

    // For deals of `start`'s game (a game that holds a selection), listing and playing with
    // `moves` (which outlives this object) on `geometry`.
    SolverTakes(SolverMoves& moves, const GameState& start, const PileGeometry& geometry);

    // `moves`: what SolverMoves::List gave for `state`. The moves leading to a position with
    // cards selected give way to the takes through them, listed where the first of them stood.
    void Combine(const GameState& state, std::vector<SolverMove>& moves);

private:
    static constexpr int kNone = -1;
    static constexpr int kPosition = 0; // the node of the position itself

    // A position with cards selected, reached from the position by a line of commands.
    struct Node {
        int parent = kNone;
        int firstMove = kNone;          // the position's move the line starts with
        Command step;                   // the command from the parent
        int depth = 0;                  // commands from the position
        int general = kNone;            // its state in generals_; kNone: the position's table
        std::size_t selectionStart = 0; // on the position's table: its selection, in order,
        std::size_t selectionSize = 0;  // in selections_
        bool listed = false;            // a take ending here is listed
    };
    // The position after a command other than a press, played on the position itself.
    struct After {
        Command command;
        bool acted = false;
        GameState state;
    };

    SolverMoves& moves_;
    const PlayEnv env_;
    const bool pairing_;     // the pairing rules, else the pyramid family's sum
    const bool togglesPure_; // a press that selects changes nothing else (no filling follows)
    // Where no foundation is dealt, only the presses of cards read the selection.
    const bool selectionReadByPressesAlone_;
    const GameState* position_ = nullptr;
    const std::vector<SolverMove>* positionMoves_ = nullptr;
    bool positionSelects_ = false; // the position itself holds cards selected
    bool gaveUp_ = false;
    GameState at_;   // the position, with the selection of the node being followed
    GameState here_; // the node being followed, off the position's table
    GameState bare_; // the position with nothing selected
    std::vector<Node> nodes_;
    std::vector<Card> selections_;
    std::vector<Card> selection_;           // a selection being made
    std::vector<GameState> generals_;       // the states of nodes off the position's table
    std::unordered_set<CardSet> seen_;      // the selections of nodes on the position's table
    std::unordered_set<CardSet> discarded_; // what the takes on the position's table discard
    std::vector<After> afters_;
    std::vector<SolverMove> listing_;
    std::vector<Card> selectable_; // the cards the position's presses select, in order
    std::vector<Command> others_;  // its other commands
    std::vector<SolverMove> takes_;
    std::vector<bool> replaced_; // per move of the position: it leads to a node
    std::vector<SolverMove> combined_;

    const GameState& Enter(int node);
    const GameState& StateOf(int node) const; // of the node being followed
    void ReadMovesOnTable(const GameState& state, const std::vector<SolverMove>& moves);
    void FollowOnTable(int node);
    void Follow(int node, const Command& command, int move);
    void Toggled(int node, const Command& command, int move, Card card);
    void Played(int node, const Command& command, int move);
    void AddNode(int parent, const Command& command, int move, int general);
    void Ends(int node, const Command& command, const CardSet* discarded);
    bool Carried(int node, const Command& command);
    const Command& FirstOffTable(int node) const;
    bool Commutes(const Command& command, const GameState& after);
    const After& OnPosition(const Command& command);
    SolverMove TakeTo(int node, const Command* last) const;
    std::span<const Card> Selection(int node) const;
};

} // namespace tablamor
