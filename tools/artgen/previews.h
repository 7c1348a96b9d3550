#pragma once
// The preview pictures of the open-a-game dialog: for now a schematic table per game family
// (where the stock, foundations and columns of such a game lie), on the dialog's table green.
#include "tools/artgen/artwork.h"

#include <QImage>

namespace tablamor::art {

// `scale` times the preview size, for screens of a higher device pixel ratio.
QImage PreviewPicture(const GameInfo& game, int scale = 1);

} // namespace tablamor::art
