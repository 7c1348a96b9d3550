// Decks of fewer suits: the face each physical card shows, and every rule that reads a suit or a
// colour (builds, runs, the complete-suit move) judging those faces.
#include "engine/definition_check.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

#include <array>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

constexpr std::array<int, 3> kDecks = {kFourSuits, kSpadesOnly, kSpadesAndHearts};

// One expectation per deck, in the order of kDecks.
using PerDeck = std::array<bool, kDecks.size()>;

TEST(DeckSuits, FaceOfEachPhysicalCard) {
    const struct Row {
        int card;
        std::array<int, kDecks.size()> face;
    } rows[] = {
        {H(5), {H(5), S(5), H(5)}},
        {D(5), {D(5), S(5), H(5)}},
        {C(11), {C(11), S(11), S(11)}},
        {S(13), {S(13), S(13), S(13)}},
        {Second(D(1)), {Second(D(1)), S(1), H(1)}},
        {Second(C(7)), {Second(C(7)), S(7), S(7)}},
        {kNoCard, {kNoCard, kNoCard, kNoCard}},
        {-1, {-1, -1, -1}},
        {kMaxCards + 1, {kMaxCards + 1, kMaxCards + 1, kMaxCards + 1}},
    };
    for (const Row& row : rows)
        for (std::size_t d = 0; d < kDecks.size(); ++d)
            EXPECT_EQ(FaceCode(row.card, kDecks[d]), row.face[d])
                << "card " << row.card << ", deck " << kDecks[d];
    // A value the compiler refuses still deals the usual four suits.
    EXPECT_EQ(FaceCode(D(5), 3), D(5));
}

TEST(DeckSuits, CompilerRefusesADeckNoCardCanShow) {
    GameDefinition g;
    g.id = 77;
    g.name = "Test";
    g.params[param::kCardCount] = kMaxCards;
    for (int suits : kDecks) {
        g.params[param::kDeckSuits] = static_cast<std::int16_t>(suits);
        EXPECT_EQ(DefinitionFault(g), "") << suits;
    }
    for (int suits : {3, 4, -1}) {
        g.params[param::kDeckSuits] = static_cast<std::int16_t>(suits);
        EXPECT_NE(DefinitionFault(g).find("Test (id 77): DeckSuits is " + std::to_string(suits)),
                  std::string::npos)
            << suits;
    }
}

// Two tableau piles building down by `rule` onto any card, runs checked by `runCheck`, and
// complete suits going up onto four foundations.
GameState SpiderLike(int deckSuits, int rule, int runCheck) {
    GameState s = MakeGame({{param::kDeckSuits, deckSuits},
                            {param::kTableauCount, 2},
                            {param::kFoundationCount, 4},
                            {param::kFoundationCapacity, 13},
                            {param::kTableauRunCheck, runCheck},
                            {param::kRunSize, kRunAny}});
    SetRange(s, param::kTableauRule, 2, rule);
    SetRange(s, param::kTableauDirection, 2, kDown);
    SetRange(s, param::kTableauEmptyFill, 2, kBaseAnyCard);
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, kUp);
    SetRange(s, param::kFoundationRule, 4, kCompleteSuit);
    return s;
}

TEST(DeckSuits, BuildsJudgeTheFaces) {
    const struct Row {
        const char* name;
        int rule;
        int top, card;
        PerDeck expected;
    } rows[] = {
        {"same suit: heart on club", kSameSuit, C(10), H(9), {false, true, false}},
        {"same suit: diamond on heart", kSameSuit, H(10), D(9), {false, true, true}},
        {"same suit: second-deck club on spade",
         kSameSuit,
         S(10),
         Second(C(9)),
         {false, true, true}},
        {"alternate colours: heart on spade", kAlternateColour, S(10), H(9), {true, false, true}},
        {"same colour: club on spade", kSameColour, S(10), C(9), {true, true, true}},
        {"not the same suit: diamond on heart", kNotSameSuit, H(10), D(9), {true, false, false}},
        {"rank still counts", kSameSuit, S(10), Second(S(8)), {false, false, false}},
    };
    for (const Row& row : rows)
        for (std::size_t d = 0; d < kDecks.size(); ++d) {
            GameState s = SpiderLike(kDecks[d], row.rule, kRunCheckSameSuit);
            Put(s, TableauPile(0), {row.top});
            Put(s, TableauPile(1), {row.card});
            RecordingSink sink;
            EXPECT_EQ(CanPlaceOnTableau(s, 0, MoveContext::Alone(row.card), sink), row.expected[d])
                << row.name << ", deck " << kDecks[d];
        }
}

