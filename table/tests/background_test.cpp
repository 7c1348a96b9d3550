// Backgrounds: the default green, plain and faded colours, tiled and single pictures, stored
// colour values.
#include "table/background.h"

#include "table/tests/test_artwork.h"
#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

QImage Picture(int w = 200, int h = 512) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

TEST(Background, ChoiceByPreferences) {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x) tile.setPixel(x, y, TileColour(x, y));
    struct Row {
        const char* name;
        PaintPreferences prefs;
        QPoint at;
        QRgb expected;
    };
    PaintPreferences def;
    def.defaultBackground = true;
    PaintPreferences lowDef = def;
    lowDef.lowColourScreen = true;
    PaintPreferences fixed;
    fixed.fadeBackground = false;
    fixed.fixedColour = 0x00ff8040; // blue ff, green 80, red 40
    PaintPreferences custom = fixed;
    custom.fixedColour = 0;
    custom.backgroundColour = 0x000000ff;
    PaintPreferences tiled;
    tiled.backgroundPicture = kTestBackground;
    PaintPreferences once;
    once.backgroundPicture = kTestBigBackground;
    PaintPreferences lowFade;
    lowFade.lowColourScreen = true; // no fade: plain fixed colour (default 32768, green)
    const Row rows[] = {
        {"default green", def, {150, 400}, qRgb(0, 96, 0)},
        {"default green, 256 colours", lowDef, {150, 400}, qRgb(0, 128, 0)},
        {"fixed colour", fixed, {150, 400}, qRgb(0x40, 0x80, 0xff)},
        {"stored colour when no fixed one", custom, {10, 10}, qRgb(255, 0, 0)},
        {"tiled picture", tiled, {4 * 7 + 1, 4 * 9 + 2}, TileColour(1, 2)},
        {"tiled picture, first tile", tiled, {3, 0}, TileColour(3, 0)},
        {"single picture at the top-left", once, {2, 3}, TileColour(2, 3)},
        {"single picture drawn once", once, {4 * 7 + 1, 4 * 9 + 2}, qRgb(0, 96, 0)},
        {"no fade on 256 colours", lowFade, {10, 500}, qRgb(0, 128, 0)},
    };
    for (const Row& r : rows) {
        QImage target = Picture();
        PaintBackground(target, r.prefs, tile);
        EXPECT_EQ(target.pixel(r.at), r.expected) << r.name;
    }
}

TEST(Background, MissingPictureFallsBackToTheDefault) {
    PaintPreferences prefs;
    prefs.backgroundPicture = kTestBackground;
    QImage target = Picture();
    PaintBackground(target, prefs, QImage());
    EXPECT_EQ(target.pixel(5, 5), qRgb(0, 96, 0));
}

TEST(Background, FadeBands) {
    // 256 bands over the picture height plus one row: with 511 rows (h = 512 for the fade) each
    // band is two rows; band i (0 at the bottom) has i/256 of the colour.
    PaintPreferences prefs;
    prefs.fixedColour = 0x00c8c8c8; // grey 200
    QImage target = Picture(20, 511);
    PaintBackground(target, prefs, QImage());
    struct Row {
        int y;
        int band;
    } rows[] = {{0, 255}, {1, 255}, {2, 254}, {255, 128}, {510, 0}, {509, 1}, {507, 2}};
    for (const Row& r : rows) {
        const int level = r.band * 200 / 256;
        EXPECT_EQ(target.pixel(7, r.y), qRgb(level, level, level)) << "row " << r.y;
    }
}

TEST(Background, FadeReachesFurtherBelowWithTheScrollBar) {
    PaintPreferences prefs;
    prefs.fixedColour = 0x00ffffff;
    prefs.scrollBarVisible = true;
    QImage target = Picture(20, 432); // h = 512 with the 80-row overhang
    PaintBackground(target, prefs, QImage());
    // The last row lies 80 rows above the fade's bottom: band 40.
    EXPECT_EQ(target.pixel(0, 431), qRgb(40 * 255 / 256, 40 * 255 / 256, 40 * 255 / 256));
}

TEST(Background, ColourValues) {
    EXPECT_EQ(ColourOfValue(32768).rgb(), qRgb(0, 128, 0));
    EXPECT_EQ(ColourOfValue(16711680).rgb(), qRgb(0, 0, 255));
    EXPECT_EQ(ColourOfValue(8421376).rgb(), qRgb(0, 128, 128));
    EXPECT_EQ(ColourOfValue(-2147483633).rgb(),
              QGuiApplication::palette().color(QPalette::Button).rgb());
}

} // namespace
} // namespace tablamor::table
