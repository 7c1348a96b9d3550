// The drawing itself: suit symbols told apart by shape alone, the traditional pip layouts, pips
// that stay clear of each other and of the indices, card corners left for the table painter,
// and background tiles that repeat without a seam.
#include "table/card_art/card_backs.h"
#include "table/card_art/card_frame.h"
#include "table/card_art/face_layout.h"
#include "table/card_art/face_painter.h"
#include "table/card_art/palette.h"
#include "table/card_art/pip_layout.h"
#include "table/card_art/suit_shapes.h"
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/tests/art_test_support.h"

#include <QPainter>

#include <cmath>

namespace tablamor::art::testing {
namespace {

// The shape of a suit symbol as a set of covered pixels, drawn `side` pixels high.
std::vector<bool> Silhouette(Suit suit, int side, bool pixelSymbol) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        if (pixelSymbol) {
            DrawSuitPixels(p, suit, 0, 0, Qt::black);
        } else {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawPath(SuitInBox(suit, QRectF(0, 0, side, side)));
        }
    }
    std::vector<bool> covered;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) covered.push_back(qAlpha(image.pixel(x, y)) >= 128);
    return covered;
}

// Red and black must not be the only difference between suits: every pair of symbols differs
// in a good share of its pixels at every size the cards use.
TEST(SuitShapes, EveryPairDiffersInShapeAlone) {
    const struct {
        int side;
        bool pixel;
    } sizes[] = {{kSuitPixelSize, true}, {9, false}, {12, false}, {30, false}};
    constexpr double kMinimumShare = 0.15;
    for (const auto& size : sizes)
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                auto one = Silhouette(kSuits[a], size.side, size.pixel);
                auto two = Silhouette(kSuits[b], size.side, size.pixel);
                int differ = 0;
                int either = 0;
                for (std::size_t i = 0; i < one.size(); ++i) {
                    differ += one[i] != two[i];
                    either += one[i] || two[i];
                }
                EXPECT_GE(differ, kMinimumShare * either)
                    << "suits " << a << " and " << b << " at " << size.side << " px";
            }
}

TEST(PipLayout, TraditionalCountsAndTurns) {
    for (int rank = 2; rank <= 10; ++rank) {
        SCOPED_TRACE(rank);
        std::vector<Pip> pips = PipLayout(rank);
        EXPECT_EQ(static_cast<int>(pips.size()), rank);
        for (const Pip& pip : pips) EXPECT_EQ(pip.inverted, pip.y > 0.5);
        // Every layout but the seven's reads the same when the card is turned round.
        if (rank == 7) continue;
        for (const Pip& pip : pips) {
            bool mirrored = std::any_of(pips.begin(), pips.end(), [&](const Pip& other) {
                return std::abs(other.x - (1 - pip.x)) < 1e-9 &&
                       std::abs(other.y - (1 - pip.y)) < 1e-9;
            });
            EXPECT_TRUE(mirrored) << "pip at " << pip.x << "," << pip.y;
        }
    }
    EXPECT_TRUE(PipLayout(1).empty());
    EXPECT_TRUE(PipLayout(11).empty());
}

// Index boxes of a face, both corners.
std::vector<QRectF> IndexBoxes(const CardSize& size, const FaceLayout& layout) {
    std::vector<QRectF> boxes{layout.rankBox, layout.suitBox};
    for (QRectF box : {layout.rankBox, layout.suitBox})
        boxes.push_back(QRectF(size.width - box.right(), size.height - box.bottom(), box.width(),
                               box.height()));
    return boxes;
}

