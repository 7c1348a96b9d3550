#pragma once
// The cards on the table: 53 piles (bottom card first) and the face flag of each of the 104
// cards. A plain value of fixed size (about 300 bytes, no heap): copying is a memcpy, equality a
// memcmp, and it hashes cheaply, which undo snapshots, hints and the solver rely on.
//
// Piles may hold gaps (card code 0) left by the pairing layouts. The face flag belongs to the card,
// not to the pile: a card keeps its flag when it moves unless the operation sets one.
#include "engine/cards.h"
#include "engine/piles.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

// How FindInPile treats the card it finds.
enum class FindMode {
    Test = 0,          // only report
    Delete = 1,        // take the card out
    Blank = 2,         // replace it by a gap
    DeleteWithGap = 3, // take it out, and the gap just below it if there is one
};

class Table {
public:
    // Room for every card of two decks plus gaps and markers.
    static constexpr int kCapacity = 232;

    Table();

    // Empties every pile; face flags are kept.
    void ClearPiles();

    std::span<const Card> Pile(PileIndex pile) const {
        return {slots_.data() + start_[pile], slots_.data() + start_[pile + 1]};
    }
    int Size(PileIndex pile) const { return start_[pile + 1] - start_[pile]; }
    bool Empty(PileIndex pile) const { return Size(pile) == 0; }
    // Top card, kNoCard when the pile is empty.
    Card Top(PileIndex pile) const { return Empty(pile) ? kNoCard : slots_[start_[pile + 1] - 1]; }
    // Card k from the bottom, 0-based.
    Card At(PileIndex pile, int k) const { return slots_[start_[pile] + k]; }
    int TotalSlots() const { return start_[kPileCount]; }

    // The face flags of every card: card c at bit (c - 1) % 64 of word (c - 1) / 64.
    static constexpr int kFlagsPerWord = 64;
    using FaceFlagWords = std::array<std::uint64_t, 2>;
    bool FaceUp(Card card) const {
        if (!ValidCard(card)) return false;
        const int bit = card - 1;
        return (faceUp_[static_cast<std::size_t>(bit / kFlagsPerWord)] >> (bit % kFlagsPerWord)) &
               1U;
    }
    void SetFaceUp(Card card, bool up);
    const FaceFlagWords& FaceFlags() const { return faceUp_; }
    // Clears the flag of `card` (a gap has none) in a copy of the flags.
    static void ClearFaceFlag(FaceFlagWords& flags, Card card) {
        if (!ValidCard(card)) return;
        const int bit = card - 1;
        flags[static_cast<std::size_t>(bit / kFlagsPerWord)] &=
            ~(std::uint64_t{1} << (bit % kFlagsPerWord));
    }

    // Appends a card (or a gap) to the top of a pile; returns false (and changes nothing) when
    // the table is full. The flag, when given, is set on the card.
    bool Append(PileIndex pile, Card card);
    bool Append(PileIndex pile, Card card, bool faceUp);
    // Inserts a card at position k from the bottom (0 = new bottom card).
    bool Insert(PileIndex pile, int k, Card card);
    // Removes the card at position k from the bottom and returns it.
    Card EraseAt(PileIndex pile, int k);
    // Removes the top n cards (all when n exceeds the size).
    void Truncate(PileIndex pile, int newSize);
    // Moves the top `count` cards of `from` (all when it holds fewer) onto `to`, in their order,
    // in one pass over the slots between; flags unchanged.
    void MoveTop(PileIndex from, int count, PileIndex to);
    // Turns the whole of `from` over onto `to`, as taking its cards off the top one by one and
    // appending each gives: its top card lies lowest of them. Each gets the flag `faceUp`.
    void TurnOver(PileIndex from, PileIndex to, bool faceUp);
    // Replaces the whole content of a pile.
    bool Assign(PileIndex pile, std::span<const Card> cards);

    // Position of the first occurrence of the card from the bottom, -1 when absent.
    int Find(PileIndex pile, Card card) const;
    bool FindInPile(PileIndex pile, Card card, FindMode mode);
    // Pile holding the card, searched over every pile in snapshot order; -1 when none.
    PileIndex PileOf(Card card) const;

    // Takes the card out of the pile that holds it. The search order is the waste, tableau piles
    // 1..tableauCount, foundations, stock, third pile, reserves; the first hit counts.
    PileKind RemoveCard(Card card, int tableauCount);
    // The same, leaving a gap where the card was.
    PileKind BlankCard(Card card, int tableauCount);

    // n > 0: the top n cards get the flag; n = -1: bottom card up, then alternating;
    // n = -2: bottom card down, then alternating. Other n do nothing.
    void SetFaceFlags(PileIndex pile, int n, bool flag);

    // Largest card count among tableau piles 0..tableauCount-1.
    int LongestTableau(int tableauCount) const;

    // Text forms other parts read: "001014027" (bottom first) and the 20-character card table line.
    std::string PileString(PileIndex pile) const;
    bool SetPileString(PileIndex pile, std::string_view text);
    std::string CardTableLine(Card card) const;
    // A pile as the undo snapshots write it: per card its three-digit code and its face flag
    // ("0401" the king of spades face up), "0000" for a gap; empty for an empty pile.
    std::string SnapshotText(PileIndex pile) const;

    // A compact form for histories: slot count, the 53 pile sizes, the used slots and the face
    // flags (under 200 bytes for two decks). `skipPile` (or -1) is stored empty. Unpack restores
    // the piles and the face flags of the cards it places; other flags stay as they are.
    void Pack(std::vector<std::uint8_t>& out, PileIndex skipPile = -1) const;
    // Returns the bytes read, 0 for a damaged record (the table is then unchanged).
    std::size_t Unpack(std::span<const std::uint8_t> in);

    std::size_t Hash() const;
    bool operator==(const Table& other) const;

private:
    std::array<Card, kCapacity> slots_{};
    std::array<std::uint8_t, kPileCount + 1> start_{};
    FaceFlagWords faceUp_{};
    PileKind TakeOut(Card card, int tableauCount, FindMode mode);
};

} // namespace tablamor
