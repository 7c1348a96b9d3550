#pragma once
// The widget that shows the table: it owns the canvas, lays the game out for its own size,
// repaints on resize, shows whatever the canvas changes, and plays animations frame by frame on
// a timer. While an animation plays, key and mouse presses are swallowed; one that may be cut
// short (the card shower) stops at the first of them.
//
// The pointer's play on the table (presses, drags, drops) belongs to the window built on this
// view; it reaches the drag picture through the calls below.
#include "table/animation.h"
#include "table/layout/layout_input.h"
#include "table/table_canvas.h"
#include "table/table_marks.h"

#include <QWidget>

class QTimer;

#include <array>
#include <functional>
#include <memory>

namespace tablamor::table {

class TableView : public QWidget {
public:
    explicit TableView(const ImageSet& images, QWidget* parent = nullptr);
    ~TableView() override;

    TableCanvas& Canvas() { return canvas_; }
    const TableCanvas& Canvas() const { return canvas_; }

    // The game to show. Its positions are computed here from the frame (table top, screen,
    // card size, shadows) and this view's size; the view's width stands for the window width.
    void SetScene(const TableScene& scene);
    void SetLayoutFrame(const layout::LayoutInput& frame);
    void SetPreferences(const PaintPreferences& prefs);
    // Lays the game out again and repaints background and piles. With "Fit to window" the card
    // size follows the view: the card sizer is asked for pictures of a new size before the
    // table is painted with them, and a resize is laid out once the size has settled (until
    // then the last whole table stays on show).
    void Relayout();
    void SetCardSizer(std::function<void(layout::CardSize)> sizer);
    // View pixels at the bottom that a fitted table leaves free: the height of a line that the
    // window shows below the table now and then. Given while that line is hidden and 0 while it
    // shows, the fitted table keeps its place and size as the line comes and goes.
    void SetBottomAllowance(int pixels);
    // Canvas pixels per view pixel. A fitted table is painted in the screen's own pixels (the
    // device pixel ratio), so that nothing is enlarged on a scaled screen; the fixed card sizes
    // keep one canvas pixel per view pixel. The canvas, the layout and the pointer's places on
    // the table are in canvas pixels.
    qreal PixelScale() const;
    QPoint CanvasPoint(QPointF viewPoint) const;
    QSize CanvasSize() const;
    // Called after every layout of a game (positions, fan steps or card size may have changed).
    void SetLaidOut(std::function<void()> laidOut);

    // The drag picture (see TableCanvas).
    void BuildDragCard(int code) { canvas_.BuildDragCard(code); }
    void BuildDragRun(PileIndex pile, int k) { canvas_.BuildDragRun(pile, k); }
    bool MoveDragImage(int x, int y, bool place, bool shadow);
    void HideDragImage() { canvas_.HideDragImage(); }

    // Plays an animation; `finished` runs after its last frame (or after it was stopped).
    // `stopOnInput`: a key or button press stops it.
    void Play(std::unique_ptr<Animation> animation, bool stopOnInput,
              std::function<void()> finished = {});
    bool Animating() const { return animation_ != nullptr; }
    void StopAnimation();
    // A finished game's table is shown dimmed, so that it does not look playable.
    void SetDimmed(bool dimmed);
    bool Dimmed() const { return dimmed_; }
    // Outlines laid over the table (the hint, the keyboard's focus); they replace the layer's
    // last ones.
    void SetMarks(MarkLayer layer, std::vector<TableMark> marks);
    const std::vector<TableMark>& Marks(MarkLayer layer) const {
        return marks_[static_cast<std::size_t>(layer)];
    }
    // Called with a sound's name when a frame asks for it.
    void SetSoundHandler(std::function<void(const std::string&)> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TableCanvas canvas_;
    layout::LayoutInput frame_;
    std::unique_ptr<Animation> animation_;
    bool stopOnInput_ = false;
    bool dimmed_ = false;
    std::array<std::vector<TableMark>, kMarkLayers> marks_;
    std::function<void()> finished_;
    std::function<void(const std::string&)> sound_;
    std::function<void(layout::CardSize)> cardSizer_;
    std::function<void()> laidOut_;
    int bottomAllowance_ = 0;
    QTimer* settle_ = nullptr; // a resize of a fitted table is laid out when this fires
    unsigned generation_ = 0;  // frames scheduled for an earlier animation are ignored

    void NextFrame();
    void Schedule(int waitMs);
    void EnsurePictureSize();
    void CanvasChanged(const QRegion& region);
    void UpdateMarks(const std::vector<TableMark>& marks);
    bool SwallowInput();
};

} // namespace tablamor::table
