// The actions of the pairing and pyramid games: the selected cards are discarded to the third
// stock-group pile, empty tableau piles are refilled from the stock, and (in the gap-closing game)
// the tableau's gaps are closed up.
#include "engine/action_steps.h"
#include "engine/fan_style.h"
#include "engine/rule_codes.h"

namespace tablamor::act {
namespace {

void ClearSelection(GameState& s, EventSink& sink) {
    for (Card c : s.table.Pile(kSelectionPile)) sink.SelectionChanged(c, false);
    s.table.Truncate(kSelectionPile, 0);
}

bool IsEmptyTableau(const GameState& s, int k) {
    return s.table.Empty(TableauPile(k));
}

// Moves the whole content of tableau pile `from` onto the empty pile `to`.
void ShiftPile(GameState& s, int from, int to, EventSink& sink) {
    const PileIndex source = TableauPile(from), target = TableauPile(to);
    const int size = s.table.Size(source);
    for (int k = 0; k < size; ++k) s.table.Append(target, s.table.At(source, k));
    s.table.Truncate(source, 0);
    sink.CardsMoved(source, target, size);
    sink.Sound(GameSound::TableauShuffle);
}

} // namespace

bool DiscardSelection(GameState& s, EventSink& sink) {
    sink.Sound(GameSound::Pairing);
    const FanStyle fan = FanStyleOf(s.params, PileKind::Tableau);
    bool moved = false;
    while (!s.table.Empty(kSelectionPile)) {
        const Card c = s.table.EraseAt(kSelectionPile, 0);
        sink.SelectionChanged(c, false);
        const PileIndex from = CardPile(s, c);
        if (from < 0) continue;
        const bool onTableau = KindOfPile(from) == PileKind::Tableau;
        if (fan == FanStyle::SideBySide && onTableau) {
            moved = MoveCardLeavingGap(s, c, kThirdPile, sink) || moved;
        } else if (fan == FanStyle::OneSpot && from == TableauPile(0)) {
            // the one-row tableau: the card leaves with the gap dealt below it
            s.table.FindInPile(from, c, FindMode::DeleteWithGap);
            s.table.Append(kThirdPile, c, true);
            sink.CardsMoved(from, kThirdPile, 1);
            sink.CardLeft(c, PileKind::Tableau);
            sink.CardArrived(c, PileKind::ThirdPile);
            moved = true;
        } else {
            moved = MoveCard(s, c, kThirdPile, sink) || moved;
        }
    }
    if (fan == FanStyle::OneSpot) sink.Repaint();
    return moved;
}

bool RefillAfterPairing(GameState& s, EventSink& sink) {
    bool moved = false;
    for (int k = 0; k < s.TableauCount() && !s.table.Empty(kStockPile); ++k) {
        if (!IsEmptyTableau(s, k)) continue;
        if (!MoveCard(s, s.table.Top(kStockPile), TableauPile(k), sink)) break;
        sink.Sound(GameSound::Shuffle);
        moved = true;
    }
    return moved;
}

// The press that closes the gaps is an undo step of its own, like every other press that changes
// the table (pointer.cpp runs each stock action as a step). Left out of the history, the undo
// after it would also take back the discard before it: two presses at once, and the cards it
// dealt from the stock would only return with the pair. As its own step, undo and redo walk the
// presses one at a time, whatever the undo policy.
bool CloseGaps(GameState& s, EventSink& sink) {
    const int piles = s.TableauCount();
    bool anyEmpty = false, emptyBeforeCards = false;
    for (int k = 0; k < piles; ++k) {
        if (IsEmptyTableau(s, k))
            anyEmpty = true;
        else if (anyEmpty)
            emptyBeforeCards = true;
    }
    if (!anyEmpty || (s.table.Empty(kStockPile) && !emptyBeforeCards)) return false;
    ClearSelection(s, sink);
    sink.Repaint();
    bool moved = false;
    for (int k = 0; k < piles; ++k) {
        if (!IsEmptyTableau(s, k)) continue;
        int next = k + 1;
        while (next < piles && IsEmptyTableau(s, next)) ++next;
        if (next >= piles) break;
        ShiftPile(s, next, k, sink);
        moved = true;
    }
    return RefillAfterPairing(s, sink) || moved;
}

} // namespace tablamor::act
