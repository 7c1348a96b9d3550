#include "engine/solver_guide.h"

#include "engine/build_rules.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "engine/solver_key.h"
#include "engine/winning.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

namespace tablamor {
namespace {

constexpr int kPointsPerCard = 5; // points of the running score to a card
constexpr int kSuitSize = 13;     // a whole suit, king to ace
constexpr int kPercent = 100;
// Where the foundations take whole suits, what a card counts in percent of a card on them: one
// on a card of its suit one rank higher, and one more of a run in suit down from a king.
constexpr int kInSuitShare = 6;
constexpr int kUnderwayShare = 25;

// The weights of each search style, per card or pile. A card dealt to the waste and not played
// yet counts against: the stock is spent, the card mostly out of reach. The first style weighs
// progress on the foundations above all; the second also cards out of sequence on the tableau;
// the third makes room (empty piles, free reserves) ahead of progress.
constexpr ScoreWeights kStyles[kSearchStyles] = {
    {.progress = 200,
     .faceDown = 100,
     .waste = 100,
     .empty = 40,
     .buried = 10,
     .broken = 5,
     .parked = 15},
    {.progress = 200,
     .faceDown = 100,
     .waste = 100,
     .empty = 40,
     .buried = 10,
     .broken = 40,
     .parked = 15},
    {.progress = 60,
     .faceDown = 100,
     .waste = 100,
     .empty = 80,
     .buried = 10,
     .broken = 10,
     .parked = 30},
};

bool AnySet(const GameState& s, int count, ParamRange range) {
    for (int n = 0; n < count; ++n)
        if (s.P(range, n) != 0) return true;
    return false;
}

// Whether each foundation takes its cards in one fixed order. A foundation that may be built up
// or down from its top (or turns at a rank) is steered by the card sent to it: the card may shut
// out the cards a win needs next, so sending it is a choice, never safe.
bool FoundationsBuildOneWay(const GameState& s) {
    for (int n = 0; n < s.FoundationCount(); ++n) {
        if (s.P(param::kFoundationDirection, n) == code::kUpOrDown) return false;
        switch (s.P(param::kFoundationRule, n)) {
        case code::kSuitUpOrDownNoWrap:
        case code::kSuitUpThenKingThenDown:
        case code::kSuitFollowsPileDirection:
            return false;
        default:
            break;
        }
    }
    return true;
}

// The ace of the whole suit on foundation `f` (its last thirteen cards).
Card WholeSuitsAce(const GameState& s, PileIndex f) {
    const int size = s.table.Size(f);
    for (int k = size - kSuitSize; k < size; ++k)
        if (CardRank(s.table.At(f, k)) == kAce) return s.table.At(f, k);
    return kNoCard;
}

} // namespace

SolverGuide::SolverGuide(const GameState& s, int style)
    : weights_(kStyles[static_cast<std::size_t>(style % kSearchStyles)]), golf_(IsGolfGame(s)),
      pairs_(s), wanted_(s), broken_(s.TableauCount()) {
    // Cards taken back from the foundations do not matter: no card left could be built on the
    // one sent.
    safeMovesAllowed_ = s.P(param::kSpecialCode) == 0 && !s.HoldsSelection() &&
                        s.P(param::kFoundationResort) == 0 &&
                        s.P(param::kWasteBuild) != code::kWasteTakesBuilds &&
                        s.P(param::kOpeningRestriction) == 0 &&
                        s.P(param::kAutoFillAfterFirst) == 0 && FoundationsBuildOneWay(s);
    waveringWaste_ = s.P(param::kStockDealCount) > 1;
    for (int n = 0; n < s.FoundationCount(); ++n)
        wholeSuits_ = wholeSuits_ || s.P(param::kFoundationRule, n) == code::kCompleteSuit;
    fillingInOrder_ =
        s.P(param::kTableauFillSource) != 0 || AnySet(s, s.TableauCount(), param::kTableauTakesAdd);
    judgedByTableauTops_ = s.FoundationCount() > 0 && s.P(param::kFoundationLift) == 0;
    for (int n = 0; n < s.FoundationCount(); ++n)
        judgedByTableauTops_ =
            judgedByTableauTops_ && s.P(param::kFoundationRule, n) == code::kAceOrBelowTableauTop;
}

// Whether a card leaves the tableau, stock and waste only for a tableau pile or for a foundation
// built by suit up from the ace (a stock card by way of the waste), and if so, where it may go.
void SolverGuide::ReadBlockingRules(const GameState& s) {
    blockable_ = s.P(param::kSpecialCode) == 0 && !s.HoldsSelection() && s.ReserveCount() == 0 &&
                 s.P(param::kWasteBuild) == 0 && s.P(param::kFoundationResort) == 0 &&
                 s.P(param::kThirdPilePlaced) == 0 && s.P(param::kTableauFillSource) == 0 &&
                 s.P(param::kAutoFillAfterFirst) == 0 && s.FoundationCount() > 0 &&
                 s.P(param::kFoundationCapacity) <= kSuitSize;
    for (int n = 0; n < s.FoundationCount() && blockable_; ++n)
        blockable_ = s.P(param::kFoundationRule, n) == code::kSameSuit &&
                     s.P(param::kFoundationDirection, n) == code::kUp &&
                     s.P(param::kFoundationBase, n) == kAce &&
                     s.P(param::kFoundationStartCard, n) == 0;
    for (const int n : pairs_.DistinctTableaus())
        blockable_ = blockable_ && RuleReadsQueryOnly(s.P(param::kTableauRule, n));
    if (!blockable_) return;
    stockDealsToWaste_ = s.P(param::kWastePlaced) == code::kOn;
    const int cards = std::min(s.CardCount(), kMaxCards);
    parents_.assign(static_cast<std::size_t>(cards) + 1, {});
    for (int card = 1; card <= cards; ++card) {
        for (const int n : pairs_.DistinctTableaus()) {
            BuildQuery q = TableauQuery(s, n);
            q.card = card;
            // An empty pile's base reads the query alone where it names a rank or any card;
            // others may read the table, so any card may go there.
            q.top = -1;
            const bool readsQuery =
                (q.base >= kAce && q.base <= kSuitSize) || q.base == code::kBaseAnyCard;
            if (!readsQuery || CheckBuild(s, q, NullEventSink()))
                toEmpty_.set(static_cast<std::size_t>(card));
            for (int top = 1; top <= cards; ++top) {
                q.top = top;
                if (CheckBuild(s, q, NullEventSink()))
                    parents_[static_cast<std::size_t>(card)].push_back(static_cast<Card>(top));
            }
        }
    }
}

void SolverGuide::ReadRules(const GameState& s) {
    if (rulesRead_) return;
    ReadBlockingRules(s);
    ReadFollowUpRules(s);
    rulesRead_ = true;
}

// Where IsBlocked reads the rules and nothing fills or deals to piles by place, what may be
// built on each card, and which cards are twins.
void SolverGuide::ReadFollowUpRules(const GameState& s) {
    if (!blockable_ || fillingInOrder_ || s.P(param::kOpeningRestriction) != 0) return;
    const std::size_t cards = parents_.size();
    children_.assign(cards, {});
    for (std::size_t card = 1; card < cards; ++card)
        for (const Card top : parents_[card]) children_[top].push_back(static_cast<Card>(card));
    // With two decks, a card taken back would also make room for its twin from the other deck.
    takeBacksNeedDrop_ = s.P(param::kFoundationLift) != 0 && s.CardCount() <= kDeckSize;
    flipsSafe_ = true;
    const std::vector<int>& tableaus = pairs_.DistinctTableaus();
    shiftsNeedSendUp_ = tableaus.size() == 1 && s.P(param::kRunSize) == code::kRunAny &&
                        s.P(param::kTableauRunCheck) == code::kRunCheckPileRule;
    if (!shiftsNeedSendUp_) return;
    // A card's class: the cards it is dropped on and that are dropped on it, the cards it lies
    // built on as a run and that lie built on it, and whether an empty pile takes it.
    std::map<std::vector<int>, int> classes;
    twinClass_.assign(cards, -1);
    constexpr int kEndOfList = 0;
    for (std::size_t card = 1; card < cards; ++card) {
        const auto c = static_cast<Card>(card);
        std::vector<int> traits(parents_[card].begin(), parents_[card].end());
        traits.push_back(kEndOfList);
        traits.insert(traits.end(), children_[card].begin(), children_[card].end());
        traits.push_back(kEndOfList);
        for (std::size_t other = 1; other < cards; ++other) {
            const auto o = static_cast<Card>(other);
            if (pairs_.Built(s, tableaus.front(), o, c)) traits.push_back(o);
        }
        traits.push_back(kEndOfList);
        for (std::size_t other = 1; other < cards; ++other) {
            const auto o = static_cast<Card>(other);
            if (pairs_.Built(s, tableaus.front(), c, o)) traits.push_back(o);
        }
        traits.push_back(toEmpty_[card] ? 1 : 0);
        const auto [it, fresh] = classes.try_emplace(traits, static_cast<int>(classes.size()));
        twinClass_[card] = it->second;
    }
}

FollowUp SolverGuide::Needs(const GameState& s, const Command& c) {
    ReadRules(s);
    if (c.kind != CommandKind::Drop || KindOfPile(c.pile) != PileKind::Tableau ||
        !ValidCard(c.card) || static_cast<std::size_t>(c.card) >= parents_.size())
        return {};
    const PileIndex from = s.table.PileOf(c.card);
    if (from < 0) return {};
    if (KindOfPile(from) == PileKind::Foundation && takeBacksNeedDrop_)
        return TakeBackNeeds(s, c.card, c.pile);
    if (KindOfPile(from) == PileKind::Tableau && shiftsNeedSendUp_) return ShiftNeeds(s, c);
    return {};
}

bool SolverGuide::IsSafeFlip(const GameState& s, const Command& c) {
    if (c.kind != CommandKind::Flip) return false;
    ReadRules(s);
    const PileIndex pile = s.table.PileOf(c.card);
    return flipsSafe_ && pile >= 0 && KindOfPile(pile) == PileKind::Tableau &&
           s.table.Top(pile) == c.card;
}

FollowUp SolverGuide::TakeBackNeeds(const GameState& s, Card card, PileIndex pile) const {
    for (const Card child : children_[card]) {
        const PileIndex where = s.table.PileOf(child);
        if (where < 0) continue;
        const PileKind kind = KindOfPile(where);
        if (kind == PileKind::Tableau && !s.table.FaceUp(child)) continue;
        if (kind == PileKind::Foundation && s.table.Top(where) != child) continue;
        return {FollowUp::Kind::DropOnto, pile, kNoCard};
    }
    return {FollowUp::Kind::Pointless};
}

FollowUp SolverGuide::ShiftNeeds(const GameState& s, const Command& c) {
    const PileIndex from = s.table.PileOf(c.card);
    const int at = s.table.Find(from, c.card);
    if (at < 1 || s.table.Empty(c.pile)) return {};
    const Card bared = s.table.At(from, at - 1);
    const Card twin = s.table.Top(c.pile);
    if (!ValidCard(bared) || !ValidCard(twin) || !s.table.FaceUp(bared) || !s.table.FaceUp(twin) ||
        twinClass_[bared] != twinClass_[twin] ||
        std::ranges::find(parents_[c.card], bared) == parents_[c.card].end())
        return {};
    if (!wanted_.Of(s)[bared]) return {FollowUp::Kind::Pointless};
    return {FollowUp::Kind::SendUp, -1, bared};
}

bool FollowUp::Admits(const Command& c) const {
    switch (kind) {
    case Kind::DropOnto:
        return c.kind == CommandKind::Drop && c.pile == pile;
    case Kind::SendUp:
        return c.card == card;
    default:
        return kind == Kind::Any;
    }
}

bool FollowUp::MetBy(const GameState& between, const GameState& after) const {
    switch (kind) {
    case Kind::DropOnto:
        return after.table.Size(pile) > between.table.Size(pile);
    case Kind::SendUp: {
        const PileIndex where = after.table.PileOf(card);
        return where >= 0 && KindOfPile(where) == PileKind::Foundation;
    }
    default:
        return kind == Kind::Any;
    }
}

// Face-up tableau cards that do not lie on a card they are built on, as a run is judged.
int SolverGuide::BrokenPairs(const GameState& s) {
    int broken = 0;
    for (int n = 0; n < s.TableauCount(); ++n) {
        const std::span<const Card> cards = s.table.Pile(TableauPile(n));
        const auto count = [&] {
            int inPile = 0;
            for (std::size_t k = 1; k < cards.size(); ++k) {
                const Card below = cards[k - 1];
                const Card card = cards[k];
                if (below == kNoCard || card == kNoCard || !s.table.FaceUp(below)) continue;
                if (!pairs_.Built(s, n, below, card)) ++inPile;
            }
            return inPile;
        };
        broken +=
            pairs_.ReadsCardsOnly(n) ? broken_.Of(n, cards, s.table.FaceFlags(), count) : count();
    }
    return broken;
}

int SolverGuide::Score(const GameState& s) {
    const CardSet& wanted = wanted_.Of(s);
    // Face-down cards count on the piles cards lie open on and on the foundations (the stock is
    // face down by nature: dealing it is no progress); buried ones on the open piles. Piles the
    // game does not use stay empty.
    int faceDown = 0;
    int buried = 0;
    const auto countOpen = [&](PileIndex p) {
        const std::span<const Card> cards = s.table.Pile(p);
        for (std::size_t k = 0; k < cards.size(); ++k) {
            const Card c = cards[k];
            if (c == kNoCard) continue;
            if (!s.table.FaceUp(c)) ++faceDown;
            if (wanted[c]) buried += static_cast<int>(cards.size() - 1 - k);
        }
    };
    countOpen(kWastePile);
    for (int n = 0; n < s.TableauCount(); ++n) countOpen(TableauPile(n));
    for (int n = 0; n < s.ReserveCount(); ++n) countOpen(ReservePile(n));
    const int foundations = std::max(s.FoundationCount(), s.HoldsSelection() ? 1 : 0);
    for (int n = 0; n < foundations; ++n)
        for (const Card c : s.table.Pile(FoundationPile(n)))
            if (c != kNoCard && !s.table.FaceUp(c)) ++faceDown;
    int empty = 0;
    for (int n = 0; n < s.TableauCount(); ++n) empty += s.table.Empty(TableauPile(n)) ? 1 : 0;
    int parked = 0;
    for (int n = 0; n < s.ReserveCount(); ++n) parked += s.table.Size(ReservePile(n));
    const ScoreWeights& w = weights_;
    const int whole =
        wholeSuits_ ? WholeSuitsInTheMaking(s) * w.progress * kPointsPerCard / kPercent : 0;
    return Progress(s) + whole - faceDown * w.faceDown + empty * w.empty - buried * w.buried -
           BrokenPairs(s) * w.broken - parked * w.parked - s.table.Size(kWastePile) * w.waste;
}

// The running score; in golf, the cards left on the tableau and in the stock, so that burning
// the stock is no progress.
int SolverGuide::Progress(const GameState& s) const {
    if (!golf_) return ComputeScore(s.table, s.params) * weights_.progress;
    // A card cleared from the tableau is progress; a stock card spent costs half as much.
    const int perCard = weights_.progress * kPointsPerCard;
    int onTableau = 0; // the gaps the peaks leave are no cards
    for (int n = 0; n < s.TableauCount(); ++n)
        onTableau += static_cast<int>(std::ranges::count_if(s.table.Pile(TableauPile(n)),
                                                            [](Card c) { return c != kNoCard; }));
    return -onTableau * perCard + s.table.Size(kStockPile) * perCard / 2;
}

// Where the foundations take whole suits, a share of a card on the foundations: per card on a card
// of its suit one rank higher, and more per card of a run in suit down from a king.
int SolverGuide::WholeSuitsInTheMaking(const GameState& s) const {
    int inSuit = 0;
    int underway = 0; // cards of runs in suit led by a king
    for (int n = 0; n < s.TableauCount(); ++n) {
        const PileIndex p = TableauPile(n);
        bool led = false;
        for (int k = 1; k < s.table.Size(p); ++k) {
            const Card below = s.table.At(p, k - 1);
            const Card card = s.table.At(p, k);
            const bool follows = below != kNoCard && card != kNoCard && s.table.FaceUp(below) &&
                                 CardSuit(below) == CardSuit(card) &&
                                 CardRank(below) == CardRank(card) + 1;
            led = follows && (led || CardRank(below) == kKing);
            inSuit += follows ? 1 : 0;
            underway += led ? 1 : 0;
        }
    }
    return inSuit * kInSuitShare + underway * kUnderwayShare;
}

bool SolverGuide::IsLeftOut(const GameState& s, const Command& c) const {
    if (!wholeSuits_ || c.kind != CommandKind::Drop || KindOfPile(c.pile) != PileKind::Tableau)
        return false;
    const PileIndex from = s.table.PileOf(c.card);
    if (from < 0 || KindOfPile(from) != PileKind::Tableau) return false;
    const int at = s.table.Find(from, c.card);
    if (at < 1) return false;
    const Card below = s.table.At(from, at - 1);
    return s.table.FaceUp(below) && CardSuit(below) == CardSuit(c.card) &&
           CardRank(below) == CardRank(c.card) + 1;
}

bool SolverGuide::IsDead(const GameState& s) const {
    if (!judgedByTableauTops_) return false;
    constexpr std::size_t kSuits = 4;
    // Per suit: an ace still down, and a card other than an ace still down.
    std::array<bool, kSuits + 1> aceDown{};
    std::array<bool, kSuits + 1> otherDown{};
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (KindOfPile(p) == PileKind::Foundation) continue;
        for (const Card c : s.table.Pile(p)) {
            const int suit = CardSuit(c);
            if (suit < 1) continue;
            (CardRank(c) == kAce ? aceDown : otherDown)[static_cast<std::size_t>(suit)] = true;
        }
    }
    // The highest card down of a suit goes up only beside an ace (no card of its suit is higher).
    for (std::size_t suit = 1; suit <= kSuits; ++suit)
        if (otherDown[suit] && !aceDown[suit]) return true;
    return false;
}

