#include "engine/deal.h"

#include "engine/build_rules.h"
#include "engine/deal_array.h"
#include "engine/deal_steps.h"
#include "engine/definition_check.h"
#include "engine/peaks.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace code;

constexpr int kRanks = 13;
constexpr int kFirstDeckKingFoundations = 4; // start code 95: kings on foundations 1..4, then aces

// An int, not a Card: the codes written here are computed from the parameters and may lie outside
// the cards, and are written as they are.
std::string CardText(int card) {
    return card >= 0 && card <= kMaxCards ? CardCodeText(card) : std::to_string(card);
}

// Lays the deal array out on the piles of one state.
class Dealer {
public:
    Dealer(GameState& state, const DealArray& deal, EventSink& sink)
        : s_(state), deal_(deal), sink_(sink) {}

    void Run() {
        AddScore(s_, 0, true);
        StartFoundations();
        StartThirdPile();
        DealStock();
        DealWaste();
        DealTableau();
        DealThirdPile();
        DealReserves();
        AfterDeal();
    }

private:
    GameState& s_;
    DealArray deal_;
    EventSink& sink_;

    int P(int index) const { return s_.P(index); }
    int P(ParamRange range, int n) const { return s_.P(range, n); }

    // Deals n cards face down from the front of the deal array.
    void Deal(PileIndex pile, int n) {
        if (n <= 0) return;
        if (n > deal_.Size())
            throw deal::Refused{"Cannot deal this game: " + PileName(pile) + " asks for " +
                                std::to_string(n) + " cards but only " +
                                std::to_string(deal_.Size()) + " are left."};
        for (int i = 0; i < n; ++i) s_.table.Append(pile, deal_.TakeFront(), false);
    }

    // Takes a chosen card out of the deal array and puts it face up on a pile. The code is computed
    // from the parameters and stays an int until ValidCard has checked it: narrowed first, a code
    // such as 257 would wrap onto a real card.
    void Place(PileIndex pile, int card) {
        const std::optional<Card> c = ValidCard(card);
        if (!c || !deal_.Remove(*c))
            throw deal::Refused{"Cannot deal this game: " + PileName(pile) + " starts with card " +
                                CardText(card) + ", which is not among the cards left to deal."};
        s_.table.Append(pile, *c, true);
    }

    int Front(PileIndex pile) {
        if (deal_.Empty())
            throw deal::Refused{"Cannot deal this game: no card is left to start " +
                                PileName(pile) + "."};
        return deal_.Front();
    }

    // The start card of foundation n, 0 for none.
    int StartCard(int n) {
        const int c = P(param::kFoundationStartCard, n);
        const int cards = s_.CardCount();
        const PileIndex f = FoundationPile(n);
        if (!StartCodePutsCard(c)) {
            if (c == kStartEmptySharedBase)
                s_.params.Set(param::kFoundationBase, n, s_.params.At(param::kFoundationBase, 0));
            return 0;
        }
        switch (c) {
        case kStartSuitMatesOfFirst: {
            // the same rank in the following suits, counted round within the game's cards
            int card = Front(f) + kRanks * (n + 1);
            if (card > cards) card = (card - 1) % cards + 1;
            return card;
        }
        case kStartAceThenGather:
        case kStartAceThenGatherOwn:
            return kRanks * n + kAce;
        case kStartKingsAndAcesThenGather:
            return n < kFirstDeckKingFoundations ? kRanks * (n + 1)
                                                 : kRanks * (n - kFirstDeckKingFoundations) + kAce;
        case kStartFirstCard:
            return Front(f);
        default:
            break;
        }
        if (c > kStartRankOffset && c <= kStartRankOffset + kRanks) {
            for (int k = 0; k < deal_.Size(); ++k)
                if (CardRank(deal_.At(k)) == c - kStartRankOffset) return deal_.At(k);
            throw deal::Refused{"Cannot deal this game: no card of rank " +
                                std::to_string(c - kStartRankOffset) + " is left to start " +
                                PileName(f) + "."};
        }
        if (c >= kStartCardCodeOffset) return c - kStartCardCodeOffset;
        return kRanks * n + c;
    }

    void StartFoundations() {
        for (int n = 0; n < s_.FoundationCount(); ++n) {
            int card = StartCard(n);
            if (card == 0) continue;
            Place(FoundationPile(n), card);
            s_.params.Set(param::kFoundationBase, n, static_cast<std::int16_t>(CardRank(card)));
            AddScore(s_, 1);
        }
    }

    void StartThirdPile() {
        int card = P(param::kThirdPileStartCard);
        if (card == 0) return;
        if (card > kThirdPileCodeOffset) card -= kThirdPileCodeOffset;
        Place(kThirdPile, card);
        AddScore(s_, 1);
    }

    void DealStock() {
        Deal(kStockPile, P(param::kStockDealt));
        if (P(param::kStockFaceDown) == 0)
            s_.table.SetFaceFlags(kStockPile, P(param::kStockDealt), true);
    }

