#include "table/card_counter_marks.h"

#include "engine/params.h"
#include "table/resource_names.h"

namespace tablamor::table {
namespace {

constexpr int kDeckSize = 52;
constexpr int kSuitsPerDeck = 4;

} // namespace

int CardCounterMarks::Rows(int cardCount) {
    const bool wholeDecks = cardCount > 0 && cardCount <= kMaxCounted && cardCount % kDeckSize == 0;
    return (wholeDecks ? cardCount / kDeckSize : 1) * kSuitsPerDeck;
}

int CardCounterMarks::ClientHeight(int cardCount) {
    // The last row whole, with the same margin below it as above the first.
    return kRowStep * (Rows(cardCount) - 1) + kRowTop + art::kCounterMarkHeight + kRowTop;
}

void CardCounterMarks::SetOptions(CounterOptions options) {
    if (options.stockOnly && options.tableauOnly) {
        // The one that was not on before wins, as a click on it would.
        if (options_.stockOnly)
            options.stockOnly = false;
        else
            options.tableauOnly = false;
    }
    options_ = options;
}

int CardCounterMarks::RowSuit(int row) const {
    const int firstCard = row % kSuitsPerDeck * kCardsPerRow + 1;
    return CardSuit(FaceCode(firstCard, deckSuits_));
}

void CardCounterMarks::Reset(int cardCount, int deckSuits) {
    marks_.fill(CounterMark::None);
    cardCount_ = (cardCount > 0 && cardCount <= kMaxCounted) ? cardCount : 0;
    deckSuits_ = deckSuits;
}

void CardCounterMarks::Refresh(const GameState& state) {
    Reset(state.CardCount(), state.P(param::kDeckSuits));
    if (WatchesStock()) MarkStockSide(state);
    if (WatchesTable()) MarkTableSide(state);
}

void CardCounterMarks::MarkStockSide(const GameState& state) {
    for (Card c : state.table.Pile(kStockPile)) SetFace(c, false);
    const bool stockPlaced = state.P(param::kStockPlaced) == 1;
    const bool wastePlaced = state.P(param::kWastePlaced) == 1;
    if (!wastePlaced) return;
    const auto waste = state.table.Pile(kWastePile);
    for (std::size_t k = 0; k < waste.size(); ++k)
        SetFace(waste[k], stockPlaced || k + 1 == waste.size());
}

void CardCounterMarks::MarkTableSide(const GameState& state) {
    auto byFlag = [&](PileIndex pile) {
        for (Card c : state.table.Pile(pile)) SetFace(c, state.table.FaceUp(c));
    };
    for (int n = 0; n < state.TableauCount(); ++n) byFlag(TableauPile(n));
    for (int n = 0; n < state.FoundationCount(); ++n) byFlag(FoundationPile(n));
    byFlag(kThirdPile);
    for (int n = 0; n < state.ReserveCount(); ++n)
        for (Card c : state.table.Pile(ReservePile(n))) SetFace(c, true);
}

bool CardCounterMarks::Watched(PileKind kind) const {
    if (kind == PileKind::None) return false;
    const bool stockSide = kind == PileKind::Stock || kind == PileKind::Waste;
    return stockSide ? WatchesStock() : WatchesTable();
}

void CardCounterMarks::CardLeft(int card, PileKind from) {
    if (Watched(from)) Set(card, CounterMark::None);
}

void CardCounterMarks::CardArrived(int card, PileKind to, bool up) {
    if (Watched(to)) SetFace(card, up);
}

void CardCounterMarks::StockRefilled(const GameState& state) {
    if (WatchesStock()) Refresh(state);
}

void CardCounterMarks::WasteNotice(const GameState& state) {
    if (!WatchesStock() || state.P(param::kStockPlaced) == 1 || state.P(param::kWastePlaced) != 1)
        return;
    if (!state.table.Empty(kWastePile)) SetFace(state.table.Top(kWastePile), true);
}

CounterMark CardCounterMarks::MarkOf(int card) const {
    if (card < 1 || card > cardCount_) return CounterMark::None;
    return marks_[static_cast<std::size_t>(card)];
}

void CardCounterMarks::Set(int card, CounterMark mark) {
    // Gaps (code 0) and codes beyond the game's cards have no place on the grid.
    if (card < 1 || card > cardCount_) return;
    marks_[static_cast<std::size_t>(card)] = mark;
}

void CardCounterMarks::SetFace(int card, bool up) {
    if (options_.inverted) up = !up;
    Set(card, up ? CounterMark::Up : CounterMark::Down);
}

} // namespace tablamor::table
