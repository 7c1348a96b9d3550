// The meadow background: mottled grass, blades and small flowers.
#include "table/card_art/det_random.h"
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/tile_noise.h"
#include "tools/artgen/tile_paint.h"

#include <QPainter>

#include <cmath>

namespace tablamor::art {

QImage MeadowTile() {
    constexpr int kTile = 128;
    constexpr int kBlades = 420;
    constexpr int kFlowers = 9;
    std::vector<TileNoise> patches = TileNoise::Layers(4, 4, 324);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    FillPixels(tile, [&](int x, int y) {
        double t = TileNoise::Fractal(patches, static_cast<double>(x) / kTile,
                                      static_cast<double>(y) / kTile);
        return Mix(QColor(40, 92, 24), QColor(110, 160, 50), t * 1.3 - 0.15);
    });

    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing, true);
    DetRandom random(3240);
    for (int i = 0; i < kBlades; ++i) {
        QPointF base(random.Range(0, kTile), random.Range(0, kTile));
        double lean = random.Range(-3, 3);
        double height = random.Range(5, 10);
        QColor color = Mix(QColor(30, 80, 20), QColor(150, 200, 80), random.Unit());
        DrawWrapped(p, kTile, kTile, [&] {
            p.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(base, base + QPointF(lean, -height));
        });
    }
    const QColor petals[] = {QColor(250, 250, 245), QColor(255, 220, 60), QColor(120, 140, 240)};
    for (int i = 0; i < kFlowers; ++i) {
        QPointF c(random.Range(0, kTile), random.Range(0, kTile));
        QColor petal = petals[i % 3];
        DrawWrapped(p, kTile, kTile, [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(petal);
            for (int k = 0; k < 5; ++k) {
                double a = k * 2 * 3.14159265358979 / 5;
                p.drawEllipse(c + QPointF(2.0 * std::cos(a), 2.0 * std::sin(a)), 1.6, 1.6);
            }
            p.setBrush(QColor(240, 170, 20));
            p.drawEllipse(c, 1.1, 1.1);
        });
    }
    return tile;
}

} // namespace tablamor::art
