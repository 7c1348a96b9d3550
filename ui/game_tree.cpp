#include "ui/game_tree.h"

#include "engine/cards.h"
#include "engine/params.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tablamor::ui {
namespace {

constexpr int kGameNameWidth = 50;

// The text in lower case: names sort and match without regard to case.
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string SortKey(const GameListEntry& e) {
    std::string name = e.name;
    name.resize(kGameNameWidth, ' ');
    char tail[16];
    std::snprintf(tail, sizeof tail, "%03d%03d", e.type, e.id);
    return Folded(name + tail);
}

struct Rating {
    const char* text;
    const char* picture;
};

constexpr std::array<Rating, 3> kDifficulty = {
    {{"Easy", "PROG_DIFF_EASY"}, {"Medium", "PROG_DIFF_MEDIUM"}, {"Hard", "PROG_DIFF_HARD"}}};
constexpr std::array<Rating, 5> kChance = {{{"Very high", "PROG_CHAN_VERYHIGH"},
                                            {"High", "PROG_CHAN_HIGH"},
                                            {"Medium", "PROG_CHAN_MEDIUM"},
                                            {"Low", "PROG_CHAN_LOW"},
                                            {"Very low", "PROG_CHAN_VERYLOW"}}};
constexpr std::array<Rating, 3> kTime = {
    {{"Long", "PROG_TIME_LONG"}, {"Medium", "PROG_TIME_MEDIUM"}, {"Quick", "PROG_TIME_QUICK"}}};

template <std::size_t N> Rating RatingOf(const std::array<Rating, N>& table, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) return {"", ""};
    return table[static_cast<std::size_t>(value)];
}

} // namespace

const std::vector<GameFamily>& GameFamilies() {
    static const std::vector<GameFamily> families = {
        {"Baker's dozen type", 12, 25}, {"Canfield type", 2, 11}, {"Fan type", 11, 12},
        {"Forty Thieves type", 3, 13},  {"FreeCell type", 4, 14}, {"Klondike type", 5, 15},
        {"Pairing games", 6, 16},       {"Row type", 13, 34},     {"Simple games", 7, 17},
        {"Spider type", 8, 18},         {"1 deck games", 9, 19},  {"2 decks games", 10, 20},
    };
    return families;
}

const GameFamily* FamilyOfType(int type) {
    for (const GameFamily& f : GameFamilies())
        if (f.type == type) return &f;
    return nullptr;
}

std::vector<GameTreeNode> BuildGameTree(const std::vector<GameListEntry>& list) {
    std::vector<std::pair<std::string, const GameListEntry*>> keyed;
    for (const GameListEntry& e : list) keyed.emplace_back(SortKey(e), &e);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<GameTreeNode> nodes{{-1, kRootFolderText, kRootPicture}};
    for (const auto& [key, entry] : keyed)
        if (const GameFamily* family = FamilyOfType(entry->type))
            nodes.push_back({entry->id, entry->name, family->picture, entry->type});
    return nodes;
}

SearchMatch MatchSearch(const GameTreeNode& node, std::string_view text) {
    if (node.IsFolder()) return SearchMatch::None;
    const GameFamily* family = FamilyOfType(node.type);
    const std::string name = Folded(node.text);
    const std::string nameAndFamily = name + '\n' + Folded(family ? family->name : "");
    const std::string words = Folded(text);
    SearchMatch match = SearchMatch::ByName;
    std::size_t at = 0;
    while ((at = words.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t end = std::min(words.find(' ', at), words.size());
        const std::string word = words.substr(at, end - at);
        if (nameAndFamily.find(word) == std::string::npos) return SearchMatch::None;
        if (name.find(word) == std::string::npos) match = SearchMatch::ByFamily;
        at = end;
    }
    return match;
}

int InitialTreeNode(const std::vector<GameTreeNode>& nodes, int storedPosition) {
    if (storedPosition >= 0 && storedPosition < static_cast<int>(nodes.size()))
        return storedPosition;
    for (int i = static_cast<int>(nodes.size()) - 1; i >= 0; --i)
        if (nodes[static_cast<std::size_t>(i)].number == 1) return i;
    return nodes.size() > 1 ? 1 : 0;
}

const std::vector<int>& GamePanelParams() {
    static const std::vector<int> params = {
        param::kPlayingTime,    param::kDifficulty, param::kWinChanceClass, param::kWinChanceAbout,
        param::kWinChanceOutOf, param::kCardCount,  param::kStockPasses};
    return params;
}

GamePanel DescribeGame(const std::vector<int>& v) {
    // Positions in GamePanelParams().
    enum {
        kTimeAt,
        kDifficultyAt,
        kChanceAt,
        kAboutAt,
        kOutOfAt,
        kCardsAt,
        kPassesAt,
        kValueCount
    };
    GamePanel panel;
    if (v.size() < kValueCount) return panel;
    panel.decks = std::to_string(v[kCardsAt] / kDeckSize);
    Rating difficulty = RatingOf(kDifficulty, v[kDifficultyAt]);
    Rating chance = RatingOf(kChance, v[kChanceAt]);
    Rating time = RatingOf(kTime, v[kTimeAt]);
    panel.difficulty = difficulty.text;
    panel.difficultyPicture = difficulty.picture;
    panel.chance = chance.text;
    panel.chancePicture = chance.picture;
    if (v[kOutOfAt] != 0)
        panel.chance +=
            " (about " + std::to_string(v[kAboutAt]) + " in " + std::to_string(v[kOutOfAt]) + ")";
    panel.time = time.text;
    panel.timePicture = time.picture;
    const int passes = v[kPassesAt];
    panel.redeals = passes == -1 ? "Unlimited" : std::to_string(passes != 0 ? passes - 1 : 0);
    return panel;
}

std::string PreviewResourceName(int gameId) {
    char name[16];
    std::snprintf(name, sizeof name, "GAME%04d", gameId);
    return name;
}

} // namespace tablamor::ui
