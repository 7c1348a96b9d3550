#include "table/untidy_shifts.h"

namespace tablamor::table {
namespace {

constexpr int kChoices = 4; // each draw is 0..3
constexpr int kLeft = 3;    // a draw of 3 is a step left
constexpr int kDrift = 2;   // the running sum stays within -2..2

} // namespace

layout::UntidyShifts DrawUntidyShifts(std::mt19937& random) {
    std::uniform_int_distribution<int> draw(0, kChoices - 1);
    layout::UntidyShifts shifts{};
    for (auto& table : shifts) {
        table[0] = 0;
        int a = draw(random);
        int sum = 0;
        for (std::size_t e = 1; e < table.size(); ++e) {
            int b = draw(random);
            if (a == kLeft && b == kLeft) b = 0;
            if (a != kLeft && (b == 1 || b == 2)) b = 0;
            int v = b == kLeft ? -1 : b;
            sum += v;
            if (sum > kDrift) v -= kDrift, sum -= kDrift;
            if (sum < -kDrift) v += kDrift, sum += kDrift;
            table[e] = static_cast<std::int8_t>(v);
            a = b;
        }
    }
    return shifts;
}

} // namespace tablamor::table
