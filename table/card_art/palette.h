#pragma once
// Colours shared by several pictures, so that cards, marks and icons agree with one another.
#include <QColor>

namespace tablamor::art::palette {

inline const QColor kTableGreen(0, 96, 0);    // the default table
inline const QColor kPreviewGreen(0, 128, 0); // the open-a-game dialog's preview panel
inline const QColor kCardWhite(255, 255, 255);
inline const QColor kCardOutline(48, 48, 48);
inline const QColor kInk(16, 16, 16);    // black suits and text
inline const QColor kRed(204, 16, 24);   // red suits
inline const QColor kBoldRed(218, 0, 0); // red suits of the high-contrast set
inline const QColor kCourtRed(200, 30, 36);
inline const QColor kCourtBlue(30, 62, 156);
inline const QColor kCourtGold(240, 190, 40);
inline const QColor kDarkGoldLine(170, 120, 20);
inline const QColor kSkin(250, 218, 184);
inline const QColor kMarkLine(255, 255, 255, 150); // empty-pile marks on the table
inline const QColor kMarkFill(255, 255, 255, 26);
inline const QColor kMarkSymbol(255, 255, 255, 170);

} // namespace tablamor::art::palette
