#pragma once
// The positions the searches have reached, by their 64-bit keys: a flat open-addressing table with
// linear probing that doubles when it is 70 % full. A key is a fingerprint, so two positions
// that share one are taken for the same (with 59 bits, rare enough to ignore). Each entry carries
// a few marks (which searches queued the position, whether one searched it) in the key's low bits.
// ReachedPositions reads those marks for the searches and counts the positions none searched yet.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tablamor {

class SeenPositions {
public:
    // The marks an entry can carry, one bit each.
    static constexpr int kMarkCount = 4;
    static constexpr std::uint64_t kAbsent = UINT64_MAX;

    SeenPositions() : slots_(kInitialSlots, kEmpty) {}

    // True when the key was not there before (it is now).
    bool Insert(std::uint64_t key) { return Mark(key, 0) == kAbsent; }

    // Adds `marks` (bits below 1 << kMarkCount) to the key's entry, adding the key when it is new.
    // Returns the marks it had before, or kAbsent when it was new.
    std::uint64_t Mark(std::uint64_t key, std::uint64_t marks) {
        if ((size_ + 1) * kLoadDenominator > slots_.size() * kLoadNumerator) Grow();
        std::uint64_t& slot = Find(slots_, Fingerprint(key));
        if (slot == kEmpty) {
            slot = Fingerprint(key) | (marks << kPresentBits);
            ++size_;
            return kAbsent;
        }
        const std::uint64_t before = (slot & kLowMask) >> kPresentBits;
        slot |= marks << kPresentBits;
        return before;
    }

    std::size_t Size() const { return size_; }
    std::size_t Bytes() const { return slots_.size() * sizeof(std::uint64_t); }
    // The most bytes held while `moreKeys` keys go in: while the table doubles, the old and the
    // new table are both held.
    std::size_t PeakBytes(std::size_t moreKeys) const {
        constexpr std::size_t kWhileGrowing = 3;
        const bool grows = (size_ + moreKeys) * kLoadDenominator > slots_.size() * kLoadNumerator;
        return grows ? Bytes() * kWhileGrowing : Bytes();
    }

private:
    static constexpr std::uint64_t kEmpty = 0;
    // The lowest bit marks a slot in use, the marks follow; the bits above are the fingerprint.
    static constexpr int kPresentBits = 1;
    static constexpr std::uint64_t kLowMask = (std::uint64_t{1} << (kPresentBits + kMarkCount)) - 1;
    static constexpr std::size_t kInitialSlots = 1 << 12;
    static constexpr std::size_t kLoadNumerator = 7;
    static constexpr std::size_t kLoadDenominator = 10;

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;

    static std::uint64_t Fingerprint(std::uint64_t key) { return (key & ~kLowMask) | 1; }

    // The slot holding the fingerprint, or the empty slot where it goes. Fibonacci hashing: the
    // high bits of the fingerprint times the golden ratio pick the first slot tried.
    static std::uint64_t& Find(std::vector<std::uint64_t>& slots, std::uint64_t fingerprint) {
        constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;
        constexpr int kKeyBits = 64;
        const std::size_t mask = slots.size() - 1;
        const int shift = kKeyBits - std::countr_zero(slots.size());
        for (auto i = static_cast<std::size_t>((fingerprint * kGolden) >> shift);;
             i = (i + 1) & mask) {
            if (slots[i] == kEmpty || (slots[i] & ~kLowMask) == (fingerprint & ~kLowMask))
                return slots[i];
        }
    }

    void Grow() {
        std::vector<std::uint64_t> bigger(slots_.size() * 2, kEmpty);
        for (const std::uint64_t slot : slots_)
            if (slot != kEmpty) Find(bigger, Fingerprint(slot)) = slot;
        slots_.swap(bigger);
    }
};

// The positions several searches reached, shared by them: per position, which searches queued it
// and whether one of them searched it, and how many positions reached none searched yet. Each
// search queues a position at most once and may search one another search searched (its own line
// goes on through it); when none is waiting, every position reached was searched by one of them.
class ReachedPositions {
public:
    static constexpr int kMostSearches = SeenPositions::kMarkCount - 1;

    // True when `search` had not queued the position before (it has now), and, unless it walks
    // through others' ground, no search searched it.
    bool Queue(std::uint64_t key, int search, bool throughSearched) {
        const std::uint64_t before = seen_.Mark(key, QueuedMark(search));
        if (before == SeenPositions::kAbsent) {
            ++waiting_;
            return true;
        }
        const std::uint64_t refused = QueuedMark(search) | (throughSearched ? 0 : kSearchedMark);
        return (before & refused) == 0;
    }

    // Marks the position searched by `search` (and queued by it); true when no search had
    // searched it before.
    bool Search(std::uint64_t key, int search) {
        const std::uint64_t before = seen_.Mark(key, kSearchedMark | QueuedMark(search));
        if (before == SeenPositions::kAbsent) return true;
        if ((before & kSearchedMark) != 0) return false;
        --waiting_;
        return true;
    }

    // Positions queued by some search and searched by none.
    long long Waiting() const { return waiting_; }
    std::size_t Size() const { return seen_.Size(); }
    std::size_t PeakBytes(std::size_t moreKeys) const { return seen_.PeakBytes(moreKeys); }

private:
    static constexpr std::uint64_t kSearchedMark = std::uint64_t{1} << kMostSearches;

    SeenPositions seen_;
    long long waiting_ = 0;

    static std::uint64_t QueuedMark(int search) { return std::uint64_t{1} << search; }
};

} // namespace tablamor
