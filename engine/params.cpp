#include "engine/params.h"

#include <algorithm>

namespace tablamor {
namespace {
using namespace param;
constexpr ParamName kNames[] = {
    {"DealFoundationBaseCard", kDealFoundationBaseCard, 1},
    {"TableauRunCheck", kTableauRunCheck, 1},
    {"TableauFan", kTableauFan, 1},
    {"FoundationFan", kFoundationFan, 1},
    {"ReserveFan", kReserveFan, 1},
    {"StockFaceDown", kStockFaceDown, 1},
    {"StockPlaced", kStockPlaced, 1},
    {"WastePlaced", kWastePlaced, 1},
    {"DeckSuits", kDeckSuits, 1},
    {"DealFoundationCard", kDealFoundationCard, 1},
    {"RunSize", kRunSize, 1},
    {"ReserveLift", kReserveLift, 1},
    {"StockPasses", kStockPasses, 1},
    {"ReleaseCountsPass", kReleaseCountsPass, 1},
    {"FoundationLift", kFoundationLift, 1},
    {"AutoplayAvailable", kAutoplayAvailable, 1},
    {"StockDealCount", kStockDealCount, 1},
    {"TableauFillSource", kTableauFillSource, 1},
    {"AfterDealByPile", kAfterDealByPile, 1},
    {"Unused20", 20, 1},
    {"FoundationResort", kFoundationResort, 1},
    {"KingsToBottom", kKingsToBottom, 1},
    {"FoundationCapacity", kFoundationCapacity, 1},
    {"Unused24", 24, 1},
    {"Unused25", 25, 1},
    {"NarrowScreenMedium", kNarrowScreenMedium, 1},
    {"PairingSum", kPairingSum, 1},
    {"OpeningRestriction", kOpeningRestriction, 1},
    {"AutoFillAfterFirst", kAutoFillAfterFirst, 1},
    {"DealScore", kDealScore, 1},
    {"SpecialCode", kSpecialCode, 1},
    {"FoundationBase", kFoundationBase.first, kFoundationBase.count},
    {"FoundationDirection", kFoundationDirection.first, kFoundationDirection.count},
    {"FoundationRule", kFoundationRule.first, kFoundationRule.count},
    {"FoundationStartCard", kFoundationStartCard.first, kFoundationStartCard.count},
    {"TableauEmptyFill", kTableauEmptyFill.first, kTableauEmptyFill.count},
    {"TableauDirection", kTableauDirection.first, kTableauDirection.count},
    {"TableauRule", kTableauRule.first, kTableauRule.count},
    {"TableauPastBase", kTableauPastBase.first, kTableauPastBase.count},
    // the 26th pile's flag shares its slot with the first ReserveRule
    {"TableauTakesAdd", kTableauTakesAdd.first, kTableauTakesAdd.count - 1},
    {"ReserveRule", kReserveRule.first, kReserveRule.count},
    {"ReserveTakesAdd", kReserveTakesAdd.first, kReserveTakesAdd.count},
    {"ThirdPileStartCard", kThirdPileStartCard, 1},
    {"WasteBuild", kWasteBuild, 1},
    {"WasteNotTarget", kWasteNotTarget, 1},
    {"StockLayout", kStockLayout, 1},
    {"StockLayoutRow", kStockLayoutRow, 1},
    {"FoundationLayout", kFoundationLayout, 1},
    {"FoundationLayoutRow", kFoundationLayoutRow, 1},
    {"TableauLayout", kTableauLayout, 1},
    {"TableauLayoutRow", kTableauLayoutRow, 1},
    {"TableauLines", kTableauLines, 1},
    {"ReserveLayout", kReserveLayout, 1},
    {"ReserveLayoutRow", kReserveLayoutRow, 1},
    {"ThirdPileLayout", kThirdPileLayout, 1},
    {"ThirdPileLayoutRow", kThirdPileLayoutRow, 1},
    {"StockGroupPlaced", kStockGroupPlaced, 1},
    {"FoundationCount", kFoundationCount, 1},
    {"TableauCount", kTableauCount, 1},
    {"ReserveCount", kReserveCount, 1},
    {"ThirdPilePlaced", kThirdPilePlaced, 1},
    {"CardCount", kCardCount, 1},
    {"StockDealt", kStockDealt, 1},
    {"WasteDealt", kWasteDealt, 1},
    {"TableauDealt", kTableauDealt.first, kTableauDealt.count},
    {"TableauFaceUp", kTableauFaceUp.first, kTableauFaceUp.count},
    {"ThirdPileDealt", kThirdPileDealt, 1},
    {"ReserveDealt", kReserveDealt.first, kReserveDealt.count},
    {"Unused324", 324, 3},
    {"PlayingTime", kPlayingTime, 1},
    {"Difficulty", kDifficulty, 1},
    {"Unused329", 329, 1},
    {"WinChanceClass", kWinChanceClass, 1},
    {"WinChanceAbout", kWinChanceAbout, 1},
    {"WinChanceOutOf", kWinChanceOutOf, 1},
};
} // namespace

std::span<const ParamName> ParamNames() {
    return kNames;
}

const ParamName* ParamNameOf(int index) {
    for (const ParamName& n : kNames)
        if (index >= n.first && index < n.first + n.count) return &n;
    return nullptr;
}

const ParamName* FindParamName(std::string_view name) {
    auto it = std::find_if(std::begin(kNames), std::end(kNames),
                           [&](const ParamName& n) { return n.name == name; });
    return it == std::end(kNames) ? nullptr : &*it;
}

} // namespace tablamor
