// The solver's guidance and key: a card goes to the foundations without the other moves being
// tried only when no card still in play could be built on it, and piles the rules cannot tell
// apart are keyed as a set only where that is true.
#include "play_fixture.h"
#include "random_positions.h"
#include "rules_fixture.h"

#include "engine/commands.h"
#include "engine/placed_piles.h"
#include "engine/rule_codes.h"
#include "engine/solver_guide.h"
#include "engine/solver_key.h"

#include <memory>
#include <vector>

namespace tablamor {
namespace {

using test::C;
using test::D;
using test::H;
using test::Put;
using test::S;

constexpr int kFreeCell = 2;
constexpr int kKlondikeByThrees = 4;
constexpr int kSpider = 13;
constexpr int kSimplePairs = 36;
constexpr int kGolf = 43;
constexpr int kAcesUp = 45;

GameState Dealt(int id, const char* number = "1") {
    for (const GameDefinition& g : test::ShippedGameDefinitions())
        if (g.id == id) return test::DealtGame(g.params, number);
    ADD_FAILURE() << "no game " << id;
    return {};
}

// A FreeCell table with hearts and clubs up to `foundationRank`, spades up to `spadesRank`,
// diamonds up to 2, and the given cards on the first three tableau piles.
GameState FreeCellWith(int foundationRank, int spadesRank, std::initializer_list<int> pile0,
                       std::initializer_list<int> pile1 = {},
                       std::initializer_list<int> pile2 = {}) {
    GameState s = Dealt(kFreeCell);
    s.table.ClearPiles();
    for (int r = 1; r <= foundationRank; ++r) {
        s.table.Append(FoundationPile(0), static_cast<Card>(H(r)), true);
        s.table.Append(FoundationPile(1), static_cast<Card>(C(r)), true);
    }
    for (int r = 1; r <= spadesRank; ++r)
        s.table.Append(FoundationPile(2), static_cast<Card>(S(r)), true);
    for (int r = 1; r <= 2; ++r) s.table.Append(FoundationPile(3), static_cast<Card>(D(r)), true);
    Put(s, TableauPile(0), pile0);
    Put(s, TableauPile(1), pile1);
    Put(s, TableauPile(2), pile2);
    return s;
}

// `before` with its top card of `from` moved onto foundation `f`.
GameState ToFoundation(const GameState& before, PileIndex from, int f) {
    GameState after = before;
    const Card card = after.table.Top(from);
    after.table.Truncate(from, after.table.Size(from) - 1);
    after.table.Append(FoundationPile(f), card, true);
    return after;
}

TEST(SolverGuide, SafeMovesToTheFoundations) {
    struct Row {
        const char* what;
        GameState before;
        PileIndex from;
        int foundation;
        bool safe;
    };
    const Row rows[] = {
        {"a red five while a black four is still in play", FreeCellWith(4, 3, {S(9), H(5)}, {S(4)}),
         TableauPile(0), 0, false},
        {"a red five with both black fours up", FreeCellWith(4, 4, {S(9), H(5)}), TableauPile(0), 0,
         true},
        {"a red three: both black twos are up", FreeCellWith(4, 4, {S(9), D(3)}, {C(13)}),
         TableauPile(0), 3, true},
        {"a black five while a red four (diamonds) is in play",
         FreeCellWith(4, 4, {S(9), C(5)}, {D(4)}), TableauPile(0), 1, false},
    };
    for (const Row& row : rows) {
        SolverGuide guide(row.before);
        const GameState after = ToFoundation(row.before, row.from, row.foundation);
        EXPECT_EQ(guide.IsSafeFoundationMove(row.before, after), row.safe) << row.what;
    }
}

TEST(SolverGuide, NoSafeMovesWhereTheMoveChangesMore) {
    // Klondike by threes: a waste card played early changes which cards later passes show.
    GameState threes = Dealt(kKlondikeByThrees);
    threes.table.ClearPiles();
    Put(threes, kWastePile, {S(7), H(1)});
    SolverGuide guide(threes);
    EXPECT_FALSE(guide.IsSafeFoundationMove(threes, ToFoundation(threes, kWastePile, 0)));
    // The same ace from a tableau pile is safe there.
    Put(threes, kWastePile, {});
    Put(threes, TableauPile(0), {S(7), H(1)});
    EXPECT_TRUE(guide.IsSafeFoundationMove(threes, ToFoundation(threes, TableauPile(0), 0)));
    // A pairing game's first foundation holds a selection, not a built pile.
    const GameState pairs = Dealt(kSimplePairs);
    SolverGuide pairsGuide(pairs);
    EXPECT_FALSE(pairsGuide.IsSafeFoundationMove(pairs, ToFoundation(pairs, TableauPile(0), 0)));
    // A foundation built up or down: the card sent decides which cards it takes next, so the
    // search must also try keeping it back.
    GameState either = FreeCellWith(4, 4, {S(9), H(5)});
    SolverGuide oneWayGuide(either);
    EXPECT_TRUE(oneWayGuide.IsSafeFoundationMove(either, ToFoundation(either, TableauPile(0), 0)));
    for (int n = 0; n < either.FoundationCount(); ++n)
        either.params.Set(param::kFoundationDirection, n, code::kUpOrDown);
    SolverGuide eitherGuide(either);
    EXPECT_FALSE(eitherGuide.IsSafeFoundationMove(either, ToFoundation(either, TableauPile(0), 0)));
}

// Spider's table emptied, with the given cards on its first two tableau piles and a whole suit
// of spades, king to ace, over the first pile's cards.
GameState SpiderWithSuitOver(std::initializer_list<int> pile0, std::initializer_list<int> pile1) {
    GameState s = Dealt(kSpider);
    s.table.ClearPiles();
    Put(s, TableauPile(0), pile0);
    Put(s, TableauPile(1), pile1);
    for (int r = kKing; r >= kAce; --r)
        s.table.Append(TableauPile(0), static_cast<Card>(S(r)), true);
    return s;
}

// `before` with the whole suit on top of `from` moved onto foundation `f`.
GameState SuitToFoundation(const GameState& before, PileIndex from, int f) {
    constexpr int kSuitSize = 13;
    GameState after = before;
    const int size = after.table.Size(from);
    for (int k = size - kSuitSize; k < size; ++k)
        after.table.Append(FoundationPile(f), after.table.At(from, k), true);
    after.table.Truncate(from, size - kSuitSize);
    return after;
}

TEST(SolverGuide, AWholeSuitGoesUpAtOnce) {
    struct Row {
        const char* what;
        GameState before;
        bool safe;
    };
    const Row rows[] = {
        {"over another card", SpiderWithSuitOver({H(9)}, {H(5)}), true},
        // No row is dealt while a pile is empty: the suit kept there may be what lets one deal.
        {"emptying its pile while rows are left to deal", SpiderWithSuitOver({}, {H(5)}), false},
    };
    for (const Row& row : rows) {
        SolverGuide guide(row.before);
        const GameState after = SuitToFoundation(row.before, TableauPile(0), 0);
        EXPECT_EQ(guide.IsSafeFoundationMove(row.before, after), row.safe) << row.what;
    }
}

// Where the foundations take whole suits, a run lifted off the card of its suit one rank higher
// is left out of the search; elsewhere, and off any other card, it is searched.
TEST(SolverGuide, RunsInSuitStayTogetherWhereWholeSuitsGoUp) {
    constexpr int kWhitehead = 6;
    struct Row {
        const char* what;
        int game;
        std::initializer_list<int> from, to;
        bool leftOut;
    };
    const Row rows[] = {
        {"spider: off the nine of its suit", kSpider, {S(9), S(8), S(7)}, {H(9)}, true},
        {"spider: off a nine of another suit", kSpider, {H(9), S(8), S(7)}, {D(9)}, false},
        {"spider: off a ten of its suit", kSpider, {S(10), S(8), S(7)}, {D(9)}, false},
        {"whitehead: suits go up card by card", kWhitehead, {S(9), S(8), S(7)}, {C(9)}, false},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        s.table.ClearPiles();
        Put(s, TableauPile(0), row.from);
        Put(s, TableauPile(1), row.to);
        SolverGuide guide(s);
        const Command drop{CommandKind::Drop, static_cast<Card>(S(8)), TableauPile(1)};
        EXPECT_EQ(guide.IsLeftOut(s, drop), row.leftOut) << row.what;
    }
    // The cards of a suit coming together score higher than the same cards mixed.
    GameState together = Dealt(kSpider);
    together.table.ClearPiles();
    Put(together, TableauPile(0), {S(13), S(12), S(11)});
    Put(together, TableauPile(1), {H(12)});
    GameState mixed = together;
    Put(mixed, TableauPile(0), {S(13), H(12), S(11)});
    Put(mixed, TableauPile(1), {S(12)});
    for (int style = 0; style < kSearchStyles; ++style) {
        SolverGuide guide(together, style);
        EXPECT_GT(guide.Score(together), guide.Score(mixed)) << "style " << style;
    }
}

TEST(SolverKey, InterchangeablePilesKeyAsASet) {
    struct Row {
        const char* what;
        int game;
        PileIndex a, b;
        bool sameKey;
    };
    const Row rows[] = {
        {"freecell: two free cells swapped", kFreeCell, ReservePile(0), ReservePile(2), true},
        {"freecell: two columns swapped", kFreeCell, TableauPile(1), TableauPile(6), true},
        {"freecell: two foundations swapped", kFreeCell, FoundationPile(0), FoundationPile(3),
         true},
        {"spider: the stock deals to columns by place", kSpider, TableauPile(1), TableauPile(6),
         false},
        {"freecell: a column and a free cell swapped", kFreeCell, TableauPile(0), ReservePile(0),
         false},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        // distinct contents on both piles
        s.table.ClearPiles();
        Put(s, row.a, {S(13), H(12)});
        Put(s, row.b, {C(5)});
        GameState swapped = s;
        Put(swapped, row.a, {C(5)});
        Put(swapped, row.b, {S(13), H(12)});
        const bool same = PositionKey(s, SymmetryOf(s)) == PositionKey(swapped, SymmetryOf(s));
        EXPECT_EQ(same, row.sameKey) << row.what;
    }
}

// Where the foundations take a card beside a higher one of its suit or an ace, a suit whose aces
// are all up while another of its cards is still down can never be finished.
TEST(SolverGuide, DeadWhenASuitsLastCardCanNeverGoUp) {
    struct Row {
        const char* what;
        int game;
        std::initializer_list<int> column, foundation;
        bool dead;
    };
    const Row rows[] = {
        {"aces up: the ace of spades up, the king still down",
         kAcesUp,
         {S(13), H(4)},
         {S(1)},
         true},
        {"aces up: the ace still down", kAcesUp, {S(13), S(1)}, {H(1)}, false},
        {"aces up: only aces left", kAcesUp, {S(1), H(1)}, {S(13), H(13)}, false},
        {"freecell builds up in suit, never dead", kFreeCell, {S(13)}, {S(1)}, false},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        s.table.ClearPiles();
        Put(s, TableauPile(0), row.column);
        Put(s, FoundationPile(0), row.foundation);
        SolverGuide guide(s);
        EXPECT_EQ(guide.IsDead(s), row.dead) << row.what;
    }
}

// A card that can never move (what it may be built on, and a lower card of its suit, lie under it
// or under cards waiting for it) blocks the game for good; a card with a way out does not.
TEST(SolverGuide, BlockedWhenACardCanGoNowhereBeforeTheCardsBeneathIt) {
    constexpr int kKlondike = 1;
    constexpr int kSecondDeck = kDeckSize;
    struct Row {
        const char* what;
        int game;
        std::initializer_list<int> down, up, elsewhere;
        bool blocked;
    };
    const Row rows[] = {
        {"a black four over both red fives and its ace",
         kKlondike,
         {D(5), S(1), H(5)},
         {S(4)},
         {},
         true},
        {"the same four face down under another card",
         kKlondike,
         {D(5), S(1), H(5), S(4)},
         {C(9)},
         {},
         true},
        {"a red five elsewhere takes it", kKlondike, {D(5), S(1)}, {S(4)}, {H(5)}, false},
        {"that five lies under a six waiting for the four and lying on both red sevens",
         kKlondike,
         {D(5), S(1)},
         {S(4)},
         {H(5), H(7), D(7), S(6)},
         true},
        {"its ace elsewhere: it may go up", kKlondike, {D(5), C(1), H(5)}, {S(4)}, {S(1)}, false},
        {"a king goes to an empty pile", kKlondike, {H(2), H(1)}, {H(13)}, {}, false},
        {"a four lying on a face-up five is lifted with it",
         kKlondike,
         {D(5), S(1)},
         {H(5), S(4)},
         {},
         false},
        {"freecell: a cell takes any card", kFreeCell, {D(5), S(1), H(5)}, {S(4)}, {}, false},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        s.table.ClearPiles();
        Put(s, TableauPile(0), row.down, false);
        for (const int c : row.up) s.table.Append(TableauPile(0), static_cast<Card>(c), true);
        Put(s, TableauPile(1), row.elsewhere, false);
        if (row.elsewhere.size() > 0) s.table.SetFaceUp(s.table.Top(TableauPile(1)), true);
        EXPECT_EQ(SolverGuide(s).IsBlocked(s), row.blocked) << row.what;
    }
    // Two decks: the other ace of spades may go up first, unless it lies beneath too.
    GameState twoDecks = Dealt(kKlondike);
    twoDecks.params[param::kCardCount] = 2 * kDeckSize;
    twoDecks.table.ClearPiles();
    Put(twoDecks, TableauPile(0), {D(5), H(5), D(5) + kSecondDeck, H(5) + kSecondDeck, S(1)},
        false);
    twoDecks.table.Append(TableauPile(0), static_cast<Card>(S(4)), true);
    EXPECT_FALSE(SolverGuide(twoDecks).IsBlocked(twoDecks));
    Put(twoDecks, TableauPile(0),
        {S(1) + kSecondDeck, D(5), H(5), D(5) + kSecondDeck, H(5) + kSecondDeck, S(1)}, false);
    twoDecks.table.Append(TableauPile(0), static_cast<Card>(S(4)), true);
    EXPECT_TRUE(SolverGuide(twoDecks).IsBlocked(twoDecks));
    // As dealt: number 12's four of spades lies on both red fives and the ace of spades.
    const GameState twelve = Dealt(kKlondike, "12");
    EXPECT_TRUE(SolverGuide(twelve).IsBlocked(twelve));
    const GameState one = Dealt(kKlondike);
    EXPECT_FALSE(SolverGuide(one).IsBlocked(one));
}

// A card taken back from a foundation must have a card dropped on it next, and a run moved off a
// card onto its twin must bare that card for its foundation; nothing else is asked of a move.
TEST(SolverGuide, MovesWorthMakingOnlyWithTheirFollowUp) {
    constexpr int kKlondike = 1;
    constexpr int kDoubleKlondike = 84;
    using Kind = FollowUp::Kind;
    struct Row {
        const char* what;
        int game;
        int heartsUp, spadesUp;
        std::initializer_list<int> down0, up0, down1, up1;
        Command command;
        Kind need;
    };
    const auto drop = [](int card, int n) {
        return Command{CommandKind::Drop, static_cast<Card>(card), TableauPile(n)};
    };
    const Row rows[] = {
        {"a five of hearts taken back for a black four face up",
         kKlondike,
         5,
         0,
         {},
         {S(6)},
         {},
         {C(4)},
         drop(H(5), 0),
         Kind::DropOnto},
        {"the fours face down or under the spades' top",
         kKlondike,
         5,
         5,
         {},
         {S(6)},
         {C(4)},
         {D(9)},
         drop(H(5), 0),
         Kind::Pointless},
        {"the four of spades on its foundation's top",
         kKlondike,
         5,
         4,
         {},
         {S(6)},
         {C(4)},
         {D(9)},
         drop(H(5), 0),
         Kind::DropOnto},
        {"freecell: a card taken back from a foundation",
         kFreeCell,
         5,
         0,
         {},
         {S(6)},
         {},
         {C(4)},
         drop(H(5), 0),
         Kind::Any},
        {"double klondike: it makes room for the other five of hearts",
         kDoubleKlondike,
         5,
         0,
         {},
         {S(6)},
         {},
         {C(4)},
         drop(H(5), 0),
         Kind::Any},
        {"a seven moved off the eight of hearts onto the eight of diamonds, hearts at seven",
         kKlondike,
         7,
         0,
         {},
         {H(8), S(7)},
         {},
         {D(8)},
         drop(S(7), 1),
         Kind::SendUp},
        {"the same with hearts at five",
         kKlondike,
         5,
         0,
         {},
         {H(8), S(7)},
         {},
         {D(8)},
         drop(S(7), 1),
         Kind::Pointless},
        {"the eight of hearts face down",
         kKlondike,
         5,
         0,
         {H(8)},
         {S(7)},
         {},
         {D(8)},
         drop(S(7), 1),
         Kind::Any},
        {"freecell: a run moved between twins",
         kFreeCell,
         5,
         0,
         {},
         {H(8), S(7)},
         {},
         {D(8)},
         drop(S(7), 1),
         Kind::Any},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        s.table.ClearPiles();
        for (int r = 1; r <= row.heartsUp; ++r)
            s.table.Append(FoundationPile(0), static_cast<Card>(H(r)), true);
        for (int r = 1; r <= row.spadesUp; ++r)
            s.table.Append(FoundationPile(1), static_cast<Card>(S(r)), true);
        Put(s, TableauPile(0), row.down0, false);
        for (const int c : row.up0) s.table.Append(TableauPile(0), static_cast<Card>(c), true);
        Put(s, TableauPile(1), row.down1, false);
        for (const int c : row.up1) s.table.Append(TableauPile(1), static_cast<Card>(c), true);
        SolverGuide guide(s);
        const FollowUp need = guide.Needs(s, row.command);
        EXPECT_EQ(need.kind, row.need) << row.what;
        if (need.kind == Kind::SendUp) {
            EXPECT_EQ(need.card, H(8)) << row.what;
        }
        if (need.kind == Kind::DropOnto) {
            EXPECT_EQ(need.pile, TableauPile(0)) << row.what;
        }
    }
    // Turning up a face-down top card is made without trying the others where the rules are
    // read, not in Spider, whose foundations take whole suits.
    for (const auto& [game, safe] : {std::pair{kKlondike, true}, std::pair{kSpider, false}}) {
        GameState s = Dealt(game);
        s.table.ClearPiles();
        Put(s, TableauPile(0), {H(9), S(3)}, false);
        SolverGuide guide(s);
        const Command flip{CommandKind::Flip, static_cast<Card>(S(3)), -1};
        EXPECT_EQ(guide.IsSafeFlip(s, flip), safe) << game;
        EXPECT_FALSE(guide.IsSafeFlip(s, Command{CommandKind::Flip, static_cast<Card>(H(9)), -1}));
    }
    // The follow-up is read off the position after it.
    GameState between = Dealt(kKlondike);
    between.table.ClearPiles();
    Put(between, TableauPile(0), {S(6), H(5)});
    Put(between, TableauPile(1), {C(4)});
    GameState after = between;
    Put(after, TableauPile(0), {S(6), H(5), C(4)});
    Put(after, TableauPile(1), {});
    const FollowUp onto{FollowUp::Kind::DropOnto, TableauPile(0), kNoCard};
    EXPECT_TRUE(onto.Admits(Command{CommandKind::Drop, static_cast<Card>(C(4)), TableauPile(0)}));
    EXPECT_FALSE(onto.Admits(Command{CommandKind::Drop, static_cast<Card>(C(4)), TableauPile(2)}));
    EXPECT_TRUE(onto.MetBy(between, after));
    EXPECT_FALSE(onto.MetBy(after, between));
    const FollowUp up{FollowUp::Kind::SendUp, -1, static_cast<Card>(C(4))};
    EXPECT_FALSE(up.MetBy(between, after));
    Put(after, TableauPile(0), {S(6), H(5)});
    after.table.Append(FoundationPile(2), static_cast<Card>(C(4)), true);
    EXPECT_TRUE(up.MetBy(between, after));
}

// Where a press deals one card and every card is reached, stock and waste key as the one
// sequence they deal in: a press changes nothing; the same cards in another order do.
TEST(SolverKey, StockAndWasteKeyAsOneCycle) {
    constexpr int kKlondike = 1;
    constexpr int kPressesBefore = 2; // the count of actions the rules read stops at two
    GameState s = Dealt(kKlondike);
    PileSymmetry cycle = SymmetryOf(s);
    cycle.stockCycle = true;
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    const Command press{CommandKind::Stock, kNoCard, -1};
    for (int k = 0; k < kPressesBefore; ++k) ASSERT_TRUE(PlayCommand(s, press, false, env));
    GameState pressed = s;
    ASSERT_TRUE(PlayCommand(pressed, press, false, env));
    EXPECT_EQ(PositionKey(s, cycle), PositionKey(pressed, cycle));
    EXPECT_NE(PositionKey(s, SymmetryOf(s)), PositionKey(pressed, SymmetryOf(s)));
    GameState swapped = s;
    const int size = swapped.table.Size(kStockPile);
    const Card top = swapped.table.EraseAt(kStockPile, size - 1);
    swapped.table.Insert(kStockPile, size - 2, top);
    EXPECT_NE(PositionKey(s, cycle), PositionKey(swapped, cycle));
}

// Piles cards only go onto key by their top card: what lies under it in another order is the same
// position; a different top card, or a pile a card can leave, is not.
TEST(SolverKey, DiscardPilesKeyByTheirTopCard) {
    struct Row {
        const char* what;
        int game;
        PileIndex pile;
        std::initializer_list<int> cards, reordered;
        bool sameKey;
    };
    const Row rows[] = {
        {"golf: the discards under the top",
         kGolf,
         kThirdPile,
         {S(3), H(9), C(5)},
         {H(9), S(3), C(5)},
         true},
        {"golf: another top card",
         kGolf,
         kThirdPile,
         {S(3), H(9), C(5)},
         {S(3), C(5), H(9)},
         false},
        {"freecell: a foundation's cards under its top",
         kFreeCell,
         FoundationPile(0),
         {H(1), H(2), H(3)},
         {H(2), H(1), H(3)},
         true},
        {"freecell: the waste is no discard pile",
         kFreeCell,
         kWastePile,
         {S(3), H(9), C(5)},
         {H(9), S(3), C(5)},
         false},
        {"simple pairs: the selection is no discard pile",
         kSimplePairs,
         FoundationPile(0),
         {S(3), H(9), C(5)},
         {H(9), S(3), C(5)},
         false},
    };
    for (const Row& row : rows) {
        GameState s = Dealt(row.game);
        s.table.ClearPiles();
        Put(s, row.pile, row.cards);
        GameState reordered = s;
        Put(reordered, row.pile, row.reordered);
        const bool same = PositionKey(s, SymmetryOf(s)) == PositionKey(reordered, SymmetryOf(s));
        EXPECT_EQ(same, row.sameKey) << row.what;
    }
}

// The guide remembers counts read from single piles between positions: a guide carried along
// random play scores every position as a new guide does.
TEST(SolverGuide, ScoresAsANewGuideAlongRandomPlayOfEveryGame) {
    constexpr int kNumbersPerGame = 2;
    constexpr int kStepsPerNumber = 40;
    std::vector<std::unique_ptr<SolverGuide>> carried; // one per style, as one per search
    test::ForRandomPositionsOfEveryGame(
        kNumbersPerGame, kStepsPerNumber, 5, [&](const test::RandomPosition& p) {
            if (p.step == 0) {
                carried.clear();
                for (int style = 0; style < kSearchStyles; ++style)
                    carried.push_back(std::make_unique<SolverGuide>(p.start, style));
            }
            for (int style = 0; style < kSearchStyles; ++style) {
                SolverGuide fresh(p.start, style);
                const int expected = fresh.Score(p.state);
                EXPECT_EQ(carried[static_cast<std::size_t>(style)]->Score(p.state), expected)
                    << p.where << " style " << style;
            }
        });
}

} // namespace
} // namespace tablamor
