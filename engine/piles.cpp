#include "engine/piles.h"

#include "engine/params.h"

namespace tablamor {
namespace {

std::optional<int> SmallNumber(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

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

std::optional<PileIndex> DecodePileName(std::string_view name) {
    auto numbered = [&](std::size_t prefix, std::size_t width, int first,
                        int count) -> std::optional<PileIndex> {
        auto n = SmallNumber(name.substr(prefix, width));
        if (!n || *n < 1 || *n > count) return std::nullopt;
        return first + *n - 1;
    };
    if (name.substr(0, 4) == "Fila") return numbered(4, 2, kFirstTableau, kMaxTableaus);
    if (name.substr(0, 4) == "Dest") return numbered(4, 2, kFirstFoundation, kMaxFoundations);
    if (name == "Mazzo_Vis") return kWastePile;
    if (name.substr(0, 6) == "Appogg") return numbered(6, 1, kFirstReserve, kMaxReserves);
    if (name == "Mazzo") return kStockPile;
    return std::nullopt;
}

std::optional<PileIndex> ParsePileName(std::string_view name) {
    for (PileIndex p = 0; p < kPileCount; ++p)
        if (PileName(p) == name) return p;
    return std::nullopt;
}

} // namespace tablamor