TEST(FaceLayout, PipsStayClearOfEachOtherAndOfTheIndices) {
    for (const CardSize& size : kCardSizes) {
        if (size.letter == 'P') continue; // one large pip stands for all at the smallest size
        for (int set : kFaceSets) {
            FaceLayout layout = LayoutFor(size, static_cast<FaceSet>(set));
            const QRectF inside = QRectF(CardInterior(QRect(0, 0, size.width, size.height)));
            for (int rank = 2; rank <= 10; ++rank) {
                SCOPED_TRACE(::testing::Message() << size.letter << set << " rank " << rank);
                std::vector<Pip> pips = PipLayout(rank);
                for (std::size_t i = 0; i < pips.size(); ++i) {
                    QRectF box = PipBox(layout, pips[i]);
                    EXPECT_TRUE(inside.contains(box));
                    for (const QRectF& index : IndexBoxes(size, layout))
                        EXPECT_FALSE(box.intersects(index)) << "pip " << i << " meets an index";
                    for (std::size_t j = i + 1; j < pips.size(); ++j)
                        EXPECT_FALSE(box.intersects(PipBox(layout, pips[j])))
                            << "pips " << i << " and " << j << " overlap";
                }
            }
        }
    }
}

// The table painter rounds a card by replacing exactly three pixels at each corner: those must
// be the only ones outside the outline, and the outline must run through the ones beside them.
void ExpectCornersLeftForThePainter(const QImage& image, const QRect& cell) {
    const QRgb outline = palette::kCardOutline.rgb();
    const int w = cell.width();
    const int h = cell.height();
    for (auto [cx, cy] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
        const int sx = cx == 0 ? 1 : -1;
        const int sy = cy == 0 ? 1 : -1;
        auto at = [&](int dx, int dy) {
            return image.pixel(cell.left() + cx + sx * dx, cell.top() + cy + sy * dy);
        };
        EXPECT_EQ(at(1, 1), outline) << "corner " << cx << "," << cy;
        EXPECT_EQ(at(2, 0), outline) << "corner " << cx << "," << cy;
        EXPECT_EQ(at(0, 2), outline) << "corner " << cx << "," << cy;
    }
}

TEST(CardFrame, FacesAndBacksLeaveTheirCornersToThePainter) {
    for (const CardSize& size : kCardSizes) {
        for (int set : kFaceSets) {
            QImage file = FaceFile(size, static_cast<FaceSet>(set), Suit::Spades);
            for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
                SCOPED_TRACE(::testing::Message() << size.letter << set << " rank " << rank);
                ExpectCornersLeftForThePainter(file, FaceCell(size, rank));
            }
        }
        for (int back : kBackNumbers) {
            SCOPED_TRACE(::testing::Message() << size.letter << " back " << back);
            ExpectCornersLeftForThePainter(CardBack(size, back),
                                           QRect(0, 0, size.width, size.height));
        }
    }
}

// Mean colour difference between line `a` and line `b` (columns or rows) of a tile.
double Step(const QImage& tile, bool columns, int a, int b) {
    const int length = columns ? tile.height() : tile.width();
    double total = 0;
    for (int k = 0; k < length; ++k) {
        QRgb pa = columns ? tile.pixel(a, k) : tile.pixel(k, a);
        QRgb pb = columns ? tile.pixel(b, k) : tile.pixel(k, b);
        total += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) +
                 std::abs(qBlue(pa) - qBlue(pb));
    }
    return total / length;
}

// Where a tile meets its neighbour, the change from the last line to the first is no larger
// than the largest change between neighbouring lines inside it (joints and mortar included).
TEST(Backgrounds, TilesJoinWithoutASeam) {
    constexpr double kTolerance = 1.1;
    for (int number : kBackgroundNumbers) {
        SCOPED_TRACE(number);
        QImage tile = BackgroundTile(number);
        for (bool columns : {true, false}) {
            const int lines = columns ? tile.width() : tile.height();
            double inside = 0;
            for (int line = 0; line + 1 < lines; ++line)
                inside = std::max(inside, Step(tile, columns, line, line + 1));
            EXPECT_LE(Step(tile, columns, lines - 1, 0), kTolerance * inside)
                << (columns ? "left and right" : "top and bottom") << " edges do not meet";
        }
    }
}

} // namespace
} // namespace tablamor::art::testing
