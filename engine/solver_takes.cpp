#include "engine/solver_takes.h"

#include "engine/press_rules.h"
#include "engine/selection.h"

#include <algorithm>

namespace tablamor {
namespace {

// The card a press of `command` on `s` selects or deselects, or kNoCard where it does something
// else. A stock press in the pyramid with a card selected presses the stock's top card.
Card ToggledCard(const GameState& s, const Command& command) {
    Card card = kNoCard;
    if (command.kind == CommandKind::Press) card = command.card;
    if (command.kind == CommandKind::Stock && !s.table.Empty(kStockPile))
        card = s.table.Top(kStockPile);
    const PileIndex pile = card == kNoCard ? -1 : CardPile(s, card);
    if (pile < 0) return kNoCard;
    const PressKind kind = DecideLeftPress(s, pile, card, NullEventSink()).kind;
    return kind == PressKind::ToggleSum || kind == PressKind::TogglePair ? card : kNoCard;
}

SolverTakes::CardSet SetOf(std::span<const Card> cards) {
    SolverTakes::CardSet set;
    for (const Card c : cards) set.set(c);
    return set;
}

} // namespace

SolverTakes::SolverTakes(SolverMoves& moves, const GameState& start, const PileGeometry& geometry)
    : moves_(moves), env_{geometry, NullEventSink(), NoStepRecord()},
      pairing_(start.P(param::kPairingSum) != 0),
      togglesPure_(start.P(param::kTableauFillSource) == 0),
      selectionReadByPressesAlone_(togglesPure_ && start.FoundationCount() == 0) {}

void SolverTakes::Combine(const GameState& s, std::vector<SolverMove>& moves) {
    position_ = &s;
    positionMoves_ = &moves;
    positionSelects_ = !s.table.Empty(kSelectionPile);
    gaveUp_ = false;
    at_ = s;
    nodes_.clear();
    generals_.clear();
    seen_.clear();
    discarded_.clear();
    afters_.clear();
    takes_.clear();
    replaced_.assign(moves.size(), false);
    const std::span<const Card> held = s.table.Pile(kSelectionPile);
    selections_.assign(held.begin(), held.end());
    nodes_.push_back(Node{kNone, kNone, {}, 0, kNone, 0, held.size(), false});
    seen_.insert(SetOf(held));
    for (std::size_t i = 0; i < moves.size() && !gaveUp_; ++i)
        Follow(kPosition, moves[i].command, static_cast<int>(i));
    ReadMovesOnTable(s, moves);
    // Breadth first, so that each node is reached by a shortest line.
    for (std::size_t n = 1; n < nodes_.size() && !gaveUp_; ++n) {
        const int node = static_cast<int>(n);
        const GameState& here = Enter(node);
        if (selectionReadByPressesAlone_ && nodes_[n].general == kNone) {
            FollowOnTable(node);
            continue;
        }
        moves_.List(here, listing_);
        for (const SolverMove& m : listing_) Follow(node, m.command, kNone);
    }
    if (gaveUp_) return;
    combined_.clear();
    bool placed = false;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!replaced_[i]) {
            combined_.push_back(moves[i]);
        } else if (!placed) {
            combined_.insert(combined_.end(), takes_.begin(), takes_.end());
            placed = true;
        }
    }
    moves.swap(combined_);
}

const GameState& SolverTakes::Enter(int node) {
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    if (n.general != kNone) {
        here_ = generals_[static_cast<std::size_t>(n.general)];
        return here_;
    }
    at_.table.Truncate(kSelectionPile, 0);
    for (const Card c : Selection(node)) at_.table.Append(kSelectionPile, c);
    return at_;
}

std::span<const Card> SolverTakes::Selection(int node) const {
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    return std::span<const Card>(selections_).subspan(n.selectionStart, n.selectionSize);
}

const GameState& SolverTakes::StateOf(int node) const {
    return nodes_[static_cast<std::size_t>(node)].general == kNone ? at_ : here_;
}

