#include "engine/piles.h"

#include "engine/params.h"

namespace tablamor {
std::string PileName(PileIndex pile) {
    switch (KindOfPile(pile)) {
    case PileKind::Stock:
        return "Mazzo";
    case PileKind::Waste:
        return "Mazzo_Vis";
    case PileKind::ThirdPile:
        return "Mazzo_Waste";
    case PileKind::Foundation:
        return "Dest" + std::to_string(pile - kFirstFoundation + 1);
    case PileKind::Tableau:
        return "Fila" + std::to_string(pile - kFirstTableau + 1);
    case PileKind::Reserve:
        return "Appogg" + std::to_string(pile - kFirstReserve + 1);
    case PileKind::None:
        break;
    }
    return {};
}

std::optional<PileIndex> ParsePileName(std::string_view name) {
    for (PileIndex p = 0; p < kPileCount; ++p)
        if (PileName(p) == name) return p;
    return std::nullopt;
}

} // namespace tablamor
