// tablamor-previews: draws the preview picture of every game of a game file ("GAME" + id in four
// digits, .png) with the table painter: the game dealt as number 1, laid out on an 800 x 600
// table and scaled down to the preview size. The artwork generator then puts them into SOL.RGF.
//   tablamor-previews --root PROGRAM_DIR --out DIR
#include "engine/deal.h"
#include "records/paths.h"
#include "records/record_names.h"
#include "session/game_loader.h"
#include "table/image_files.h"
#include "table/image_set.h"
#include "table/layout/table_layout.h"
#include "table/resource_names.h"
#include "table/table_canvas.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <iostream>

namespace {

using namespace tablamor;

constexpr int kTableWidth = 800;
constexpr int kTableHeight = 600;
constexpr int kPreviewWidth = 192;
constexpr int kPreviewHeight = 144;
const QColor kPreviewGreen(0, 128, 0); // the open-a-game dialog keys this colour out

QImage DrawPreview(const GameParams& loaded, const table::ImageSet& images) {
    GameState state = NewGameState(loaded);
    auto number = GameNumber::Parse("1");
    if (!number || !DealGame(state, *number, NullEventSink())) return {};

    table::PaintPreferences prefs;
    prefs.defaultBackground = true;
    prefs.fadeBackground = false;
    prefs.lowColourScreen = true; // the plain preview green
    layout::LayoutInput input;
    input.tableBottom = kTableHeight - 1;
    input.windowWidth = kTableWidth + input.scrollBarWidth;
    input.windowHeight = kTableHeight;
    input.screenWidth = kTableWidth;
    input.screenHeight = kTableHeight;
    input.cardSize = images.Size();

    table::TableScene scene;
    scene.table = &state.table;
    scene.params = &state.params;
    scene.card = images.Card();
    scene.steps = layout::ChooseFanSteps(images.Size(), state.params);
    scene.positions = layout::ComputeTableLayout(state.params, input);

    table::TableCanvas canvas(images);
    canvas.SetPictureSize(QSize(kTableWidth, kTableHeight) +
                          QSize(table::kPictureMargin, table::kPictureMargin));
    canvas.SetWindowSize(QSize(kTableWidth, kTableHeight));
    canvas.SetPreferences(prefs);
    canvas.SetScene(scene);
    canvas.PaintBackground();
    canvas.PaintTable();
    QImage preview = canvas.Window().scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
    preview.setPixelColor(0, 0, kPreviewGreen);
    return preview;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString root, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        QString option = argv[i];
        if (option == "--root")
            root = argv[i + 1];
        else if (option == "--out")
            out = argv[i + 1];
    }
    if (root.isEmpty() || out.isEmpty()) {
        std::cerr << "usage: tablamor-previews --root PROGRAM_DIR --out DIR\n";
        return 2;
    }
    const std::filesystem::path programDir = root.toStdString();
    auto games = GameFile::Open(ProgramPath(programDir, kGamesFileName));
    if (!games) {
        std::cerr << "tablamor-previews: cannot read the game file in " << programDir << "\n";
        return 1;
    }
    table::ResourceLibrary resources(programDir);
    if (!resources.Loaded()) {
        std::cerr << "tablamor-previews: " << resources.Error() << "\n";
        return 1;
    }
    table::ImageSet images;
    images.Load(table::ImageSource(programDir), {layout::CardSizeLetter::Big, 1, 11});
    QDir().mkpath(out);
    int drawn = 0;
    for (const GameListEntry& entry : games->List()) {
        auto params = LoadGameDefinition(*games, entry.id, {});
        QImage preview = params ? DrawPreview(*params, images) : QImage();
        if (preview.isNull()) {
            std::cerr << "tablamor-previews: game " << entry.id
                      << " cannot be dealt; its preview stays\n";
            continue;
        }
        char name[32];
        std::snprintf(name, sizeof name, "GAME%04d.png", entry.id);
        if (!preview.save(out + "/" + name)) {
            std::cerr << "tablamor-previews: cannot write " << name << "\n";
            return 1;
        }
        ++drawn;
    }
    std::cout << drawn << " previews\n";
    return 0;
}
