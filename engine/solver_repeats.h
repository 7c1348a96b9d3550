#pragma once
// Among the drops of one lift that the solver lists, those onto an empty pile of a group the
// position key takes as a set (engine/solver_key.h), after the first such drop onto that group:
// they reach positions the key cannot tell apart, so the search tries the first alone. The
// listing gives the drops of one lift one after the other.
#include "engine/solver_key.h"
#include "engine/solver_moves.h"

#include <bitset>
#include <cstdint>

namespace tablamor {

// Asked of each move of one listing in turn.
class RepeatedEmptyDrops {
public:
    explicit RepeatedEmptyDrops(const PileSymmetry& symmetry) : symmetry_(symmetry) {}

    // For a new listing.
    void Clear() {
        lift_ = {};
        kinds_.reset();
    }

    bool Repeats(const GameState& s, const SolverMove& m) {
        const PileIndex target = m.command.pile;
        if (m.command.kind != CommandKind::Drop || !s.table.Empty(target) ||
            !KeyedAsSet(KindOfPile(target)))
            return false;
        const Lift lift{m.command.card, m.presses, m.move.singleCard};
        if (!(lift == lift_)) {
            lift_ = lift;
            kinds_.reset();
        }
        const auto kind = static_cast<std::size_t>(KindOfPile(target));
        const bool repeated = kinds_[kind];
        kinds_.set(kind);
        return repeated;
    }

private:
    struct Lift {
        Card card = kNoCard;
        std::uint8_t presses = 0;
        bool singleCard = false;
        bool operator==(const Lift&) const = default;
    };
    PileSymmetry symmetry_;
    Lift lift_;
    // The kinds of pile (those keyed as sets, up to the reserves) the lift was dropped on empty.
    static constexpr std::size_t kKinds = static_cast<std::size_t>(PileKind::Reserve) + 1;
    std::bitset<kKinds> kinds_;

    bool KeyedAsSet(PileKind kind) const {
        return (kind == PileKind::Tableau && symmetry_.tableaus) ||
               (kind == PileKind::Reserve && symmetry_.reserves) ||
               (kind == PileKind::Foundation && symmetry_.foundations);
    }
};

} // namespace tablamor
