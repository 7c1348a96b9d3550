// Cards drawn at run time: every picture has the size asked for, the pictures of a size are kept,
// and a covered card of a fitted fanned column shows both the rank and the suit of its index.
#include "engine/fan_style.h"
#include "table/card_drawing.h"
#include "table/image_set.h"
#include "table/layout/scaled_layout.h"
#include "table/tests/test_artwork.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

// True when a pixel of `area` of the card is neither the card's white nor grey outline.
bool Inked(const QImage& card, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = card.pixelColor(x, y);
            if (c.red() < 150 || c.green() < 150 || c.blue() < 150) return true;
        }
    return false;
}

TEST(CardDrawing, PicturesHaveTheCardSize) {
    ASSERT_TRUE(FontsReady());
    TestArtwork art{"B"};
    ASSERT_TRUE(art.Valid());
    for (int width : {40, 71, 104, 154, 230}) {
        const layout::CardSize card = layout::CardOfWidth(width);
        ImageSet images;
        images.Render(art.Source(), card, {layout::CardSizeLetter::Big, 1, 11});
        EXPECT_TRUE(images.Rendered());
        EXPECT_EQ(images.Card(), card);
        for (int code : {1, 13, 40, 52, 53, 104})
            EXPECT_EQ(images.Face(code).size(), QSize(card.width, card.height)) << code;
        EXPECT_EQ(images.Back().size(), QSize(card.width, card.height));
        for (int mark = 1; mark <= kMarkCount; ++mark)
            EXPECT_EQ(images.Mark(mark).size(), QSize(card.width, card.height)) << mark;
        EXPECT_FALSE(images.VerticalShadow().isNull());
        EXPECT_FALSE(images.RightEdge().isNull());
    }
}

// The rows a covered face-up card of a downward fan shows hold ink both where the rank stands
// and, to its right, where the suit stands; the bitmaps of the fixed sizes put the suit lower.
TEST(CardDrawing, CoveredCardShowsRankAndSuit) {
    ASSERT_TRUE(FontsReady());
    GameParams params{};
    params[param::kTableauFan] = FanCode(FanStyle::Vertical);
    for (int width : {50, 80, 104, 154, 230}) {
        const layout::CardSize card = layout::CardOfWidth(width);
        const int shown = layout::ScaledFanSteps(params, width).verticalUp;
        for (int set : {1, 3})
            for (int code : {1, 10, 23, 37, 52}) {
                const QImage face = DrawFace(card, set, code);
                const int rankRight = card.width * 15 / 71;
                const int suitLeft = card.width * 33 / 142; // clear of the rank
                const int suitRight = card.width * 27 / 71;
                EXPECT_TRUE(Inked(face, QRect(QPoint(2, 2), QPoint(rankRight - 1, shown - 1))))
                    << "rank of " << code << " at " << width << " set " << set;
                EXPECT_TRUE(Inked(face, QRect(QPoint(suitLeft, 2), QPoint(suitRight, shown - 1))))
                    << "suit of " << code << " at " << width << " set " << set;
            }
    }
}

TEST(CardDrawing, PicturesOfASizeAreKept) {
    TestArtwork art{"B"};
    ASSERT_TRUE(art.Valid());
    ImageSet images;
    const ImageSet::Choice choice{layout::CardSizeLetter::Big, 1, 11};
    images.Render(art.Source(), layout::CardOfWidth(120), choice);
    const qint64 face = images.Face(5).cacheKey();
    const qint64 back = images.Back().cacheKey();
    images.Render(art.Source(), layout::CardOfWidth(90), choice);
    EXPECT_EQ(images.Card(), layout::CardOfWidth(90));
    EXPECT_NE(images.Face(5).cacheKey(), face);
    images.Load(art.Source(), choice); // the files of the big size in between
    EXPECT_FALSE(images.Rendered());
    images.Render(art.Source(), layout::CardOfWidth(120), choice);
    EXPECT_EQ(images.Face(5).cacheKey(), face);
    EXPECT_EQ(images.Back().cacheKey(), back);
}

} // namespace
} // namespace tablamor::table
