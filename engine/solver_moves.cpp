#include "engine/solver_moves.h"

#include "engine/actions.h"
#include "engine/drop.h"
#include "engine/move_generator.h"
#include "engine/peaks.h"
#include "engine/placement.h"
#include "engine/play_flow.h"
#include "engine/press_rules.h"
#include "engine/rule_codes.h"
#include "engine/solver_cache.h"
#include "engine/solver_takes.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace tablamor {
namespace {

constexpr std::size_t kCardCodes = kMaxCards + 1; // card codes 0..kMaxCards
constexpr std::size_t kCarriedCounts = 2;         // one card, or a run
constexpr std::size_t kVerdictsPerGroup = kCardCodes * kCardCodes * kCarriedCounts;
constexpr std::size_t kNoVerdicts = SIZE_MAX; // a target of no group

// The parameters that fill in the build question of a pile of each kind: piles alike in all of
// them judge a card on a given top card alike.
constexpr ParamRange kTableauRanges[] = {param::kTableauEmptyFill, param::kTableauDirection,
                                         param::kTableauRule, param::kTableauPastBase};
constexpr ParamRange kFoundationRanges[] = {param::kFoundationBase, param::kFoundationDirection,
                                            param::kFoundationRule, param::kFoundationStartCard};
constexpr ParamRange kReserveRanges[] = {param::kReserveRule};

template <std::size_t N>
bool Alike(const GameState& s, const ParamRange (&ranges)[N], int a, int b) {
    for (const ParamRange range : ranges)
        if (s.P(range, a) != s.P(range, b)) return false;
    return true;
}

const Command kStockPress{CommandKind::Stock, kNoCard, -1};

} // namespace

bool StockCardsReachedDirectly(const GameState& s, const PileGeometry& geometry) {
    return s.P(param::kSpecialCode) == 0 && !s.HoldsSelection() &&
           s.P(param::kWastePlaced) == code::kOn && s.P(param::kReleaseCountsPass) == 0 &&
           s.P(param::kStockPasses) == code::kUnlimitedPasses &&
           s.P(param::kWasteBuild) != code::kWasteTakesBuilds &&
           s.P(param::kWasteBuild) != code::kWasteHoldsOne && s.P(param::kTableauFillSource) == 0 &&
           geometry.Placed(kStockPile) && geometry.Placed(kWastePile);
}

Command LaterStepCommand(Card step) {
    return step == kStockStep ? kStockPress : Command{CommandKind::Press, step, -1};
}

void AppendCommands(const SolverMove& move, std::vector<Command>& line) {
    line.insert(line.end(), move.presses, kStockPress);
    line.push_back(move.command);
    for (const Card step : move.later)
        if (step != kNoCard) line.push_back(LaterStepCommand(step));
}

SolverMoves::SolverMoves(const GameState& start, const PileGeometry& geometry)
    : geometry_(geometry), quiet_(NullEventSink()), env_{geometry, quiet_, NoStepRecord()},
      verdicts_(KeptForGame<KeptVerdicts>(start.params).verdicts),
      liftsBuiltRuns_(TableauPressLiftsRuns(start)),
      stockReached_(StockCardsReachedDirectly(start, geometry)), runsChecked_(RunChecked(start)),
      runLimitShared_(liftsBuiltRuns_ && !HasPeaks(start.params) && !RunLimitReadsCard(start)),
      pairs_(start) {
    // The groups are read from the parameters alone, so that the verdicts kept for the game
    // mean the same on any geometry.
    std::array<int, kPileCount> group{}; // per pile: its group of remembered verdicts
    group.fill(kNoGroup);
    std::vector<PileIndex> firsts; // the first pile of each group
    for (PileIndex p = 0; p < kPileCount; ++p) {
        const PileKind kind = KindOfPile(p);
        const int n = NumberInGroup(p);
        const bool used = (kind == PileKind::Tableau && n < start.TableauCount()) ||
                          (kind == PileKind::Foundation && n < start.FoundationCount()) ||
                          (kind == PileKind::Reserve && n < start.ReserveCount());
        if (!used) continue;
        for (std::size_t g = 0; g < firsts.size() && group[p] == kNoGroup; ++g) {
            const PileIndex first = firsts[g];
            if (KindOfPile(first) != kind) continue;
            const int a = NumberInGroup(first);
            const int b = NumberInGroup(p);
            const bool alike = kind == PileKind::Tableau ? Alike(start, kTableauRanges, a, b)
                               : kind == PileKind::Foundation
                                   ? Alike(start, kFoundationRanges, a, b)
                                   : Alike(start, kReserveRanges, a, b);
            if (alike) group[p] = static_cast<int>(g);
        }
        if (group[p] == kNoGroup) {
            group[p] = static_cast<int>(firsts.size());
            firsts.push_back(p);
        }
    }
    if (verdicts_.empty()) verdicts_.assign(firsts.size() * kVerdictsPerGroup, Verdict::Unknown);
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (!IsDropCandidate(start, p, geometry)) continue;
        targets_.push_back({p, group[p] == kNoGroup
                                   ? kNoVerdicts
                                   : static_cast<std::size_t>(group[p]) * kVerdictsPerGroup});
    }
    if (start.HoldsSelection()) takes_ = std::make_unique<SolverTakes>(*this, start, geometry);
}

