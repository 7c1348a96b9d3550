#include "table/empty_marks.h"

#include "engine/cards.h"
#include "engine/pairing_rules.h"
#include "engine/rule_codes.h"

namespace tablamor::table {
namespace {

// Special game codes and parameter values that choose a mark.
constexpr int kQueenFoundationRule = 10;    // foundation rule: starts with a queen
constexpr int kFreeCellRule = 9;            // reserve rule: a free cell
constexpr int kKingReserveRule = 8;         // reserve rule: takes a king
constexpr int kAceCodes[] = {kAce, 81, 85}; // base codes read as an ace
constexpr int kKingCodes[] = {kKing, 84};   // base codes read as a king
constexpr int kTen = 10;

bool RedealsRemain(const GameParams& p, const StockState& stock) {
    const int limit = p[param::kStockPasses];
    return limit < 0 || limit > stock.passesUsed;
}

int StockMark(const GameParams& p, const StockState& stock) {
    const int special = p[param::kSpecialCode];
    if (pairing::ClosesGaps(special)) return mark::kPairingStock;
    const bool remain = RedealsRemain(p, stock);
    // the stock of a game that redeals its tableau holds no cards: it shows the redeals left
    if (code::RedealsTableau(special)) return remain ? mark::kRedeal : mark::kNoRedeal;
    if (p[param::kReleaseCountsPass] == 1 && remain) return mark::kRedeal;
    if (stock.wasteCards <= 1) return mark::kNoRedeal;
    return remain ? mark::kRedeal : mark::kNoRedeal;
}

int WasteMark(const GameParams& p) {
    if (p[param::kStockPlaced] == 1) return mark::kWaste;
    if (p[param::kStockPasses] == 0) return mark::kNoRedeal;
    return mark::kNone;
}

int FoundationMark(const GameParams& p, int n) {
    if (p.At(param::kFoundationRule, n) == kQueenFoundationRule) return mark::kQueen;
    const int rank = RankMark(p.At(param::kFoundationBase, n));
    return rank != mark::kNone ? rank : mark::kAnyCard;
}

int ReserveMark(const GameParams& p) {
    switch (p.At(param::kReserveRule, 0)) {
    case kFreeCellRule:
        return mark::kFreeCell;
    case kKingReserveRule:
        return mark::kKing;
    default:
        return mark::kReserve;
    }
}

int TableauMark(const GameParams& p, int n) {
    const int rank = RankMark(p.At(param::kTableauEmptyFill, n));
    if (rank != mark::kNone) return rank;
    return p.At(param::kTableauEmptyFill, 0) != 0 ? mark::kAnyCard : mark::kEmptyColumn;
}

} // namespace

int RankMark(int baseCode) {
    for (int code : kAceCodes)
        if (baseCode == code) return mark::kAce;
    for (int code : kKingCodes)
        if (baseCode == code) return mark::kKing;
    if (baseCode >= 2 && baseCode <= kTen) return mark::kTwo + baseCode - 2;
    if (baseCode == kJack) return mark::kJack;
    if (baseCode == kQueen) return mark::kQueen;
    return mark::kNone;
}

int EmptyMark(EmptyPile kind, const GameParams& p, int number, const StockState& stock) {
    switch (kind) {
    case EmptyPile::Stock:
        return StockMark(p, stock);
    case EmptyPile::Waste:
        return WasteMark(p);
    case EmptyPile::Foundation:
        return number >= 0 && number < kMaxFoundations ? FoundationMark(p, number) : mark::kNone;
    case EmptyPile::Reserve:
        return ReserveMark(p);
    case EmptyPile::Tableau:
        return number >= 0 && number < kMaxTableaus ? TableauMark(p, number) : mark::kNone;
    case EmptyPile::ThirdPile:
        return mark::kWaste;
    }
    return mark::kNone;
}

} // namespace tablamor::table
