#pragma once
// The marks of empty piles, one card in size, with an alpha channel so that they lie lightly on
// any background: a rounded outline of the card's place with a symbol inside.
//   001 reserve, 002 waste, 004 any card (foundation or column without a rank),
//   007 empty column, 008 a stock that will not be turned again, 009 a free cell,
//   021 the stock of a pairing game, 022 a stock that can be turned again (005 the same,
//   pressed), and the rank marks: 010 ace, 012..020 two to ten, 006 jack, 003 queen, 011 king.
#include "table/resource_names.h"

#include <QImage>

namespace tablamor::art {

QImage Mark(const CardSize& size, int mark);

// The rank a rank mark stands for (1..13), or 0 when the mark is not a rank mark.
int MarkRank(int mark);

} // namespace tablamor::art