SolverMoves::~SolverMoves() = default;

void SolverMoves::Generate(const GameState& s, std::vector<SolverMove>& out) {
    List(s, out);
    if (takes_) takes_->Combine(s, out);
}

void SolverMoves::List(const GameState& s, std::vector<SolverMove>& out) {
    out.clear();
    if (!s.active) return;
    for (Target& target : targets_) {
        target.top = s.table.Top(target.pile);
        target.onTop = target.verdicts != kNoVerdicts && VerdictReadsTopOnly(s, target.pile)
                           ? verdicts_.data() + target.verdicts + target.top
                           : nullptr;
    }
    Pile(s, kWastePile, out);
    for (int n = 0; n < s.TableauCount(); ++n) Pile(s, TableauPile(n), out);
    for (int n = 0; n < s.FoundationCount(); ++n) Pile(s, FoundationPile(n), out);
    for (int k = 0; k < s.ReserveCount(); ++k) Pile(s, ReservePile(k), out);
    if (stockReached_) {
        ReachedInStock(s, out);
        return;
    }
    stock_.clear();
    AppendStockCommands(s, geometry_, stock_);
    for (const Command& c : stock_) out.push_back({c, {}});
}

// The moves of every card the presses bring to the top of the waste, each at the fewest presses.
// Without a move played between them the presses run through stock and waste in a cycle, the
// waste's size telling where the cycle stands; the listing ends when a size comes round again.
void SolverMoves::ReachedInStock(const GameState& s, std::vector<SolverMove>& out) {
    std::bitset<kMaxCards + 1> listedTops;
    std::bitset<kMaxCards + 1> wasteSizes;
    if (!s.table.Empty(kWastePile)) listedTops.set(s.table.Top(kWastePile));
    wasteSizes.set(static_cast<std::size_t>(s.table.Size(kWastePile)));
    pressed_ = s;
    for (int presses = 1; presses <= kMostPresses; ++presses) {
        if (!PlayCommand(pressed_, kStockPress, false, env_) || pressed_.stockPressed) break;
        const auto size = static_cast<std::size_t>(pressed_.table.Size(kWastePile));
        if (wasteSizes[size]) break;
        wasteSizes.set(size);
        if (size == 0 || listedTops[pressed_.table.Top(kWastePile)]) continue;
        listedTops.set(pressed_.table.Top(kWastePile));
        const std::size_t first = out.size();
        Pile(pressed_, kWastePile, out);
        for (std::size_t i = first; i < out.size(); ++i)
            out[i].presses = static_cast<std::uint8_t>(presses);
    }
}

// The lowest card of the pile worth a press: below a face-up card that starts no built run, no
// card lifts, so the scan stops there; nor does a run longer than the limit lift.
int SolverMoves::LowestAsked(const GameState& s, PileIndex pile) {
    if (!liftsBuiltRuns_ || KindOfPile(pile) != PileKind::Tableau) return 0;
    const int lowest = LowestInBuiltRun(s, pile);
    const int size = s.table.Size(pile);
    if (!runLimitShared_ || size - lowest <= 1) return lowest;
    return std::max(lowest, size - LargestRunAllowed(s, kNoCard, false));
}

