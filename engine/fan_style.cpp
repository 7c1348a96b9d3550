#include "engine/fan_style.h"

namespace tablamor {

FanStyle FanStyleOf(const GameParams& params, PileKind kind) {
    switch (kind) {
    case PileKind::Tableau:
        return static_cast<FanStyle>(params[param::kTableauFan]);
    case PileKind::Foundation:
        return static_cast<FanStyle>(params[param::kFoundationFan]);
    case PileKind::Reserve:
        return static_cast<FanStyle>(params[param::kReserveFan]);
    default:
        return FanStyle::None;
    }
}

} // namespace tablamor
