#pragma once
// The move generator: every command the player could give now, each legal by the very rules the
// window uses (the press decisions, the drop test of a drop onto that pile alone, the double-click
// send, the stock press). One generator serves the tests, autoplay hints and the solver; applying
// any command it lists (ApplyCommand) does something, and any other command is refused.
//
// The order is fixed: for the waste, the tableau piles, the foundations and the reserves in turn,
// each reachable card's drops (targets in snapshot order), flip or press, then the pile's send;
// last the stock.
#include "engine/commands.h"
#include "engine/geometry.h"

#include <vector>

namespace tablamor {

// Fills `out` (cleared first; its capacity is reused).
void GenerateCommands(const GameState& state, const PileGeometry& geometry,
                      std::vector<Command>& out);

std::vector<Command> GenerateCommands(const GameState& state, const PileGeometry& geometry);

// The stock's commands, last in the generator's order, appended to `out`.
void AppendStockCommands(const GameState& state, const PileGeometry& geometry,
                         std::vector<Command>& out);

} // namespace tablamor
