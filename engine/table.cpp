#include "engine/table.h"

#include "engine/params.h"

#include <algorithm>
#include <cstring>

namespace tablamor {

Table::Table() {
    faceUp_ = {~std::uint64_t{0}, ~std::uint64_t{0}};
}

void Table::ClearPiles() {
    slots_.fill(kNoCard);
    start_.fill(0);
}

void Table::SetFaceUp(Card card, bool up) {
    if (!ValidCard(card)) return;
    int bit = card - 1;
    std::uint64_t mask = std::uint64_t{1} << (bit % 64);
    if (up)
        faceUp_[bit / 64] |= mask;
    else
        faceUp_[bit / 64] &= ~mask;
}

bool Table::Insert(PileIndex pile, int k, Card card) {
    if (TotalSlots() >= kCapacity || k < 0 || k > Size(pile)) return false;
    int at = start_[pile] + k;
    std::memmove(&slots_[at + 1], &slots_[at], static_cast<std::size_t>(TotalSlots() - at));
    slots_[at] = card;
    for (int p = pile + 1; p <= kPileCount; ++p) ++start_[p];
    return true;
}

bool Table::Append(PileIndex pile, Card card) {
    return Insert(pile, Size(pile), card);
}

bool Table::Append(PileIndex pile, Card card, bool faceUp) {
    if (!Append(pile, card)) return false;
    if (card != kNoCard) SetFaceUp(card, faceUp);
    return true;
}

Card Table::EraseAt(PileIndex pile, int k) {
    if (k < 0 || k >= Size(pile)) return kNoCard;
    int at = start_[pile] + k;
    Card card = slots_[at];
    std::memmove(&slots_[at], &slots_[at + 1], static_cast<std::size_t>(TotalSlots() - at - 1));
    slots_[TotalSlots() - 1] = kNoCard;
    for (int p = pile + 1; p <= kPileCount; ++p) --start_[p];
    return card;
}

void Table::Truncate(PileIndex pile, int newSize) {
    newSize = std::max(newSize, 0);
    while (Size(pile) > newSize) EraseAt(pile, Size(pile) - 1);
}

void Table::MoveTop(PileIndex from, int count, PileIndex to) {
    count = std::clamp(count, 0, Size(from));
    if (from == to || count == 0) return;
    Card* slots = slots_.data();
    const int block = start_[from + 1] - count;
    if (from < to) {
        // The cards between the block and the end of `to` move down past it.
        std::rotate(slots + block, slots + block + count, slots + start_[to + 1]);
        for (int p = from + 1; p <= to; ++p)
            start_[p] = static_cast<std::uint8_t>(start_[p] - count);
    } else {
        // The cards between the end of `to` and the block move up past it.
        std::rotate(slots + start_[to + 1], slots + block, slots + block + count);
        for (int p = to + 1; p <= from; ++p)
            start_[p] = static_cast<std::uint8_t>(start_[p] + count);
    }
}

void Table::TurnOver(PileIndex from, PileIndex to, bool faceUp) {
    if (from == to) return;
    const int count = Size(from);
    MoveTop(from, count, to);
    Card* const end = slots_.data() + start_[to + 1];
    std::reverse(end - count, end);
    SetFaceFlags(to, count, faceUp);
}

bool Table::Assign(PileIndex pile, std::span<const Card> cards) {
    if (TotalSlots() - Size(pile) + static_cast<int>(cards.size()) > kCapacity) return false;
    Truncate(pile, 0);
    for (Card c : cards) Append(pile, c);
    return true;
}

int Table::Find(PileIndex pile, Card card) const {
    auto cards = Pile(pile);
    auto it = std::find(cards.begin(), cards.end(), card);
    return it == cards.end() ? -1 : static_cast<int>(it - cards.begin());
}

bool Table::FindInPile(PileIndex pile, Card card, FindMode mode) {
    int k = Find(pile, card);
    if (k < 0) return false;
    switch (mode) {
    case FindMode::Test:
        break;
    case FindMode::Delete:
        EraseAt(pile, k);
        break;
    case FindMode::Blank:
        slots_[start_[pile] + k] = kNoCard;
        break;
    case FindMode::DeleteWithGap:
        EraseAt(pile, k);
        // the gap just below the deleted place (or at the pile's start for a bottom card)
        if (k > 0 && At(pile, k - 1) == kNoCard)
            EraseAt(pile, k - 1);
        else if (k == 0 && Size(pile) > 0 && At(pile, 0) == kNoCard)
            EraseAt(pile, 0);
        break;
    }
    return true;
}

PileIndex Table::PileOf(Card card) const {
    if (card == kNoCard) return -1;
    const void* found = std::memchr(slots_.data(), card, static_cast<std::size_t>(TotalSlots()));
    if (!found) return -1;
    const int i = static_cast<int>(static_cast<const Card*>(found) - slots_.data());
    return static_cast<PileIndex>(std::upper_bound(start_.begin(), start_.end(), i) -
                                  start_.begin() - 1);
}

PileKind Table::TakeOut(Card card, int tableauCount, FindMode mode) {
    if (card == kNoCard) return PileKind::None;
    auto tryPile = [&](PileIndex p) { return FindInPile(p, card, mode); };
    if (tryPile(kWastePile)) return PileKind::Waste;
    for (int n = 0; n < std::min(tableauCount, kMaxTableaus); ++n)
        if (tryPile(TableauPile(n))) return PileKind::Tableau;
    for (int n = 0; n < kMaxFoundations; ++n)
        if (tryPile(FoundationPile(n))) return PileKind::Foundation;
    if (tryPile(kStockPile)) return PileKind::Stock;
    if (tryPile(kThirdPile)) return PileKind::ThirdPile;
    for (int n = 0; n < kMaxReserves; ++n)
        if (tryPile(ReservePile(n))) return PileKind::Reserve;
    return PileKind::None;
}

PileKind Table::RemoveCard(Card card, int tableauCount) {
    return TakeOut(card, tableauCount, FindMode::Delete);
}

PileKind Table::BlankCard(Card card, int tableauCount) {
    return TakeOut(card, tableauCount, FindMode::Blank);
}

void Table::SetFaceFlags(PileIndex pile, int n, bool flag) {
    int size = Size(pile);
    if (n > 0) {
        for (int k = std::max(0, size - n); k < size; ++k) SetFaceUp(At(pile, k), flag);
    } else if (n == -1 || n == -2) {
        bool bottomUp = n == -1;
        for (int k = 0; k < size; ++k) SetFaceUp(At(pile, k), (k % 2 == 0) == bottomUp);
    }
}

int Table::LongestTableau(int tableauCount) const {
    int longest = 0;
    for (int n = 0; n < std::min(tableauCount, kMaxTableaus); ++n)
        longest = std::max(longest, Size(TableauPile(n)));
    return longest;
}

std::string Table::PileString(PileIndex pile) const {
    std::string text;
    text.reserve(static_cast<std::size_t>(Size(pile)) * 3);
    for (Card c : Pile(pile)) text += CardCodeText(c);
    return text;
}

bool Table::SetPileString(PileIndex pile, std::string_view text) {
    if (text.size() % 3 != 0) return false;
    std::array<Card, kCapacity> cards{};
    std::size_t n = text.size() / 3;
    if (n > cards.size()) return false;
    for (std::size_t i = 0; i < n; ++i) {
        int code = ParseCardCode(text.substr(i * 3, 3));
        if (code < 0) return false;
        cards[i] = static_cast<Card>(code);
    }
    return Assign(pile, std::span<const Card>(cards.data(), n));
}

std::string Table::SnapshotText(PileIndex pile) const {
    std::string text;
    text.reserve(static_cast<std::size_t>(Size(pile)) * 4);
    for (Card c : Pile(pile)) {
        text += CardCodeText(c);
        text += c != kNoCard && FaceUp(c) ? '1' : '0';
    }
    return text;
}

std::string Table::CardTableLine(Card card) const {
    std::string line = CardImageName(card);
    line.resize(15, ' ');
    line += static_cast<char>('0' + CardSuit(card));
    line += CardCodeText(card);
    line += FaceUp(card) ? '1' : '0';
    return line;
}

void Table::Pack(std::vector<std::uint8_t>& out, PileIndex skipPile) const {
    int skipped = skipPile >= 0 && skipPile < kPileCount ? Size(skipPile) : 0;
    out.push_back(static_cast<std::uint8_t>(TotalSlots() - skipped));
    for (PileIndex p = 0; p < kPileCount; ++p)
        out.push_back(static_cast<std::uint8_t>(p == skipPile ? 0 : Size(p)));
    for (PileIndex p = 0; p < kPileCount; ++p)
        if (p != skipPile)
            out.insert(out.end(), slots_.begin() + start_[p], slots_.begin() + start_[p + 1]);
    for (std::uint64_t word : faceUp_)
        for (int b = 0; b < 8; ++b) out.push_back(static_cast<std::uint8_t>(word >> (8 * b)));
}

std::size_t Table::Unpack(std::span<const std::uint8_t> in) {
    constexpr std::size_t kFaceBytes = 16;
    if (in.empty()) return 0;
    std::size_t used = in[0];
    std::size_t total = 1 + kPileCount + used + kFaceBytes;
    if (used > kCapacity || in.size() < total) return 0;
    std::size_t sum = 0;
    for (int p = 0; p < kPileCount; ++p) sum += in[1 + static_cast<std::size_t>(p)];
    if (sum != used) return 0;

    start_[0] = 0;
    for (int p = 0; p < kPileCount; ++p)
        start_[p + 1] = static_cast<std::uint8_t>(start_[p] + in[1 + static_cast<std::size_t>(p)]);
    const std::uint8_t* cards = in.data() + 1 + kPileCount;
    slots_.fill(kNoCard);
    std::copy(cards, cards + used, slots_.begin());
    FaceFlagWords saved{};
    for (std::size_t i = 0; i < kFaceBytes; ++i)
        saved[i / 8] |= std::uint64_t{cards[used + i]} << (8 * (i % 8));
    // The flags of the cards placed come from the record, the others stay.
    FaceFlagWords placed{};
    for (std::size_t i = 0; i < used; ++i) {
        const Card c = slots_[i];
        if (!ValidCard(c)) continue;
        const int bit = c - 1;
        placed[static_cast<std::size_t>(bit / kFlagsPerWord)] |= std::uint64_t{1}
                                                                 << (bit % kFlagsPerWord);
    }
    for (std::size_t w = 0; w < faceUp_.size(); ++w)
        faceUp_[w] = (faceUp_[w] & ~placed[w]) | (saved[w] & placed[w]);
    return total;
}

std::size_t Table::Hash() const {
    // FNV-1a over the used slots, the pile boundaries and the face flags.
    std::uint64_t h = 1469598103934665603ULL;
    auto mix = [&h](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ULL;
    };
    for (int i = 0; i < TotalSlots(); ++i) mix(slots_[i]);
    for (auto s : start_) mix(s);
    mix(faceUp_[0]);
    mix(faceUp_[1]);
    return static_cast<std::size_t>(h);
}

bool Table::operator==(const Table& other) const {
    // Slots beyond the used ones are always zero, so whole arrays compare.
    return start_ == other.start_ && faceUp_ == other.faceUp_ && slots_ == other.slots_;
}

} // namespace tablamor