// Whether every card lying over `pile`'s card at `at` has moved.
bool SolverGuide::AllOverMoved(const GameState& s, PileIndex pile, int at,
                               const CardSet& moved) const {
    for (int k = at + 1; k < s.table.Size(pile); ++k)
        if (!moved[s.table.At(pile, k)]) return false;
    return true;
}

// Whether the loosened game may move the card at `at` of `pile`, given the cards moved so far.
bool SolverGuide::MayMove(const GameState& s, PileIndex pile, int at, const CardSet& moved,
                          bool somePileCleared) const {
    const Card card = s.table.At(pile, at);
    const bool onTableau = KindOfPile(pile) == PileKind::Tableau;
    const bool faceUp = s.table.FaceUp(card);
    if (onTableau && !faceUp && !AllOverMoved(s, pile, at, moved)) return false;
    // Carried along with the face-up card it lies on.
    if (onTableau && faceUp && at > 0 && s.table.FaceUp(s.table.At(pile, at - 1)) &&
        moved[s.table.At(pile, at - 1)])
        return true;
    if (somePileCleared && toEmpty_[card]) return true;
    for (const Card t : parents_[card]) {
        if (moved[t]) return true;
        const PileIndex where = s.table.PileOf(t);
        if (where >= 0 && KindOfPile(where) == PileKind::Tableau &&
            AllOverMoved(s, where, s.table.Find(where, t), moved))
            return true;
    }
    std::array<bool, kSuitSize + 1> lowerMoved{}; // per rank: some copy of its suit's card moved
    lowerMoved[0] = true;
    for (std::size_t b = 1; b < parents_.size(); ++b)
        if (moved[b] && CardSuit(s.Face(static_cast<int>(b))) == CardSuit(s.Face(card)))
            lowerMoved[static_cast<std::size_t>(CardRank(static_cast<int>(b)))] = true;
    return std::all_of(lowerMoved.begin(), lowerMoved.begin() + CardRank(card),
                       [](bool m) { return m; });
}

