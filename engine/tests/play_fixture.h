#pragma once
// Helpers for the play tests: the shipped games, dealing one into a state that is in play, the
// table without a pairing game's selection, and the invariant that every card of the game lies in
// exactly one pile.
#include "engine/deal.h"
#include "engine/game_source.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
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
    for (const auto& file : files) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        games.push_back(ParseGameSource(text.str(), file.filename().string()));
    }
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

// Every card of the game lies in exactly one pile (gaps aside); a selected card lies in the
// selection once as well. Returns a description of the first fault, empty when all is well.
inline std::string CardPlacementFault(const GameState& s) {
    std::array<int, kMaxCards + 1> seen{};
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (p == kSelectionPile && s.HoldsSelection()) continue;
        for (Card c : s.table.Pile(p)) ++seen[c];
    }
    for (int c = 1; c <= kMaxCards; ++c) {
        int expected = c <= s.CardCount() ? 1 : 0;
        if (seen[static_cast<std::size_t>(c)] != expected)
            return "card " + CardCodeText(c) + " lies in " +
                   std::to_string(seen[static_cast<std::size_t>(c)]) + " piles";
    }
    if (s.HoldsSelection()) {
        std::array<int, kMaxCards + 1> selected{};
        for (Card c : s.table.Pile(kSelectionPile))
            if (c == kNoCard || ++selected[c] > 1 || seen[c] != 1)
                return "selection holds " + CardCodeText(c) + " wrongly";
    }
    auto unusedHoldsCards = [&](PileIndex first, int used, int count) {
        for (int n = used; n < count; ++n) {
            PileIndex p = first + n;
            if (!(p == kSelectionPile && s.HoldsSelection()) && !s.table.Empty(p)) return true;
        }
        return false;
    };
    if (unusedHoldsCards(FoundationPile(0), s.FoundationCount(), kMaxFoundations) ||
        unusedHoldsCards(TableauPile(0), s.TableauCount(), kMaxTableaus) ||
        unusedHoldsCards(ReservePile(0), s.ReserveCount(), kMaxReserves))
        return "a pile the game does not use holds cards";
    return {};
}

} // namespace tablamor::test
