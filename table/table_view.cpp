#include "table/table_view.h"

#include "table/layout/fan_steps.h"
#include "table/layout/fit_to_window.h"
#include "table/layout/table_layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tablamor::table {
namespace {

// A fitted table is laid out again this long after the last resize of a burst.
constexpr int kResizeSettleMs = 120;

// Laid over the table of a finished game: half-dark, the cards still readable.
const QColor kDimShade(0, 0, 0, 110);

} // namespace

TableView::TableView(const ImageSet& images, QWidget* parent)
    : QWidget(parent), canvas_(images), settle_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    canvas_.SetWindowChanged([this](const QRegion& region) { CanvasChanged(region); });
    settle_->setSingleShot(true);
    settle_->setInterval(kResizeSettleMs);
    connect(settle_, &QTimer::timeout, this, &TableView::Relayout);
}

TableView::~TableView() = default;

void TableView::SetScene(const TableScene& scene) {
    canvas_.SetScene(scene);
}

void TableView::SetLayoutFrame(const layout::LayoutInput& frame) {
    frame_ = frame;
}

void TableView::SetPreferences(const PaintPreferences& prefs) {
    canvas_.SetPreferences(prefs);
}

qreal TableView::PixelScale() const {
    return frame_.fitToWindow ? std::max<qreal>(1.0, devicePixelRatioF()) : 1.0;
}

QPoint TableView::CanvasPoint(QPointF viewPoint) const {
    return (viewPoint * PixelScale()).toPoint();
}

QSize TableView::CanvasSize() const {
    return (QSizeF(size()) * PixelScale()).toSize();
}

// A changed part of the canvas, in view pixels (rounded outwards).
void TableView::CanvasChanged(const QRegion& region) {
    const qreal scale = PixelScale();
    if (scale == 1.0) {
        update(region);
        return;
    }
    QRegion view;
    for (const QRect& r : region)
        view += QRectF(r.x() / scale, r.y() / scale, r.width() / scale, r.height() / scale)
                    .toAlignedRect();
    update(view);
}

// The table picture covers the screen and a margin, and at least this view.
void TableView::EnsurePictureSize() {
    QSize screenSize = screen() ? screen()->size() * PixelScale() : QSize();
    screenSize = screenSize.expandedTo(CanvasSize());
    const QSize wanted = screenSize + QSize(kPictureMargin, kPictureMargin);
    if (canvas_.TablePicture().size() != wanted) canvas_.SetPictureSize(wanted);
    if (canvas_.Window().size() != CanvasSize()) canvas_.SetWindowSize(CanvasSize());
}

void TableView::SetCardSizer(std::function<void(layout::CardSize)> sizer) {
    cardSizer_ = std::move(sizer);
}

void TableView::SetBottomAllowance(int pixels) {
    if (bottomAllowance_ == pixels) return;
    bottomAllowance_ = pixels;
    // The view's own resize that comes with the line is laid out with it, once it has settled.
    if (frame_.fitToWindow && canvas_.Scene().Ready()) settle_->start();
}

void TableView::SetLaidOut(std::function<void()> laidOut) {
    laidOut_ = std::move(laidOut);
}

void TableView::Relayout() {
    settle_->stop();
    StopAnimation(); // a deal ends on the dealt table, the card shower simply stops
    EnsurePictureSize();
    TableScene& scene = canvas_.Scene();
    if (scene.Ready()) {
        layout::LayoutInput input = frame_;
        const qreal scale = PixelScale();
        const QSize canvas = CanvasSize();
        auto scaled = [scale](int length) { return static_cast<int>(std::lround(length * scale)); };
        input.tableTop = scaled(frame_.tableTop);
        input.scrollBarWidth = scaled(frame_.scrollBarWidth);
        input.screenWidth = scaled(frame_.screenWidth);
        input.screenHeight = scaled(frame_.screenHeight);
        input.windowWidth = canvas.width() + input.scrollBarWidth;
        input.windowHeight = canvas.height();
        input.tableBottom = canvas.height() - 1;
        if (input.screenWidth <= 0)
            input.screenWidth = canvas_.TablePicture().width() - kPictureMargin;
        if (input.screenHeight <= 0)
            input.screenHeight = canvas_.TablePicture().height() - kPictureMargin;
        input.cardsShadowed = canvas_.Preferences().cardsShadowed;
        if (input.fitToWindow) {
            input.windowHeight = std::max(1, input.windowHeight - scaled(bottomAllowance_));
            input.tableBottom = input.windowHeight - 1;
            layout::SizedLayout fitted = layout::FitToWindow(*scene.params, input);
            const ImageSet& images = canvas_.Images();
            if (cardSizer_ && (!images.Rendered() || !(images.Card() == fitted.card)))
                cardSizer_(fitted.card);
            scene.card = fitted.card;
            scene.steps = fitted.steps;
            scene.positions = fitted.positions;
        } else {
            scene.positions = layout::ComputeTableLayout(*scene.params, input);
        }
    }
    canvas_.PaintBackground();
    if (scene.Ready())
        canvas_.PaintTable();
    else
        canvas_.CopyTableToWindow();
    if (scene.Ready() && laidOut_) laidOut_();
}

