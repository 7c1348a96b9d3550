#include "table/tests/test_artwork.h"

#include "table/image_names.h"
#include "table/image_set.h"
#include "table/layout/card_size.h"
#include "table/qt_text.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <string>

namespace tablamor::table::testing {
namespace {

constexpr int kFaceRows = 3;
constexpr int kEdgeDepth = 16;
constexpr int kEdgeOverhang = 13;
const QRgb kUnusedCell = qRgb(255, 0, 255);
const QRgb kBlue = qRgb(0, 0, 255);

QImage FaceFile(layout::CardSize card, int suit) {
    QImage file(card.width * kFaceGridColumns, card.height * kFaceRows, QImage::Format_RGB32);
    file.fill(kUnusedCell);
    for (int rank = 0; rank < kRanksPerSuit; ++rank) {
        const QRect cell((rank % kFaceGridColumns) * card.width,
                         (rank / kFaceGridColumns) * card.height, card.width, card.height);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                file.setPixel(x, y, FaceColour(suit * kRanksPerSuit + rank + 1));
    }
    return file;
}

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Black and white checkers (white is the shadow's transparent colour).
QImage Checkers(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : 0);
    return image;
}

// The edge strips: blue (transparent) where they lie above or left of the resting card, grey
// elsewhere.
QImage Edge(layout::CardSize card, int which) {
    const bool right = which == 1;
    QImage image = Filled(right ? kEdgeDepth : card.width + 11,
                          right ? card.height + kEdgeOverhang : kEdgeDepth, EdgeColour());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((right && y < kEdgeOverhang) || (!right && x < kEdgeOverhang))
                image.setPixel(x, y, kBlue);
    return image;
}

bool RunRcc(const QString& qrc, const QString& output) {
    QProcess rcc;
    rcc.start(TABLAMOR_RCC, {"--binary", "--no-compress", "-o", output, qrc});
    return rcc.waitForFinished(60000) && rcc.exitStatus() == QProcess::NormalExit &&
           rcc.exitCode() == 0;
}

} // namespace

QRgb FaceColour(int code) {
    return qRgb(code * 4, 250 - code * 4, 60);
}
QRgb BackColour() {
    return qRgb(20, 30, 200);
}
QRgb MarkColour(int mark) {
    return qRgb(255, mark * 10, 0);
}
QRgb EdgeColour() {
    return qRgb(90, 90, 90);
}
QRgb TileColour(int x, int y) {
    return qRgb(10 + x * 20, 10 + y * 20, 77);
}

TestArtwork::TestArtwork(const char* sizes) {
    if (!dir_.isValid()) return;
    QDir root(dir_.path());
    root.mkpath("Images");
    root.mkpath("staging");
    const QDir images(root.filePath("Images"));
    const QDir staging(root.filePath("staging"));
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/SOL\">\n";
    auto add = [&](const std::string& name, const QImage& image) {
        const QString file = staging.filePath(Q(name) + ".png");
        image.save(file, "PNG");
        qrc += "<file alias=\"" + Q(name).toUtf8() + "\">" + file.toUtf8() + "</file>\n";
    };
    for (const char* s = sizes; *s; ++s) {
        const char letter = *s;
        const auto card = layout::CardSizeOf(static_cast<layout::CardSizeLetter>(letter));
        for (int suit = 0; suit < 4; ++suit)
            FaceFile(card, suit)
                .save(images.filePath(Q(FaceFileName(letter, kTestCardSet, kSuitLetters[suit])) +
                                      ".bmp"),
                      "BMP");
        Filled(card.width, card.height, BackColour())
            .save(images.filePath(Q(BackFileName(letter, kTestBack)) + ".bmp"), "BMP");
        for (int mark = 1; mark <= kMarkCount; ++mark)
            add(MarkName(letter, mark), Filled(card.width, card.height, MarkColour(mark)));
        add(ShadowName(letter, 1), Checkers(7, card.height - 7));
        add(ShadowName(letter, 2), Checkers(card.width - 8 + 7, 7));
        add(BorderName(letter, 1), Edge(card, 1));
        add(BorderName(letter, 2), Edge(card, 2));
    }
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::transparent);
    hand.setText("HotspotX", "11");
    hand.setText("HotspotY", "4");
    add("CUR_HAND1A", hand);
    QImage largerHand = Filled(64, 64, qRgb(255, 255, 255));
    largerHand.setText("HotspotX", "11");
    largerHand.setText("HotspotY", "4");
    add("CUR_HAND1A@2x", largerHand);
    add("CUR_ARROW1B", Filled(32, 32, qRgb(0, 0, 0)));
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x) tile.setPixel(x, y, TileColour(x, y));
    tile.save(images.filePath(Q(BackgroundFileName(kTestBackground)) + ".bmp"), "BMP");
    tile.save(images.filePath(Q(BackgroundFileName(kTestBigBackground)) + ".bmp"), "BMP");
    qrc += "</qresource>\n</RCC>\n";
    QFile list(staging.filePath("test.qrc"));
    if (!list.open(QIODevice::WriteOnly) || list.write(qrc) != qrc.size()) return;
    list.close();
    if (!RunRcc(list.fileName(), root.filePath("SOL.RGF"))) return;
    source_ = std::make_unique<ImageSource>(Dir());
    library_ = std::make_unique<ResourceLibrary>(Dir());
    valid_ = library_->Loaded();
}

TestArtwork::~TestArtwork() = default;

std::filesystem::path TestArtwork::Dir() const {
    return std::filesystem::path(dir_.path().toStdString());
}

void TestArtwork::Remove(const char* fileName) const {
    QFile::remove(QDir(dir_.path()).filePath(QString("Images/") + fileName));
}

} // namespace tablamor::table::testing
