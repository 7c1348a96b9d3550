// The slide of a card: the step formula, the path, the shadow drop and placing.
#include "table/slide_animation.h"
#include "table/tests/test_scene.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tablamor::table {
namespace {

using namespace testing;

TEST(SlideStep, Formula) {
    // round(D / (0.0128 D + 4) + 0.5), times 0.3 rounded when fast; halves go to the even side.
    struct Row {
        int distance;
        bool fast;
        int step;
    } rows[] = {
        {100, false, 19},  // 100 / 5.28 = 18.94 -> 19.44
        {500, false, 49},  // 500 / 10.4 = 48.08 -> 48.58
        {1000, false, 60}, // 1000 / 16.8 = 59.52 -> 60.02
        {10, false, 3},    // 10 / 4.128 = 2.42 -> 2.92
        {1, false, 1},     // 0.25 -> 0.75
        {100, true, 6},    // 19 * 0.3 = 5.7
        {500, true, 15},   // 49 * 0.3 = 14.7
        {1, true, 1},      // 1 * 0.3 = 0.3 would never arrive: at least 1
        {0, false, 1},     {-100, false, 19},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SlideStep(r.distance, r.fast), r.step) << r.distance << (r.fast ? " fast" : "");
    }
    for (int d = 1; d <= 2000; d += 37) {
        const double exact = d / (d * 0.0128 + 4) + 0.5;
        EXPECT_LE(std::abs(SlideStep(d, false) - exact), 0.5) << d;
    }
}

TEST(SlidePath, EndsOnTheTargetAlongTheLongerAxis) {
    struct Row {
        QPoint from;
        QPoint to;
        bool fast;
    } rows[] = {
        {{10, 10}, {410, 110}, false},   {{500, 40}, {20, 300}, false},
        {{50, 600}, {80, 20}, false},    {{0, 0}, {0, 250}, true},
        {{300, 300}, {301, 300}, false},
    };
    for (const Row& r : rows) {
        const std::vector<QPoint> path = SlidePath(r.from, r.to, r.fast);
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path.back(), r.to);
        const QPoint d = r.to - r.from;
        const bool alongX = std::abs(d.x()) >= std::abs(d.y());
        const int distance = std::abs(alongX ? d.x() : d.y());
        const int step = SlideStep(distance, r.fast);
        EXPECT_EQ(static_cast<int>(path.size()), (distance + step - 1) / step);
        QPoint previous = r.from;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const QPoint p = path[i];
            const int major =
                alongX ? std::abs(p.x() - previous.x()) : std::abs(p.y() - previous.y());
            if (i + 1 < path.size()) {
                EXPECT_EQ(major, step);
            }
            // The other coordinate follows in proportion, to within a percent of its distance.
            const int progress =
                alongX ? std::abs(p.x() - r.from.x()) : std::abs(p.y() - r.from.y());
            const double share = static_cast<double>(progress) / distance;
            const double minor = alongX ? r.from.y() + d.y() * share : r.from.x() + d.x() * share;
            EXPECT_NEAR(alongX ? p.y() : p.x(), minor,
                        std::abs(alongX ? d.y() : d.x()) / 100.0 + 1);
            previous = p;
        }
    }
    EXPECT_TRUE(SlidePath({5, 5}, {5, 5}, false).empty());
}

class SlideTest : public ::testing::Test {
protected:
    TestArtwork art;
    std::unique_ptr<TestTable> t;
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        t = std::make_unique<TestTable>(art, ShippedGame("0001-klondike.game"));
        t->canvas->PaintTable();
    }
};

TEST_F(SlideTest, FramesWaitTheMoveDelayAndDropIntoPlace) {
    PaintPreferences prefs;
    prefs.moveDelayMs = 7;
    t->canvas->SetPreferences(prefs);
    SlideOptions options;
    options.card = 12;
    options.prepare = true;
    options.shadowCorrection = true;
    options.place = true;
    const QPoint from(40, 300);
    const QPoint to(600, 420);
    SlideAnimation slide(*t->canvas, from, to, options);
    const std::vector<QPoint> path = SlidePath(from, to - QPoint(9, 9), false);
    std::vector<Frame> frames;
    std::vector<QPoint> places;
    for (;;) {
        frames.push_back(slide.Step());
        places.push_back(t->canvas->Drag().Rect().topLeft());
        if (frames.back().done) break;
    }
    ASSERT_EQ(frames.size(), path.size() + 2);
    EXPECT_EQ(places.front(), from);
    for (std::size_t i = 0; i < path.size(); ++i) EXPECT_EQ(places[i + 1], path[i]) << i;
    for (std::size_t i = 0; i + 2 < frames.size(); ++i) EXPECT_EQ(frames[i].waitMs, 7) << i;
    EXPECT_EQ(frames[frames.size() - 2].waitMs, 14); // before the drop by the shadow allowance
    // Placed: the card is on the table picture at the target, the window shows the table.
    EXPECT_FALSE(t->canvas->Drag().Visible());
    EXPECT_EQ(t->TableAt(to + QPoint(35, 48)), FaceColour(12));
    EXPECT_EQ(t->canvas->Window(), t->canvas->TablePicture().copy(QRect(QPoint(), t->window)));
}

TEST_F(SlideTest, TargetOffTheTable) {
    SlideOptions options;
    options.card = 3;
    options.prepare = true;
    SlideAnimation slide(*t->canvas, {100, 100}, {-10000, -10001}, options);
    EXPECT_EQ(slide.Target(), QPoint(-3 * 71, -3 * 96));
    RunToEnd(slide);
    EXPECT_EQ(t->canvas->Window(), t->canvas->TablePicture().copy(QRect(QPoint(), t->window)));
}

TEST_F(SlideTest, StopEndsOnTheTarget) {
    SlideOptions options;
    options.card = 4;
    options.prepare = true;
    options.place = true;
    SlideAnimation slide(*t->canvas, {20, 20}, {500, 400}, options);
    slide.Step();
    slide.Step();
    slide.Stop();
    EXPECT_TRUE(slide.Step().done);
    EXPECT_EQ(t->TableAt({535, 448}), FaceColour(4));
    EXPECT_EQ(t->canvas->Window(), t->canvas->TablePicture().copy(QRect(QPoint(), t->window)));
}

} // namespace
} // namespace tablamor::table
