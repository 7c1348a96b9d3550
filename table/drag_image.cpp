#include "table/drag_image.h"

#include "table/card_shadows.h"

namespace tablamor::table {
namespace {

void RestoreFromTable(const DragSurfaces& s, const QRegion& region) {
    for (const QRect& r : region) CopyRect(*s.window, *s.table, r, QPoint(0, s.scroll));
}

} // namespace

void DragImage::BuildCard(const QImage& picture) {
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    run_ = false;
}

void DragImage::BuildRun(const std::vector<QImage>& pictures, int step) {
    if (pictures.empty()) {
        picture_ = QImage();
        return;
    }
    if (pictures.size() == 1 || pictures.front().isNull()) {
        BuildCard(pictures.front());
        return;
    }
    const QSize card = pictures.front().size();
    const int height = card.height() + step * static_cast<int>(pictures.size() - 1);
    QImage run(card.width(), height, QImage::Format_RGB32);
    run.fill(Qt::black);
    // Each card's top corners show the card below it; the outer corners are filled in from the
    // table whenever the picture is drawn.
    const BackgroundRef none{&run, {0, 0}};
    int y = 0;
    for (const QImage& picture : pictures) {
        DrawCardPicture(run, picture.convertToFormat(QImage::Format_RGB32), QPoint(0, y), none,
                        BottomCorners::Background, run.rect());
        y += step;
    }
    picture_ = std::move(run);
    run_ = true;
}

QRegion DragImage::Covered() const {
    if (!visible_) return {};
    QRegion covered(Rect());
    if (shadowShown_) covered += ShadowRegion(Rect(), run_);
    return covered;
}

void DragImage::DrawOnWindow(const DragSurfaces& s, const QRect& clip) const {
    const QRect place(at_, picture_.size());
    const QRect area = place & clip & s.window->rect();
    if (area.isEmpty()) return;
    CopyRect(*s.window, picture_, area, -at_);
    for (const QPoint& offset : CornerOffsets(picture_.size())) {
        const QPoint p = at_ + offset;
        const QPoint under = p + QPoint(0, s.scroll);
        if (area.contains(p) && s.table->rect().contains(under))
            s.window->setPixel(p, s.table->pixel(under));
    }
}

bool DragImage::Move(QPoint at, const DragSurfaces& s, bool place, bool shadow,
                     const ImageSet& images, QRegion& changed) {
    if (picture_.isNull() || (visible_ && at == at_ && !place)) return false;
    const QRegion before = Covered();
    const QRect next(at, picture_.size());
    const QRegion uncovered = before - QRegion(next);
    RestoreFromTable(s, uncovered);
    changed += before;
    at_ = at;
    visible_ = true;
    shadowShown_ = false;
    if (place) {
        DrawCardPicture(*s.table, picture_, at + QPoint(0, s.scroll), {s.background, {0, 0}},
                        BottomCorners::Background, s.table->rect());
        RestoreFromTable(s, QRegion(next));
        visible_ = false;
    } else {
        DrawOnWindow(s, next);
        if (shadow) {
            DrawCardShadow(*s.window, next, run_, images);
            shadowShown_ = true;
        }
    }
    changed += next;
    if (shadowShown_) changed += ShadowRegion(next, run_);
    return true;
}

void DragImage::Redraw(const DragSurfaces& s, const QRect& clip, const ImageSet& images) const {
    if (!visible_) return;
    DrawOnWindow(s, clip);
    // The shadow only sets pixels to black, so drawing it again where it already lies is harmless.
    if (shadowShown_) DrawCardShadow(*s.window, Rect(), run_, images);
}

void DragImage::Hide(const DragSurfaces& s, QRegion& changed) {
    const QRegion covered = Covered();
    RestoreFromTable(s, covered);
    changed += covered;
    visible_ = false;
    shadowShown_ = false;
}

} // namespace tablamor::table
