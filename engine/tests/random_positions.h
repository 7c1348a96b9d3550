#pragma once
// Positions reached by random play in every shipped game, for tests that check a shortcut of the
// solver against the rules: each number dealt, then commands of the move generator picked at
// random (with autoplay now and then), the check called at every position on the way.
#include "play_fixture.h"

#include "engine/commands.h"
#include "engine/move_generator.h"
#include "engine/placed_piles.h"

#include <functional>
#include <random>
#include <string>

namespace tablamor::test {

// One position on the way: the deal, the position, its piles, the steps played since the deal
// and a name for messages.
struct RandomPosition {
    const GameState& start;
    const GameState& state;
    const PileGeometry& geometry;
    int step = 0;
    std::string where;
};

using PositionCheck = std::function<void(const RandomPosition&)>;

inline void ForRandomPositionsOfEveryGame(int numbers, int steps, unsigned seed,
                                          const PositionCheck& check) {
    std::mt19937 rng(seed);
    for (const GameDefinition& game : ShippedGameDefinitions()) {
        for (int number = 1; number <= numbers; ++number) {
            const GameState start = DealtGame(game.params, std::to_string(number));
            const PlacedPiles geometry = PlacedPiles::EveryPileOf(start);
            const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
            GameState s = start;
            for (int step = 0; step < steps && s.active && !s.won; ++step) {
                check({start, s, geometry, step,
                       game.name + " " + std::to_string(number) + " step " + std::to_string(step)});
                if (::testing::Test::HasFatalFailure()) return;
                const std::vector<Command> commands = GenerateCommands(s, geometry);
                if (commands.empty()) break;
                (void)PlayCommand(s, commands[rng() % commands.size()], rng() % 2 == 0, env);
            }
        }
    }
}

} // namespace tablamor::test
