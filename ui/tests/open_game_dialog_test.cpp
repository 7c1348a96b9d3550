#include "ui/open_game_dialog.h"

#include "records/favorites.h"
#include "records/preference_keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace tablamor::ui {
namespace {

class OpenGameDialogTest : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tablamor-open-" + std::to_string(::getpid()));
    GameFile games = GameFile::Parse(WriteGameFile([] {
        std::vector<GameDefinition> list;
        for (auto [id, type, name] : {std::tuple{1, 5, "Klondike"},
                                      {2, 4, "FreeCell"},
                                      {3, 3, "Forty Thieves"},
                                      {4, 4, "Eight Off"}}) {
            GameDefinition g;
            g.id = id;
            g.type = type;
            g.name = name;
            g.params[param::kCardCount] = 52;
            list.push_back(g);
        }
        return list;
    }()));
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(OpenGameDialogTest, OkStoresTheChoice) {
    IniFile prefs(dir / "CFG.DAT");
    Settings settings;
    settings.SetGameId(1);
    settings.SetPlayer("Ann");
    OpenGameDialog dialog(games, prefs, settings);
    dialog.PrepareToShow();
    // Alphabetical: Eight Off, Forty Thieves, FreeCell, Klondike; game 1 is selected first.
    EXPECT_EQ(dialog.SelectedNodePosition(), 4);
    dialog.Tree()->setCurrentItem(dialog.Tree()->topLevelItem(0)->child(2));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenGameId(), 2);
    EXPECT_TRUE(dialog.GameChanged());
    EXPECT_FALSE(dialog.PlayerChanged());
    EXPECT_EQ(prefs.ReadInt(pref::kPreferenceSection, pref::kGame, 0), 2);
    EXPECT_EQ(prefs.ReadString(pref::kPreferenceSection, pref::kGameName), "FreeCell");
    EXPECT_EQ(prefs.ReadInt(pref::kPreferenceSection, pref::kGameTreeNum, 0), 3);
    EXPECT_EQ(prefs.ReadString(pref::kPreferenceSection, pref::kOpenPreviewGame), "Y");
}

TEST_F(OpenGameDialogTest, StoredNodeIsSelectedAndCancelWritesNothing) {
    IniFile prefs(dir / "CFG.DAT");
    ASSERT_TRUE(prefs.WriteInt(pref::kPreferenceSection, pref::kGameTreeNum, 1));
    Settings settings;
    OpenGameDialog dialog(games, prefs, settings);
    dialog.PrepareToShow();
    EXPECT_EQ(dialog.SelectedNodePosition(), 1);
    dialog.reject();
    EXPECT_EQ(prefs.ReadInt(pref::kPreferenceSection, pref::kGame, -1), -1);
}

// Moving the selection between the folder and the games never moves the buttons.
TEST_F(OpenGameDialogTest, SizeStaysAsTheSelectionMoves) {
    IniFile prefs(dir / "CFG.DAT");
    Settings settings;
    OpenGameDialog dialog(games, prefs, settings);
    dialog.PrepareToShow();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTreeWidgetItem* root = dialog.Tree()->topLevelItem(0);
    auto* ok = dialog.findChild<QPushButton*>("btnOK");
    ASSERT_NE(ok, nullptr);
    QSize size;
    QPoint okAt;
    for (QTreeWidgetItem* item : {root, root->child(0), root, root->child(2), root->child(1)}) {
        dialog.Tree()->setCurrentItem(item);
        QApplication::processEvents();
        if (size.isEmpty()) {
            size = dialog.size();
            okAt = ok->pos();
            continue;
        }
        EXPECT_EQ(dialog.size(), size) << item->text(0).toStdString();
        EXPECT_EQ(ok->pos(), okAt) << item->text(0).toStdString();
    }
}

// The names a folder shows, in its order.
QStringList ShownGames(QTreeWidgetItem* folder) {
    QStringList names;
    for (int k = 0; folder && k < folder->childCount(); ++k)
        if (!folder->child(k)->isHidden()) names << folder->child(k)->text(0);
    return names;
}

// The search field keeps the games whose name or family holds every word typed, in both
// folders and in the tree's order; the selection stays on a game still shown, else moves to the
// first game whose name holds the words, else to the first game shown, else to the folder.
TEST_F(OpenGameDialogTest, SearchFiltersAsOneTypes) {
    IniFile prefs(dir / "CFG.DAT");
    ASSERT_TRUE(WriteFavorites(prefs, {1}));
    Settings settings;
    settings.SetGameId(1);
    OpenGameDialog dialog(games, prefs, settings);
    dialog.PrepareToShow();
    QTreeWidgetItem* favorites = dialog.Tree()->topLevelItem(0);
    QTreeWidgetItem* all = dialog.Tree()->topLevelItem(1);
    ASSERT_EQ(ShownGames(all).size(), 4);
    struct Row {
        const char* typed;
        QStringList favorites;
        QStringList all;
        const char* selected; // empty: a folder
    };
    const Row rows[] = {
        {"kl", {"Klondike"}, {"Klondike"}, "Klondike"},
        {"F", {}, {"Eight Off", "Forty Thieves", "FreeCell"}, "Eight Off"},
        {"forty", {}, {"Forty Thieves"}, "Forty Thieves"},
        {"  THIEVES type ", {}, {"Forty Thieves"}, "Forty Thieves"},
        {"freecell", {}, {"Eight Off", "FreeCell"}, "FreeCell"}, // the name before the family
        {"freecell type", {}, {"Eight Off", "FreeCell"}, "FreeCell"},
        {"klondike type", {"Klondike"}, {"Klondike"}, "Klondike"},
        {"spider", {}, {}, ""},
        {"", {"Klondike"}, {"Eight Off", "Forty Thieves", "FreeCell", "Klondike"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        dialog.SearchField()->clear();
        QTest::keyClicks(dialog.SearchField(), row.typed);
        EXPECT_EQ(ShownGames(favorites), row.favorites);
        EXPECT_EQ(ShownGames(all), row.all);
        EXPECT_EQ(dialog.Tree()->currentItem()->text(0).toStdString(),
                  *row.selected ? row.selected : kRootFolderText);
    }
    // The arrow keys typed in the search field move among the games shown.
    QTest::keyClicks(dialog.SearchField(), "f");
    EXPECT_EQ(dialog.Tree()->currentItem()->text(0).toStdString(), "Eight Off");
    QTest::keyClick(dialog.SearchField(), Qt::Key_Down);
    EXPECT_EQ(dialog.Tree()->currentItem()->text(0).toStdString(), "Forty Thieves");
    // A game chosen from the filtered tree opens as any other.
    dialog.SearchField()->clear();
    QTest::keyClicks(dialog.SearchField(), "cell");
    dialog.accept();
    EXPECT_EQ(dialog.ChosenGameId(), 2);
}

} // namespace
} // namespace tablamor::ui