TEST(DeckSuits, SameSuitRunsOfMixedPhysicalCards) {
    const struct Row {
        const char* name;
        std::vector<int> pile;
        PerDeck expected;
    } rows[] = {
        {"spade, club, spade of both decks",
         {S(10), Second(C(9)), Second(S(8))},
         {false, true, true}},
        {"spade, club, heart", {S(10), Second(C(9)), H(8)}, {false, true, false}},
        {"heart, diamond, heart", {H(10), D(9), Second(H(8))}, {false, true, true}},
        {"true spades", {S(10), S(9), Second(S(8))}, {true, true, true}},
    };
    for (const Row& row : rows)
        for (std::size_t d = 0; d < kDecks.size(); ++d) {
            GameState s = SpiderLike(kDecks[d], kAnySuit, kRunCheckSameSuit);
            for (int card : row.pile) s.table.Append(TableauPile(1), static_cast<Card>(card), true);
            RecordingSink sink;
            EXPECT_EQ(IsBuiltRun(s, row.pile.front(), 1, sink), row.expected[d])
                << row.name << ", deck " << kDecks[d];
        }
}

TEST(DeckSuits, CompleteSuitOfMixedPhysicalCards) {
    // King to ace on column 1 above a face-down card; every card's suit picked per rank.
    const auto run = [](auto suitOf) {
        std::vector<int> cards;
        for (int rank = kKing; rank >= kAce; --rank) cards.push_back(suitOf(rank));
        return cards;
    };
    const struct Row {
        const char* name;
        std::vector<int> cards;
        PerDeck expected;
    } rows[] = {
        {"one true suit", run([](int r) { return S(r); }), {true, true, true}},
        {"black cards of both decks",
         run([](int r) { return r % 2 ? C(r) : Second(S(r)); }),
         {false, true, true}},
        {"red cards of both decks",
         run([](int r) { return r % 3 ? Second(D(r)) : H(r); }),
         {false, true, true}},
        {"a red queen among black cards",
         run([](int r) { return r == kQueen ? H(r) : S(r); }),
         {false, true, false}},
        {"any cards king to ace",
         run([](int r) { return r % 4 ? D(r) : C(r); }),
         {false, true, false}},
    };
    for (const Row& row : rows)
        for (std::size_t d = 0; d < kDecks.size(); ++d) {
            GameState s = SpiderLike(kDecks[d], kAnySuit, kRunCheckSameSuit);
            s.table.Append(TableauPile(0), static_cast<Card>(Second(H(4))), false);
            for (int card : row.cards)
                s.table.Append(TableauPile(0), static_cast<Card>(card), true);
            const std::string where = std::string(row.name) + ", deck " + std::to_string(kDecks[d]);
            EXPECT_EQ(IsCompleteSuit(s, row.cards.front()), row.expected[d]) << where;
            RecordingSink sink;
            const MoveContext wholeSuit{static_cast<Card>(row.cards.front()),
                                        static_cast<Card>(row.cards.back()), false};
            EXPECT_EQ(CanPlaceOnFoundation(s, 2, wholeSuit, sink), row.expected[d]) << where;
            EXPECT_EQ(CompleteSuitUnder(s, row.cards.back()),
                      row.expected[d] ? row.cards.front() : kNoCard)
                << where;
        }
}

} // namespace
} // namespace tablamor
