// StateFault names the first broken invariant of a dealt table, and GamePlay's operations stop the
// test build when they leave a sound table broken.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/state_fault.h"

#include <gtest/gtest.h>

#include <functional>

namespace tablamor {
namespace {

GameState DealtKlondike() {
    for (const GameDefinition& game : test::ShippedGameDefinitions())
        if (game.id == 1) return test::DealtGame(game.params, "1");
    ADD_FAILURE() << "no game 1";
    return {};
}

TEST(StateFault, NamesTheFirstBrokenInvariant) {
    struct Row {
        const char* name;
        std::function<void(GameState&)> breakIt;
        const char* fault;
    };
    const Row rows[] = {
        {"sound deal", [](GameState&) {}, ""},
        {"card lost",
         [](GameState& s) { s.table.Truncate(kStockPile, s.table.Size(kStockPile) - 1); },
         "lies in 0 piles"},
        {"card twice",
         [](GameState& s) { ASSERT_TRUE(s.table.Append(kWastePile, s.table.Top(kStockPile))); },
         "lies in 2 piles"},
        {"card beyond the game's count",
         [](GameState& s) { ASSERT_TRUE(s.table.Append(kWastePile, kDeckSize + 1)); },
         "card 053 lies in 1 piles"},
        {"unused tableau pile holds a card",
         [](GameState& s) {
             const Card c = s.table.Top(kStockPile);
             s.table.Truncate(kStockPile, s.table.Size(kStockPile) - 1);
             ASSERT_TRUE(s.table.Append(TableauPile(s.TableauCount()), c));
         },
         "a pile the game does not use holds cards"},
    };
    for (const Row& row : rows) {
        GameState s = DealtKlondike();
        row.breakIt(s);
        const std::string fault = StateFault(s);
        if (*row.fault == '\0')
            EXPECT_EQ(fault, "") << row.name;
        else
            EXPECT_NE(fault.find(row.fault), std::string::npos) << row.name << ": " << fault;
    }
}

#ifdef TABLAMOR_CHECK_STATE
// A sink that, once armed, loses the stock's top card at the next repaint.
class LosingSink : public EventSink {
public:
    explicit LosingSink(GameState& s) : s_(s) {}
    void Repaint() override {
        if (armed) s_.table.Truncate(kStockPile, s_.table.Size(kStockPile) - 1);
    }
    bool armed = false;

private:
    GameState& s_;
};

TEST(StateFaultDeathTest, AnOperationThatBreaksTheTableStopsTheTestBuild) {
    GameState s = DealtKlondike();
    LosingSink sink(s);
    GamePlay play(s, sink);
    play.Begin();
    ASSERT_TRUE(play.Apply(Command{CommandKind::Stock}));
    sink.armed = true;
    EXPECT_DEATH(play.Undo(), "broken table after an operation of play: card .* lies in 0 piles");
}
#endif

} // namespace
} // namespace tablamor
