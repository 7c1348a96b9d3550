#pragma once
// Cards and piles in words, for the hint's line and the table's accessible names:
// "seven of hearts", "Tableau 3", "Foundation 1", "Stock", "Waste", "Reserve 2".
#include "engine/piles.h"

#include <QString>

namespace tablamor::ui {

// The face `card` shows in a deck of `deckSuits` suits (the DeckSuits parameter), in words.
QString SpokenCard(int card, int deckSuits);
QString SpokenPile(PileIndex pile);

} // namespace tablamor::ui
