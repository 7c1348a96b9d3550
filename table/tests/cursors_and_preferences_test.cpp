// Cursors from the resource library, and the painter's preferences read from the settings.
#include "table/cursors.h"
#include "table/paint_preferences.h"
#include "table/tests/test_artwork.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

TEST(Cursors, RegisteredByNumberWithTheirHotSpots) {
    TestArtwork art;
    ASSERT_TRUE(art.Valid());
    CursorSet cursors;
    cursors.Load(art.Source());
    EXPECT_TRUE(cursors.Has(12));
    EXPECT_EQ(cursors.Cursor(12).hotSpot(), QPoint(11, 4));
    EXPECT_EQ(cursors.Cursor(12).shape(), Qt::BitmapCursor);
    EXPECT_TRUE(cursors.Has(20)); // given without a hot spot
    EXPECT_EQ(cursors.Cursor(20).hotSpot(), QPoint(0, 0));
    EXPECT_FALSE(cursors.Has(14));
    EXPECT_EQ(cursors.Cursor(14).shape(), Qt::ArrowCursor);
}

// On a screen of pixel ratio 2 a cursor drawn twice as large is taken, shown at the ordinary
// size with the same hot spot; one drawn only once keeps its ordinary drawing.
TEST(Cursors, LargerDrawingsOnAHighRatioScreen) {
    TestArtwork art;
    ASSERT_TRUE(art.Valid());
    CursorSet cursors;
    cursors.Load(art.Source(), 2.0);
    const QPixmap hand = cursors.Cursor(12).pixmap();
    EXPECT_EQ(hand.size(), QSize(64, 64));
    EXPECT_EQ(hand.devicePixelRatio(), 2.0);
    EXPECT_EQ(cursors.Cursor(12).hotSpot(), QPoint(11, 4));
    EXPECT_EQ(cursors.Cursor(20).pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursors.Cursor(20).pixmap().devicePixelRatio(), 1.0);
}

TEST(PaintPreferences, ReadFromTheSettings) {
    Settings s;
    s.Set(Settings::kBackgroundDef, "N");
    s.Set(Settings::kBackgroundCol, "-2147483633");
    s.Set(Settings::kBackgroundBmp, "324");
    s.Set(Settings::kBackgroundFixedCol, "16711680");
    s.Set(Settings::kFadeBackground, "Y");
    s.Set(Settings::kCardsShadowed, "N");
    s.Set(Settings::kPilesUntidy, "Y");
    s.Set(Settings::kSpeedMoveCard, "4");
    s.Set(Settings::kWinningAnimation, "Y");
    PaintPreferences p = PaintPreferencesFrom(s);
    EXPECT_FALSE(p.defaultBackground);
    EXPECT_EQ(p.backgroundColour, -2147483633LL);
    EXPECT_EQ(p.backgroundPicture, 324);
    EXPECT_EQ(p.fixedColour, 16711680);
    EXPECT_TRUE(p.fadeBackground);
    EXPECT_FALSE(p.cardsShadowed);
    EXPECT_EQ(p.ShadowAllowance(), 0);
    EXPECT_TRUE(p.untidyTableau);
    EXPECT_EQ(p.moveDelayMs, 4);
    EXPECT_TRUE(p.winningAnimation);

    // Blank fields take their defaults: shadows, fading and the winning animation on, the
    // untidy tableau off; a picture number that is not a number is no picture.
    const PaintPreferences blank = PaintPreferencesFrom(Settings());
    EXPECT_TRUE(blank.cardsShadowed);
    EXPECT_EQ(blank.ShadowAllowance(), 9);
    EXPECT_FALSE(blank.untidyTableau);
    EXPECT_TRUE(blank.fadeBackground);
    EXPECT_EQ(blank.backgroundPicture, 0);
    EXPECT_EQ(blank.moveDelayMs, kDefaultMoveDelay);
    EXPECT_TRUE(blank.winningAnimation);
}

} // namespace
} // namespace tablamor::table
