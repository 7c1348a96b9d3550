#include "ui/open_game_dialog.h"

#include "records/preference_keys.h"

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
        for (auto [id, type, name] :
             {std::tuple{1, 5, "Klondike"}, {2, 4, "FreeCell"}, {3, 3, "Forty Thieves"}}) {
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
    // Alphabetical: Forty Thieves, FreeCell, Klondike; game 1 is selected first.
    EXPECT_EQ(dialog.SelectedNodePosition(), 3);
    dialog.Tree()->setCurrentItem(dialog.Tree()->topLevelItem(0)->child(1));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenGameId(), 2);
    EXPECT_TRUE(dialog.GameChanged());
    EXPECT_FALSE(dialog.PlayerChanged());
    EXPECT_EQ(prefs.ReadInt(pref::kPreferenceSection, pref::kGame, 0), 2);
    EXPECT_EQ(prefs.ReadString(pref::kPreferenceSection, pref::kGameName), "FreeCell");
    EXPECT_EQ(prefs.ReadInt(pref::kPreferenceSection, pref::kGameTreeNum, 0), 2);
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

} // namespace
} // namespace tablamor::ui
