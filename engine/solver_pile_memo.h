#pragma once
// A count the guide reads from one pile's cards and the table's face flags alone, remembered per
// pile: asked again for the same cards under the same flags, it is given back without reading
// the pile. Two cards lists are kept per pile, so that the parent's pile and one child's stay
// known while the children of one position are scored in turn.
#include "engine/table.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

namespace tablamor {

class PileCountMemo {
public:
    explicit PileCountMemo(int piles) : piles_(static_cast<std::size_t>(piles)) {}

    // The count of pile n holding `cards` under `flags`, `count()` read only when not known.
    template <class Count>
    int Of(int n, std::span<const Card> cards, const Table::FaceFlagWords& flags, Count&& count) {
        Pile& pile = piles_[static_cast<std::size_t>(n)];
        for (std::size_t i = 0; i < pile.entries.size(); ++i) {
            const Entry& e = pile.entries[i];
            if (e.known && e.cards.size() == cards.size() && e.flags == flags &&
                (cards.empty() || std::memcmp(e.cards.data(), cards.data(), cards.size()) == 0)) {
                pile.older = 1 - i;
                return e.count;
            }
        }
        Entry& e = pile.entries[pile.older];
        pile.older = 1 - pile.older;
        e.cards.assign(cards.begin(), cards.end());
        e.flags = flags;
        e.count = count();
        e.known = true;
        return e.count;
    }

private:
    struct Entry {
        std::vector<Card> cards;
        Table::FaceFlagWords flags{};
        int count = 0;
        bool known = false;
    };
    struct Pile {
        std::array<Entry, 2> entries;
        std::size_t older = 0; // the entry a new cards list replaces
    };
    std::vector<Pile> piles_;
};

} // namespace tablamor
