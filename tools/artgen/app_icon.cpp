#include "tools/artgen/app_icon.h"

#include "table/app_icon_names.h"
#include "table/card_art/palette.h"
#include "table/card_art/suit_shapes.h"
#include "tools/artgen/icon_kit.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>

namespace tablamor::art {
namespace {

const QColor kFeltGreen(24, 122, 58);
const QColor kFeltEdge(12, 72, 34);
const QColor kBackLining(160, 190, 245);
constexpr qreal kTableInset = 12;
constexpr qreal kTableRadius = 48;
constexpr qreal kCardWidth = 108;
constexpr qreal kCardHeight = 150;
constexpr qreal kCardRadius = 12;
constexpr qreal kOutline = 6;

// A rounded rectangle of the card size, turned by `angle` degrees about `centre`.
QTransform CardPlace(QPointF centre, qreal angle) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    return t;
}

QPainterPath RoundedBox(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QString Number(qreal v) {
    return QString::number(v, 'f', 2);
}

QString PathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement)
            d += "M" + Number(e.x) + " " + Number(e.y);
        else if (e.type == QPainterPath::LineToElement)
            d += "L" + Number(e.x) + " " + Number(e.y);
        else if (e.type == QPainterPath::CurveToElement)
            d += "C" + Number(e.x) + " " + Number(e.y);
        else // the two further points of a curve
            d += " " + Number(e.x) + " " + Number(e.y);
    }
    return d;
}

QString Colour(const QColor& c) {
    return c.alpha() == 0 ? QStringLiteral("none") : c.name(QColor::HexRgb);
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = "cannot write " + path;
    return false;
}

} // namespace

std::vector<IconShape> AppIconShapes() {
    std::vector<IconShape> shapes;
    const QRectF table(kTableInset, kTableInset, kAppIconDesign - 2 * kTableInset,
                       kAppIconDesign - 2 * kTableInset);
    shapes.push_back({RoundedBox(table, kTableRadius), kFeltGreen, kFeltEdge, kOutline});

    const QRectF card(-kCardWidth / 2, -kCardHeight / 2, kCardWidth, kCardHeight);
    const QTransform back = CardPlace({104, 134}, -14);
    shapes.push_back({back.map(RoundedBox(card, kCardRadius)), kBackBlue, kIconOutline, kOutline});
    shapes.push_back({back.map(RoundedBox(card.adjusted(12, 12, -12, -12), kCardRadius / 2)),
                      Qt::transparent, kBackLining, kOutline});

    const QTransform face = CardPlace({154, 122}, 10);
    shapes.push_back(
        {face.map(RoundedBox(card, kCardRadius)), palette::kCardWhite, kIconOutline, kOutline});
    const qreal pip = kCardWidth * 0.6;
    shapes.push_back({face.map(SuitInBox(Suit::Hearts, QRectF(-pip / 2, -pip / 2, pip, pip))),
                      palette::kRed, Qt::transparent, 0});
    const qreal corner = kCardWidth * 0.2;
    shapes.push_back(
        {face.map(SuitInBox(Suit::Hearts, QRectF(card.left() + 8, card.top() + 8, corner, corner))),
         palette::kRed, Qt::transparent, 0});
    return shapes;
}

QImage AppIconPicture(int size) {
    QImage icon = BlankIcon(size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kAppIconDesign, size / kAppIconDesign);
    for (const IconShape& shape : AppIconShapes()) {
        p.setBrush(shape.fill.alpha() ? QBrush(shape.fill) : Qt::NoBrush);
        p.setPen(shape.outlineWidth > 0 ? QPen(shape.outline, shape.outlineWidth, Qt::SolidLine,
                                               Qt::RoundCap, Qt::RoundJoin)
                                        : Qt::NoPen);
        p.drawPath(shape.path);
    }
    p.end();
    return FinishIcon(icon);
}

QByteArray AppIconSvg() {
    const QString side = Number(kAppIconDesign);
    QString svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                  side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side + "\">\n";
    for (const IconShape& shape : AppIconShapes()) {
        svg += "  <path d=\"" + PathData(shape.path) + "\" fill=\"" + Colour(shape.fill) + "\"";
        if (shape.path.fillRule() == Qt::OddEvenFill) svg += " fill-rule=\"evenodd\"";
        if (shape.outlineWidth > 0)
            svg += " stroke=\"" + Colour(shape.outline) + "\" stroke-width=\"" +
                   Number(shape.outlineWidth) + "\" stroke-linejoin=\"round\"";
        svg += "/>\n";
    }
    svg += "</svg>\n";
    return svg.toUtf8();
}

bool WriteAppIcons(const QString& dir, const QString& name, QString* error) {
    const QDir root(dir);
    for (int size : kAppIconSizes) {
        const QString path = root.filePath(QString("%1x%1/apps/%2.png").arg(size).arg(name));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        AppIconPicture(size).save(&buffer, "PNG");
        if (!WriteFile(path, png, error)) return false;
    }
    return WriteFile(root.filePath("scalable/apps/" + name + ".svg"), AppIconSvg(), error);
}

} // namespace tablamor::art
