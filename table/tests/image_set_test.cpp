// Image sets: faces cut from the face files, second-deck twins, backs, marks, the key colours of
// the strips, missing files and the library and start-up checks.
#include "engine/cards.h"
#include "records/required_files.h"
#include "table/image_files.h"
#include "table/image_set.h"
#include "table/tests/test_artwork.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

QRgb Middle(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

class ImageSetTest : public ::testing::Test {
protected:
    TestArtwork art{"BM"};
    ImageSet images;
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        images.Load(art.Source(), {layout::CardSizeLetter::Big, kTestCardSet, kTestBack});
    }
};

TEST_F(ImageSetTest, EveryFaceIsCutFromItsCell) {
    for (int code = 1; code <= kDeckSize; ++code) {
        const QImage& face = images.Face(code);
        ASSERT_EQ(face.size(), QSize(71, 96)) << code;
        // The whole cell, edges included: a cut one pixel off would show a neighbour.
        EXPECT_EQ(face.pixel(0, 0), FaceColour(code)) << code;
        EXPECT_EQ(face.pixel(70, 95), FaceColour(code)) << code;
    }
}

TEST_F(ImageSetTest, SecondDeckShowsFirstDeckTwin) {
    struct Row {
        int code;
        int twin;
    } rows[] = {{53, 1}, {65, 13}, {78, 26}, {104, 52}};
    for (const Row& r : rows) EXPECT_EQ(Middle(images.Face(r.code)), FaceColour(r.twin)) << r.code;
    EXPECT_TRUE(images.Face(0).isNull());
    EXPECT_TRUE(images.Face(105).isNull());
    EXPECT_TRUE(images.Face(-1).isNull());
}

TEST_F(ImageSetTest, BackMarksAndStripsLoad) {
    EXPECT_EQ(Middle(images.Back()), BackColour());
    for (int mark = 1; mark <= kMarkCount; ++mark)
        EXPECT_EQ(Middle(images.Mark(mark)), MarkColour(mark)) << mark;
    EXPECT_TRUE(images.Mark(0).isNull());
    EXPECT_TRUE(images.Mark(23).isNull());
    // White is the shadows' transparent colour, pure blue the edges'.
    EXPECT_EQ(qAlpha(images.VerticalShadow().pixel(1, 0)), 0);
    EXPECT_EQ(images.VerticalShadow().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(images.RightEdge().pixel(0, 0)), 0);
    EXPECT_EQ(images.RightEdge().pixel(0, 20), EdgeColour());
    EXPECT_EQ(qAlpha(images.BottomEdge().pixel(0, 0)), 0);
}

TEST_F(ImageSetTest, ChangingTheSizeReloadsEverything) {
    images.Load(art.Source(), {layout::CardSizeLetter::Medium, kTestCardSet, kTestBack});
    EXPECT_EQ(images.Card(), (layout::CardSize{59, 80}));
    EXPECT_EQ(images.Face(7).size(), QSize(59, 80));
    EXPECT_EQ(images.Back().size(), QSize(59, 80));
    EXPECT_EQ(images.Mark(4).size(), QSize(59, 80));
    EXPECT_EQ(images.VerticalShadow().height(), 80 - 7);
    EXPECT_EQ(images.BottomEdge().width(), 59 + 11);
}

TEST_F(ImageSetTest, MissingFilesKeepThePreviousPictures) {
    EXPECT_FALSE(images.LoadBack(art.Source(), 99));
    EXPECT_EQ(Middle(images.Back()), BackColour());
    EXPECT_TRUE(images.LoadBackground(art.Source(), kTestBackground));
    EXPECT_FALSE(images.LoadBackground(art.Source(), 123));
    EXPECT_EQ(images.BackgroundNumber(), kTestBackground);
    art.Remove("CB001S.bmp");
    images.Load(art.Source(), {layout::CardSizeLetter::Big, kTestCardSet, kTestBack});
    EXPECT_EQ(Middle(images.Face(40)), FaceColour(40));
    // A set that is not there at all leaves every face as it was.
    images.Load(art.Source(), {layout::CardSizeLetter::Big, 7, kTestBack});
    EXPECT_EQ(Middle(images.Face(1)), FaceColour(1));
}

TEST_F(ImageSetTest, FaceFileOfTheWrongCellSizeIsCutWithoutHarm) {
    const QDir images(QString::fromStdString((art.Dir() / "Images").string()));
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(images.filePath("CB001H.bmp"), "BMP"));
    ImageSet fresh;
    fresh.Load(art.Source(), {layout::CardSizeLetter::Big, kTestCardSet, kTestBack});
    EXPECT_EQ(fresh.Face(1).size(), QSize(71, 96));
    EXPECT_EQ(fresh.Face(1).pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(Middle(fresh.Face(14)), FaceColour(14));
}

TEST(ImageFiles, MissingLibraryGivesItsPathInLowerCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::filesystem::path root = std::filesystem::path(dir.path().toStdString()) / "Prog";
    std::filesystem::create_directories(root);
    ResourceLibrary library(root);
    EXPECT_FALSE(library.Loaded());
    std::string expected = "Can't find/load " + (root / "SOL.RGF").string();
    std::transform(expected.begin() + 16, expected.end(), expected.begin() + 16,
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(library.Error(), expected);
}

TEST(ImageFiles, DamagedLibraryIsNotLoaded) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("SOL.RGF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a resource file");
    file.close();
    ResourceLibrary library(dir.path().toStdString());
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(library.Error().rfind("Can't find/load ", 0), 0u);
}

TEST(ImageFiles, RequiredFaceFileCheck) {
    TestArtwork art;
    ASSERT_TRUE(art.Valid());
    EXPECT_EQ(CheckImageFile(art.Dir(), "Images\\CB001C.bmp"), std::nullopt);
    art.Remove("CB001C.bmp");
    const auto message = CheckImageFile(art.Dir(), "Images\\CB001C.bmp");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, MissingImageFileText(art.Dir() / "Images" / "CB001C.bmp"));
}

} // namespace
} // namespace tablamor::table