bool SolverGuide::IsBlocked(const GameState& s) {
    ReadRules(s);
    if (!blockable_) return false;
    if (!s.table.Empty(kStockPile) && !stockDealsToWaste_) return false;
    std::vector<PileIndex> piles = {kStockPile, kWastePile};
    for (int n = 0; n < s.TableauCount(); ++n) piles.push_back(TableauPile(n));
    // Cards elsewhere (on the foundations) count as moved.
    CardSet moved;
    moved.set();
    for (const PileIndex p : piles) {
        for (const Card c : s.table.Pile(p)) {
            if (c == kNoCard || c >= parents_.size()) return false;
            moved.reset(c);
        }
    }
    for (bool changed = true; changed;) {
        changed = false;
        bool somePileCleared = false;
        for (int n = 0; n < s.TableauCount(); ++n)
            somePileCleared = somePileCleared || AllOverMoved(s, TableauPile(n), -1, moved);
        for (const PileIndex p : piles) {
            for (int k = 0; k < s.table.Size(p); ++k) {
                const Card c = s.table.At(p, k);
                if (moved[c] || !MayMove(s, p, k, moved, somePileCleared)) continue;
                moved.set(c);
                changed = true;
            }
        }
    }
    for (const PileIndex p : piles)
        for (const Card c : s.table.Pile(p))
            if (!moved[c]) return true;
    return false;
}

