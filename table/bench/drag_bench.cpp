// Times the drag of the largest pile of a two-deck game on a 1920 x 1080 table: 600 scripted
// pointer steps, each one repaint of the drag picture (restoring what it uncovered, drawing it
// and its shadow) and a flush of the changed area to a window-sized pixmap. Prints the median,
// the 95th percentile and the largest frame time.
//
//   table_drag_bench [--root PROGRAM_DIR] [--save PICTURE] [--fit] [--scale N]
// With a program directory its artwork is used; otherwise plain generated pictures. --save
// writes the window as it is half-way through the drag. --fit lays the table out with cards
// fitted to the window, drawn at run time; --scale N takes a window of N times as many pixels
// each way (a screen at scale N drawn sharply), with the cards fitted to it.
#include "engine/game_source.h"
#include "table/image_set.h"
#include "table/layout/fan_steps.h"
#include "table/layout/fit_to_window.h"
#include "table/layout/table_layout.h"
#include "table/table_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tablamor;
using namespace tablamor::table;

constexpr int kBaseWidth = 1920;
constexpr int kBaseHeight = 1080;
int windowWidth = kBaseWidth;
int windowHeight = kBaseHeight;
constexpr int kSteps = 600;
constexpr int kLargestPile = 30;     // cards in the dragged column
constexpr int kOtherColumnCards = 4; // cards in every other column
constexpr int kFoundationCards = 6;  // cards on the first foundation
constexpr double kPercentile95 = 0.95;

GameParams FortyThieves() {
    std::ifstream in(std::string(TABLAMOR_SOURCE_DIR) + "/games/0003-forty-thieves.game");
    std::stringstream text;
    text << in.rdbuf();
    return ParseGameSource(text.str(), "forty thieves").params;
}

// Plain pictures of the card size: a face colour per card with a dark frame, a blue back.
void GeneratedPictures(ImageSet& images) {
    const auto card = images.Card();
    for (int code = 1; code <= kDeckSize; ++code) {
        QImage face(card.width, card.height, QImage::Format_RGB32);
        face.fill(qRgb(250, 250 - code * 2, 240));
        QPainter(&face).drawRect(0, 0, card.width - 1, card.height - 1);
        images.SetFace(code, face);
    }
    QImage back(card.width, card.height, QImage::Format_RGB32);
    back.fill(qRgb(30, 50, 160));
    images.SetBack(back);
}

// A 104-card table: the dragged column, the other nine columns, a foundation and the stock.
void Deal(Table& table) {
    int code = 1;
    auto next = [&] { return static_cast<Card>(code++); };
    for (int k = 0; k < kLargestPile; ++k) table.Append(TableauPile(0), next(), true);
    for (int column = 1; column < 10; ++column)
        for (int k = 0; k < kOtherColumnCards; ++k) table.Append(TableauPile(column), next(), true);
    for (int k = 0; k < kFoundationCards; ++k) table.Append(FoundationPile(0), next(), true);
    while (code <= kMaxCards) table.Append(kStockPile, next(), false);
}

// The pointer's path: a figure over the whole table, some steps short and some long.
QPoint PathPoint(int step, QPoint start) {
    const double t = 2 * std::numbers::pi * step / kSteps;
    const double x = 0.42 * windowWidth * std::sin(2 * t) + 0.1 * windowWidth * std::sin(7 * t);
    const double y = 0.35 * windowHeight * std::sin(3 * t);
    return start + QPoint(static_cast<int>(x), static_cast<int>(y) + windowHeight / 3);
}

double Percentile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[std::min(values.size() - 1, index == 0 ? 0 : index - 1)];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string root;
    std::string save;
    bool fit = false;
    int scale = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fit") fit = true;
        if (i + 1 == argc) continue;
        if (arg == "--root") root = argv[i + 1];
        if (arg == "--save") save = argv[i + 1];
        if (arg == "--scale") scale = std::max(1, std::atoi(argv[i + 1]));
    }
    if (scale > 1) fit = true;
    windowWidth = kBaseWidth * scale;
    windowHeight = kBaseHeight * scale;

    ImageSet images;
    std::unique_ptr<ResourceLibrary> library;
    if (!root.empty()) {
        library = std::make_unique<ResourceLibrary>(root);
        if (!library->Loaded()) std::fprintf(stderr, "%s\n", library->Error().c_str());
        images.Load(ImageSource(root), ImageSet::Choice{});
    }
    if (images.Face(1).isNull()) GeneratedPictures(images);

    GameParams params = FortyThieves();
    params[param::kStockFaceDown] = 1;
    Table table;
    Deal(table);
    layout::LayoutInput input;
    input.tableBottom = windowHeight - 1;
    input.windowWidth = windowWidth;
    input.windowHeight = windowHeight;
    input.screenWidth = windowWidth;
    input.screenHeight = windowHeight;
    input.tableTop = layout::kLargeToolbarTableTop * scale;
    TableScene scene;
    scene.table = &table;
    scene.params = &params;
    if (fit) {
        const layout::SizedLayout fitted = layout::FitToWindow(params, input);
        images.Render(ImageSource(root), fitted.card, ImageSet::Choice{});
        scene.positions = fitted.positions;
        scene.steps = fitted.steps;
    } else {
        scene.positions = layout::ComputeTableLayout(params, input);
        scene.steps = layout::ChooseFanSteps(layout::CardSizeLetter::Big, params);
    }
    scene.card = images.Card();

    TableCanvas canvas(images);
    canvas.SetPictureSize({windowWidth + kPictureMargin, windowHeight + kPictureMargin});
    canvas.SetWindowSize({windowWidth, windowHeight});
    canvas.SetScene(scene);
    canvas.PaintBackground();
    canvas.PaintTable();

    // Lift the whole largest column: the picture of the run, the table repainted without it.
    const PileIndex dragged = TableauPile(0);
    const QPoint start = canvas.Painter().CardRect(dragged, 0).topLeft();
    canvas.BuildDragRun(dragged, 0);
    std::vector<Card> before(table.Pile(dragged).begin(), table.Pile(dragged).end());
    table.Truncate(dragged, 0);
    canvas.RedrawAfterLeave(dragged, before);

    QPixmap screen(windowWidth, windowHeight);
    QPainter(&screen).drawImage(0, 0, canvas.Window());
    QRegion changed;
    canvas.SetWindowChanged([&](const QRegion& region) { changed += region; });
    std::vector<double> times;
    times.reserve(kSteps);
    for (int step = 0; step < kSteps; ++step) {
        changed = QRegion();
        const auto t0 = std::chrono::steady_clock::now();
        canvas.MoveDragImage(PathPoint(step, start), false, true);
        {
            QPainter painter(&screen);
            for (const QRect& r : changed) painter.drawImage(r, canvas.Window(), r);
        }
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        if (step == kSteps / 2 && !save.empty()) screen.save(QString::fromStdString(save));
    }
    // What was flushed is what the window holds.
    if (screen.toImage().convertToFormat(QImage::Format_RGB32) != canvas.Window())
        std::printf("flush check: the pixmap differs from the window\n");
    const QSize run = canvas.Drag().Size();
    std::printf("drag of %d cards (%d x %d px) over %d steps on %d x %d\n", kLargestPile,
                run.width(), run.height(), kSteps, windowWidth, windowHeight);
    std::printf("frame ms: median %.3f  p95 %.3f  max %.3f\n", Percentile(times, 0.5),
                Percentile(times, kPercentile95), *std::max_element(times.begin(), times.end()));
    return 0;
}
