#include "table/card_art/pip_layout.h"

namespace tablamor::art {
namespace {

constexpr double kLeft = 0.0;
constexpr double kCentre = 0.5;
constexpr double kRight = 1.0;
constexpr double kMiddle = 0.5;

void Add(std::vector<Pip>& pips, double x, double y) {
    // A pip exactly on the middle row stands upright.
    pips.push_back({x, y, y > kMiddle});
}

void Column(std::vector<Pip>& pips, double x, std::initializer_list<double> rows) {
    for (double y : rows) Add(pips, x, y);
}

} // namespace

std::vector<Pip> PipLayout(int rank) {
    std::vector<Pip> pips;
    const double third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        Column(pips, kCentre, {0.0, 1.0});
        break;
    case 3:
        Column(pips, kCentre, {0.0, kMiddle, 1.0});
        break;
    case 4:
        Column(pips, kLeft, {0.0, 1.0});
        Column(pips, kRight, {0.0, 1.0});
        break;
    case 5:
        Column(pips, kLeft, {0.0, 1.0});
        Column(pips, kRight, {0.0, 1.0});
        Add(pips, kCentre, kMiddle);
        break;
    case 6:
    case 7:
    case 8:
        Column(pips, kLeft, {0.0, kMiddle, 1.0});
        Column(pips, kRight, {0.0, kMiddle, 1.0});
        if (rank >= 7) Add(pips, kCentre, 0.25);
        if (rank == 8) Add(pips, kCentre, 0.75);
        break;
    case 9:
    case 10:
        Column(pips, kLeft, {0.0, third, 2 * third, 1.0});
        Column(pips, kRight, {0.0, third, 2 * third, 1.0});
        if (rank == 9) Add(pips, kCentre, kMiddle);
        if (rank == 10) Column(pips, kCentre, {third / 2, 1.0 - third / 2});
        break;
    default:
        break;
    }
    return pips;
}

} // namespace tablamor::art
