#pragma once
// The card counter's pictures: a suit symbol for the start of each row, and per rank a tiny
// card face up (white, dark rank) or face down (blue, light rank), plus an empty place for a
// card that is not in the watched piles.
#include "table/card_art/suit_shapes.h"

#include <QImage>

namespace tablamor::art {

QImage CounterSuit(Suit suit);
QImage CounterCard(int rank, bool faceUp);
QImage CounterNoCard();

} // namespace tablamor::art
