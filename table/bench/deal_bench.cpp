// How long the deal shown card by card takes, game by game, at the default card speed: the
// waits its frames ask for and the time spent drawing them, on a 1920 x 1080 table with big
// cards and with cards fitted to the window. The real deal takes at least this long (a timer
// never fires early).
//
//   table_deal_bench [--speed MS]      one line a game: id, name, big ms, fitted ms
#include "engine/deal.h"
#include "engine/events.h"
#include "engine/game_number.h"
#include "engine/game_source.h"
#include "engine/game_state.h"
#include "table/deal_animation.h"
#include "table/image_set.h"
#include "table/layout/fan_steps.h"
#include "table/layout/fit_to_window.h"
#include "table/layout/table_layout.h"
#include "table/paint_preferences.h"
#include "table/table_canvas.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace tablamor;
using namespace tablamor::table;

constexpr int kWindowWidth = 1920;
constexpr int kWindowHeight = 1080;
constexpr const char* kDealt = "1";

// Milliseconds the deal of `state` takes: the frames' waits plus the drawing.
double DealMs(const GameState& state, bool fit, int speed) {
    layout::LayoutInput input;
    input.tableTop = layout::kLargeToolbarTableTop;
    input.tableBottom = kWindowHeight - 1;
    input.windowWidth = input.screenWidth = kWindowWidth;
    input.windowHeight = input.screenHeight = kWindowHeight;
    ImageSet images;
    TableScene scene;
    scene.table = &state.table;
    scene.params = &state.params;
    const layout::SizedLayout sized =
        fit ? layout::FitToWindow(state.params, input)
            : layout::SizedLayout{images.Card(),
                                  layout::ChooseFanSteps(layout::CardSizeLetter::Big, state.params),
                                  layout::ComputeTableLayout(state.params, input)};
    images.Render(ImageSource(""), sized.card, ImageSet::Choice{});
    scene.card = sized.card;
    scene.steps = sized.steps;
    scene.positions = sized.positions;
    TableCanvas canvas(images);
    PaintPreferences prefs;
    prefs.moveDelayMs = speed;
    canvas.SetPreferences(prefs);
    canvas.SetPictureSize({kWindowWidth + kPictureMargin, kWindowHeight + kPictureMargin});
    canvas.SetWindowSize({kWindowWidth, kWindowHeight});
    canvas.SetScene(scene);
    DealAnimation deal(canvas);
    long long waits = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (Frame frame; !frame.done;) {
        frame = deal.Step();
        waits += frame.waitMs;
    }
    const auto drawn = std::chrono::steady_clock::now() - t0;
    return static_cast<double>(waits) + std::chrono::duration<double, std::milli>(drawn).count();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int speed = kDefaultMoveDelay;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--speed") speed = std::atoi(argv[i + 1]);
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games"))
        if (entry.path().extension() == ".game") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::printf("id\tgame\tbig ms\tfitted ms\n");
    for (const auto& file : files) {
        const GameDefinition game = LoadGameSource(file);
        GameState state = NewGameState(game.params);
        if (!DealGame(state, *GameNumber::Parse(kDealt), NullEventSink())) continue;
        std::printf("%d\t%s\t%.0f\t%.0f\n", game.id, game.name.c_str(), DealMs(state, false, speed),
                    DealMs(state, true, speed));
        std::fflush(stdout);
    }
    return 0;
}
