#include "tools/artgen/backgrounds.h"

#include "table/card_art/palette.h"

namespace tablamor::art {

QImage BackgroundTile(int number) {
    switch (number) {
    case 102:
        return MoquetteTile();
    case 287:
        return MetalGoldTile();
    case 296:
        return MoquetteOneTile();
    case 304:
        return BrickWallTile();
    case 311:
        return ParquetTile();
    case 324:
        return MeadowTile();
    default:
        break;
    }
    constexpr int kPlainTile = 32;
    QImage tile(kPlainTile, kPlainTile, QImage::Format_RGB32);
    tile.fill(palette::kTableGreen);
    return tile;
}

} // namespace tablamor::art
