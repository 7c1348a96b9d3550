#include "table/card_art/fonts.h"

#include <QDir>
#include <QFile>
#include <QTransform>

#ifndef TABLAMOR_DEFAULT_FONT_DIR
#define TABLAMOR_DEFAULT_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace tablamor::art {
namespace {

constexpr qreal kDesignPixelSize = 256.0; // large enough that outlines carry no rounding

const char* FileOf(FontFace face) {
    switch (face) {
    case FontFace::Sans:
        return "DejaVuSans.ttf";
    case FontFace::SansBold:
        return "DejaVuSans-Bold.ttf";
    case FontFace::SansCondensedBold:
        return "DejaVuSansCondensed-Bold.ttf";
    case FontFace::Serif:
        return "DejaVuSerif.ttf";
    case FontFace::SerifBold:
        return "DejaVuSerif-Bold.ttf";
    case FontFace::SerifCondensedBold:
        return "DejaVuSerifCondensed-Bold.ttf";
    }
    return "";
}

constexpr std::array<FontFace, 6> kAllFaces{
    FontFace::Sans,  FontFace::SansBold,  FontFace::SansCondensedBold,
    FontFace::Serif, FontFace::SerifBold, FontFace::SerifCondensedBold};

bool loaded = false;

} // namespace

std::array<QRawFont, 6>& Fonts::Table() {
    static std::array<QRawFont, 6> table;
    return table;
}

bool Fonts::Load(const QString& directory, QString* error) {
    for (FontFace face : kAllFaces) {
        QString path = QDir(directory).filePath(QString::fromLatin1(FileOf(face)));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = "cannot read the font file " + path + " (package fonts-dejavu-core)";
            return false;
        }
        QRawFont font(file.readAll(), kDesignPixelSize, QFont::PreferNoHinting);
        if (!font.isValid()) {
            *error = "the font file " + path + " is damaged";
            return false;
        }
        Table()[static_cast<std::size_t>(face)] = font;
    }
    loaded = true;
    return true;
}

QString Fonts::DefaultDirectory() {
    return QString::fromUtf8(TABLAMOR_DEFAULT_FONT_DIR);
}

bool Fonts::Loaded() {
    return loaded;
}

QPainterPath Fonts::Outline(FontFace face, const QString& text, qreal pixelSize) {
    const QRawFont& font = Table()[static_cast<std::size_t>(face)];
    QPainterPath path;
    if (!font.isValid()) return path;
    QList<quint32> glyphs = font.glyphIndexesForString(text);
    QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    qreal scale = pixelSize / kDesignPixelSize;
    return QTransform::fromScale(scale, scale).map(path);
}

qreal Fonts::CapHeightRatio(FontFace face) {
    const QRawFont& font = Table()[static_cast<std::size_t>(face)];
    if (!font.isValid()) return 0.7;
    return font.capHeight() / kDesignPixelSize;
}

QPainterPath TextInBox(FontFace face, const QString& text, const QRectF& box, Qt::Alignment align) {
    qreal pixelSize = box.height() / Fonts::CapHeightRatio(face);
    QPainterPath path = Fonts::Outline(face, text, pixelSize);
    QRectF bounds = path.boundingRect();
    // Letters that reach below the line (J, Q) are shrunk until they fit the box.
    qreal shrink = bounds.height() > box.height() ? box.height() / bounds.height() : 1.0;
    qreal squeeze =
        bounds.width() * shrink > box.width() ? box.width() / (bounds.width() * shrink) : 1.0;
    qreal width = bounds.width() * shrink * squeeze;
    qreal left = box.left() + (box.width() - width) / 2.0;
    if (align & Qt::AlignLeft) left = box.left();
    if (align & Qt::AlignRight) left = box.right() - width;
    QTransform place;
    place.translate(left, box.bottom());
    place.scale(shrink * squeeze, shrink);
    place.translate(-bounds.left(), -std::max<qreal>(bounds.bottom(), 0.0));
    return place.map(path);
}

} // namespace tablamor::art
