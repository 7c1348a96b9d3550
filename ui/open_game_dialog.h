#pragma once
// The open-a-game dialog: every game of the game list in one alphabetical tree with its family
// picture; for the selected game its decks, difficulty, chance of winning, redeals and playing
// time with their rating pictures, and a preview of its table. The player's favorite games come
// first, in their own folder. A search field above the tree shows only the games whose name or
// family holds the words typed. OK stores the choice in the
// preferences and accepts; the caller then sets the game up and deals (or keeps the game in play
// when nothing changed).
#include "engine/game_file.h"
#include "records/ini_file.h"
#include "records/settings.h"
#include "ui/game_tree.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace tablamor::ui {

class OpenGameDialog : public QDialog {
    Q_OBJECT
public:
    OpenGameDialog(const GameFile& games, IniFile& preferences, Settings& settings,
                   QWidget* parent = nullptr);

    // Refreshes the panel, the player list and the selection before the dialog is shown.
    void PrepareToShow();

    // After OK: the chosen game and whether the game or the player differs from the settings'.
    int ChosenGameId() const { return chosenId_; }
    const std::string& ChosenGameName() const { return chosenName_; }
    const std::string& ChosenPlayer() const { return chosenPlayer_; }
    bool GameChanged() const { return gameChanged_; }
    bool PlayerChanged() const { return playerChanged_; }

    int SelectedNodePosition() const;
    // OK: a folder is refused with a message; a game is stored and accepted.
    void accept() override;
    QTreeWidget* Tree() const { return tree_; }
    QLineEdit* SearchField() const { return search_; }

signals:
    // The rules page of a game, or the dialog's own help page.
    void RulesRequested(int gameId);
    void HelpRequested();
    void StatisticsRequested(int gameId);

protected:
    void done(int result) override;
    // The arrow and page keys typed in the search field move the selection in the tree.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const GameFile& games_;
    IniFile& preferences_;
    Settings& settings_;
    std::vector<GameTreeNode> nodes_;
    QLineEdit* search_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTreeWidgetItem* root_ = nullptr;      // every game, by name
    QTreeWidgetItem* favorites_ = nullptr; // the favorite games, first; none without favorites
    QStackedWidget* panels_ = nullptr;
    QWidget* gamePanel_ = nullptr;
    QWidget* descriptionPanel_ = nullptr;
    QLabel* gameName_ = nullptr;
    QLabel* decks_ = nullptr;
    QLabel* difficulty_ = nullptr;
    QLabel* difficultyPicture_ = nullptr;
    QLabel* chance_ = nullptr;
    QLabel* chancePicture_ = nullptr;
    QLabel* redeals_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* timePicture_ = nullptr;
    QLabel* preview_ = nullptr;
    QCheckBox* showPreview_ = nullptr;
    QComboBox* players_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* rules_ = nullptr;
    QTimer* rememberTimer_ = nullptr;
    qint64 lastChangeMs_ = 0;
    int rememberedNumber_ = -1;

    int chosenId_ = -1;
    std::string chosenName_;
    std::string chosenPlayer_;
    bool gameChanged_ = false;
    bool playerChanged_ = false;

    void BuildTree();
    // Shows only the games that answer the search field's text (both folders), keeping the
    // tree's order.
    void ApplySearch(const QString& text);
    // The favorites folder afresh from the preferences.
    void FillFavorites();
    void BuildPanel();
    void RefreshPanel();
    void DrawPreview();
    void ShowRules();
    void ShowTreeMenu(const QPoint& at);
    void FillPlayers();
    const GameTreeNode* SelectedNode() const;
};

} // namespace tablamor::ui
