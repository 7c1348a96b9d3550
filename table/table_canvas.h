#pragma once
// The table's pictures and everything drawn on them, without a widget: the table picture (the
// background and every pile; the window is refreshed from it), the background picture (the bare
// background, from which uncovered areas are restored), the window's own picture (what the user
// sees: the table plus whatever is drawn on the window alone, such as the dragged picture), and
// the drag picture.
//
// Public calls take window coordinates (a pile's y as the layout reads it, minus the scroll
// position); the table and background pictures hold the table from its top. After every change
// the window-changed callback receives the window area to show again.
//
// Repainting an area is exact: the background is restored there and every pile that reaches into
// it is painted again in the table's paint order, clipped to it. So whatever changed, the table
// picture afterwards equals a full paint of the current scene.
#include "engine/table.h"
#include "table/drag_image.h"
#include "table/image_set.h"
#include "table/paint_preferences.h"
#include "table/pile_painter.h"
#include "table/table_scene.h"

#include <QImage>
#include <QRegion>

#include <functional>
#include <span>

namespace tablamor::table {

// The table picture is this much larger than the screen in both directions.
inline constexpr int kPictureMargin = 30;

class TableCanvas {
public:
    explicit TableCanvas(const ImageSet& images);

    // The table and background pictures take `picture` (screen size plus the margin); the
    // window picture `window`. Both pictures start black.
    void SetPictureSize(QSize picture);
    void SetWindowSize(QSize window);
    void SetScene(const TableScene& scene) { scene_ = scene; }
    TableScene& Scene() { return scene_; }
    const TableScene& Scene() const { return scene_; }
    void SetPreferences(const PaintPreferences& prefs) { prefs_ = prefs; }
    const PaintPreferences& Preferences() const { return prefs_; }
    const ImageSet& Images() const { return images_; }
    void SetWindowChanged(std::function<void(const QRegion&)> callback);

    const QImage& TablePicture() const { return table_; }
    const QImage& BackgroundPicture() const { return background_; }
    const QImage& Window() const { return window_; }
    QImage& WindowPicture() { return window_; }
    int Scroll() const { return scene_.positions.ScrollOffset(); }

    // The table picture and the window's picture as drawing targets.
    Surface TableTarget() { return TableSurface(table_, background_, Scroll()); }
    Surface WindowTarget() { return WindowSurface(window_, background_, Scroll()); }

    // A painter over the current scene and preferences (valid while neither changes).
    PilePainter Painter() const { return PilePainter(scene_, images_, prefs_); }

    // Paints the background into the background picture (unless `keepBackground`) and copies
    // it into the table picture.
    void PaintBackground(bool keepBackground = false);
    // The bare background, shown on the window (clearing the table for a new game).
    void ClearTable();
    // Background and every pile into the table picture, then the window. Nothing while no game
    // is set. The scroll position goes back to 0.
    void PaintTable();
    // Repaints an area of the table picture from the background up and shows it.
    void RepaintArea(const QRect& area);
    void RedrawPile(PileIndex pile);
    // After cards left a pile (the scene already holds its new contents `before` was replaced
    // by): nothing when cards were only added; otherwise the area the removed cards covered is
    // repainted, with whatever other piles reach into it, and an emptied pile shows its mark.
    void RedrawAfterLeave(PileIndex pile, std::span<const Card> before);
    // The table picture onto the window, whole or in part; the drag picture stays on top.
    void CopyTableToWindow();
    void CopyTableToWindow(const QRect& area);

    // Window-only drawing: a card face or back (code -1) at a place, whole, for the peek at a
    // covered card and the deal; ended by copying the table back.
    void DrawCardOnWindow(int code, QPoint at);
    // A face drawn on the table picture and shown (the winning animation's cards).
    void DrawCardOnTable(int code, QPoint at);
    // Inverts a card rectangle on the table picture and the window, keeping its corners.
    void ToggleHighlight(const QRect& card);
    // The armed redeal's pressed look of the empty stock, or its normal look again.
    void SetStockPressed(bool pressed);

    // The drag picture: one card by code (-1 for the back), or the cards of a pile from card k
    // to its top, fanned by the vertical face-up step.
    void BuildDragCard(int code);
    void BuildDragRun(PileIndex pile, int k);
    DragImage& Drag() { return drag_; }
    const DragImage& Drag() const { return drag_; }
    // Moves the drag picture (see DragImage::Move); the shadow is drawn only when `shadow` is
    // set and the Cards_Shadowed preference is on. Returns whether it moved.
    bool MoveDragImage(QPoint at, bool place, bool shadow);
    void HideDragImage();

private:
    const ImageSet& images_;
    TableScene scene_;
    PaintPreferences prefs_;
    QImage table_;
    QImage background_;
    QImage window_;
    DragImage drag_;
    std::function<void(const QRegion&)> changed_;

    DragSurfaces DragTargets() { return {&window_, &table_, &background_, Scroll()}; }
    void Notify(const QRegion& region);
    QRect WindowRect() const { return window_.rect(); }
};

} // namespace tablamor::table
