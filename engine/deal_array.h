#pragma once
// The deal array: the ordered deck a game number gives, slot 0 dealt first. It is built by
// thirteen cycles over the number's digits, one rank per cycle; the suit table and the step table
// scatter that rank's four (or eight) cards over the slots. With 52 or 104 cards every card lands
// exactly once; a game of fewer than 52 cards runs the 52-card procedure on a shorter array and
// drops the cards that find no free slot.
//
// The layout consumes the array from the front and may also take a given card out of it.
#include "engine/cards.h"
#include "engine/game_number.h"

#include <array>
#include <optional>

namespace tablamor {

// The text shown when the card count is neither 52 nor 104 (nor below 52).
inline constexpr std::string_view kBadCardCountText = "Error 01 - fnGameNumberCardsArray";

class DealArray {
public:
    DealArray() = default;
    explicit DealArray(int size) : size_(size) {}

    int Size() const { return size_ - head_; }
    bool Empty() const { return Size() == 0; }
    // Entry k from the front (0 = next to deal).
    Card At(int k) const { return cards_[static_cast<std::size_t>(head_ + k)]; }
    Card Front() const { return At(0); }
    // Takes the front entry; the array must not be empty.
    Card TakeFront() { return cards_[static_cast<std::size_t>(head_++)]; }
    // Takes out the first entry holding the card; false when none does.
    [[nodiscard]] bool Remove(Card card);

    // Slot access while the array is being built.
    Card& Slot(int k) { return cards_[static_cast<std::size_t>(k)]; }

private:
    std::array<Card, kMaxCards> cards_{};
    int head_ = 0;
    int size_ = 0;
};

// The deal array of a number for a game of `cardCount` cards; nullopt when the count is neither
// 52 nor 104 and not in 1..51.
std::optional<DealArray> BuildDealArray(const GameNumber& number, int cardCount);

} // namespace tablamor
