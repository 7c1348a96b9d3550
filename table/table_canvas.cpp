#include "table/table_canvas.h"

#include "table/background.h"
#include "table/layout/fan_steps.h"
#include "table/layout/pile_fan.h"

#include <algorithm>

namespace tablamor::table {
namespace {

// A vertically fanned pile is cleared this far beyond its sides (the untidy tableau's shifts).
constexpr int kClearSideMargin = 2;

QImage BlankPicture(QSize size) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

// How many cards at the bottom the two contents share.
std::size_t CommonBottom(std::span<const Card> a, std::span<const Card> b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(mismatch.first - a.begin());
}

} // namespace

TableCanvas::TableCanvas(const ImageSet& images) : images_(images) {
    SetPictureSize({1, 1});
    SetWindowSize({1, 1});
}

void TableCanvas::SetPictureSize(QSize picture) {
    table_ = BlankPicture(picture);
    background_ = BlankPicture(picture);
}

void TableCanvas::SetWindowSize(QSize window) {
    window_ = BlankPicture(window);
}

void TableCanvas::SetWindowChanged(std::function<void(const QRegion&)> callback) {
    changed_ = std::move(callback);
}

void TableCanvas::Notify(const QRegion& region) {
    if (changed_ && !region.isEmpty()) changed_(region & QRegion(WindowRect()));
}

void TableCanvas::PaintBackground(bool keepBackground) {
    if (!keepBackground) table::PaintBackground(background_, prefs_, images_.Background());
    CopyRect(table_, background_, table_.rect());
}

void TableCanvas::ClearTable() {
    PaintBackground();
    CopyTableToWindow();
}

void TableCanvas::PaintTable() {
    if (!scene_.Ready()) return;
    scene_.positions.SetScrollOffset(0);
    CopyRect(table_, background_, table_.rect());
    Surface target = TableTarget();
    Painter().PaintPiles(target, table_.rect());
    CopyTableToWindow();
}

void TableCanvas::RepaintArea(const QRect& area) {
    if (area.isEmpty()) return;
    Surface target = TableTarget();
    CopyRect(table_, background_, target.ToPicture(area));
    if (scene_.Ready()) Painter().PaintPiles(target, area);
    CopyTableToWindow(area);
}

void TableCanvas::RedrawPile(PileIndex pile) {
    if (!scene_.Ready()) return;
    RepaintArea(Painter().PileBounds(pile));
}

void TableCanvas::RedrawAfterLeave(PileIndex pile, std::span<const Card> before) {
    if (!scene_.Ready() || pile < 0 || pile >= kPileCount) return;
    const std::span<const Card> after = scene_.table->Pile(pile);
    const std::size_t kept = CommonBottom(before, after);
    if (kept == before.size()) return; // cards were only added
    Table old = *scene_.table;
    old.Assign(pile, before);
    TableScene oldScene = scene_;
    oldScene.table = &old;
    const PilePainter was(oldScene, images_, prefs_);
    const int first = static_cast<int>(kept);
    const int last = static_cast<int>(before.size()) - 1;
    const FanStyle style = FanStyleOf(*scene_.params, pile);
    const bool reserve = KindOfPile(pile) == PileKind::Reserve;
    QRect area;
    if (style == FanStyle::Vertical || (style == FanStyle::FixedVertical && reserve)) {
        // From the top of the first removed card down to the end of the run and one step more.
        const int step =
            style == FanStyle::Vertical ? scene_.steps.verticalUp : scene_.steps.verticalFixed;
        const int x = scene_.positions.X(pile);
        const int top = was.CardRect(pile, first).top();
        const int bottom = was.CardRect(pile, last).bottom() + step;
        area = QRect(QPoint(x - kClearSideMargin, top),
                     QPoint(x + scene_.card.width - 1 + kClearSideMargin, bottom));
    } else {
        for (int k = first; k <= last; ++k) area |= was.CardRect(pile, k);
    }
    if (pile == kStockPile || pile == kWastePile) area |= was.PileBounds(pile);
    if (after.size() > kept) area |= Painter().PileBounds(pile);
    RepaintArea(area);
}

void TableCanvas::CopyTableToWindow() {
    CopyTableToWindow(WindowRect());
}

void TableCanvas::CopyTableToWindow(const QRect& area) {
    const QRect shown = area & WindowRect();
    if (shown.isEmpty()) return;
    CopyRect(window_, table_, shown, QPoint(0, Scroll()));
    drag_.Redraw(DragTargets(), shown, images_);
    Notify(shown);
}

void TableCanvas::DrawCardOnWindow(int code, QPoint at) {
    Surface target = WindowTarget();
    const PilePainter painter = Painter();
    if (code < 0)
        painter.DrawCardBack(target, at, images_.Card().height, BottomCorners::Background,
                             WindowRect());
    else
        painter.DrawCardFace(target, code, at, BottomCorners::Background, WindowRect());
    Notify(QRect(at, QSize(images_.Card().width, images_.Card().height)));
}

void TableCanvas::DrawCardOnTable(int code, QPoint at) {
    Surface target = TableTarget();
    const QRect card(at, QSize(images_.Card().width, images_.Card().height));
    Painter().DrawCardFace(target, code, at, BottomCorners::Background, card);
    CopyTableToWindow(card);
}

void TableCanvas::ToggleHighlight(const QRect& card) {
    InvertCard(table_, card.translated(0, Scroll()), table_.rect());
    InvertCard(window_, card, WindowRect());
    Notify(card);
}

void TableCanvas::SetStockPressed(bool pressed) {
    scene_.stockPressed = pressed;
    RedrawPile(kStockPile);
}

void TableCanvas::BuildDragCard(int code) {
    drag_.BuildCard(code < 0 ? images_.Back() : images_.Face(scene_.Face(code)));
}

void TableCanvas::BuildDragRun(PileIndex pile, int k) {
    if (!scene_.Ready() || pile < 0 || pile >= kPileCount) return;
    const PilePainter painter = Painter();
    std::vector<QImage> pictures;
    for (int j = std::max(k, 0); j < scene_.table->Size(pile); ++j)
        pictures.push_back(painter.ShowsFace(pile, j)
                               ? images_.Face(scene_.Face(scene_.table->At(pile, j)))
                               : images_.Back());
    drag_.BuildRun(pictures, scene_.steps.verticalUp);
}

bool TableCanvas::MoveDragImage(QPoint at, bool place, bool shadow) {
    QRegion changed;
    const bool moved =
        drag_.Move(at, DragTargets(), place, shadow && prefs_.cardsShadowed, images_, changed);
    Notify(changed);
    return moved;
}

void TableCanvas::HideDragImage() {
    QRegion changed;
    drag_.Hide(DragTargets(), changed);
    Notify(changed);
}

} // namespace tablamor::table
