#pragma once
// Checks of a game definition that the games compiler makes before a game goes into GAMES.DAT:
// combinations of codes that no game number could deal the same way every time.
#include "engine/game_file.h"

#include <string>

namespace tablamor {

// Whether foundation start code `code` makes the deal put a card on the foundation.
bool StartCodePutsCard(int code);

// Empty when the definition is sound; otherwise one line saying what is wrong. DeckSuits must
// name a deck the cards can show (0, 1 or 2). Special code 11 moves every ace of reserve 1 onto
// foundations 2, 3 ... of its own, so each foundation it may reach must exist and start empty.
std::string DefinitionFault(const GameDefinition& game);

} // namespace tablamor
