// Backgrounds of hard materials: brushed gold, a brick wall and a parquet floor.
#include "table/card_art/det_random.h"
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/tile_noise.h"
#include "tools/artgen/tile_paint.h"

#include <cmath>
#include <vector>

namespace tablamor::art {

QImage MetalGoldTile() {
    constexpr int kTile = 128;
    constexpr double kTwoPi = 6.283185307179586;
    const QColor dark(150, 104, 30);
    const QColor mid(232, 190, 90);
    const QColor bright(255, 244, 196);
    TileNoise fine(4, kTile, 287); // hair-thin brush marks along x
    TileNoise coarse(2, kTile / 4, 2871);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        double u = static_cast<double>(x) / kTile;
        double v = static_cast<double>(y) / kTile;
        // A broad diagonal sheen (a whole number of waves per tile, so it repeats), crossed by
        // the brush marks.
        double sheen = 0.5 + 0.5 * std::cos(kTwoPi * (u + v));
        double t =
            0.2 + 0.55 * sheen + 0.45 * (fine.At(u, v) - 0.5) + 0.3 * (coarse.At(u, v) - 0.5);
        return t < 0.5 ? Mix(dark, mid, t * 2) : Mix(mid, bright, (t - 0.5) * 2);
    });
    return tile;
}

QImage BrickWallTile() {
    constexpr int kTile = 128;
    constexpr int kBrickW = 32;
    constexpr int kBrickH = 16;
    constexpr int kMortar = 2;
    constexpr int kBricksPerRow = kTile / kBrickW;
    constexpr int kRows = kTile / kBrickH;
    DetRandom random(304);
    std::vector<QColor> brick;
    for (int i = 0; i < kBricksPerRow * kRows; ++i) {
        double t = random.Unit();
        brick.push_back(Mix(QColor(150, 58, 40), QColor(196, 92, 62), t));
    }
    std::vector<TileNoise> grit = TileNoise::Layers(16, 3, 3040);
    const QColor mortar(190, 184, 170);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        int row = y / kBrickH;
        int shifted = (x + (row % 2) * (kBrickW / 2)) % kTile;
        int col = shifted / kBrickW;
        int lx = shifted % kBrickW;
        int ly = y % kBrickH;
        double noise = TileNoise::Fractal(grit, static_cast<double>(x) / kTile,
                                          static_cast<double>(y) / kTile);
        if (lx < kMortar || ly < kMortar) return Mix(mortar.darker(125), mortar, noise * 1.4);
        QColor c = brick[static_cast<std::size_t>(row * kBricksPerRow + col)];
        c = Mix(c.darker(135), c.lighter(115), noise * 1.2 - 0.1);
        // A lit upper edge and a shaded lower edge give each brick some depth.
        if (ly == kMortar) c = c.lighter(118);
        if (ly == kBrickH - 1) c = c.darker(125);
        if (lx == kBrickW - 1) c = c.darker(115);
        return c;
    });
    return tile;
}

QImage ParquetTile() {
    // Squares of four oak strips, turned a quarter from one square to the next.
    constexpr int kTile = 128;
    constexpr int kSquare = 64;
    constexpr int kStrip = 16;
    DetRandom random(311);
    std::vector<QColor> strips;
    for (int i = 0; i < 4 * (kSquare / kStrip); ++i)
        strips.push_back(Mix(QColor(168, 112, 58), QColor(212, 160, 96), random.Unit()));
    TileNoise grainAcross(4, kTile, 3110); // streaks along x
    TileNoise grainDown(kTile, 4, 3111);   // streaks along y
    TileNoise rings(8, 3112);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        int sx = x / kSquare;
        int sy = y / kSquare;
        bool horizontal = (sx + sy) % 2 == 0;
        int across = horizontal ? y % kSquare : x % kSquare;
        int along = horizontal ? x % kSquare : y % kSquare;
        int stripIndex = (sy * 2 + sx) * (kSquare / kStrip) + across / kStrip;
        QColor c = strips[static_cast<std::size_t>(stripIndex)];
        double u = static_cast<double>(x) / kTile;
        double v = static_cast<double>(y) / kTile;
        double grain = horizontal ? grainAcross.At(u, v) : grainDown.At(u, v);
        double figure = std::sin((grain * 6 + rings.At(u, v) * 3) * 3.14159265358979);
        c = Mix(c.darker(125), c.lighter(108), 0.55 + 0.3 * figure + 0.3 * (grain - 0.5));
        if (across % kStrip == 0) c = c.darker(150);               // joint between strips
        if (along == 0 || along == kSquare - 1) c = c.darker(150); // joint between squares
        return c;
    });
    return tile;
}

} // namespace tablamor::art