int SolverMoves::LowestInBuiltRun(const GameState& s, PileIndex pile) {
    // The cards from the start of the built run at the top up are asked; below the start, the
    // highest face-up card stops the scan (IsBuiltRun refuses it and every card under it).
    const int n = NumberInGroup(pile);
    int start = 0;
    if (runsChecked_) {
        for (int k = s.table.Size(pile) - 2; k >= 0 && start == 0; --k)
            if (!pairs_.Built(s, n, s.table.At(pile, k), s.table.At(pile, k + 1))) start = k + 1;
    }
    for (int k = start - 1; k >= 0; --k) {
        const Card card = s.table.At(pile, k);
        if (card != kNoCard && s.table.FaceUp(card)) return k + 1;
    }
    return 0;
}

void SolverMoves::Pile(const GameState& s, PileIndex pile, std::vector<SolverMove>& out) {
    if (!geometry_.Placed(pile)) return; // the pointer cannot reach it
    const int size = s.table.Size(pile);
    bool topLiftedAlone = false;
    for (int k = LowestAsked(s, pile); k < size; ++k) {
        if (!PressReaches(s, pile, k)) continue;
        const Card card = s.table.At(pile, k);
        const PressDecision d = DecideLeftPress(s, pile, card, quiet_);
        switch (d.kind) {
        case PressKind::Lift:
            topLiftedAlone = k == size - 1 && d.liftCount == 1;
            Drops(s, pile, MoveContext{d.card, d.runTop, d.liftCount == 1}, out);
            break;
        case PressKind::TurnFaceUp:
            out.push_back({Command{CommandKind::Flip, card, -1}, {}});
            break;
        case PressKind::Discard:
        case PressKind::ToggleSum:
        case PressKind::TogglePair:
            out.push_back({Command{CommandKind::Press, card, -1}, {}});
            break;
        default:
            break;
        }
    }
    if (size == 0) return;
    const Card top = s.table.Top(pile);
    // A send of a top card lifted alone goes where its drop onto the first foundation (or
    // reserve) taking it goes, listed already; the whole suit an ace ends is another move, and a
    // drop while the stock is held deals first.
    if (topLiftedAlone && !s.stockPressed && CompleteSuitOnTopOf(s, pile) == kNoCard) return;
    if (PressReaches(s, pile, size - 1) && QualifiesForSend(s, pile, top) &&
        FindSendTarget(s, top, false, true, geometry_, quiet_))
        out.push_back({Command{CommandKind::Send, top, -1}, {}});
}

void SolverMoves::Drops(const GameState& s, PileIndex from, const MoveContext& lift,
                        std::vector<SolverMove>& out) {
    const bool restricted = OpeningRestricted(s);
    // The verdicts of one lifted card lie together, by carried count and top card.
    const std::size_t liftVerdicts =
        (static_cast<std::size_t>(lift.card) * kCarriedCounts + (lift.singleCard ? 1 : 0)) *
        kCardCodes;
    for (const Target& target : targets_) {
        if (target.pile == from ||
            (restricted && !OpeningRestrictionAllows(s, lift.card, target.pile)))
            continue;
        // The verdict remembered where it reads nothing but the target's top card.
        Verdict* kept =
            !target.onTop || target.top == lift.runTop ? nullptr : target.onTop + liftVerdicts;
        const bool takes = kept && *kept != Verdict::Unknown
                               ? *kept == Verdict::Taken
                               : Ask(s, from, lift, target.pile, kept);
        if (takes) out.push_back({Command{CommandKind::Drop, lift.card, target.pile}, lift});
    }
}

bool SolverMoves::Ask(const GameState& s, PileIndex from, const MoveContext& lift, PileIndex target,
                      Verdict* kept) {
    const bool takes = DropAllowed(s, lift, from, target, quiet_);
    if (kept) *kept = takes ? Verdict::Taken : Verdict::Refused;
    return takes;
}

bool SolverMoves::Apply(GameState& s, const SolverMove& m) const {
    for (int i = 0; i < m.presses; ++i)
        if (!PlayCommand(s, kStockPress, false, env_)) return false;
    const Command& c = m.command;
    if (c.kind != CommandKind::Drop || s.stockPressed) {
        if (!PlayCommand(s, c, false, env_)) return false;
        for (const Card step : m.later)
            if (step != kNoCard && !PlayCommand(s, LaterStepCommand(step), false, env_))
                return false;
        return true;
    }
    const bool moved = PerformMove(s, c.card, c.pile, m.move.singleCard, env_.sink);
    AfterRelease(s, false, moved, env_);
    return moved;
}

} // namespace tablamor
