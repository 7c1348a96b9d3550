#pragma once
// Helpers for the rule and deal tests: card names, small hand-made games and tables, a sink that
// records what the engine reports, and a hand-made pile geometry.
#include "engine/events.h"
#include "engine/game_state.h"
#include "engine/geometry.h"

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tablamor::test {

constexpr int H(int rank) {
    return rank;
}
constexpr int D(int rank) {
    return 13 + rank;
}
constexpr int C(int rank) {
    return 26 + rank;
}
constexpr int S(int rank) {
    return 39 + rank;
}
constexpr int Second(int card) {
    return card + kDeckSize;
}

// A game from (parameter, value) pairs; every other parameter 0.
inline GameState MakeGame(std::initializer_list<std::pair<int, int>> values) {
    GameParams p;
    for (auto [index, value] : values) p[index] = static_cast<std::int16_t>(value);
    return NewGameState(p);
}

// Sets a parameter range (pile 0 first) to one value.
inline void SetRange(GameState& s, ParamRange range, int count, int value) {
    for (int n = 0; n < count; ++n) s.params.Set(range, n, static_cast<std::int16_t>(value));
}

// Replaces a pile's content, bottom card first, every card with the given face.
inline void Put(GameState& s, PileIndex pile, std::initializer_list<int> cards,
                bool faceUp = true) {
    s.table.Truncate(pile, 0);
    for (int c : cards) s.table.Append(pile, static_cast<Card>(c), faceUp);
}

class RecordingSink : public EventSink {
public:
    struct Move {
        PileIndex from, to;
        int count;
    };
    void CardsMoved(PileIndex from, PileIndex to, int count) override {
        moves.push_back({from, to, count});
    }
    void Message(std::string_view text) override { messages.emplace_back(text); }
    void TitleChanged(std::string_view title) override { titles.emplace_back(title); }
    void GameSetUp() override { ++setUps; }
    void DealReady() override { ++dealsReady; }
    void Sound(GameSound sound) override {
        const SoundEntry entry = DescribeSound(sound);
        sounds.emplace_back(std::string(entry.name) + "/" + std::string(entry.switchKey));
    }
    void Beep() override { ++beeps; }
    void StockLookChanged(StockLook look) override { looks.push_back(look); }
    void GameEnded(bool won) override { ended.push_back(won); }
    std::vector<Move> moves;
    std::vector<std::string> messages;
    std::vector<std::string> titles;
    std::vector<std::string> sounds;
    std::vector<StockLook> looks;
    std::vector<bool> ended;
    int setUps = 0;
    int dealsReady = 0;
    int beeps = 0;
};

// Piles at hand-given rectangles; every other pile has no place.
class HandGeometry : public PileGeometry {
public:
    static constexpr int kWidth = 71;
    static constexpr int kHeight = 96;
    void Place(PileIndex pile, int x, int y) { rects_[pile] = Rect{x, y, kWidth, kHeight}; }
    bool Placed(PileIndex pile) const override { return rects_.count(pile) != 0; }
    Rect TopCardRect(PileIndex pile) const override { return rects_.at(pile); }
    int CardWidth() const override { return kWidth; }
    int CardHeight() const override { return kHeight; }

private:
    std::map<PileIndex, Rect> rects_;
};

} // namespace tablamor::test
