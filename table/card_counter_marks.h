#pragma once
// The card counter's grid as plain data: for every card code of the game, the mark it shows
// (none, face up, face down), which side of the table is watched, and the grid geometry (one row
// per suit and deck, one column per rank). The window paints what this holds; the marks are
// kept as the player sees them, so the inverted option is applied when a mark is set.
#include "engine/game_state.h"

#include <array>

namespace tablamor::table {

enum class CounterMark { None, Up, Down };

// The counter's three options; at most one of the two "only" options is on.
struct CounterOptions {
    bool stockOnly = false;
    bool tableauOnly = false;
    bool inverted = false;
};

class CardCounterMarks {
public:
    static constexpr int kClientWidth = 198;
    static constexpr int kRowStep = 18;
    static constexpr int kRowTop = 3;
    static constexpr int kColumnStep = 14;
    static constexpr int kColumnLeft = 2;

    // The grid rows of a game of that many cards (four per deck); any count that is not a whole
    // number of decks gets the rows of one deck.
    static int Rows(int cardCount);
    // The client height that shows those rows, the last one whole.
    static int ClientHeight(int cardCount);
    // Grid position of a card code 1..208 (row 0..15, x and y of its mark).
    static int Row(int card) { return (card - 1) / kCardsPerRow; }
    static int X(int card) { return kColumnStep * ((card - 1) % kCardsPerRow + 1) + kColumnLeft; }
    static int Y(int card) { return kRowStep * Row(card) + kRowTop; }

    const CounterOptions& Options() const { return options_; }
    // Applies the menu's rules: checking one "only" option unchecks the other.
    void SetOptions(CounterOptions options);
    bool WatchesStock() const { return !options_.tableauOnly; }
    bool WatchesTable() const { return !options_.stockOnly; }

    int CardCount() const { return cardCount_; }
    // The suit 1..4 a grid row's cards show: each row holds 13 card codes of one physical suit,
    // which a deck of fewer suits shows as spades or hearts.
    int RowSuit(int row) const;
    // Every card of a game of `cardCount` cards, whose deck shows `deckSuits` suits (the
    // DeckSuits parameter), back to no mark (out-of-range counts: none).
    void Reset(int cardCount, int deckSuits = kFourSuits);
    // Reset, then mark the watched piles of the table.
    void Refresh(const GameState& state);

    // A card left a pile of that kind: its mark goes when that side is watched.
    void CardLeft(int card, PileKind from);
    // A card arrived on a pile of that kind, face up or down: marked when that side is watched.
    void CardArrived(int card, PileKind to, bool up);
    // The stock was refilled: a full refresh when the stock side is watched.
    void StockRefilled(const GameState& state);
    // After a stock action: with the stock side watched, only the waste placed and the waste not
    // empty, its top card is marked up.
    void WasteNotice(const GameState& state);

    // The mark shown for a card code; None for codes outside the game.
    CounterMark MarkOf(int card) const;

private:
    static constexpr int kCardsPerRow = 13;
    static constexpr int kMaxCounted = 208;

    CounterOptions options_;
    int cardCount_ = 0;
    int deckSuits_ = kFourSuits;
    std::array<CounterMark, kMaxCounted + 1> marks_{};

    bool Watched(PileKind kind) const;
    void Set(int card, CounterMark mark);
    void SetFace(int card, bool up);
    void MarkStockSide(const GameState& state);
    void MarkTableSide(const GameState& state);
};

} // namespace tablamor::table
