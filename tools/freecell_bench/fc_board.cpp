#include "fc_board.h"

namespace tablamor {

std::string FcCardText(int card) {
    static constexpr std::string_view kRanks = "A23456789TJQK";
    static constexpr std::string_view kSuits = "HDCS"; // in the order of our suit codes
    const int rank = CardRank(card);
    const int suit = CardSuit(card);
    if (rank < 1 || suit < 1) return "??";
    return {kRanks[static_cast<std::size_t>(rank - 1)], kSuits[static_cast<std::size_t>(suit - 1)]};
}

std::string FcBoard(const GameState& dealt) {
    std::string board = "Foundations: H-0 C-0 D-0 S-0\nFreecells:\n";
    for (int n = 0; n < dealt.TableauCount(); ++n) {
        std::string line;
        for (const Card c : dealt.table.Pile(TableauPile(n))) {
            if (!line.empty()) line += ' ';
            line += FcCardText(c);
        }
        board += line + '\n';
    }
    return board;
}

} // namespace tablamor
