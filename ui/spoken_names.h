#pragma once
// Cards and piles in words, for the hint's line and the table's accessible names:
// "seven of hearts", "Tableau 3", "Foundation 1", "Stock", "Waste", "Reserve 2".
#include "engine/piles.h"

#include <QString>

namespace tablamor::ui {

QString SpokenCard(int card);
QString SpokenPile(PileIndex pile);

} // namespace tablamor::ui
