#pragma once
// The positions a search has reached, by their 64-bit keys: a flat open-addressing table with
// linear probing that doubles when it is 70 % full. A key is a fingerprint, so two positions
// that share one are taken for the same (with 64 bits, rare enough to ignore).
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tablamor {

class SeenPositions {
public:
    SeenPositions() : slots_(kInitialSlots, kEmpty) {}

    // True when the key was not there before (it is now).
    bool Insert(std::uint64_t key) {
        if (key == kEmpty) key = kEmptyStandIn;
        if ((size_ + 1) * kLoadDenominator > slots_.size() * kLoadNumerator) Grow();
        if (!Place(slots_, key)) return false;
        ++size_;
        return true;
    }

    std::size_t Size() const { return size_; }
    std::size_t Bytes() const { return slots_.size() * sizeof(std::uint64_t); }

private:
    static constexpr std::uint64_t kEmpty = 0;
    static constexpr std::uint64_t kEmptyStandIn = 0x9e3779b97f4a7c15ULL;
    static constexpr std::size_t kInitialSlots = 1 << 12;
    static constexpr std::size_t kLoadNumerator = 7;
    static constexpr std::size_t kLoadDenominator = 10;

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;

    // Fibonacci hashing: the high bits of the key times the golden ratio pick the slot.
    static bool Place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
        constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;
        constexpr int kKeyBits = 64;
        const std::size_t mask = slots.size() - 1;
        const int shift = kKeyBits - std::countr_zero(slots.size());
        for (auto i = static_cast<std::size_t>((key * kGolden) >> shift);; i = (i + 1) & mask) {
            if (slots[i] == key) return false;
            if (slots[i] == kEmpty) {
                slots[i] = key;
                return true;
            }
        }
    }

    void Grow() {
        std::vector<std::uint64_t> bigger(slots_.size() * 2, kEmpty);
        for (const std::uint64_t key : slots_)
            if (key != kEmpty) Place(bigger, key);
        slots_.swap(bigger);
    }
};

} // namespace tablamor
