#pragma once
// The table backgrounds: square tiles that join seamlessly when repeated across the table.
// Texture comes from noise that repeats over the tile, and every shape that crosses an edge is
// drawn again on the opposite side.
#include <QImage>

namespace tablamor::art {

// The tile of background `number` (one of kBackgroundNumbers); a plain green tile otherwise.
QImage BackgroundTile(int number);

QImage MoquetteTile();    // 102: a small woven carpet motif in few colours
QImage MetalGoldTile();   // 287: brushed gold
QImage MoquetteOneTile(); // 296: a soft-pile carpet with a medallion pattern
QImage BrickWallTile();   // 304: bricks in running bond with mortar joints
QImage ParquetTile();     // 311: oak strips laid in a basket weave
QImage MeadowTile();      // 324: grass with scattered flowers

} // namespace tablamor::art
