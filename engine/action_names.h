#pragma once
// The names by which every change of the piles is asked of PerformAction, besides the target pile
// names ("Fila" + n, "Dest" + n, "Appogg" + n), and the sounds the actions play with the
// preference keys that switch them.
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
} // namespace action

namespace sound {
inline constexpr std::string_view kStock = "Stock";
inline constexpr std::string_view kFoundation = "Foundation.wav";
inline constexpr std::string_view kAutoplay = "Autoplay.wav";
inline constexpr std::string_view kEddy = "Eddy.wav";
inline constexpr std::string_view kTableau = "Tableau";
inline constexpr std::string_view kShuffle = "Shuffle";
inline constexpr std::string_view kPairing = "Pairing";
inline constexpr std::string_view kFaceUp = "Face_up";
inline constexpr std::string_view kReorder = "Reorder";
inline constexpr std::string_view kUndo = "Undo";
inline constexpr std::string_view kRedo = "Redo";
} // namespace sound

// The preference keys that switch each sound (the master switch "Sounds_Enabled" always counts).
namespace sound_switch {
inline constexpr std::string_view kMasterOnly = "";
inline constexpr std::string_view kStock = "Sounds_Stock";
inline constexpr std::string_view kFoundation = "Sounds_Foundation";
inline constexpr std::string_view kAutoplay = "Sounds_Autoplay";
inline constexpr std::string_view kTableau = "Sounds_Tableau";
inline constexpr std::string_view kShuffle = "Sounds_Shuffle";
inline constexpr std::string_view kPairing = "Sounds_Pairing";
inline constexpr std::string_view kFaceUp = "Sounds_FaceUp";
inline constexpr std::string_view kUndo = "Sounds_Undo";
inline constexpr std::string_view kRedo = "Sounds_Redo";
} // namespace sound_switch

} // namespace tablamor
