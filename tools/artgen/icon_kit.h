#pragma once
// Small drawing pieces shared by the dialog and toolbar icons: miniature cards, folders,
// stars and suit symbols, drawn in the painter's current coordinates.
#include "table/card_art/suit_shapes.h"

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace tablamor::art {

// A transparent square icon to draw on (premultiplied ARGB) and its conversion for saving.
QImage BlankIcon(int size);
QImage FinishIcon(const QImage& icon);

// A miniature card: white with an outline, a small suit symbol when `suit` is given, or a blue
// back when `faceDown`.
void MiniCard(QPainter& p, const QRectF& r, bool faceDown, const Suit* suit = nullptr);

// A manila folder, closed or open, filling `r`.
void Folder(QPainter& p, const QRectF& r, bool open);

// A five-pointed star.
void Star(QPainter& p, QPointF centre, qreal radius, const QColor& fill);

// The disabled form of an icon: grey, lighter, half transparent.
QImage Greyed(const QImage& icon);

inline const QColor kIconOutline(40, 40, 48);
inline const QColor kBackBlue(40, 80, 190);
inline const QColor kFolderYellow(246, 204, 92);

} // namespace tablamor::art