// The moves of the position's table, read from its moves or, where it holds cards selected, from
// the moves of the table with nothing selected (the cards its selection refuses may be selected
// once the selection is smaller; see FollowOnTable).
void SolverTakes::ReadMovesOnTable(const GameState& s, const std::vector<SolverMove>& moves) {
    selectable_.clear();
    others_.clear();
    if (!selectionReadByPressesAlone_) return;
    const GameState* table = &s;
    const std::vector<SolverMove>* listed = &moves;
    if (positionSelects_) {
        bare_ = s;
        bare_.table.Truncate(kSelectionPile, 0);
        moves_.List(bare_, listing_);
        table = &bare_;
        listed = &listing_;
    }
    for (const SolverMove& m : *listed) {
        const Card card = ToggledCard(*table, m.command);
        if (card != kNoCard && m.command.kind == CommandKind::Press)
            selectable_.push_back(card);
        else
            others_.push_back(m.command);
    }
}

// The moves from a node on the position's table, without listing them anew: on the same table,
// the press of a card the rules take alone selects or deselects it at every selection, let
// through or refused by PreviewToggle alone, and a card refused alone is refused beside others;
// the stock's card of the pyramid is pressed by the stock press. Where no foundation is dealt,
// nothing else reads the selection, so the other moves are the position's.
void SolverTakes::FollowOnTable(int node) {
    for (const Card card : selectable_)
        Toggled(node, Command{CommandKind::Press, card, -1}, kNone, card);
    for (const Command& c : others_) Follow(node, c, kNone);
}

void SolverTakes::Follow(int node, const Command& command, int move) {
    const Card card = togglesPure_ ? ToggledCard(StateOf(node), command) : kNoCard;
    if (card != kNoCard) {
        Toggled(node, command, move, card);
        return;
    }
    // From a position with nothing selected, nothing but a press selects a card: the move stays.
    if (node == kPosition && !positionSelects_) return;
    Played(node, command, move);
}

// A press that selects or deselects: on the position's table, only the selection changes.
void SolverTakes::Toggled(int node, const Command& command, int move, Card card) {
    const ToggleResult result = PreviewToggle(StateOf(node), card, pairing_);
    if (result == ToggleResult::Refused) return;
    if (nodes_[static_cast<std::size_t>(node)].general != kNone) {
        Played(node, command, move);
        return;
    }
    const std::span<const Card> held = Selection(node);
    selection_.assign(held.begin(), held.end());
    if (result == ToggleResult::Completed) {
        CardSet discarded = SetOf(selection_);
        discarded.set(card);
        Ends(node, command, &discarded);
        return;
    }
    if (result == ToggleResult::Selected)
        selection_.push_back(card);
    else
        std::erase(selection_, card);
    if (!selection_.empty()) {
        AddNode(node, command, move, kNone);
    } else if (positionSelects_) {
        const CardSet none; // the position, its selection emptied
        Ends(node, command, &none);
    }
}

// Any other command, played out.
void SolverTakes::Played(int node, const Command& command, int move) {
    const bool onTable = nodes_[static_cast<std::size_t>(node)].general == kNone;
    GameState after = StateOf(node);
    if (!PlayCommand(after, command, false, env_)) return;
    if (node != kPosition && onTable && !positionSelects_ && Commutes(command, after)) return;
    if (after.won || after.table.Empty(kSelectionPile)) {
        // Emptied off the position's table, the selection may leave what the first move off it
        // does on the position: a move of its own there.
        if (!onTable && !positionSelects_) {
            const After& first = OnPosition(FirstOffTable(node));
            if (first.acted && first.state == after) return;
        }
        Ends(node, command, nullptr);
        return;
    }
    if (node == kPosition) replaced_[static_cast<std::size_t>(move)] = true;
    if (std::ranges::find(generals_, after) != generals_.end() || !Carried(node, command)) return;
    if (generals_.size() >= kMostOffTableNodes) {
        gaveUp_ = true;
        return;
    }
    generals_.push_back(std::move(after));
    AddNode(node, command, move, static_cast<int>(generals_.size()) - 1);
}

