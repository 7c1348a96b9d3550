// The windows over the records: statistics and hi-scores read back what finished games wrote,
// "Reset" asks first; the players, favorites and tip windows keep their choices in the
// preferences.
#include "modal_answer.h"

#include "records/favorites.h"
#include "records/finished_game.h"
#include "records/players.h"
#include "ui/favorites_dialog.h"
#include "ui/hi_scores_window.h"
#include "ui/players_dialog.h"
#include "ui/statistics_window.h"
#include "ui/tip_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;

class RecordWindows : public ::testing::Test {
protected:
    std::filesystem::path dir;
    const std::vector<StatisticsGame> games = {{1, "Klondike"}, {2, "FreeCell"}};

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tablamor-records-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Finish(int gameId, const char* player, bool won, int score, int seconds,
                bool hinted = false) {
        FinishedGame g;
        g.dataDir = dir;
        g.gameId = gameId;
        g.gameName = gameId == 1 ? "Klondike" : "FreeCell";
        g.gameNumber = "0000000000042";
        g.cardCount = 52;
        g.won = won;
        g.score = score;
        g.hinted = hinted;
        g.seconds = seconds;
        g.player = player;
        g.end = Timestamp{2026, 1, 2, 3, 4, 5};
        SilentMessages quiet;
        RecordFinishedGame(g, quiet);
    }
    static QString Cell(QTableWidget* table, int row, int column) {
        return table->item(row, column) ? table->item(row, column)->text() : QString();
    }
};

TEST_F(RecordWindows, StatisticsRowsFromTheFinishedGames) {
    Finish(1, "Ann", true, 60, 100);
    Finish(1, "Ann", false, 10, 300);
    Finish(1, "Ann", true, 80, 80);
    Finish(2, "Bob", false, 5, 50);
    SilentMessages quiet;
    const auto rows = CollectStatistics(dir, games, {"Ann", "Bob"}, {}, quiet);
    ASSERT_EQ(rows.size(), 2u);
    const StatisticsRow& ann = rows[0];
    EXPECT_EQ(ann.player, "Ann");
    EXPECT_EQ(ann.Played(), 3);
    EXPECT_EQ(ann.stats.won, 2);
    EXPECT_EQ(ann.SharePercent(), 66);
    EXPECT_EQ(ann.stats.winningStreak, 1);
    EXPECT_EQ(ann.bestSeconds, 80) << "the best time counts won games only";
    EXPECT_EQ(ann.averageSeconds, 160);
    EXPECT_EQ(ann.bestScore, 80);
    EXPECT_EQ(rows[1].bestSeconds, std::nullopt) << "Bob never won";
    EXPECT_EQ(CollectStatistics(dir, games, {"Ann", "Bob"}, {2, std::nullopt}, quiet).size(), 1u);
    EXPECT_EQ(CollectStatistics(dir, games, {"Ann", "Bob"}, {std::nullopt, "Ann"}, quiet).size(),
              1u);
    EXPECT_EQ(FormatSeconds(3725), "1:02:05");
    EXPECT_EQ(FormatSeconds(65), "1:05");
}

TEST_F(RecordWindows, StatisticsWindowFiltersAndResetAsksFirst) {
    Finish(1, "Ann", true, 60, 100, true);
    Finish(2, "Ann", false, 5, 50);
    StatisticsWindow window(dir, games, {"Ann"}, {1, std::nullopt});
    ASSERT_EQ(window.Table()->rowCount(), 1);
    EXPECT_EQ(Cell(window.Table(), 0, 0), "Klondike");
    EXPECT_EQ(Cell(window.Table(), 0, 2), "1");
    EXPECT_EQ(Cell(window.Table(), 0, 5), "1") << "hinted";
    EXPECT_EQ(Cell(window.Table(), 0, 8), "1:40");
    window.GameFilter()->setCurrentIndex(0); // all games
    EXPECT_EQ(window.Table()->rowCount(), 2);
    {
        ModalAnswer cancel(Click(QMessageBox::Cancel));
        window.ResetButton()->click();
        EXPECT_EQ(cancel.seen, 1);
    }
    EXPECT_EQ(Cell(window.Table(), 0, 2), "1") << "Cancel keeps the records";
    {
        ModalAnswer ok(Click(QMessageBox::Ok));
        window.ResetButton()->click();
        EXPECT_EQ(ok.seen, 1);
    }
    EXPECT_EQ(Cell(window.Table(), 0, 2), "0");
    EXPECT_EQ(Cell(window.Table(), 1, 2), "0");
}

