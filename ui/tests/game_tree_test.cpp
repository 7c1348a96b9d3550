#include "ui/game_tree.h"

#include <gtest/gtest.h>

namespace tablamor::ui {
namespace {

TEST(GameTree, SortedWithoutCaseAndUnknownFamiliesLeftOut) {
    std::vector<GameListEntry> list = {
        {5, 1, "klondike"}, {4, 2, "FreeCell"}, {99, 3, "Hidden family"},
        {5, 4, "Klondike"}, {3, 5, "Alpha"},
    };
    auto nodes = BuildGameTree(list);
    ASSERT_EQ(nodes.size(), 5u);
    EXPECT_TRUE(nodes[0].IsFolder());
    EXPECT_EQ(nodes[0].text, kRootFolderText);
    std::vector<int> ids;
    for (std::size_t i = 1; i < nodes.size(); ++i) ids.push_back(nodes[i].number);
    // equal names without case: type then id decide
    EXPECT_EQ(ids, (std::vector<int>{5, 2, 1, 4}));
    EXPECT_EQ(nodes[1].picture, FamilyOfType(3)->picture);
}

TEST(GameTree, InitialSelection) {
    auto nodes = BuildGameTree({{5, 7, "B"}, {5, 1, "A"}, {4, 9, "C"}});
    EXPECT_EQ(InitialTreeNode(nodes, 3), 3);
    EXPECT_EQ(InitialTreeNode(nodes, 4), 1); // beyond the nodes: game 1
    EXPECT_EQ(InitialTreeNode(nodes, -1), 1);
    auto without = BuildGameTree({{5, 7, "B"}, {4, 9, "C"}});
    EXPECT_EQ(InitialTreeNode(without, 12), 1);
    EXPECT_EQ(InitialTreeNode(BuildGameTree({}), -1), 0);
}

TEST(GameTree, PanelTexts) {
    // order: time, difficulty, chance class, about, out of, cards, passes
    GamePanel a = DescribeGame({2, 1, 3, 0, 0, 104, -1});
    EXPECT_EQ(a.decks, "2");
    EXPECT_EQ(a.time, "Quick");
    EXPECT_EQ(a.timePicture, "PROG_TIME_QUICK");
    EXPECT_EQ(a.difficulty, "Medium");
    EXPECT_EQ(a.chance, "Low");
    EXPECT_EQ(a.redeals, "Unlimited");
    GamePanel b = DescribeGame({0, 0, 1, 1, 3, 52, 1});
    EXPECT_EQ(b.chance, "High (about 1 in 3)");
    EXPECT_EQ(b.redeals, "0");
    EXPECT_EQ(DescribeGame({0, 0, 0, 0, 0, 52, 0}).redeals, "0");
    EXPECT_EQ(DescribeGame({0, 0, 0, 0, 0, 52, 3}).redeals, "2");
    EXPECT_EQ(DescribeGame({7, -99, 9, 0, 0, 52, 0}).difficulty, "");
    EXPECT_EQ(PreviewResourceName(12), "GAME0012");
}

} // namespace
} // namespace tablamor::ui