void SolverTakes::AddNode(int parent, const Command& command, int move, int general) {
    if (parent == kPosition) replaced_[static_cast<std::size_t>(move)] = true;
    if (general == kNone && (!seen_.insert(SetOf(selection_)).second || !Carried(parent, command)))
        return;
    if (nodes_.size() >= kMostTakeNodes) {
        gaveUp_ = true;
        return;
    }
    const Node& p = nodes_[static_cast<std::size_t>(parent)];
    Node n{parent,
           parent == kPosition ? move : p.firstMove,
           command,
           p.depth + 1,
           general,
           selections_.size(),
           general == kNone ? selection_.size() : 0,
           false};
    if (general == kNone)
        selections_.insert(selections_.end(), selection_.begin(), selection_.end());
    nodes_.push_back(n);
}

// The command of the line to `node` (off the position's table) that left the table.
const Command& SolverTakes::FirstOffTable(int node) const {
    int at = node;
    while (nodes_[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(at)].parent)].general !=
           kNone)
        at = nodes_[static_cast<std::size_t>(at)].parent;
    return nodes_[static_cast<std::size_t>(at)].step;
}

// A take can carry `command` after the line to `node`: as its first command, or as a later step
// when it presses a card or the stock.
bool SolverTakes::Carried(int node, const Command& command) {
    if (node == kPosition || command.kind == CommandKind::Press ||
        command.kind == CommandKind::Stock)
        return true;
    gaveUp_ = true;
    return false;
}

// The line to `node`, then `command`, leaves nothing selected: a take, or where it is longer
// than a take carries, its first presses.
void SolverTakes::Ends(int node, const Command& command, const CardSet* discarded) {
    if (node == kPosition) return; // a move of its own
    if (discarded && !discarded_.insert(*discarded).second) return;
    if (!Carried(node, command)) return;
    constexpr int kMostSteps = kMostLaterSteps + 1;
    const int length = nodes_[static_cast<std::size_t>(node)].depth + 1;
    if (length <= kMostSteps) {
        takes_.push_back(TakeTo(node, &command));
        return;
    }
    // The rest of the line makes whole takes from the node where the first presses lead.
    const int first = (length - 1) % kMostSteps + 1;
    int at = node;
    while (nodes_[static_cast<std::size_t>(at)].depth > first)
        at = nodes_[static_cast<std::size_t>(at)].parent;
    Node& n = nodes_[static_cast<std::size_t>(at)];
    if (n.listed) return;
    n.listed = true;
    takes_.push_back(TakeTo(at, nullptr));
}

// The line from the position to `node`, then `last` when given, as one move.
SolverMove SolverTakes::TakeTo(int node, const Command* last) const {
    std::array<Card, kMostLaterSteps + 1> steps{};
    std::size_t count = 0;
    if (last) steps[count++] = last->kind == CommandKind::Stock ? kStockStep : last->card;
    int at = node;
    for (; nodes_[static_cast<std::size_t>(at)].depth > 1;
         at = nodes_[static_cast<std::size_t>(at)].parent) {
        const Command& step = nodes_[static_cast<std::size_t>(at)].step;
        steps[count++] = step.kind == CommandKind::Stock ? kStockStep : step.card;
    }
    SolverMove take =
        (*positionMoves_)[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(at)].firstMove)];
    for (std::size_t i = 0; i < count; ++i) take.later[i] = steps[count - 1 - i];
    return take;
}

// Whether `after`, reached by `command` after presses on the position's table, is also reached
// by the command first, on the position itself, then presses of the cards `after` holds selected,
// in their order.
bool SolverTakes::Commutes(const Command& command, const GameState& after) {
    const After& first = OnPosition(command);
    if (!first.acted) return false;
    GameState again = first.state;
    for (const Card c : after.table.Pile(kSelectionPile))
        if (PreviewToggle(again, c, pairing_) != ToggleResult::Selected ||
            !PlayCommand(again, Command{CommandKind::Press, c, -1}, false, env_))
            return false;
    return again == after;
}

const SolverTakes::After& SolverTakes::OnPosition(const Command& command) {
    for (const After& a : afters_)
        if (a.command == command) return a;
    After& a = afters_.emplace_back(After{command, false, *position_});
    a.acted = PlayCommand(a.state, command, false, env_);
    return a;
}

} // namespace tablamor
