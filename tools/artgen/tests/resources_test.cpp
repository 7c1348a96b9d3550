// The named pictures of SOL.RGF as the program looks them up: each name loads, at the size the
// program draws or cuts it, with the transparency its users rely on.
#include "tools/artgen/game_list.h"
#include "tools/artgen/tests/art_test_support.h"

#include <QImage>
#include <QResource>

namespace tablamor::art::testing {
namespace {

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registered_ = QResource::registerResource(RuntimePath(Q(kResourceFile)));
    }
    void SetUp() override { ASSERT_TRUE(registered_) << "SOL.RGF does not load"; }

    static QImage Load(std::string_view name) {
        return QImage(QString::fromStdString(ResourcePath(name)));
    }
    static QImage Load(const std::string& name) { return Load(std::string_view(name)); }

    static bool registered_;
};
bool Resources::registered_ = false;

struct Expected {
    std::string name;
    QSize size;
};

// Every picture a window of the program names, with the size it is drawn at.
std::vector<Expected> NamedPictures() {
    std::vector<Expected> all;
    for (const CardSize& size : kCardSizes)
        for (int mark = 1; mark <= kMarkCount; ++mark)
            all.push_back({MarkName(size.letter, mark), {size.width, size.height}});
    for (const CursorPicture& cursor : kCursors) {
        all.push_back({std::string(cursor.name), {kCursorSize, kCursorSize}});
        all.push_back({HiDpiName(cursor.name), QSize(kCursorSize, kCursorSize) * kHiDpiScale});
    }
    for (std::string_view name : kTreePictures)
        all.push_back({std::string(name), {kTreePictureSize, kTreePictureSize}});
    for (const auto* list : {&kDifficultyPictures, &kGameTimePictures})
        for (std::string_view name : *list)
            all.push_back({std::string(name), {kRatingWidth, kRatingHeight}});
    for (std::string_view name : kChancePictures)
        all.push_back({std::string(name), {kRatingWidth, kRatingHeight}});
    for (std::string_view name : kCounterSuitPictures)
        all.push_back({std::string(name), {kCounterSuitWidth, kCounterSuitHeight}});
    all.push_back({std::string(kCounterNoCard), {kCounterMarkWidth, kCounterMarkHeight}});
    for (int rank = 1; rank <= kRanksPerSuit; ++rank)
        for (bool up : {true, false})
            all.push_back({CounterCardName(rank, up), {kCounterMarkWidth, kCounterMarkHeight}});
    for (ToolbarButton button : kToolbarButtons)
        for (bool disabled : {false, true}) {
            all.push_back({ToolbarPictureName(button, true, disabled),
                           {kLargeToolbarIcon, kLargeToolbarIcon}});
            all.push_back({ToolbarPictureName(button, false, disabled),
                           {kSmallToolbarIcon, kSmallToolbarIcon}});
            all.push_back({HiDpiName(ToolbarPictureName(button, true, disabled)),
                           QSize(kLargeToolbarIcon, kLargeToolbarIcon) * kHiDpiScale});
        }
    all.push_back({std::string(kSplashBanner), {kSplashBannerWidth, kSplashBannerHeight}});
    all.push_back({std::string(kSplashPicture), {kSplashPictureWidth, kSplashPictureHeight}});
    all.push_back({std::string(kAdviceColor), {kAdvicePictureSize, kAdvicePictureSize}});
    all.push_back({std::string(kAdviceSmallScreen), {kAdvicePictureSize, kAdvicePictureSize}});
    return all;
}

TEST_F(Resources, EveryNamedPictureLoadsAtItsSize) {
    for (const Expected& expected : NamedPictures()) {
        SCOPED_TRACE(expected.name);
        QImage image = Load(expected.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), expected.size);
    }
}

