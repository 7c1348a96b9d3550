#include "engine/state_fault.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tablamor {

std::string StateFault(const GameState& s) {
    std::array<int, kMaxCards + 1> seen{};
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (p == kSelectionPile && s.HoldsSelection()) continue;
        for (Card c : s.table.Pile(p)) ++seen[c];
    }
    for (int c = 1; c <= kMaxCards; ++c) {
        int expected = c <= s.CardCount() ? 1 : 0;
        if (seen[static_cast<std::size_t>(c)] != expected)
            return "card " + CardCodeText(c) + " lies in " +
                   std::to_string(seen[static_cast<std::size_t>(c)]) + " piles";
    }
    if (s.HoldsSelection()) {
        std::array<int, kMaxCards + 1> selected{};
        for (Card c : s.table.Pile(kSelectionPile))
            if (c == kNoCard || ++selected[c] > 1 || seen[c] != 1)
                return "selection holds " + CardCodeText(c) + " wrongly";
    }
    auto unusedHoldsCards = [&](PileIndex first, int used, int count) {
        for (int n = used; n < count; ++n) {
            PileIndex p = first + n;
            if (!(p == kSelectionPile && s.HoldsSelection()) && !s.table.Empty(p)) return true;
        }
        return false;
    };
    if (unusedHoldsCards(FoundationPile(0), s.FoundationCount(), kMaxFoundations) ||
        unusedHoldsCards(TableauPile(0), s.TableauCount(), kMaxTableaus) ||
        unusedHoldsCards(ReservePile(0), s.ReserveCount(), kMaxReserves))
        return "a pile the game does not use holds cards";
    return {};
}

StateCheck::StateCheck(const GameState& state) : state_(state) {
#ifdef TABLAMOR_CHECK_STATE
    soundBefore_ = StateFault(state_).empty();
#endif
}

StateCheck::~StateCheck() {
#ifdef TABLAMOR_CHECK_STATE
    if (!soundBefore_) return;
    const std::string fault = StateFault(state_);
    if (fault.empty()) return;
    std::fprintf(stderr, "broken table after an operation of play: %s\n", fault.c_str());
    std::abort();
#endif
}

} // namespace tablamor
