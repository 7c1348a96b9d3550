// The application icon: a picture of every size the desktop asks for, opaque where the table is
// and clear outside it; the SVG holds the same shapes; the theme tree is laid out as desktops
// look for it; and SOL.RGF carries every size for the windows.
#include "table/app_icon_names.h"
#include "tools/artgen/app_icon.h"
#include "tools/artgen/tests/art_test_support.h"

#include <QFile>
#include <QResource>
#include <QTemporaryDir>

namespace tablamor::art::testing {
namespace {

TEST(AppIcon, EverySizeIsOpaqueInsideAndClearAtTheCorners) {
    for (int size : kAppIconSizes) {
        SCOPED_TRACE(size);
        QImage icon = AppIconPicture(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        // the hearts of the face card are red: some pixel is clearly red
        bool red = false;
        for (int y = 0; y < size && !red; ++y)
            for (int x = 0; x < size && !red; ++x) {
                QRgb p = icon.pixel(x, y);
                red = qRed(p) > 180 && qGreen(p) < 60 && qBlue(p) < 60;
            }
        EXPECT_TRUE(red);
    }
}

TEST(AppIcon, TheSvgHoldsTheSameShapes) {
    const QString svg = QString::fromUtf8(AppIconSvg());
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(80).toStdString();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 256.00 256.00\""));
    EXPECT_EQ(svg.count("<path "), static_cast<qsizetype>(AppIconShapes().size()));
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}

TEST(AppIcon, ThemeTreeAndResourceFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    ASSERT_TRUE(WriteAppIcons(dir.path(), "org.example.Game", &error)) << error.toStdString();
    for (int size : kAppIconSizes) {
        QImage png(dir.filePath(QString("%1x%1/apps/org.example.Game.png").arg(size)));
        EXPECT_EQ(png.size(), QSize(size, size)) << size;
    }
    QFile svg(dir.filePath("scalable/apps/org.example.Game.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), AppIconSvg());
    EXPECT_FALSE(WriteAppIcons(dir.filePath("scalable/apps/org.example.Game.svg"), "x", &error));

    ASSERT_TRUE(QResource::registerResource(RuntimePath(Q(kResourceFile))));
    for (int size : kAppIconSizes)
        EXPECT_EQ(QImage(":/SOL/" + QString::fromStdString(AppIconName(size))).size(),
                  QSize(size, size))
            << size;
}

} // namespace
} // namespace tablamor::art::testing
