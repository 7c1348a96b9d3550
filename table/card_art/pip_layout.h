#pragma once
// Where the pips of the number cards stand: the traditional arrangements of 2 to 10 in three
// columns, pips of the lower half turned upside down.
#include <vector>

namespace tablamor::art {

struct Pip {
    double x;      // 0 left column, 0.5 centre, 1 right column
    double y;      // 0 top row, 1 bottom row
    bool inverted; // drawn upside down (below the middle)
};

// The pips of rank 2..10 in the unit square; an empty list for other ranks (the ace has one
// large pip of its own, court cards have pictures).
std::vector<Pip> PipLayout(int rank);

} // namespace tablamor::art