TEST_F(RecordWindows, HiScoresWindowListsTheTableOfTheChosenGame) {
    Finish(1, "Ann", true, 300, 125);
    HiScoresWindow window(dir, games, 1);
    ASSERT_GT(window.Table()->rowCount(), 0);
    EXPECT_EQ(Cell(window.Table(), 0, 0), "300");
    EXPECT_EQ(Cell(window.Table(), 0, 1), "Ann");
    EXPECT_EQ(Cell(window.Table(), 0, 2), "2026-01-02 03:04:05");
    EXPECT_EQ(Cell(window.Table(), 0, 3), "2:05");
    window.GameChoice()->setCurrentIndex(1);
    EXPECT_EQ(window.Table()->rowCount(), 0) << "no table yet for FreeCell";
}

TEST_F(RecordWindows, PlayersAreAddedRenamedAndChosen) {
    IniFile config(dir / "CFG.DAT");
    ASSERT_EQ(AddPlayer(config, "Ann"), PlayerChange::Done);
    PlayersDialog dialog(config, "Ann");
    std::vector<QString> answers = {"Bob", "  ", "Anna"};
    dialog.SetAskName([&](const QString&, const QString&) -> std::optional<QString> {
        QString next = answers.front();
        answers.erase(answers.begin());
        return next;
    });
    dialog.AddPlayer();
    EXPECT_EQ(dialog.List()->count(), 2);
    {
        ModalAnswer refused(Click(QMessageBox::Ok));
        dialog.AddPlayer(); // blanks only
        EXPECT_EQ(refused.seen, 1) << "the refusal is explained";
    }
    dialog.List()->setCurrentRow(0);
    dialog.RenamePlayer();
    EXPECT_EQ(dialog.Chosen(), "Anna") << "the current player follows the rename";
    dialog.List()->setCurrentRow(1);
    dialog.ChooseSelected();
    EXPECT_EQ(dialog.Chosen(), "Bob");
    EXPECT_EQ(PlayerNames(config), (std::vector<std::string>{"Anna", "Bob"}));
}

TEST_F(RecordWindows, FavoritesAreTickedAndKept) {
    IniFile config(dir / "CFG.DAT");
    ASSERT_TRUE(WriteFavorites(config, {2}));
    FavoritesDialog dialog(games, config);
    ASSERT_EQ(dialog.List()->count(), 2);
    // Sorted by name: FreeCell (ticked), Klondike.
    EXPECT_EQ(dialog.List()->item(0)->checkState(), Qt::Checked);
    dialog.List()->item(1)->setCheckState(Qt::Checked);
    dialog.accept();
    EXPECT_EQ(ReadFavorites(config), (std::vector<int>{2, 1}));
    config.WriteString("Favorites", "Games", "7, x,7,,3");
    EXPECT_EQ(ReadFavorites(config), (std::vector<int>{7, 3})) << "damaged entries are skipped";
}

TEST_F(RecordWindows, TipsComeInTurnAndTheTickIsKept) {
    const std::filesystem::path runtime = TABLAMOR_RUNTIME_DIR;
    const QStringList tips = ReadTips(runtime / "help");
    ASSERT_GT(tips.size(), 3);
    IniFile config(dir / "CFG.DAT");
    EXPECT_TRUE(TipDialog::ShownAtStart(config));
    TipDialog dialog(runtime, config);
    EXPECT_EQ(dialog.Tip()->text(), tips[0]);
    dialog.NextTip();
    EXPECT_EQ(dialog.Tip()->text(), tips[1]);
    dialog.AtStart()->setChecked(false);
    EXPECT_FALSE(TipDialog::ShownAtStart(config));
    TipDialog again(runtime, config);
    EXPECT_EQ(again.Tip()->text(), tips[2]) << "the next start goes on with the next tip";
    TipDialog missing(dir, config);
    EXPECT_FALSE(missing.Tip()->text().isEmpty());
}

} // namespace
} // namespace tablamor::ui
