#pragma once
// What the open-a-game dialog shows, without the widgets: the alphabetical game tree with its
// family pictures, the starting selection, and the texts of the game panel.
#include "engine/game_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor::ui {

// A family of games: the name shown, its type code and its picture in the tree picture list.
struct GameFamily {
    const char* name;
    int type;
    int picture;
};

// Every family the tree knows; a game of another type is not shown.
const std::vector<GameFamily>& GameFamilies();
const GameFamily* FamilyOfType(int type);

// Nodes of the tree in order: position 0 is the root folder "All games (alphabetically)"
// (number -1), then one node per shown game, sorted by name, type and id without regard to case.
struct GameTreeNode {
    int number = -1; // the game id; below 0 a folder
    std::string text;
    int picture = 0;
    int type = 0; // the game's family code
    bool IsFolder() const { return number < 0; }
};

inline constexpr const char* kRootFolderText = "All games (alphabetically)";
inline constexpr int kRootPicture = 0;         // "TREE1"
inline constexpr int kRootSelectedPicture = 1; // "TREE2"

std::vector<GameTreeNode> BuildGameTree(const std::vector<GameListEntry>& list);

// How a game's node answers the search field's text: every word of it, without regard to case,
// is part of the game's name (by name), or of the name or the family's name (by family). An
// empty text takes every game by name; a folder answers no text.
enum class SearchMatch { None, ByFamily, ByName };
SearchMatch MatchSearch(const GameTreeNode& node, std::string_view text);

// The node to select first: the stored position when valid, else the last node of game 1,
// else position 1 (the first game), else the root.
int InitialTreeNode(const std::vector<GameTreeNode>& nodes, int storedPosition);

// The game panel for one game, from its parameters 327, 328, 330, 331, 332, 260 and 13.
struct GamePanel {
    std::string decks;
    std::string difficulty;
    std::string difficultyPicture;
    std::string chance;
    std::string chancePicture;
    std::string time;
    std::string timePicture;
    std::string redeals;
};

// The parameters the panel reads, in the order DescribeGame takes their values.
const std::vector<int>& GamePanelParams();
GamePanel DescribeGame(const std::vector<int>& values);

// "GAME" + the id in four digits: the preview picture's resource name.
std::string PreviewResourceName(int gameId);

} // namespace tablamor::ui
