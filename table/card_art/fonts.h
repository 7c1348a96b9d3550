#pragma once
// Text as outlines, from the DejaVu font files loaded by path. Reading the files directly keeps
// the artwork independent of the fonts and settings configured on the machine. Load() once,
// after the QGuiApplication exists, before any painter asks for text.
#include <QPainterPath>
#include <QRawFont>
#include <QRectF>
#include <QString>

#include <array>

namespace tablamor::art {

enum class FontFace { Sans, SansBold, SansCondensedBold, Serif, SerifBold, SerifCondensedBold };

class Fonts {
public:
    // The fonts of `directory` (DejaVu*.ttf). False and a message when one cannot be read.
    static bool Load(const QString& directory, QString* error);
    static bool Loaded();
    // The directory the build found the fonts in.
    static QString DefaultDirectory();

    // The outline of `text` set in one line at `pixelSize`, baseline at y = 0, starting at x = 0.
    static QPainterPath Outline(FontFace face, const QString& text, qreal pixelSize);

    // The height of a capital letter at pixel size 1.
    static qreal CapHeightRatio(FontFace face);

private:
    static std::array<QRawFont, 6>& Table();
};

// `text` scaled so that its capital height fills `box`'s height (smaller when a letter reaches
// below the line, so that nothing leaves the box), squeezed sideways when it would be wider than
// the box, and placed by `align` (left, right or centre) with its lowest point on the box's bottom.
QPainterPath TextInBox(FontFace face, const QString& text, const QRectF& box,
                       Qt::Alignment align = Qt::AlignCenter);

} // namespace tablamor::art