    void DealWaste() {
        if (P(param::kWasteDealt) <= 0) return;
        Deal(kWastePile, P(param::kWasteDealt));
        s_.table.SetFaceFlags(kWastePile, P(param::kWasteDealt), true);
    }

    void DealTableau() {
        for (int n = 0; n < kMaxTableaus; ++n) {
            if (P(param::kTableauDealt, n) <= 0) continue;
            Deal(TableauPile(n), P(param::kTableauDealt, n));
            s_.table.SetFaceFlags(TableauPile(n), P(param::kTableauFaceUp, n), true);
        }
        if (HasPeaks(s_.params)) SpreadPeaks(s_);
    }

    void DealThirdPile() {
        int n = std::max(0, P(param::kThirdPileDealt));
        Deal(kThirdPile, n);
        s_.table.SetFaceFlags(kThirdPile, n, true);
        AddScore(s_, n);
    }

    void DealReserves() {
        for (int k = 0; k < kMaxReserves; ++k) {
            int n = P(param::kReserveDealt, k);
            if (n <= 0) continue;
            Deal(ReservePile(k), n);
            s_.table.SetFaceFlags(ReservePile(k), n, true);
        }
    }

    void OneCardToFirstFoundation() {
        Deal(FoundationPile(0), 1);
        s_.table.SetFaceUp(s_.table.Top(FoundationPile(0)), true);
        AddScore(s_, 1);
    }

    void AfterDeal() {
        if (P(param::kDealFoundationBaseCard) == kOn) {
            OneCardToFirstFoundation();
            auto base = static_cast<std::int16_t>(CardRank(s_.table.At(FoundationPile(0), 0)));
            for (int n = 0; n < kMaxFoundations; ++n)
                s_.params.Set(param::kFoundationBase, n, base);
        }
        for (int n = 0; n < kMaxTableaus; ++n)
            if (P(param::kTableauEmptyFill, n) == kFillBelowFoundationBase)
                s_.params.Set(param::kTableauEmptyFill, n,
                              static_cast<std::int16_t>(RankBelow(P(param::kFoundationBase, 0))));
        if (P(param::kDealFoundationCard) == kOn) OneCardToFirstFoundation();
        if (P(param::kSpecialCode) == kSpecialAcesFromReserveAndWaste)
            deal::AcesFromReserveAndWaste(s_);
        switch (P(param::kFoundationStartCard, 0)) {
        case kStartAceThenGather:
        case kStartAceThenGatherOwn:
        case kStartKingsAndAcesThenGather:
            deal::GatherToFoundations(s_, sink_);
            break;
        case kStartNoneAcesFromTableau:
            deal::AcesUpReplacedFromStock(s_, sink_);
            break;
        default:
            break;
        }
        if (P(param::kKingsToBottom) == kOn) deal::KingsToBottom(s_);
        if (P(param::kSpecialCode) == kSpecialHeartsCourtApart) deal::HeartsCourtApart(s_);
        AddScore(s_, P(param::kDealScore));
    }
};

} // namespace

bool DealGame(GameState& state, const GameNumber& number, EventSink& sink) {
    auto deal = BuildDealArray(number, state.CardCount());
    if (!deal) {
        sink.Message(kBadCardCountText);
        return false;
    }
    GameState dealt = state;
    dealt.number = number;
    try {
        Dealer(dealt, *deal, sink).Run();
    } catch (const deal::Refused& refused) {
        sink.Message(refused.text);
        return false;
    }
    state = dealt;
    return true;
}

bool DealForPlay(GameState& state, const GameNumber& number, EventSink& sink) {
    GameState next = state;
    ResetForDeal(next);
    if (!DealGame(next, number, sink)) return false;
    next.active = true;
    state = next;
    return true;
}

bool TryPutOnFoundation(GameState& s, Card card, int foundation, EventSink& sink) {
    int first = foundation < 0 ? 0 : foundation;
    int last = foundation < 0 ? s.FoundationCount() : std::min(foundation + 1, s.FoundationCount());
    for (int n = first; n < last; ++n) {
        PileIndex f = FoundationPile(n);
        BuildQuery q;
        q.top = s.table.Empty(f) ? 0 : s.table.Top(f); // 0 for empty here, not -1 as in play
        q.card = card;
        q.base = s.P(param::kFoundationBase, n);
        q.stop = s.P(param::kFoundationBase, 0);
        q.direction = s.P(param::kFoundationDirection, n);
        q.rule = s.P(param::kFoundationRule, n);
        q.wrap = true;
        q.pastBase = s.P(param::kTableauPastBase, n) > 0;
        q.pile = n;
        q.dropping = false;
        if (!CheckBuild(s, q, sink)) continue;
        s.table.RemoveCard(card, s.TableauCount());
        s.table.Append(f, card, true);
        AddScore(s, 1);
        return true;
    }
    return false;
}

} // namespace tablamor
