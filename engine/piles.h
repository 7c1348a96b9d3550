#pragma once
// Pile addressing: the 53 piles of a table in snapshot order (the stock group of three, sixteen
// foundations, twenty-six tableau piles, eight reserves), their names and kind codes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

// Index of a pile in snapshot order, 0..52.
using PileIndex = int;

inline constexpr int kPileCount = 53;
inline constexpr PileIndex kStockPile = 0; // "Mazzo"
inline constexpr PileIndex kWastePile = 1; // "Mazzo_Vis"
inline constexpr PileIndex kThirdPile = 2; // third stock-group pile, no name of its own
inline constexpr PileIndex kFirstFoundation = 3;
inline constexpr PileIndex kFirstTableau = 19;
inline constexpr PileIndex kFirstReserve = 45;

constexpr PileIndex FoundationPile(int n) {
    return kFirstFoundation + n;
} // n 0-based
constexpr PileIndex TableauPile(int n) {
    return kFirstTableau + n;
}
constexpr PileIndex ReservePile(int n) {
    return kFirstReserve + n;
}

// The kind of pile a card was found in; the numbers are the codes the rules report.
enum class PileKind : std::uint8_t {
    Stock = 1,
    Waste = 2,
    ThirdPile = 3,
    Tableau = 4,
    Foundation = 5,
    Reserve = 6,
    None = 255,
};

// Inline: the rules ask it of every pile they judge.
constexpr PileKind KindOfPile(PileIndex pile) {
    if (pile == kStockPile) return PileKind::Stock;
    if (pile == kWastePile) return PileKind::Waste;
    if (pile == kThirdPile) return PileKind::ThirdPile;
    if (pile >= kFirstFoundation && pile < kFirstTableau) return PileKind::Foundation;
    if (pile >= kFirstTableau && pile < kFirstReserve) return PileKind::Tableau;
    if (pile >= kFirstReserve && pile < kPileCount) return PileKind::Reserve;
    return PileKind::None;
}

// 0-based number of the pile within its group (foundation 0..15, tableau 0..25, reserve 0..7;
// 0..2 in the stock group).
constexpr int NumberInGroup(PileIndex pile) {
    switch (KindOfPile(pile)) {
    case PileKind::Foundation:
        return pile - kFirstFoundation;
    case PileKind::Tableau:
        return pile - kFirstTableau;
    case PileKind::Reserve:
        return pile - kFirstReserve;
    default:
        return pile;
    }
}

// "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest1".."Dest16", "Fila1".."Fila26", "Appogg1".."Appogg8".
std::string PileName(PileIndex pile);

// Exact names as the command-line tool writes them (also "Mazzo_Waste" for the third pile).
std::optional<PileIndex> ParsePileName(std::string_view name);

} // namespace tablamor
