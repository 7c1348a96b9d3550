#include "ui/main_menu.h"

namespace tablamor::ui {

namespace {

using C = MenuCommand;

constexpr MenuItem kItems[] = {
    {"&File", C::New, "mnuNew", "&New game", "F2"},
    {"&File", C::Open, "mnuOpen", "&Open a game", "Ctrl+F12"},
    {"&File", C::RestartGame, "mnuRestartGame", "Restart game", "Ctrl+F2"},
    {"&File", C::SelectNumber, "mnuSelect", "&Select a game number...", "F3"},
    {"&File", C::Save, "mnuSave", "&Save...", "Shift+Ctrl+F12"},
    {"&File", std::nullopt, "", "", ""},
    {"&File", C::Players, "mnuPlayers", "&Players...", ""},
    {"&File", std::nullopt, "", "", ""},
    {"&File", C::Exit, "mnuEsci", "E&xit", ""},
    {"&Game", C::Undo, "mnuUndo", "&Undo", "Ctrl+Z"},
    {"&Game", C::Redo, "mnuRedo", "&Redo", "Ctrl+Y"},
    {"&Game", std::nullopt, "", "", ""},
    {"&Game", C::Pause, "mnuPause", "Pa&use", "Ctrl+P"},
    {"&Game", C::QuitGame, "mnuQuitGame", "&Quit game", "Ctrl+Q"},
    {"&Game", std::nullopt, "", "", ""},
    {"&Game", C::Autoplay, "mnuAutoPlay", "Au&toplay", "F7"},
    {"&Game", std::nullopt, "", "", ""},
    {"&Game", C::Hint, "mnuHint", "&Hint", "H"},
    {"&Game", C::CanWin, "mnuCanWin", "Can this deal be &won?", ""},
    {"&Game", C::WinnableStatus, "mnuWinnableStatus", "Tell after each &move whether it can be won",
     ""},
    {"&Game", C::WinnableDeals, "mnuWinnableDeals", "Winnable &deals only", ""},
    {"&Statistics", C::GameStatistics, "mnuGameStatistics", "&Game statistics...", "F4"},
    {"&Statistics", C::PlayersStatistics, "mnuPlayersStatistics", "&Players statistics...", ""},
    {"&Statistics", C::AllGamesStatistics, "mnuAllGamesStatistics", "&All games statistics...", ""},
    {"&Statistics", std::nullopt, "", "", ""},
    {"&Statistics", C::HiScores, "mnuHiScores", "&Hi-Scores...", "F9"},
    {"&Tools", C::Customize, "mnuCustomize", "&Customize...", "Ctrl+U"},
    {"&Tools", C::Options, "Generali1", "&Options...", "Ctrl+O"},
    {"&Tools", std::nullopt, "", "", ""},
    {"&Tools", C::FavoriteGames, "mnuFavoriteGames", "&Favorite games...", "Ctrl+F"},
    {"&Tools", std::nullopt, "", "", ""},
    {"&Tools", C::CardCounter, "mnuCardCounter", "&Card counter...", "F8"},
    {"&?", C::Rules, "mnuRules", "&Rules", "F1"},
    {"&?", C::Contents, "Sommario1", "&Contents", ""},
    {"&?", C::Tips, "mnuTips", "&Tip of the Day...", ""},
    {"&?", std::nullopt, "", "", ""},
    {"&?", C::Web, "mnuWeb", "[Program] &Update...", ""},
    {"&?", std::nullopt, "", "", ""},
    {"&?", C::About, "Informazionisu1", "A&bout...", ""},
};

constexpr bool EveryCommandHasOneItem() {
    for (std::size_t k = 0; k < kMenuCommandCount; ++k) {
        int items = 0;
        for (const MenuItem& item : kItems)
            if (item.command && static_cast<std::size_t>(*item.command) == k) ++items;
        if (items != 1) return false;
    }
    return true;
}
static_assert(EveryCommandHasOneItem());

} // namespace

std::span<const MenuItem> MainMenuItems() {
    return kItems;
}

} // namespace tablamor::ui
