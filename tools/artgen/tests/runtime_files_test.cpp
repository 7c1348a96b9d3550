// The bitmap files the build puts into the program directory's Images/: every name there, in
// every card size, with exactly the size the program cuts it by.
#include "tools/artgen/tests/art_test_support.h"

#include <QFileInfo>
#include <QImage>

namespace tablamor::art::testing {
namespace {

QImage LoadBitmap(const std::string& name) {
    return QImage(RuntimePath(Q(kImagesDir) + "/" + QString::fromStdString(name) + ".bmp"));
}

TEST(ImageFiles, FaceFilesAreGridsOfTheCardSize) {
    for (const CardSize& size : kCardSizes)
        for (int set : kFaceSets)
            for (char suit : kSuitLetters) {
                std::string name = FaceFileName(size.letter, set, suit);
                SCOPED_TRACE(name);
                QImage image = LoadBitmap(name);
                ASSERT_FALSE(image.isNull());
                EXPECT_EQ(image.width(), size.width * kFaceGridColumns);
                EXPECT_EQ(image.height(), size.height * kFaceGridRows);
            }
}

TEST(ImageFiles, TheStartUpCheckFindsItsFaceFile) {
    EXPECT_TRUE(QFileInfo::exists(RuntimePath("Images/CB001C.bmp")));
}

TEST(ImageFiles, BacksHaveTheCardSize) {
    for (const CardSize& size : kCardSizes)
        for (int back : kBackNumbers) {
            std::string name = BackFileName(size.letter, back);
            SCOPED_TRACE(name);
            QImage image = LoadBitmap(name);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(size.width, size.height));
        }
}

TEST(ImageFiles, BackgroundsAreReadableTiles) {
    for (int number : kBackgroundNumbers) {
        std::string name = BackgroundFileName(number);
        SCOPED_TRACE(name);
        QImage image = LoadBitmap(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 32);
        EXPECT_GE(image.height(), 32);
    }
}

} // namespace
} // namespace tablamor::art::testing
