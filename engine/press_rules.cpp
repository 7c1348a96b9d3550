#include "engine/press_rules.h"

#include "engine/build_rules.h"
#include "engine/fan_style.h"
#include "engine/pairing_rules.h"
#include "engine/peaks.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "engine/selection.h"

namespace tablamor {
namespace {

using namespace code;

constexpr int kEmptyTop = -1;
constexpr int kNeighbourRankRule = 2;  // the golf test: one rank up, any suit
constexpr int kLastTimeStockHolds = 8; // the eight-card last deal goes to the tableau

// Tableau fan styles whose every card the hit test can reach; the others show a top card only.
bool FannedTableau(FanStyle fan) {
    return fan == FanStyle::Vertical || fan == FanStyle::Horizontal ||
           fan == FanStyle::SideBySide || fan == FanStyle::HorizontalEven;
}
bool FannedReserve(FanStyle fan) {
    return fan == FanStyle::Vertical || fan == FanStyle::Horizontal ||
           fan == FanStyle::FixedVertical;
}

PressDecision Decision(PressKind kind, Card card = kNoCard) {
    PressDecision d;
    d.kind = kind;
    d.card = card;
    return d;
}

PressDecision Lift(Card card, int count, Card runTop) {
    PressDecision d = Decision(PressKind::Lift, card);
    d.liftCount = count;
    d.runTop = runTop;
    return d;
}

PressDecision Stock(ActionKind action, int repeat = 1) {
    PressDecision d = Decision(PressKind::StockAction);
    d.action = action;
    d.repeat = repeat;
    return d;
}

PressDecision Toggle(const GameState& s, Card card, bool isPairing) {
    if (PreviewToggle(s, card, isPairing) == ToggleResult::Refused)
        return Decision(PressKind::Beep, card);
    return Decision(isPairing ? PressKind::TogglePair : PressKind::ToggleSum, card);
}

bool IsTopOf(const GameState& s, PileIndex pile, Card card) {
    return !s.table.Empty(pile) && s.table.Top(pile) == card;
}

int ThirdPileTop(const GameState& s) {
    return s.table.Empty(kThirdPile) ? kEmptyTop : s.table.Top(kThirdPile);
}

// Golf: one rank above or below the third pile's top card, by the rule check of one rank up.
bool NeighbourOfThirdPile(const GameState& s, Card card, EventSink& sink) {
    BuildQuery q;
    q.direction = kUp;
    q.rule = kNeighbourRankRule;
    q.top = ThirdPileTop(s);
    q.card = card;
    if (CheckBuild(s, q, sink)) return true;
    if (q.top == kEmptyTop) return false;
    q.top = card;
    q.card = s.table.Top(kThirdPile);
    return CheckBuild(s, q, sink);
}

bool AceAndKing(int a, int b) {
    return (CardRank(a) == kAce && CardRank(b) == kKing) ||
           (CardRank(a) == kKing && CardRank(b) == kAce);
}

PressDecision GolfPress(const GameState& s, Card card, bool exposed, EventSink& sink) {
    const int special = s.P(param::kSpecialCode);
    if (special == kSpecialPeaks) {
        bool takes =
            exposed && (NeighbourOfThirdPile(s, card, sink) || AceAndKing(card, ThirdPileTop(s)));
        return Decision(takes ? PressKind::Discard : PressKind::Beep, card);
    }
    if (!exposed) return {};
    if (AceAndKing(card, ThirdPileTop(s)))
        return Decision(special == kSpecialGolf ? PressKind::Beep : PressKind::Discard, card);
    return Decision(NeighbourOfThirdPile(s, card, sink) ? PressKind::Discard : PressKind::Beep,
                    card);
}

// `at`: the card's place in the pile.
PressDecision TableauPress(const GameState& s, PileIndex pile, Card card, int at, EventSink& sink) {
    // in the peaks a card is free when the row below leaves it uncovered, and it is then face up
    const bool exposed = HasPeaks(s.params) ? PyramidCardFree(s, card) && s.table.FaceUp(card)
                                            : IsTopOf(s, pile, card);
    switch (s.P(param::kSpecialCode)) {
    case kSpecialGolf:
    case kSpecialGolfAroundTheCorner:
    case kSpecialPeaks:
        return GolfPress(s, card, exposed, sink);
    case pairing::kPyramidFourteen:
        return exposed ? Toggle(s, card, false) : PressDecision{};
    case pairing::kPyramidThirteen:
        return PyramidCardFree(s, card) ? Toggle(s, card, false) : PressDecision{};
    default:
        break;
    }
    const bool faceUp = s.table.FaceUp(card);
    if (exposed) return faceUp ? Lift(card, 1, card) : Decision(PressKind::TurnFaceUp, card);
    if (!faceUp) return {};
    const int size = s.table.Size(pile) - at;
    if (size > LargestRunAllowed(s, card, false)) return {};
    if (!IsBuiltRun(s, card, NumberInGroup(pile), sink)) return {};
    return Lift(card, size, s.table.Top(pile));
}

PressDecision ReservePress(const GameState& s, PileIndex pile, Card card, int at) {
    if (IsTopOf(s, pile, card)) return Lift(card, 1, card);
    if (s.P(param::kReserveLift) != kReserveLiftWhole) return {};
    return Lift(card, s.table.Size(pile) - at, s.table.Top(pile));
}

PressDecision FoundationPress(const GameState& s, PileIndex pile, Card card) {
    const int lift = s.P(param::kFoundationLift);
    if (!IsTopOf(s, pile, card)) return {};
    if (lift == kFoundationLiftAlways ||
        (lift == kFoundationLiftAboveOne && s.table.Size(pile) > 1))
        return Lift(card, 1, kNoCard);
    return {};
}

bool AnyEmptyTableau(const GameState& s) {
    for (int n = 0; n < s.TableauCount(); ++n)
        if (s.table.Empty(TableauPile(n))) return true;
    return false;
}

// The stock press, in this order: the redeal of the tableau, the pyramid's stock card, dealing to
// the waste (refused while a waste that holds one card holds it), dealing to the tableau, dealing
// to the reserves, dealing to the third pile.
PressDecision StockPress(const GameState& s) {
    const int special = s.P(param::kSpecialCode);
    if (RedealsTableau(special)) return Stock(ActionKind::RedealTableaus);
    if (special == pairing::kPyramidThirteen && !s.table.Empty(kStockPile) &&
        !s.table.Empty(kSelectionPile))
        return Toggle(s, s.table.Top(kStockPile), false);
    if (s.P(param::kWastePlaced) == kOn || s.P(param::kReleaseCountsPass) > 0) {
        // a waste that holds one card is played before the next card is dealt
        if (s.P(param::kWasteBuild) == kWasteHoldsOne && !s.table.Empty(kWastePile))
            return Decision(PressKind::Beep);
        return Stock(ActionKind::DealToWaste);
    }
    const int tableaus = s.TableauCount(), reserves = s.ReserveCount();
    auto tableauFlag = [&](int flag) {
        return s.P(param::kTableauTakesAdd, 0) == flag ||
               (tableaus > 0 && s.P(param::kTableauTakesAdd, tableaus - 1) == flag);
    };
    if (tableauFlag(kAddDeals)) return Stock(ActionKind::AddTableaus);
    if (tableauFlag(kAddDealsWithoutGaps)) {
        if (!AnyEmptyTableau(s)) return Stock(ActionKind::AddTableaus);
        PressDecision d = Decision(PressKind::Message);
        d.message = kFillGapsFirstText;
        return d;
    }
    if (s.P(param::kReserveTakesAdd, 0) == kAddDeals ||
        (reserves > 0 && s.P(param::kReserveTakesAdd, reserves - 1) == kAddDeals))
        return Stock(ActionKind::AddReserves);
    if (s.P(param::kReserveTakesAdd, 0) == kAddLastEightToTableau) {
        if (s.table.Size(kStockPile) == kLastTimeStockHolds)
            return Stock(ActionKind::AddTableausLast);
        return Stock(ActionKind::AddReserves, 2);
    }
    if (s.P(param::kThirdPileLayout) != 0) return Stock(ActionKind::DealToThirdPile);
    return {};
}

PressDecision PairingPress(const GameState& s, PileIndex pile, Card card) {
    const int special = s.P(param::kSpecialCode);
    const PileKind kind = KindOfPile(pile);
    const bool stockOrWaste = kind == PileKind::Stock || kind == PileKind::Waste;
    if (pairing::ClosesGaps(special) && stockOrWaste) return Stock(ActionKind::CloseGaps);
    // code 8 selects nothing on the tableau; code 30 pairs cards that touch
    if (special == pairing::kMonteCarlo) return {};
    if (special >= pairing::kTensTwentiesThirties && special <= pairing::kAnyCardsFree &&
        stockOrWaste)
        return Stock(ActionKind::AddTableaus);
    if (kind != PileKind::Tableau || card == kNoCard) return {};
    const bool exposed = IsTopOf(s, pile, card);
    if ((special == pairing::kFaceUpEqualPairs || special == pairing::kFaceUpElevens) && exposed &&
        !s.table.FaceUp(card))
        return Decision(PressKind::TurnFaceUp, card);
    if ((special == pairing::kEqualRankPairs || special == pairing::kEqualRankPairsToo) && !exposed)
        return Decision(PressKind::Beep, card);
    return Toggle(s, card, true);
}

} // namespace

PressDecision DecideLeftPress(const GameState& s, PileIndex pile, Card card, EventSink& sink) {
    if (!s.active || pile < 0 || pile >= kPileCount) return {};
    if (pile == kSelectionPile && s.HoldsSelection()) return {};
    const PileKind kind = KindOfPile(pile);
    const int at = card == kNoCard || kind == PileKind::Stock ? -1 : s.table.Find(pile, card);
    if (card != kNoCard && kind != PileKind::Stock && at < 0) return {};
    if (s.P(param::kPairingSum) != 0) return PairingPress(s, pile, card);
    switch (kind) {
    case PileKind::Stock:
        return StockPress(s);
    case PileKind::Waste:
        if (card == kNoCard || !IsTopOf(s, pile, card)) return {};
        if (s.P(param::kSpecialCode) == pairing::kPyramidThirteen) return Toggle(s, card, false);
        return Lift(card, 1, kNoCard);
    case PileKind::Tableau:
        if (card == kNoCard || NumberInGroup(pile) >= s.TableauCount()) return {};
        return TableauPress(s, pile, card, at, sink);
    case PileKind::Reserve:
        if (card == kNoCard || NumberInGroup(pile) >= s.ReserveCount()) return {};
        return ReservePress(s, pile, card, at);
    case PileKind::Foundation:
        if (card == kNoCard) return {};
        return FoundationPress(s, pile, card);
    default:
        return {};
    }
}

bool TableauPressLiftsRuns(const GameState& s) {
    if (s.P(param::kPairingSum) != 0) return false;
    switch (s.P(param::kSpecialCode)) {
    case kSpecialGolf:
    case kSpecialGolfAroundTheCorner:
    case kSpecialPeaks:
    case pairing::kPyramidFourteen:
    case pairing::kPyramidThirteen:
        return false;
    default:
        return true;
    }
}

bool PressReaches(const GameState& s, PileIndex pile, int k) {
    if (pile < 0 || pile >= kPileCount || k < 0 || k >= s.table.Size(pile)) return false;
    if (s.table.At(pile, k) == kNoCard) return false;
    const bool top = k == s.table.Size(pile) - 1;
    switch (KindOfPile(pile)) {
    case PileKind::Tableau: {
        const FanStyle fan = FanStyleOf(s.params, pile);
        if (fan == FanStyle::OneSpot) return false;
        return top || FannedTableau(fan);
    }
    case PileKind::Reserve:
        return top || FannedReserve(FanStyleOf(s.params, pile));
    default:
        return top;
    }
}

bool IsExposedCard(const GameState& s, Card card) {
    if (card == kNoCard) return false;
    for (int n = 0; n < s.TableauCount(); ++n)
        if (IsTopOf(s, TableauPile(n), card)) return true;
    for (int k = 0; k < s.ReserveCount(); ++k)
        if (IsTopOf(s, ReservePile(k), card)) return true;
    return false;
}

bool IsTopOfTableau(const GameState& s, Card card) {
    if (card == kNoCard) return false;
    for (int n = 0; n < s.TableauCount(); ++n)
        if (IsTopOf(s, TableauPile(n), card)) return true;
    return false;
}

bool PyramidCardFree(const GameState& s, Card card) {
    if (card == kNoCard) return false;
    auto onlyGaps = [&](PileIndex p) {
        for (Card c : s.table.Pile(p))
            if (c != kNoCard) return false;
        return true;
    };
    bool laterRowsEmpty = true;
    for (int n = s.TableauCount() - 1; n >= 0; --n) {
        const PileIndex row = TableauPile(n);
        const int at = s.table.Find(row, card);
        if (at < 0) {
            laterRowsEmpty = laterRowsEmpty && onlyGaps(row);
            continue;
        }
        if (laterRowsEmpty || n + 1 >= s.TableauCount()) return true;
        const PileIndex next = TableauPile(n + 1);
        auto covers = [&](int k) {
            return k < s.table.Size(next) && s.table.At(next, k) != kNoCard;
        };
        return !covers(at) && !covers(at + 1);
    }
    return false;
}

bool MayPeek(const GameState& s, PileIndex pile, Card card) {
    if (card == kNoCard || s.table.Find(pile, card) < 0 || !s.table.FaceUp(card)) return false;
    switch (KindOfPile(pile)) {
    case PileKind::Tableau:
        return true;
    case PileKind::Reserve: {
        const FanStyle fan = FanStyleOf(s.params, pile);
        return fan == FanStyle::Vertical || fan == FanStyle::Horizontal;
    }
    default:
        return false;
    }
}

bool QualifiesForSend(const GameState& s, PileIndex pile, Card card) {
    if (card == kNoCard || !IsTopOf(s, pile, card) || !s.table.FaceUp(card)) return false;
    switch (KindOfPile(pile)) {
    case PileKind::Waste:
        return true;
    case PileKind::Tableau:
        return NumberInGroup(pile) < s.TableauCount();
    case PileKind::Reserve:
        return NumberInGroup(pile) < s.ReserveCount();
    default:
        return false;
    }
}

std::optional<ReturnPlace> ReturnDraggedCard(const GameState& s, Card card) {
    auto place = [&](PileIndex p) -> std::optional<ReturnPlace> {
        if (card == kNoCard || s.table.Find(p, card) < 0) return std::nullopt;
        return ReturnPlace{p, s.table.Top(p) == card};
    };
    if (auto r = place(kWastePile)) return r;
    for (int n = 0; n < s.TableauCount(); ++n)
        if (auto r = place(TableauPile(n))) return r;
    for (int n = 0; n < kMaxFoundations; ++n)
        if (auto r = place(FoundationPile(n))) return r;
    for (int k = 0; k < kMaxReserves; ++k)
        if (auto r = place(ReservePile(k))) return r;
    return std::nullopt;
}

} // namespace tablamor
