// Carpet backgrounds: the few-colour Moquette and the soft-pile Moquette 1.
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/tile_noise.h"
#include "tools/artgen/tile_paint.h"

#include <cmath>
#include <cstdlib>

namespace tablamor::art {

QImage MoquetteTile() {
    // A diamond motif every kMotif pixels, in eight flat colours with a fibre dither, so that it
    // also looks right on a display of few colours.
    constexpr int kTile = 64;
    constexpr int kMotif = 32;
    const QColor ground(26, 72, 78);
    const QColor gold(206, 172, 92);
    const QColor maroon(122, 34, 44);
    const QColor beige(188, 168, 122);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        int u = x % kMotif;
        int v = y % kMotif;
        int centre = std::abs(u - kMotif / 2) + std::abs(v - kMotif / 2);
        int cornerU = std::min(u, kMotif - u);
        int cornerV = std::min(v, kMotif - v);
        int corner = cornerU + cornerV;
        QColor c = ground;
        if (centre < 4)
            c = gold;
        else if (centre < 7)
            c = maroon;
        else if (centre >= 10 && centre < 12)
            c = beige;
        else if (corner < 4)
            c = maroon;
        else if (corner >= 6 && corner < 7)
            c = gold;
        if ((x + y) % 2 == 1) c = c.darker(112);
        return c;
    });
    return tile;
}

QImage MoquetteOneTile() {
    constexpr int kTile = 96;
    const QColor deep(92, 16, 28);
    const QColor light(156, 40, 52);
    const QColor pattern(60, 8, 18);
    const QColor gold(196, 150, 70);
    std::vector<TileNoise> pile = TileNoise::Layers(12, 3, 296);
    TileNoise fibre(kTile, 2960);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        double u = static_cast<double>(x) / kTile;
        double v = static_cast<double>(y) / kTile;
        double soft = TileNoise::Fractal(pile, u, v);
        double fine = fibre.At(u, v);
        QColor c = Mix(deep, light, soft * 0.8 + fine * 0.35 - 0.1);
        // An eight-petalled rosette in the middle of the tile and a small lozenge at its corners
        // (which meet to form a second motif when the tiles are laid together).
        double dx = x + 0.5 - kTile / 2.0;
        double dy = y + 0.5 - kTile / 2.0;
        double r = std::sqrt(dx * dx + dy * dy);
        double petals = 20 + 7 * std::cos(8 * std::atan2(dy, dx));
        if (std::abs(r - petals) < 1.6) c = Mix(c, pattern, 0.8);
        if (r < 6)
            c = Mix(c, gold, 0.75);
        else if (r < 8)
            c = Mix(c, pattern, 0.6);
        double cx = std::min<double>(x + 0.5, kTile - x - 0.5);
        double cy = std::min<double>(y + 0.5, kTile - y - 0.5);
        double corner = cx + cy;
        if (corner < 4)
            c = Mix(c, gold, 0.7);
        else if (corner > 8 && corner < 10.5)
            c = Mix(c, pattern, 0.7);
        return c;
    });
    return tile;
}

} // namespace tablamor::art
