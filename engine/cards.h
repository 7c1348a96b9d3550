#pragma once
// Card codes. A card is 1..104 (two decks of 52 in the same order), 0 is "no card" or a gap.
// Within a deck: hearts 1..13, diamonds 14..26, clubs 27..39, spades 40..52, ace to king.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

using Card = std::uint8_t;

inline constexpr Card kNoCard = 0;
inline constexpr int kDeckSize = 52;
inline constexpr int kCardsPerSuit = 13;
inline constexpr int kMaxCards = 104;

// The card a number holds: nullopt for a gap (0) or a number outside 1..104. Every int that may
// hold a card is checked here before it is used as one.
constexpr std::optional<Card> ValidCard(int code) {
    if (code < 1 || code > kMaxCards) return std::nullopt;
    return static_cast<Card>(code);
}

enum Suit : int { kHearts = 1, kDiamonds = 2, kClubs = 3, kSpades = 4 };
enum Rank : int { kAce = 1, kJack = 11, kQueen = 12, kKing = 13 };

// Rank 1..13; 0 for no card; -1 for a code above 104.
constexpr int CardRank(int code) {
    if (code == 0) return 0;
    if (code > kDeckSize) code -= kDeckSize;
    if (code > kDeckSize || code < 0) return -1;
    return (code - 1) % 13 + 1;
}

// Suit 1..4 (hearts, diamonds, clubs, spades) of either deck; 0 for no card.
constexpr int CardSuit(int code) {
    if (!ValidCard(code)) return 0;
    if (code > kDeckSize) code -= kDeckSize;
    return (code - 1) / 13 + 1;
}

constexpr bool IsRed(int code) {
    return (code >= 1 && code <= 26) || (code >= 53 && code <= 78);
}
// The suits a deck's cards show (the DeckSuits parameter): the usual four, or only spades, or
// only spades and hearts. The codes stay the physical cards; only the faces they show change.
inline constexpr int kFourSuits = 0;
inline constexpr int kSpadesOnly = 1;
inline constexpr int kSpadesAndHearts = 2;

// The first-deck card whose face `code` shows in a deck of `deckSuits` suits: every rule, picture
// and name that reads a suit or a colour reads it from this. With fewer suits a card keeps its
// rank; with two, red cards show hearts and black ones spades. Four suits (or any other value)
// and codes that are no card come back as they are.
constexpr int FaceCode(int code, int deckSuits) {
    if (!ValidCard(code)) return code;
    int shown = kSpades;
    switch (deckSuits) {
    case kSpadesOnly:
        break;
    case kSpadesAndHearts:
        if (IsRed(code)) shown = kHearts;
        break;
    default:
        return code;
    }
    return (shown - 1) * kCardsPerSuit + CardRank(code);
}

constexpr bool IsCourtCard(int code) {
    return CardRank(code) >= kJack;
}
constexpr int RankBelow(int rank) {
    return rank == 1 ? 13 : rank - 1;
}
constexpr int RankAbove(int rank) {
    return rank == 13 ? 1 : rank + 1;
}

// "001".."104"; "000" for no card.
std::string CardCodeText(int code);

// Parses exactly three decimal digits; -1 when the text is not a card code 0..104.
int ParseCardCode(std::string_view text);

// Face image name of a card: suit word, underscore, rank word ("CUORI_A", "PICCH_K").
std::string CardImageName(int code);

} // namespace tablamor