TEST_F(Resources, ShadowsAreBlackOnTransparentWhite) {
    for (const CardSize& size : kCardSizes)
        for (int which : {1, 2}) {
            std::string name = ShadowName(size.letter, which);
            SCOPED_TRACE(name);
            QImage image = Load(name);
            ASSERT_FALSE(image.isNull());
            // The vertical strip runs from 7 px below the card's top to its bottom edge, the
            // horizontal one from 8 px right of its left edge to past its right edge.
            QSize expected = which == 1 ? QSize(kShadowDepth, size.height - 7)
                                        : QSize(size.width - 8 + kShadowDepth, kShadowDepth);
            EXPECT_EQ(image.size(), expected);
            int black = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    QRgb px = image.pixel(x, y) & 0xFFFFFF;
                    ASSERT_TRUE(px == 0 || px == 0xFFFFFF) << "at " << x << "," << y;
                    black += px == 0;
                }
            EXPECT_GT(black, 0);
        }
}

// A stock d pixels thick (0..15) cuts a strip from row or column 15 - d of the edge pictures;
// each cut row shows the edge of one card and is transparent outside it.
TEST_F(Resources, StockEdgesServeEveryThickness) {
    const QRgb blue = qRgb(0, 0, 255);
    for (const CardSize& size : kCardSizes) {
        SCOPED_TRACE(size.letter);
        QImage right = Load(BorderName(size.letter, 1));
        QImage bottom = Load(BorderName(size.letter, 2));
        ASSERT_FALSE(right.isNull());
        ASSERT_FALSE(bottom.isNull());
        ASSERT_GE(right.width(), kBorderDepth);
        ASSERT_GE(right.height(), size.height + 13);
        ASSERT_GE(bottom.width(), size.width + 11);
        ASSERT_GE(bottom.height(), kBorderDepth);
        for (int d = 0; d < kBorderDepth; ++d) {
            const int line = kBorderDepth - 1 - d; // the row or column a thickness d starts at
            // Card d's edge begins 13 - d pixels into the strip; before that the table shows.
            const int edge = std::max(0, 13 - d);
            for (int i = 0; i < edge; ++i) {
                EXPECT_EQ(bottom.pixel(i, line), blue) << "d " << d << " column " << i;
                EXPECT_EQ(right.pixel(line, i), blue) << "d " << d << " row " << i;
            }
            EXPECT_NE(bottom.pixel(edge, line), blue) << "d " << d;
            EXPECT_NE(bottom.pixel(size.width + 10, line), blue) << "d " << d;
            EXPECT_NE(right.pixel(line, edge), blue) << "d " << d;
            EXPECT_NE(right.pixel(line, size.height + 12), blue) << "d " << d;
        }
    }
}

TEST_F(Resources, CursorsCarryTheirHotSpotOnTheShape) {
    for (const CursorPicture& cursor : kCursors) {
        SCOPED_TRACE(cursor.name);
        QImage image = Load(cursor.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.text("HotspotX").toInt(), cursor.hotX);
        EXPECT_EQ(image.text("HotspotY").toInt(), cursor.hotY);
        int opaque = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                opaque += qAlpha(image.pixel(cursor.hotX + dx, cursor.hotY + dy)) > 0;
        EXPECT_GT(opaque, 0) << "nothing drawn at the hot spot";
    }
}

TEST_F(Resources, NoPictureUsesTheGreenKeyColour) {
    for (const Expected& expected : NamedPictures()) {
        SCOPED_TRACE(expected.name);
        QImage image = Load(expected.name).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_NE(image.pixel(x, y), qRgba(0, 255, 0, 255)) << "at " << x << "," << y;
    }
}

TEST_F(Resources, EveryGameHasAPreviewOnTheTableGreen) {
    QString error;
    auto games = ReadGameList(RuntimePath("GAMES.DAT"), &error);
    ASSERT_TRUE(games.has_value()) << error.toStdString();
    ASSERT_FALSE(games->empty());
    for (const GameInfo& game : *games) {
        for (int scale : {1, kHiDpiScale}) {
            const std::string name =
                scale == 1 ? PreviewName(game.id) : HiDpiName(PreviewName(game.id));
            SCOPED_TRACE(name);
            QImage image = Load(name);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(kPreviewWidth, kPreviewHeight) * scale);
            // The dialog keys out the colour of the top-left pixel.
            EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, qRgb(0, 128, 0) & 0xFFFFFF);
        }
    }
}

} // namespace
} // namespace tablamor::art::testing
