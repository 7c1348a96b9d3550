#include "table/table_view.h"

#include "table/layout/fan_steps.h"
#include "table/layout/table_layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace tablamor::table {
namespace {

// Laid over the table of a finished game: half-dark, the cards still readable.
const QColor kDimShade(0, 0, 0, 110);

} // namespace

TableView::TableView(const ImageSet& images, QWidget* parent) : QWidget(parent), canvas_(images) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    canvas_.SetWindowChanged([this](const QRegion& region) { update(region); });
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

// The table picture covers the screen and a margin, and at least this view.
void TableView::EnsurePictureSize() {
    QSize screenSize = screen() ? screen()->size() : QSize();
    screenSize = screenSize.expandedTo(size());
    const QSize wanted = screenSize + QSize(kPictureMargin, kPictureMargin);
    if (canvas_.TablePicture().size() != wanted) canvas_.SetPictureSize(wanted);
    if (canvas_.Window().size() != size()) canvas_.SetWindowSize(size());
}

void TableView::Relayout() {
    StopAnimation(); // a deal ends on the dealt table, the card shower simply stops
    EnsurePictureSize();
    TableScene& scene = canvas_.Scene();
    if (scene.Ready()) {
        layout::LayoutInput input = frame_;
        input.windowWidth = width() + input.scrollBarWidth;
        input.windowHeight = height();
        input.tableBottom = height() - 1;
        if (input.screenWidth <= 0)
            input.screenWidth = canvas_.TablePicture().width() - kPictureMargin;
        if (input.screenHeight <= 0)
            input.screenHeight = canvas_.TablePicture().height() - kPictureMargin;
        input.cardsShadowed = canvas_.Preferences().cardsShadowed;
        scene.positions = layout::ComputeTableLayout(*scene.params, input);
    }
    canvas_.PaintBackground();
    if (scene.Ready())
        canvas_.PaintTable();
    else
        canvas_.CopyTableToWindow();
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
    for (const QRect& r : event->region()) painter.drawImage(r, canvas_.Window(), r);
    if (dimmed_) painter.fillRect(event->rect(), kDimShade);
}

void TableView::SetDimmed(bool dimmed) {
    if (dimmed_ == dimmed) return;
    dimmed_ = dimmed;
    update();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
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
