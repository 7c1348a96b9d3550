#pragma once
// The application icon: two fanned cards, a blue back and an ace of hearts, on a rounded green
// table. It is one list of filled and outlined shapes in a 256-unit square, painted into PNGs of
// every size the desktop asks for and written out as the same shapes in SVG, so the scalable
// icon and the bitmaps cannot drift apart.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <vector>

namespace tablamor::art {

inline constexpr qreal kAppIconDesign = 256.0;

// One shape of the icon, in design units. A transparent fill or a zero outline width leaves
// that part out.
struct IconShape {
    QPainterPath path;
    QColor fill;
    QColor outline;
    qreal outlineWidth = 0;
};

std::vector<IconShape> AppIconShapes();

// The icon as a `size` x `size` picture with alpha.
QImage AppIconPicture(int size);

// The icon as an SVG document.
QByteArray AppIconSvg();

// Writes the icon into an icon theme tree: DIR/<n>x<n>/apps/NAME.png for every size and
// DIR/scalable/apps/NAME.svg. False and a message when a file cannot be written.
bool WriteAppIcons(const QString& dir, const QString& name, QString* error);

} // namespace tablamor::art
