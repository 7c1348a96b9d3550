#include "ui/spoken_names.h"

#include "engine/cards.h"

#include <QCoreApplication>

namespace tablamor::ui {
namespace {

const char* const kRanks[] = {"ace",   "two",  "three", "four", "five",  "six", "seven",
                              "eight", "nine", "ten",   "jack", "queen", "king"};
const char* const kSuits[] = {"hearts", "diamonds", "clubs", "spades"};

QString Tr(const char* text) {
    return QCoreApplication::translate("SpokenNames", text);
}

} // namespace

QString SpokenCard(int card, int deckSuits) {
    const int face = FaceCode(card, deckSuits);
    const int rank = CardRank(face);
    const int suit = CardSuit(face);
    if (rank < kAce || rank > kKing || suit < kHearts || suit > kSpades) return Tr("no card");
    return Tr("%1 of %2").arg(Tr(kRanks[rank - 1]), Tr(kSuits[suit - 1]));
}

QString SpokenPile(PileIndex pile) {
    const int number = NumberInGroup(pile) + 1;
    switch (KindOfPile(pile)) {
    case PileKind::Stock:
        return Tr("Stock");
    case PileKind::Waste:
        return Tr("Waste");
    case PileKind::ThirdPile:
        return Tr("Discard pile");
    case PileKind::Foundation:
        return Tr("Foundation %1").arg(number);
    case PileKind::Tableau:
        return Tr("Tableau %1").arg(number);
    case PileKind::Reserve:
        return Tr("Reserve %1").arg(number);
    case PileKind::None:
        break;
    }
    return Tr("Table");
}

} // namespace tablamor::ui
