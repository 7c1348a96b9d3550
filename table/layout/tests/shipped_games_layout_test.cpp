// Every shipped game on common window sizes, dealt: each pile the game uses has a place inside
// the table, and no two piles overlap, the fanned cards of the deal included.
//
// One exception: the pyramid and the peaks (tableau arrangements 054 and 055 with side-by-side
// fans) lay their rows half over one another by design, so their tableau piles may overlap each
// other, never another pile.
#include "engine/deal.h"
#include "engine/events.h"
#include "engine/game_number.h"
#include "engine/game_source.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "table/layout/arrangements.h"
#include "table/layout/fan_steps.h"
#include "table/layout/fit_to_window.h"
#include "table/layout/table_geometry.h"
#include "table/layout/table_layout.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace tablamor::layout {
namespace {

using namespace testing;

constexpr const char* kDealtNumber = "1";

std::vector<std::filesystem::path> GameSources() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games"))
        if (entry.path().extension() == ".game") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The rows of the pyramid lie half over one another.
bool TableauRowsOverlapByDesign(const GameParams& p) {
    const int arrangement = p[param::kTableauLayout];
    return (arrangement == tableau_arrangement::kSlanted ||
            arrangement == tableau_arrangement::kPeaks) &&
           FanStyleOf(p, PileKind::Tableau) == FanStyle::SideBySide;
}

// The area a pile's dealt cards cover (its bottom card's place when it is empty).
Rect DealtExtent(const TableGeometry& g, const Table& table, PileIndex pile) {
    Rect r = g.CardRect(pile, 0);
    int left = r.x, top = r.y, right = r.Right(), bottom = r.Bottom();
    for (int k = 1; k < table.Size(pile); ++k) {
        Rect c = g.CardRect(pile, k);
        left = std::min(left, c.x);
        top = std::min(top, c.y);
        right = std::max(right, c.Right());
        bottom = std::max(bottom, c.Bottom());
    }
    return {left, top, right - left, bottom - top};
}

// Whether a pile reaching below the table counts (a tall fan scrolls, so on a narrow screen only
// the width matters).
enum class Bottom { Counts, Scrolls };

// What is wrong with the dealt game's piles in one window: a pile without a place, one reaching
// outside the table, two overlapping. Empty when everything fits.
std::vector<std::string> LayoutFaults(const GameState& state, const LayoutInput& in,
                                      const SizedLayout& sized, Bottom bottom = Bottom::Counts) {
    std::vector<std::string> faults;
    const std::vector<PileIndex> piles = UsedPiles(state.params);
    const bool pyramid = TableauRowsOverlapByDesign(state.params);
    const PilePositions& positions = sized.positions;
    const TableGeometry g(positions, state.table, state.params, sized.steps, sized.card);
    std::vector<Rect> rects;
    for (PileIndex pile : piles) {
        if (!positions.Placed(pile)) {
            faults.push_back(PileName(pile) + " has no place");
            continue;
        }
        const Rect r = DealtExtent(g, state.table, pile);
        if (r.x < 0 || r.y < in.tableTop || r.Right() > in.windowWidth - in.scrollBarWidth)
            faults.push_back(PileName(pile) + " reaches outside the table");
        if (bottom == Bottom::Counts && r.Bottom() > in.tableBottom + 1)
            faults.push_back(PileName(pile) + " reaches below the table");
        rects.push_back(r);
        for (std::size_t other = 0; other + 1 < rects.size(); ++other) {
            const PileIndex otherPile = piles[other];
            if (pyramid && KindOfPile(pile) == PileKind::Tableau &&
                KindOfPile(otherPile) == PileKind::Tableau)
                continue;
            if (rects[other].OverlapArea(r) > 0)
                faults.push_back(PileName(otherPile) + " and " + PileName(pile) + " overlap");
        }
    }
    return faults;
}

std::vector<std::string> LayoutFaults(const GameState& state, const LayoutInput& in,
                                      CardSizeLetter size, Bottom bottom = Bottom::Counts) {
    const SizedLayout sized{CardSizeOf(size), ChooseFanSteps(size, state.params),
                            ComputeTableLayout(state.params, in)};
    return LayoutFaults(state, in, sized, bottom);
}

std::string Joined(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& fault : faults) text += fault + "; ";
    return text;
}

struct DealtGame {
    std::string file;
    GameState state;
};

std::vector<DealtGame> DealtGames() {
    std::vector<DealtGame> games;
    for (const auto& file : GameSources()) {
        const GameDefinition game = LoadGameSource(file);
        GameState state = NewGameState(game.params);
        if (DealGame(state, *GameNumber::Parse(kDealtNumber), NullEventSink()))
            games.push_back({file.filename().string(), state});
        else
            ADD_FAILURE() << file.filename() << " cannot be dealt";
    }
    return games;
}

struct Window {
    int width;
    int height;
    int tableHeight; // 0: the whole window below the toolbar
};

