#pragma once
// The picture of the card or run being dragged or slid, and its moves over the window.
//
// The picture is one card wide: a single card, or a run of cards each one fan step below the one
// before. Its 12 outer corner pixels show what lies under it on the table. Moving it restores
// from the table picture what its previous place (and shadow) uncovered, draws it at the new
// place and, when asked, its shadow; placing it copies it into the table picture for good.
#include "table/card_blit.h"
#include "table/image_set.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

namespace tablamor::table {

// The pictures a move touches: the window's picture, the table picture behind it (a window
// point lies `scroll` rows lower on it) and the bare background.
struct DragSurfaces {
    QImage* window = nullptr;
    QImage* table = nullptr;
    const QImage* background = nullptr;
    int scroll = 0;
};

class DragImage {
public:
    // One card.
    void BuildCard(const QImage& picture);
    // A run, bottom card first, each `step` px below the one before.
    void BuildRun(const std::vector<QImage>& pictures, int step);

    bool Empty() const { return picture_.isNull(); }
    bool IsRun() const { return run_; }
    QSize Size() const { return picture_.size(); }
    const QImage& Picture() const { return picture_; }
    // Where it is shown on the window; empty while hidden.
    QRect Rect() const { return visible_ ? QRect(at_, picture_.size()) : QRect(); }
    bool Visible() const { return visible_; }

    // Shows the picture at `at` (window coordinates). Nothing happens, and false is returned,
    // when it is already shown there and is not to be placed. With `place` the picture goes into
    // the table picture and is no longer moved; otherwise the shadow is drawn when `shadow` is set.
    // The window area that changed is added to `changed`.
    bool Move(QPoint at, const DragSurfaces& s, bool place, bool shadow, const ImageSet& images,
              QRegion& changed);
    // Draws the picture again where it is, clipped to `clip` (after the window under it was
    // refreshed from the table picture).
    void Redraw(const DragSurfaces& s, const QRect& clip, const ImageSet& images) const;
    // Takes the picture off the window (restoring the table there) and forgets its place.
    void Hide(const DragSurfaces& s, QRegion& changed);

private:
    QImage picture_;
    bool run_ = false;
    bool visible_ = false;
    bool shadowShown_ = false;
    QPoint at_;

    QRegion Covered() const;
    void DrawOnWindow(const DragSurfaces& s, const QRect& clip) const;
};

} // namespace tablamor::table
