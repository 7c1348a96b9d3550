#include "engine/definition_check.h"

#include "engine/cards.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace code;

constexpr int kCardsPerAce = 13; // one ace in every thirteen cards

std::string AcesFromReserveFault(const GameDefinition& game) {
    const GameParams& p = game.params;
    if (p[param::kSpecialCode] != kSpecialAcesFromReserveAndWaste) return {};
    // reserve 1 may hold every ace of the game, but no more than it is dealt
    const int aces =
        std::min<int>(p.At(param::kReserveDealt, 0), p[param::kCardCount] / kCardsPerAce);
    for (int n = 1; n <= aces; ++n) {
        const std::string foundation = "Dest" + std::to_string(n + 1);
        if (n >= p[param::kFoundationCount])
            return "special code 11 may move an ace of Appogg1 onto " + foundation +
                   ", which the game does not have";
        const int start = p.At(param::kFoundationStartCard, n);
        if (StartCodePutsCard(start))
            return "special code 11 may move an ace of Appogg1 onto " + foundation +
                   ", which the deal starts with a card (start code " + std::to_string(start) + ")";
    }
    return {};
}

std::string DeckSuitsFault(const GameDefinition& game) {
    const int suits = game.params[param::kDeckSuits];
    if (suits == kFourSuits || suits == kSpadesOnly || suits == kSpadesAndHearts) return {};
    return "DeckSuits is " + std::to_string(suits) + "; a deck shows 4 suits (0), 1 or 2";
}

} // namespace

bool StartCodePutsCard(int code) {
    return code != kStartNone && code != kStartEmptySharedBase && code != kStartNoneAcesFromTableau;
}

std::string DefinitionFault(const GameDefinition& game) {
    std::string fault = DeckSuitsFault(game);
    if (fault.empty()) fault = AcesFromReserveFault(game);
    if (fault.empty()) return {};
    return game.name + " (id " + std::to_string(game.id) + "): " + fault + ".";
}

} // namespace tablamor
