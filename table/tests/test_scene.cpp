#include "table/tests/test_scene.h"

#include "engine/game_source.h"
#include "table/background.h"
#include "table/layout/fan_steps.h"
#include "table/layout/table_layout.h"

namespace tablamor::table::testing {

GameParams ShippedGame(const std::string& file) {
    return LoadGameSource(std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games" / file).params;
}

TestTable::TestTable(const TestArtwork& artwork, GameParams game, QSize windowSize)
    : params(game), window(windowSize), art(artwork) {
    ImageSet::Choice choice;
    choice.cardSet = kTestCardSet;
    choice.back = kTestBack;
    images.Load(art.Source(), choice);
    images.LoadBackground(art.Source(), kTestBackground);
    canvas = std::make_unique<TableCanvas>(images);
    canvas->SetPictureSize(window + QSize(kPictureMargin, kPictureMargin));
    canvas->SetWindowSize(window);
    scene.table = &table;
    scene.params = &params;
    Relayout();
}

void TestTable::Relayout(const PaintPreferences& prefs) {
    layout::LayoutInput input;
    input.tableTop = layout::kNoToolbarTableTop;
    input.tableBottom = window.height() - 1;
    input.windowWidth = window.width() + input.scrollBarWidth;
    input.windowHeight = window.height();
    input.screenWidth = window.width();
    input.screenHeight = window.height();
    input.cardsShadowed = prefs.cardsShadowed;
    scene.positions = layout::ComputeTableLayout(params, input);
    scene.steps = layout::ChooseFanSteps(layout::CardSizeLetter::Big, params);
    scene.card = images.Card();
    canvas->SetScene(scene);
    canvas->SetPreferences(prefs);
    canvas->PaintBackground();
}

void TestTable::Put(PileIndex pile, std::initializer_list<int> cards, bool faceUp) {
    for (int code : cards) table.Append(pile, static_cast<tablamor::Card>(code), faceUp);
}

QImage TestTable::FreshPaint() const {
    TableCanvas fresh(images);
    fresh.SetPictureSize(canvas->TablePicture().size());
    fresh.SetWindowSize(window);
    fresh.SetScene(canvas->Scene());
    fresh.SetPreferences(canvas->Preferences());
    fresh.PaintBackground();
    fresh.PaintTable();
    return fresh.TablePicture();
}

QRect TestTable::Card(PileIndex pile, int k) const {
    return canvas->Painter().CardRect(pile, k);
}

QRgb TestTable::TableAt(QPoint p) const {
    return canvas->TablePicture().pixel(p + QPoint(0, canvas->Scroll()));
}

void DealKlondike(TestTable& t) {
    int code = 1;
    for (int column = 0; column < 7; ++column) {
        for (int k = 0; k <= column; ++k)
            t.table.Append(TableauPile(column), static_cast<tablamor::Card>(code++), k == column);
    }
    while (code <= kDeckSize)
        t.table.Append(kStockPile, static_cast<tablamor::Card>(code++), false);
}

} // namespace tablamor::table::testing
