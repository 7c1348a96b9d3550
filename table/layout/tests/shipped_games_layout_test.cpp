// The shipped games on common window sizes: every pile a game uses has a place, inside the table,
// and no two piles' bottom cards overlap.
#include "engine/game_source.h"
#include "engine/geometry.h"
#include "table/layout/table_layout.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace tablamor::layout {
namespace {

using namespace testing;

GameDefinition LoadSource(const char* file) {
    std::filesystem::path path = std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games" / file;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return ParseGameSource(text.str(), path.string());
}

// The piles the game's rules use.
std::vector<PileIndex> UsedPiles(const GameParams& p) {
    std::vector<PileIndex> piles;
    if (p[param::kStockPlaced] == 1) piles.push_back(kStockPile);
    if (p[param::kWastePlaced] == 1) piles.push_back(kWastePile);
    for (int i = 0; i < p[param::kFoundationCount]; ++i) piles.push_back(FoundationPile(i));
    for (int i = 0; i < p[param::kTableauCount]; ++i) piles.push_back(TableauPile(i));
    for (int i = 0; i < p[param::kReserveCount]; ++i) piles.push_back(ReservePile(i));
    return piles;
}

TEST(ShippedGames, EveryPilePlacedInsideTheTableWithoutOverlap) {
    const char* files[] = {"0001-klondike.game", "0002-freecell.game", "0003-forty-thieves.game"};
    const std::pair<int, int> windows[] = {{800, 600}, {1024, 768}};
    using enum CardSizeLetter;
    for (const char* file : files) {
        GameDefinition game = LoadSource(file);
        for (auto [width, height] : windows) {
            for (CardSizeLetter size : {Big, Medium, Small}) {
                SCOPED_TRACE(::testing::Message() << file << " at " << width << "x" << height
                                                  << " size " << static_cast<char>(size));
                LayoutInput in = Window(width, height, size);
                PilePositions positions = ComputeTableLayout(game.params, in);
                CardSize card = CardSizeOf(size);
                std::vector<PileIndex> piles = UsedPiles(game.params);
                ASSERT_FALSE(piles.empty());
                std::vector<Rect> rects;
                for (PileIndex pile : piles) {
                    ASSERT_TRUE(positions.Placed(pile)) << PileName(pile);
                    Rect r{positions.X(pile), positions.Y(pile), card.width, card.height};
                    EXPECT_GE(r.x, 0) << PileName(pile);
                    EXPECT_GE(r.y, in.tableTop) << PileName(pile);
                    EXPECT_LE(r.Right(), in.windowWidth - in.scrollBarWidth) << PileName(pile);
                    EXPECT_LE(r.Bottom(), in.tableBottom + 1) << PileName(pile);
                    rects.push_back(r);
                }
                for (std::size_t a = 0; a < rects.size(); ++a)
                    for (std::size_t b = a + 1; b < rects.size(); ++b)
                        EXPECT_EQ(rects[a].OverlapArea(rects[b]), 0)
                            << PileName(piles[a]) << " and " << PileName(piles[b]);
            }
        }
    }
}

} // namespace
} // namespace tablamor::layout