TEST(ShippedGames, EveryPilePlacedInsideTheTableWithoutOverlap) {
    // 800 x 600 also with the shorter table a real window leaves (title, menu and status bars).
    const Window windows[] = {{800, 600, 0}, {800, 600, 480}, {1024, 768, 0}};
    const std::vector<DealtGame> games = DealtGames();
    ASSERT_GE(games.size(), 40u);
    for (const DealtGame& game : games) {
        ASSERT_FALSE(UsedPiles(game.state.params).empty()) << game.file;
        for (const Window& window : windows) {
            for (CardSizeLetter size :
                 {CardSizeLetter::Big, CardSizeLetter::Medium, CardSizeLetter::Small}) {
                LayoutInput in = testing::Window(window.width, window.height, size);
                if (window.tableHeight > 0) in.tableBottom = in.tableTop + window.tableHeight;
                EXPECT_EQ(Joined(LayoutFaults(game.state, in, size)), "")
                    << game.file << " at " << window.width << "x" << window.height << " table "
                    << window.tableHeight << " size " << static_cast<char>(size);
            }
        }
    }
}

TEST(ShippedGames, FittedCardsFitEveryGameWithoutOverlap) {
    const Window windows[] = {{800, 600, 0}, {800, 600, 480}, {1024, 768, 0}, {1920, 1080, 0}};
    for (const DealtGame& game : DealtGames()) {
        for (const Window& window : windows) {
            LayoutInput in = testing::Window(window.width, window.height);
            if (window.tableHeight > 0) in.tableBottom = in.tableTop + window.tableHeight;
            const SizedLayout fitted = FitToWindow(game.state.params, in);
            EXPECT_EQ(Joined(LayoutFaults(game.state, in, fitted)), "")
                << game.file << " at " << window.width << "x" << window.height << " table "
                << window.tableHeight << " card " << fitted.card.width;
            // No pile touches the right edge: a gap there as on the left, up to 8 pixels.
            const TableGeometry g(fitted.positions, game.state.table, game.state.params,
                                  fitted.steps, fitted.card);
            int left = in.windowWidth, right = 0;
            for (PileIndex pile : UsedPiles(game.state.params)) {
                const Rect r = DealtExtent(g, game.state.table, pile);
                left = std::min(left, r.x);
                right = std::max(right, r.Right());
            }
            EXPECT_GE(in.windowWidth - in.scrollBarWidth - right, std::min(8, left))
                << game.file << " at " << window.width << "x" << window.height;
        }
    }
}

// The widest row of the peaks keeps a margin from both side edges at the fitted card size (it
// used to fill the window from edge to edge).
TEST(ShippedGames, FittedPeaksKeepAMarginOnBothSides) {
    constexpr int kLeastMargin = 10;
    const Window windows[] = {{800, 600, 0}, {1024, 768, 0}, {1920, 1080, 0}};
    for (const DealtGame& game : DealtGames()) {
        const GameParams& p = game.state.params;
        if (p[param::kTableauLayout] != tableau_arrangement::kPeaks) continue;
        const PileIndex lastRow = TableauPile(p[param::kTableauCount] - 1);
        for (const Window& window : windows) {
            const LayoutInput in = testing::Window(window.width, window.height);
            const SizedLayout fitted = FitToWindow(p, in);
            const TableGeometry g(fitted.positions, game.state.table, p, fitted.steps, fitted.card);
            const Rect row = DealtExtent(g, game.state.table, lastRow);
            EXPECT_GE(row.x, kLeastMargin) << game.file << " at " << window.width;
            EXPECT_GE(in.windowWidth - in.scrollBarWidth - row.Right(), kLeastMargin)
                << game.file << " at " << window.width;
        }
    }
}

// At the big card's width the scaled layout is the big card's layout, on every game and window.
TEST(ShippedGames, ScaledLayoutAtTheBigWidthIsTheBigLayout) {
    const Window windows[] = {{640, 480, 0}, {800, 600, 480}, {1024, 768, 0}, {1920, 1080, 0}};
    for (const DealtGame& game : DealtGames()) {
        for (const Window& window : windows) {
            LayoutInput in = testing::Window(window.width, window.height);
            if (window.tableHeight > 0) in.tableBottom = in.tableTop + window.tableHeight;
            const SizedLayout scaled = LayOutForCardWidth(game.state.params, in, 71);
            EXPECT_EQ(scaled.positions, ComputeTableLayout(game.state.params, in))
                << game.file << " at " << window.width << "x" << window.height;
            EXPECT_EQ(scaled.steps, ChooseFanSteps(CardSizeLetter::Big, game.state.params));
            EXPECT_EQ(scaled.card, CardSizeOf(CardSizeLetter::Big));
        }
    }
}

// On a 640 x 480 screen a game whose piles do not fit side by side with big cards asks for the
// medium cards narrow screens get, and only such a game; the medium cards make it no worse.
TEST(ShippedGames, NarrowScreensGetMediumCardsExactlyWhereBigOnesDoNotFit) {
    auto narrowFaults = [](const GameState& state, CardSizeLetter size) {
        return LayoutFaults(state, testing::Window(640, 480, size), size, Bottom::Scrolls);
    };
    for (const DealtGame& game : DealtGames()) {
        const auto big = narrowFaults(game.state, CardSizeLetter::Big);
        const bool asksForMedium = game.state.params[param::kNarrowScreenMedium] == 1;
        EXPECT_EQ(asksForMedium, !big.empty()) << game.file << ": " << Joined(big);
        if (!asksForMedium) continue;
        EXPECT_LE(narrowFaults(game.state, CardSizeLetter::Medium).size(), big.size()) << game.file;
    }
}

} // namespace
} // namespace tablamor::layout
