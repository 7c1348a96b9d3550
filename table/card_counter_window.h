#pragma once
// The card counter: a small always-on-top window that shows every card of the game's decks as a
// mark on a grid (one row per suit and deck, one column per rank) and tells whether it lies face
// up, face down or not at all on the watched side of the table (stock and waste, the rest of the
// table, or both). Its own "&Options" menu picks the side and inverts the marks; each choice
// refreshes the grid and is saved at once. It learns of moves through the notices the play
// controller passes on while it is shown, and is refreshed whole at a deal, after undo and redo,
// and from the main menu's command. Its options, position and visibility live in the
// preferences; LoadState and SaveState read and write them.
#include "records/ini_file.h"
#include "table/card_counter_marks.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QAction;
class QLabel;
class QPainter;

namespace tablamor::table {

class CardCounterWindow : public QMainWindow {
    Q_OBJECT
public:
    // A named picture of the resource library; a null image when there is none.
    using PictureSource = std::function<QImage(std::string_view)>;
    // The game on the table; nullptr while no game has been dealt.
    using StateSource = std::function<const GameState*()>;

    CardCounterWindow(PictureSource pictures, IniFile& preferences, QWidget* parent = nullptr);

    void SetStateSource(StateSource source) { state_ = std::move(source); }
    // The table it keeps clear of: shown without a saved place, it opens beside the table.
    void SetTableWidget(QWidget* table) { tableWidget_ = table; }
    // Where a counter of that frame size opens: right of the table when the screen has room
    // there, else inside the table's bottom right corner (never above the table's top).
    static QPoint PlaceBeside(QSize size, const QRect& table, const QRect& screen);
    // The smallest shift that brings a window's frame wholly onto the screen (its top left
    // corner first when the frame is larger than the screen).
    static QPoint ShiftOnScreen(const QRect& frame, const QRect& screen);

    // Marks the watched piles of the game on the table afresh (nothing while no game is dealt).
    void Refresh();
    // The main menu's command: shows the window refreshed when it was hidden, hides it otherwise.
    void Toggle();

    // The move notices; the caller sends them only while the window is shown.
    void CardLeft(int card, PileKind from);
    void CardArrived(int card, PileKind to, bool up);
    void StockRefilled();
    void WasteNotice();

    void LoadState();
    void SaveState();

    const CardCounterMarks& Marks() const { return marks_; }
    // The picture drawn on the grid as it stands now (for checks of the painting).
    const QImage& Picture() const { return picture_; }
    QAction* TableauOnlyAction() const { return tableauOnly_; }
    QAction* StockOnlyAction() const { return stockOnly_; }
    QAction* InvertedAction() const { return inverted_; }

signals:
    // The window was shown or hidden (the main menu's check mark follows it).
    void VisibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Moves the window by ShiftOnScreen once the window manager has framed it: its frame is
    // known only then, and a title bar taller than the style's, a saved place on a screen
    // that has since shrunk, or a game with more decks would leave part of it off the screen.
    void KeepOnScreen();

    IniFile& preferences_;
    StateSource state_;
    CardCounterMarks marks_;
    std::map<std::string, QImage, std::less<>> pictures_;
    QImage picture_;
    QLabel* area_ = nullptr;
    QAction* tableauOnly_ = nullptr;
    QAction* stockOnly_ = nullptr;
    QAction* inverted_ = nullptr;
    QWidget* tableWidget_ = nullptr;
    bool placed_ = false; // at its saved place, or placed by the player since

    void LoadPictures(const PictureSource& source);
    void BuildMenu();
    void OptionChosen(QAction* chosen);
    void FitHeight(int cardCount);
    void PlaceNearTable();
    void Redraw();
    void DrawCard(QPainter& painter, int card);
    void DrawPicture(QPainter& painter, std::string_view name, int x, int y);
};

} // namespace tablamor::table
