#include "engine/solver_key.h"

#include "engine/rule_codes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

namespace tablamor {
namespace {

// Cards in order, eight to a word, as Add gives them one by one.
class CardSequenceKey {
public:
    void Add(Card card) {
        word_ = (word_ << kBitsPerCard) | card;
        ++size_;
        if (++inWord_ == kCardsPerWord) {
            h_ = MixKey(h_, word_);
            word_ = 0;
            inWord_ = 0;
        }
    }
    std::uint64_t Key() const { return LastWordKey(h_, word_, size_); }

    static constexpr std::size_t kCardsPerWord = 8;
    static constexpr int kBitsPerCard = 8;
    static constexpr std::uint64_t kSeed = 0x51ed270b27e1f5a3ULL;

    // The size, above the last word's cards, tells a short last word from one of gaps.
    static constexpr std::uint64_t LastWordKey(std::uint64_t h, std::uint64_t word,
                                               std::size_t size) {
        constexpr int kSizeShift = kBitsPerCard * (kCardsPerWord - 1);
        return MixKey(h, word ^ (static_cast<std::uint64_t>(size) << kSizeShift));
    }

private:
    std::uint64_t h_ = kSeed;
    std::uint64_t word_ = 0;
    std::size_t inWord_ = 0;
    std::size_t size_ = 0;
};

// A pile's cards bottom first, whole words read at once; an empty pile keys as a fixed value.
// The face flags are keyed once for the whole table (FaceKey).
std::uint64_t PileKey(const Table& table, PileIndex pile) {
    using Key = CardSequenceKey;
    const std::span<const Card> cards = table.Pile(pile);
    // Most positions have several empty piles.
    constexpr std::uint64_t kEmptyPileKey = Key::LastWordKey(Key::kSeed, 0, 0);
    if (cards.empty()) return kEmptyPileKey;
    std::uint64_t h = Key::kSeed;
    std::size_t i = 0;
    for (; i + Key::kCardsPerWord <= cards.size(); i += Key::kCardsPerWord) {
        std::uint64_t word = 0;
        std::memcpy(&word, cards.data() + i, sizeof word);
        h = MixKey(h, word);
    }
    std::uint64_t last = 0;
    for (; i < cards.size(); ++i) last = (last << Key::kBitsPerCard) | cards[i];
    return Key::LastWordKey(h, last, cards.size());
}

// The face flags of every card, but those of the stock and the waste where they key as a cycle
// (a press turns the card it deals).
std::uint64_t FaceKey(const Table& table, bool stockCycle) {
    Table::FaceFlagWords flags = table.FaceFlags();
    if (stockCycle)
        for (const PileIndex pile : {kStockPile, kWastePile})
            for (const Card c : table.Pile(pile)) Table::ClearFaceFlag(flags, c);
    return MixKey(MixKey(0, flags[0]), flags[1]);
}

// The stock and the waste as the one sequence the presses deal through: the waste bottom first,
// then the stock from its top. Where one card is dealt a press, a press only moves the split
// between the two, and every split is reached by pressing on.
std::uint64_t StockCycleKey(const Table& table) {
    CardSequenceKey key;
    for (const Card c : table.Pile(kWastePile)) key.Add(c);
    const auto stock = table.Pile(kStockPile);
    for (auto c = stock.rbegin(); c != stock.rend(); ++c) key.Add(*c);
    return key.Key();
}

// A pile cards only go onto: its size and its top card.
std::uint64_t DiscardKey(const Table& table, PileIndex pile) {
    const int size = table.Size(pile);
    const std::uint64_t top = size > 0 ? static_cast<std::uint64_t>(table.Top(pile)) : 0;
    return MixKey(0x2545f4914f6cdd1dULL, (static_cast<std::uint64_t>(size) << 16) | top);
}

// Every pile of the group [first, first + count) has the same value of each per-pile range.
bool SameAcross(const GameState& s, int count, std::initializer_list<ParamRange> ranges) {
    for (const ParamRange range : ranges)
        for (int n = 1; n < count; ++n)
            if (s.P(range, n) != s.P(range, 0)) return false;
    return true;
}

bool NoneSet(const GameState& s, int count, ParamRange range) {
    for (int n = 0; n < count; ++n)
        if (s.P(range, n) != 0) return false;
    return true;
}

// Keys a group of piles: in order, or as a set (the sum of the pile keys, which no order of the
// piles changes; each is mixed strongly, so sums of different sets rarely meet); each pile whole
// or as a discard pile.
std::uint64_t GroupKey(std::uint64_t h, const Table& table, PileIndex first, int count, bool asSet,
                       bool discards = false) {
    std::uint64_t set = 0;
    for (int n = 0; n < count; ++n) {
        const std::uint64_t key =
            discards ? DiscardKey(table, first + n) : PileKey(table, first + n);
        if (asSet)
            set += key;
        else
            h = MixKey(h, key);
    }
    return asSet ? MixKey(h, set) : h;
}

} // namespace

bool IsGolfGame(const GameState& s) {
    const int special = s.P(param::kSpecialCode);
    return special == code::kSpecialGolf || special == code::kSpecialPeaks ||
           special == code::kSpecialGolfAroundTheCorner;
}

PileSymmetry SymmetryOf(const GameState& s) {
    PileSymmetry symmetry;
    symmetry.thirdPileDiscards = IsGolfGame(s);
    symmetry.thirdPileImplied = s.HoldsSelection();
    // A pairing game's first foundation is its selection, which cards leave again.
    symmetry.foundationsDiscard = s.P(param::kFoundationLift) == 0 && !s.HoldsSelection();
    // Special games and pairing games read particular piles by their place.
    if (s.P(param::kSpecialCode) != 0 || s.HoldsSelection()) return symmetry;
    const bool openingFree = s.P(param::kOpeningRestriction) == 0;
    const int tableaus = s.TableauCount();
    symmetry.tableaus = openingFree &&
                        SameAcross(s, tableaus,
                                   {param::kTableauEmptyFill, param::kTableauDirection,
                                    param::kTableauRule, param::kTableauPastBase}) &&
                        NoneSet(s, tableaus, param::kTableauTakesAdd);
    const int reserves = s.ReserveCount();
    const int reserveRule = s.P(param::kReserveRule, 0);
    // Only reserves that take a card when empty and hold one card are free cells; the others
    // count their cards against the first reserve or feed the tableau in order.
    const bool freeCellRule = reserveRule != code::kReserveKingsWhileFirstShort &&
                              reserveRule != code::kReserveAnyWhileFirstShort &&
                              reserveRule != code::kReserveClosed;
    symmetry.reserves = freeCellRule && SameAcross(s, reserves, {param::kReserveRule}) &&
                        NoneSet(s, reserves, param::kReserveTakesAdd) &&
                        s.P(param::kTableauFillSource) == 0;
    symmetry.foundations = s.P(param::kFoundationResort) == 0 &&
                           SameAcross(s, s.FoundationCount(),
                                      {param::kFoundationBase, param::kFoundationDirection,
                                       param::kFoundationRule, param::kFoundationStartCard});
    return symmetry;
}

std::uint64_t PositionKey(const GameState& s, const PileSymmetry& symmetry) {
    std::uint64_t h = 0;
    if (symmetry.stockCycle) {
        h = MixKey(h, StockCycleKey(s.table));
    } else {
        h = MixKey(h, PileKey(s.table, kStockPile));
        h = MixKey(h, PileKey(s.table, kWastePile));
    }
    if (!symmetry.thirdPileImplied)
        h = MixKey(h, symmetry.thirdPileDiscards ? DiscardKey(s.table, kThirdPile)
                                                 : PileKey(s.table, kThirdPile));
    // Only the game's own piles: the others stay empty. The selection lies on the first
    // foundation whatever the count.
    const int foundations = std::max(s.FoundationCount(), s.HoldsSelection() ? 1 : 0);
    h = GroupKey(h, s.table, kFirstFoundation, foundations, symmetry.foundations,
                 symmetry.foundationsDiscard);
    h = GroupKey(h, s.table, kFirstTableau, s.TableauCount(), symmetry.tableaus);
    h = GroupKey(h, s.table, kFirstReserve, s.ReserveCount(), symmetry.reserves);
    h = MixKey(h, FaceKey(s.table, symmetry.stockCycle));
    // With unlimited passes the count is never read; keying on it would make every pass a new
    // position and the search endless.
    if (s.P(param::kStockPasses) != code::kUnlimitedPasses)
        h = MixKey(h, static_cast<std::uint64_t>(s.passesUsed));
    h = MixKey(h, static_cast<std::uint64_t>(s.actionsDone));
    h = MixKey(h, s.stockPressed ? 1 : 0);
    return h;
}

} // namespace tablamor