bool TableView::MoveDragImage(int x, int y, bool place, bool shadow) {
    return canvas_.MoveDragImage(QPoint(x, y), place, shadow);
}

void TableView::Play(std::unique_ptr<Animation> animation, bool stopOnInput,
                     std::function<void()> finished) {
    if (animation_) {
        animation_->Stop();
        NextFrame(); // ends the running one at once
    }
    animation_ = std::move(animation);
    stopOnInput_ = stopOnInput;
    finished_ = std::move(finished);
    ++generation_;
    if (animation_) Schedule(0);
}

void TableView::Schedule(int waitMs) {
    const unsigned generation = generation_;
    QTimer::singleShot(waitMs, Qt::PreciseTimer, this, [this, generation] {
        if (generation == generation_) NextFrame();
    });
}

void TableView::NextFrame() {
    if (!animation_) return;
    const Frame frame = animation_->Step();
    if (!frame.sound.empty() && sound_) sound_(frame.sound);
    if (!frame.done) {
        Schedule(frame.waitMs);
        return;
    }
    animation_.reset();
    ++generation_;
    auto finished = std::move(finished_);
    finished_ = {};
    if (finished) finished();
}

void TableView::StopAnimation() {
    if (!animation_) return;
    animation_->Stop();
    NextFrame();
}

void TableView::SetSoundHandler(std::function<void(const std::string&)> handler) {
    sound_ = std::move(handler);
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal scale = PixelScale();
    const QRect shown = canvas_.Window().rect();
    // A view rectangle and the canvas pixels it shows, one to one on the screen.
    auto draw = [&](const QRect& r, const QImage& from) {
        const QRectF source(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
        painter.drawImage(QRectF(r), from, source);
    };
    for (const QRect& r : event->region()) {
        const QRect canvas =
            QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale)
                .toAlignedRect();
        if (shown.contains(canvas)) {
            draw(r, canvas_.Window());
            continue;
        }
        // Until a resized fitted table is laid out again, the part the last table does not
        // cover shows the bare background.
        draw(r, canvas_.BackgroundPicture());
        const QRect table = QRectF(shown.x() / scale, shown.y() / scale, shown.width() / scale,
                                   shown.height() / scale)
                                .toRect() &
                            r;
        if (!table.isEmpty()) draw(table, canvas_.Window());
    }
    if (dimmed_) painter.fillRect(event->rect(), kDimShade);
    for (const std::vector<TableMark>& marks : marks_)
        PaintMarks(painter, marks, scale, canvas_.Scene().card.width);
}

void TableView::SetMarks(MarkLayer layer, std::vector<TableMark> marks) {
    std::vector<TableMark>& mine = marks_[static_cast<std::size_t>(layer)];
    if (marks == mine) return;
    UpdateMarks(mine);
    mine = std::move(marks);
    UpdateMarks(mine);
}

void TableView::UpdateMarks(const std::vector<TableMark>& marks) {
    for (const TableMark& mark : marks)
        update(MarkBounds(mark, PixelScale(), canvas_.Scene().card.width));
}

void TableView::SetDimmed(bool dimmed) {
    if (dimmed_ == dimmed) return;
    dimmed_ = dimmed;
    update();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (frame_.fitToWindow && canvas_.Scene().Ready())
        settle_->start();
    else
        Relayout();
}

bool TableView::SwallowInput() {
    if (!animation_) return false;
    if (stopOnInput_) StopAnimation();
    return true;
}

void TableView::keyPressEvent(QKeyEvent* event) {
    if (SwallowInput()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (SwallowInput()) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (SwallowInput()) {
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace tablamor::table
