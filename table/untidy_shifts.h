#pragma once
// The untidy tableau's sideways shifts, drawn afresh at every deal: seven tables of thirteen
// entries between -1 and 2 px. Each table starts at 0 and wanders: a step right (1 or 2) only
// follows a step left, a step left (-1) only follows anything but a step left, and the running
// sum is kept within -2..2 so that no column drifts away from its place.
#include "table/layout/pile_fan.h"

#include <random>

namespace tablamor::table {

layout::UntidyShifts DrawUntidyShifts(std::mt19937& random);

} // namespace tablamor::table
