#pragma once
// The main window's commands: every menu item with its command, object name, caption and
// shortcut, in menu order. Every command has exactly one item (checked when this compiles), so
// the window reaches each item by its command and never finds one missing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tablamor::ui {

enum class MenuCommand : std::uint8_t {
    New,
    Open,
    RestartGame,
    SelectNumber,
    Save,
    Players,
    Exit,
    Undo,
    Redo,
    Pause,
    QuitGame,
    Autoplay,
    Hint,
    CanWin,
    WinnableStatus,
    WinnableDeals,
    GameStatistics,
    PlayersStatistics,
    AllGamesStatistics,
    HiScores,
    Customize,
    Options,
    FavoriteGames,
    CardCounter,
    Rules,
    Contents,
    Tips,
    Web,
    About,
};
inline constexpr std::size_t kMenuCommandCount = static_cast<std::size_t>(MenuCommand::About) + 1;

struct MenuItem {
    std::string_view menu;              // the menu's caption
    std::optional<MenuCommand> command; // nullopt for a separator
    std::string_view name;              // object name of the item
    std::string_view caption;
    std::string_view shortcut; // in QKeySequence text form
};

std::span<const MenuItem> MainMenuItems();

} // namespace tablamor::ui
