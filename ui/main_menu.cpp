#include "ui/main_menu.h"

namespace tablamor::ui {

const std::vector<MenuItem>& MainMenuItems() {
    static const std::vector<MenuItem> items = {
        {"&File", "mnuNew", "&New game", "F2"},
        {"&File", "mnuOpen", "&Open a game", "Ctrl+F12"},
        {"&File", "mnuRestartGame", "Restart game", "Ctrl+F2"},
        {"&File", "mnuSelect", "&Select a game number...", "F3"},
        {"&File", "mnuSave", "&Save...", "Shift+Ctrl+F12"},
        {"&File", "", "", ""},
        {"&File", "mnuPlayers", "&Players...", ""},
        {"&File", "", "", ""},
        {"&File", "mnuEsci", "E&xit", ""},
        {"&Game", "mnuUndo", "&Undo", "Ctrl+Z"},
        {"&Game", "mnuRedo", "&Redo", "Ctrl+Y"},
        {"&Game", "", "", ""},
        {"&Game", "mnuPause", "Pa&use", "Ctrl+P"},
        {"&Game", "mnuQuitGame", "&Quit game", "Ctrl+Q"},
        {"&Game", "", "", ""},
        {"&Game", "mnuAutoPlay", "Au&toplay", "F7"},
        {"&Game", "", "", ""},
        {"&Game", "mnuHint", "&Hint", "H"},
        {"&Game", "mnuCanWin", "Can this deal be &won?", ""},
        {"&Game", "mnuWinnableStatus", "Tell after each &move whether it can be won", ""},
        {"&Game", "mnuWinnableDeals", "Winnable &deals only", ""},
        {"&Statistics", "mnuGameStatistics", "&Game statistics...", "F4"},
        {"&Statistics", "mnuPlayersStatistics", "&Players statistics...", ""},
        {"&Statistics", "mnuAllGamesStatistics", "&All games statistics...", ""},
        {"&Statistics", "", "", ""},
        {"&Statistics", "mnuHiScores", "&Hi-Scores...", "F9"},
        {"&Tools", "mnuCustomize", "&Customize...", "Ctrl+U"},
        {"&Tools", "Generali1", "&Options...", "Ctrl+O"},
        {"&Tools", "", "", ""},
        {"&Tools", "mnuFavoriteGames", "&Favorite games...", "Ctrl+F"},
        {"&Tools", "", "", ""},
        {"&Tools", "mnuCardCounter", "&Card counter...", "F8"},
        {"&?", "mnuRules", "&Rules", "F1"},
        {"&?", "Sommario1", "&Contents", ""},
        {"&?", "mnuTips", "&Tip of the Day...", ""},
        {"&?", "", "", ""},
        {"&?", "mnuWeb", "[Program] &Update...", ""},
        {"&?", "", "", ""},
        {"&?", "Informazionisu1", "A&bout...", ""},
    };
    return items;
}

} // namespace tablamor::ui
