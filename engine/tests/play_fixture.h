#pragma once
// Helpers for the play tests: the shipped games, dealing one into a state that is in play, the
// table without a pairing game's selection.
#include "engine/deal.h"
#include "engine/game_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tablamor::test {

inline std::vector<GameDefinition> ShippedGameDefinitions() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games"))
        if (entry.path().extension() == ".game") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<GameDefinition> games;
    for (const auto& file : files) games.push_back(LoadGameSource(file));
    return games;
}

// A dealt game in play.
inline GameState DealtGame(const GameParams& params, const std::string& number) {
    GameState s = NewGameState(params);
    EXPECT_TRUE(DealGame(s, *GameNumber::Parse(number), NullEventSink())) << number;
    s.active = true;
    return s;
}

// The table as the undo history keeps it: a pairing or pyramid game's selection left out.
inline Table WithoutSelection(const GameState& s) {
    Table t = s.table;
    if (s.HoldsSelection()) t.Truncate(kSelectionPile, 0);
    return t;
}

} // namespace tablamor::test
