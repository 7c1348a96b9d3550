#pragma once
// The names by which every change of the piles is asked of PerformAction, besides the target pile
// names ("Fila" + n, "Dest" + n, "Appogg" + n).
#include <string_view>

namespace tablamor {

namespace action {
inline constexpr std::string_view kStockPrefix = "Mazzo";     // a stock press, by name
inline constexpr std::string_view kDealToWaste = "Mazzo_Vis"; // deal (or redeal) to the waste
inline constexpr std::string_view kDealToThirdPile = "Mazzo_Waste";
inline constexpr std::string_view kFoundationPrefix = "Dest";
inline constexpr std::string_view kAutoplayPrefix = "Dest_Autoplay";
inline constexpr std::string_view kTableauPrefix = "Fila";
inline constexpr std::string_view kReservePrefix = "Appogg";
inline constexpr std::string_view kToThirdPile = "Waste"; // golf and peaks: onto the third pile
inline constexpr std::string_view kBuildOnWaste = "Stock02";
inline constexpr std::string_view kAddTableaus = "Add_Tableaus";
inline constexpr std::string_view kAddReserves = "Add_Reserves";
inline constexpr std::string_view kFillTableaus = "Fill_Tableaus";
inline constexpr std::string_view kAddTableausLast = "Add_Tableaus_Last";
inline constexpr std::string_view kDiscardSelection = "Selezionate_Dest";
inline constexpr std::string_view kRefillAfterPairing = "Selezionate_Fila";
inline constexpr std::string_view kCloseGaps = "Stock_To_Pile_Monte_Carlo";
inline constexpr std::string_view kRedealTableaus = "Redeal_Tableaus";
} // namespace action

} // namespace tablamor