bool SolverGuide::IsSafeFoundationMove(const GameState& before, const GameState& after) {
    if (!safeMovesAllowed_) return false;
    // The card left on top of the foundation's new cards: the one sent, or the ace of a whole suit.
    Card card = kNoCard;
    int moved = 0;
    for (int n = 0; n < before.FoundationCount(); ++n) {
        const PileIndex f = FoundationPile(n);
        const int grown = after.table.Size(f) - before.table.Size(f);
        if (grown == 0) continue;
        if (card != kNoCard) return false;
        if (grown == kSuitSize && after.P(param::kFoundationRule, n) == code::kCompleteSuit)
            card = WholeSuitsAce(after, f);
        else if (grown == 1)
            card = after.table.Top(f);
        else
            return false;
        moved = grown;
    }
    if (card == kNoCard) return false;
    const PileIndex from = before.table.PileOf(card);
    if (from < 0) return false;
    switch (KindOfPile(from)) {
    case PileKind::Tableau:
        if (fillingInOrder_ && before.table.Size(from) == moved) return false;
        break;
    case PileKind::Reserve:
        break;
    case PileKind::Waste:
        if (waveringWaste_) return false;
        break;
    default:
        return false;
    }
    CardSet onFoundation;
    for (int n = 0; n < after.FoundationCount(); ++n)
        for (const Card c : after.table.Pile(FoundationPile(n))) onFoundation.set(c);
    for (Card x = 1; x <= after.CardCount() && x <= kMaxCards; ++x) {
        if (onFoundation[x]) continue;
        for (const int n : pairs_.DistinctTableaus()) {
            BuildQuery q = TableauQuery(after, n);
            q.top = card;
            q.card = x;
            if (CheckBuild(after, q, NullEventSink())) return false;
        }
    }
    return true;
}

} // namespace tablamor
