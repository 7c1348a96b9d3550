// The help window over the pages the build copies into the program directory: a game's rules
// page by id, the dialogs' topics, and the text shown when a page is missing.
#include "records/ui/options_dialog.h"
#include "ui/customize_dialog.h"
#include "ui/help_window.h"

#include "engine/game_file.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace tablamor::ui {
namespace {

const std::filesystem::path kProgramDir = TABLAMOR_RUNTIME_DIR;

TEST(HelpTopics, RulesPageByGameIdAndTopic) {
    const auto dir = help::HelpDir(kProgramDir);
    struct Row {
        int gameId;
        const char* page; // nullptr: none
    } const rows[] = {
        {4, "0004-klondike-by-threes.html"},
        {7, "0007-easthaven.html"},
        {1, "0001-klondike.html"},
        {999, nullptr},  // no game, no page
        {8000, nullptr}, // a custom game
        {-1, nullptr},
        {40, "0040-eighteens.html"},
    };
    for (const Row& row : rows) {
        auto page = help::RulesPage(dir, row.gameId);
        if (row.page) {
            ASSERT_TRUE(page) << row.gameId;
            EXPECT_EQ(page->filename(), row.page);
            EXPECT_EQ(help::TopicPage(dir, row.gameId + help::kRulesTopicBase), page);
        } else {
            EXPECT_FALSE(page) << row.gameId;
        }
    }
    for (int topic : {help::kOpenGameTopic, help::kOptionsTopic, help::kCustomizeTopic})
        EXPECT_TRUE(help::TopicPage(dir, topic)) << topic;
    EXPECT_FALSE(help::TopicPage(dir, 1234));
}

// The Rules command and F1 open the game's page through ShowRules: every game of the program's
// game file has one, under its own id, headed by its name.
TEST(HelpTopics, EveryShippedGameHasItsRulesPage) {
    const auto games = GameFile::Open(kProgramDir / "GAMES.DAT");
    ASSERT_TRUE(games);
    ASSERT_FALSE(games->List().empty());
    const auto dir = help::HelpDir(kProgramDir);
    HelpWindow window(kProgramDir);
    for (const GameListEntry& game : games->List()) {
        SCOPED_TRACE(game.name);
        const auto page = help::RulesPage(dir, game.id);
        ASSERT_TRUE(page);
        EXPECT_EQ(help::TopicPage(dir, game.id + help::kRulesTopicBase), page);
        ASSERT_TRUE(window.ShowRules(game.id));
        EXPECT_EQ(window.Page(), *page);
        EXPECT_TRUE(window.toPlainText().startsWith(QString::fromStdString(game.name)))
            << window.toPlainText().left(60).toStdString();
    }
}

TEST(HelpWindow, ShowsTheRulesOrSaysThereAreNone) {
    HelpWindow window(kProgramDir);
    ASSERT_TRUE(window.ShowRules(4));
    EXPECT_TRUE(window.toPlainText().contains("Klondike by Threes"));
    EXPECT_EQ(window.Page().filename(), "0004-klondike-by-threes.html");

    EXPECT_FALSE(window.ShowRules(999));
    EXPECT_TRUE(window.Page().empty());
    EXPECT_EQ(window.toPlainText(), "There is no rules page for this game.");

    window.ShowRules(4);
    EXPECT_FALSE(window.ShowRules(8001)); // a custom game: nothing happens
    EXPECT_EQ(window.Page().filename(), "0004-klondike-by-threes.html");

    ASSERT_TRUE(window.ShowContents());
    EXPECT_TRUE(window.toPlainText().contains("Tablamor Help"));
    ASSERT_TRUE(window.ShowTopic(help::kOptionsTopic));
    EXPECT_EQ(window.Page().filename(), "options.html");
}

TEST(HelpWindow, MissingHelpFolderGivesTheFallbackText) {
    HelpWindow window(std::filesystem::temp_directory_path() / "tablamor-no-such-program-dir");
    EXPECT_FALSE(window.ShowContents());
    EXPECT_FALSE(window.toPlainText().isEmpty());
    EXPECT_FALSE(window.ShowRules(4));
    EXPECT_EQ(window.toPlainText(), "There is no rules page for this game.");
}

// The captions a player sees in a dialog: its pages, groups, visible check boxes and buttons
// (OK, Cancel and "&?" aside), without their shortcut marks.
QStringList VisibleCaptions(QDialog& dialog) {
    QStringList captions;
    auto add = [&](QString text) {
        text.remove('&');
        text = text.trimmed();
        if (!text.isEmpty() && text != "OK" && text != "Cancel" && text != "?") captions << text;
    };
    for (auto* tabs : dialog.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
    for (auto* group : dialog.findChildren<QGroupBox*>()) add(group->title());
    for (auto* box : dialog.findChildren<QCheckBox*>())
        if (!box->isHidden()) add(box->text());
    for (auto* button : dialog.findChildren<QPushButton*>()) add(button->text());
    return captions;
}

// Each dialog's help page names what the dialog shows.
TEST(HelpPages, DescribeTheDialogsAsTheyAre) {
    const auto dir = std::filesystem::temp_directory_path() / "tablamor-help-pages-test";
    std::filesystem::create_directories(dir);
    IniFile preferences(dir / "CFG.DAT");
    Settings settings;
    OptionsDialog options(preferences, settings);
    CustomizeDialog customize(kProgramDir, preferences, settings);
    const struct Row {
        QDialog* dialog;
        int topic;
    } rows[] = {{&options, help::kOptionsTopic}, {&customize, help::kCustomizeTopic}};
    for (const Row& row : rows) {
        HelpWindow window(kProgramDir);
        ASSERT_TRUE(window.ShowTopic(row.topic));
        const QString page = window.toPlainText();
        const QStringList captions = VisibleCaptions(*row.dialog);
        EXPECT_GE(captions.size(), 4);
        for (const QString& caption : captions)
            EXPECT_TRUE(page.contains(caption, Qt::CaseInsensitive))
                << window.Page().filename() << " does not name " << caption.toStdString();
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tablamor::ui
