#pragma once
// A game on a test table: the parameters of a shipped game source, cards placed by hand, the
// layout for a window of a given size, and a canvas with the test pictures painted on it.
#include "engine/params.h"
#include "engine/table.h"
#include "table/image_set.h"
#include "table/table_canvas.h"
#include "table/tests/test_artwork.h"

#include <QSize>

#include <initializer_list>
#include <string>

namespace tablamor::table::testing {

// The parameters of games/<file>.
GameParams ShippedGame(const std::string& file);

struct TestTable {
    GameParams params;
    Table table;
    ImageSet images;
    TableScene scene;
    std::unique_ptr<TableCanvas> canvas;

    // Lays the game out for a window of `window` (its table picture the same plus the margin),
    // with the pictures of `art` at card size "B".
    TestTable(const TestArtwork& art, GameParams game, QSize window = {800, 600});

    // Puts cards (codes, bottom first) on a pile, face up or down.
    void Put(PileIndex pile, std::initializer_list<int> cards, bool faceUp = true);
    // Lays the game out again after the parameters changed.
    void Relayout(const PaintPreferences& prefs = {});
    // The full paint of the current cards, as a fresh canvas would make it.
    QImage FreshPaint() const;
    QRect Card(PileIndex pile, int k) const;
    // Pixel of the table picture at a window point.
    QRgb TableAt(QPoint p) const;
    QSize window;
    const TestArtwork& art;
};

// Centre of a rectangle.
inline QPoint Centre(const QRect& r) {
    return r.center();
}

// A Klondike table: columns of 1..7 cards (top card face up), 24 cards in the stock.
void DealKlondike(TestTable& t);

} // namespace tablamor::table::testing
