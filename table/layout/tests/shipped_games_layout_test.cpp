// Every shipped game on common window sizes, dealt: each pile the game uses has a place inside
// the table, and no two piles overlap, the fanned cards of the deal included.
//
// One exception: the pyramid (tableau arrangement 054 with side-by-side fans) lays its rows half
// over one another by design, so its tableau piles may overlap each other, never another pile.
#include "engine/deal.h"
#include "engine/events.h"
#include "engine/game_number.h"
#include "engine/game_source.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "table/layout/arrangements.h"
#include "table/layout/fan_steps.h"
#include "table/layout/table_geometry.h"
#include "table/layout/table_layout.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
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

GameDefinition LoadSource(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return ParseGameSource(text.str(), path.string());
}

// The piles the game puts on the table.
std::vector<PileIndex> UsedPiles(const GameParams& p) {
    std::vector<PileIndex> piles;
    if (p[param::kStockPlaced] == 1) piles.push_back(kStockPile);
    if (p[param::kWastePlaced] == 1) piles.push_back(kWastePile);
    if (p[param::kThirdPilePlaced] > 0) piles.push_back(kThirdPile);
    for (int i = 0; i < p[param::kFoundationCount]; ++i) piles.push_back(FoundationPile(i));
    for (int i = 0; i < p[param::kTableauCount]; ++i) piles.push_back(TableauPile(i));
    for (int i = 0; i < p[param::kReserveCount]; ++i) piles.push_back(ReservePile(i));
    return piles;
}

// The rows of the pyramid lie half over one another.
bool TableauRowsOverlapByDesign(const GameParams& p) {
    return p[param::kTableauLayout] == tableau_arrangement::kSlanted &&
           p[param::kTableauFan] == fan::kSideBySide;
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

struct Window {
    int width;
    int height;
    int tableHeight; // 0: the whole window below the toolbar
};

TEST(ShippedGames, EveryPilePlacedInsideTheTableWithoutOverlap) {
    // 800 x 600 also with the shorter table a real window leaves (title, menu and status bars).
    const Window windows[] = {{800, 600, 0}, {800, 600, 480}, {1024, 768, 0}};
    const std::vector<std::filesystem::path> files = GameSources();
    ASSERT_GE(files.size(), 40u);
    using enum CardSizeLetter;
    for (const auto& file : files) {
        const GameDefinition game = LoadSource(file);
        GameState state = NewGameState(game.params);
        ASSERT_TRUE(DealGame(state, *GameNumber::Parse(kDealtNumber), NullEventSink()))
            << file.filename();
        const std::vector<PileIndex> piles = UsedPiles(state.params);
        ASSERT_FALSE(piles.empty()) << file.filename();
        const bool pyramid = TableauRowsOverlapByDesign(state.params);
        for (const Window& window : windows) {
            for (CardSizeLetter size : {Big, Medium, Small}) {
                SCOPED_TRACE(::testing::Message()
                             << file.filename() << " at " << window.width << "x" << window.height
                             << " table " << window.tableHeight << " size "
                             << static_cast<char>(size));
                LayoutInput in = testing::Window(window.width, window.height, size);
                if (window.tableHeight > 0) in.tableBottom = in.tableTop + window.tableHeight;
                const PilePositions positions = ComputeTableLayout(state.params, in);
                const TableGeometry g(positions, state.table, state.params,
                                      ChooseFanSteps(size, state.params), CardSizeOf(size));
                std::vector<Rect> rects;
                for (PileIndex pile : piles) {
                    ASSERT_TRUE(positions.Placed(pile)) << PileName(pile);
                    const Rect r = DealtExtent(g, state.table, pile);
                    EXPECT_GE(r.x, 0) << PileName(pile);
                    EXPECT_GE(r.y, in.tableTop) << PileName(pile);
                    EXPECT_LE(r.Right(), in.windowWidth - in.scrollBarWidth) << PileName(pile);
                    EXPECT_LE(r.Bottom(), in.tableBottom + 1) << PileName(pile);
                    rects.push_back(r);
                }
                for (std::size_t a = 0; a < rects.size(); ++a)
                    for (std::size_t b = a + 1; b < rects.size(); ++b) {
                        if (pyramid && KindOfPile(piles[a]) == PileKind::Tableau &&
                            KindOfPile(piles[b]) == PileKind::Tableau)
                            continue;
                        EXPECT_EQ(rects[a].OverlapArea(rects[b]), 0)
                            << PileName(piles[a]) << " and " << PileName(piles[b]);
                    }
            }
        }
    }
}

} // namespace
} // namespace tablamor::layout
