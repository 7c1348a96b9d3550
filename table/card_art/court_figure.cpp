#include "table/card_art/court_figure.h"

#include "table/card_art/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tablamor::art {
namespace {

// Design space of one half: 100 x 100, the centre line of the card at y = 100.
constexpr qreal kHalf = 100.0;

enum class Held { Sword, Axe, Sceptre, Flower, Halberd, Leaf };

struct Dress {
    QColor robe;
    QColor panel;
    QColor hair;
    Held held;
};

const QColor kIvory(255, 250, 236);
const QColor kGrey(214, 214, 220);
const QColor kBrown(120, 70, 30);
const QColor kBlond(236, 196, 80);
const QColor kLeafGreen(40, 130, 60);
const QColor kSteel(200, 206, 214);
const QColor kDarkGold(170, 120, 20);

Dress DressFor(int rank, Suit suit) {
    const QColor& red = palette::kCourtRed;
    const QColor& blue = palette::kCourtBlue;
    const QColor& gold = palette::kCourtGold;
    const QColor& ink = palette::kInk;
    switch (suit) {
    case Suit::Hearts:
        return {red, blue,
                rank == 13   ? kGrey
                : rank == 12 ? kBlond
                             : kBrown,
                rank == 13   ? Held::Sword
                : rank == 12 ? Held::Flower
                             : Held::Halberd};
    case Suit::Diamonds:
        return {blue, red,
                rank == 13   ? kGrey
                : rank == 12 ? ink
                             : kBlond,
                rank == 13   ? Held::Axe
                : rank == 12 ? Held::Flower
                             : Held::Leaf};
    case Suit::Clubs:
        return {gold, blue,
                rank == 13   ? kGrey
                : rank == 12 ? kBrown
                             : ink,
                rank == 13   ? Held::Sceptre
                : rank == 12 ? Held::Flower
                             : Held::Halberd};
    case Suit::Spades:
        return {blue, gold,
                rank == 13   ? kGrey
                : rank == 12 ? kBlond
                             : kBrown,
                rank == 13   ? Held::Sword
                : rank == 12 ? Held::Sceptre
                             : Held::Leaf};
    }
    return {red, blue, kGrey, Held::Sword};
}

// Draws with an outline of the given width; every shape of the picture goes through here.
class Pen {
public:
    Pen(QPainter& p, qreal width) : p_(p), width_(width) {}
    void Fill(const QPainterPath& path, const QColor& fill) {
        p_.setBrush(fill);
        p_.setPen(QPen(palette::kInk, width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPath(path);
    }
    void FillOnly(const QPainterPath& path, const QColor& fill) {
        p_.setBrush(fill);
        p_.setPen(Qt::NoPen);
        p_.drawPath(path);
    }
    // A thick stroke with an outline, for limbs.
    void Stroke(const QPainterPath& path, qreal thickness, const QColor& color) {
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(palette::kInk, thickness + 2 * width_, Qt::SolidLine, Qt::RoundCap));
        p_.drawPath(path);
        p_.setPen(QPen(color, thickness, Qt::SolidLine, Qt::RoundCap));
        p_.drawPath(path);
    }
    void Line(QPointF a, QPointF b, const QColor& color, qreal widthFactor = 1.0) {
        p_.setPen(QPen(color, width_ * widthFactor, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a, b);
    }
    void Dot(QPointF c, qreal r, const QColor& color) {
        QPainterPath path;
        path.addEllipse(c, r, r);
        FillOnly(path, color);
    }

private:
    QPainter& p_;
    qreal width_;
};

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

void Body(Pen& pen, const Dress& dress, int rank) {
    QPainterPath robe;
    robe.moveTo(12, kHalf);
    robe.lineTo(13, 74);
    robe.cubicTo(14, 63, 27, 57, 40, 56);
    robe.lineTo(60, 56);
    robe.cubicTo(73, 57, 86, 63, 87, 74);
    robe.lineTo(88, kHalf);
    robe.closeSubpath();
    pen.Fill(robe, dress.robe);
    // A scatter of small gold crosses over the robe, and a gold hem along its sides.
    for (qreal y = 70; y < kHalf; y += 10)
        for (qreal x = 20; x <= 80; x += 12) {
            qreal dx = (static_cast<int>(y) / 10) % 2 ? 6 : 0;
            if (x + dx > 34 && x + dx < 66) continue;
            pen.Line({x + dx - 2, y}, {x + dx + 2, y}, palette::kCourtGold, 1.1);
            pen.Line({x + dx, y - 2}, {x + dx, y + 2}, palette::kCourtGold, 1.1);
        }
    pen.Line({13.5, 76}, {13.5, kHalf}, palette::kCourtGold, 1.8);
    pen.Line({86.5, 76}, {86.5, kHalf}, palette::kCourtGold, 1.8);

    // The front panel with a row of lozenges down it.
    QPainterPath panel = Polygon({{41, 58}, {59, 58}, {62, kHalf}, {38, kHalf}});
    pen.Fill(panel, dress.panel);
    for (qreal y = 68; y < kHalf; y += 9) {
        QPainterPath lozenge = Polygon({{50, y - 4}, {54, y}, {50, y + 4}, {46, y}});
        pen.Fill(lozenge, palette::kCourtGold);
    }
    // The collar: ermine for the king, a gold necklace for the queen, a plain band for the jack.
    if (rank == 13) {
        QPainterPath ermine;
        ermine.moveTo(28, 60);
        ermine.cubicTo(36, 75, 64, 75, 72, 60);
        ermine.lineTo(64, 57);
        ermine.cubicTo(58, 63, 42, 63, 36, 57);
        ermine.closeSubpath();
        pen.Fill(ermine, palette::kCardWhite);
        for (qreal x : {36.0, 44.0, 50.0, 56.0, 64.0})
            pen.Dot({x, x == 50.0 ? 68.5 : 65.5}, 1.2, palette::kInk);
    } else {
        QPainterPath collar;
        collar.moveTo(31, 60);
        collar.cubicTo(38, 71, 62, 71, 69, 60);
        collar.cubicTo(62, 63, 38, 63, 31, 60);
        collar.closeSubpath();
        pen.Fill(collar, rank == 12 ? palette::kCourtGold : dress.panel);
        if (rank == 12)
            for (qreal x : {39.0, 44.5, 50.0, 55.5, 61.0})
                pen.Dot({x, 65.5 + (x == 50.0 ? 1.0 : 0.0)}, 1.3, palette::kCourtRed);
    }
}

// A sleeved arm from the shoulder to the hand; the hand itself is drawn with the object held.
void Arm(Pen& pen, const Dress& dress, QPointF shoulder, QPointF hand) {
    QPainterPath sleeve;
    sleeve.moveTo(shoulder);
    sleeve.quadTo(QPointF(shoulder.x(), hand.y() - 4), hand);
    pen.Stroke(sleeve, 9, dress.panel);
    QPainterPath cuff;
    cuff.addEllipse(hand, 4.5, 3.2);
    pen.Fill(cuff, palette::kCourtGold);
}

void Face(Pen& pen) {
    pen.Fill(Rect(45, 48, 10, 12), palette::kSkin); // neck
    pen.Fill(Ellipse(50, 37.5, 12, 14), palette::kSkin);
    pen.Dot({45.5, 36.5}, 1.4, palette::kInk);
    pen.Dot({54.5, 36.5}, 1.4, palette::kInk);
    pen.Line({42.5, 33}, {47.5, 32.5}, palette::kInk, 0.8);
    pen.Line({52.5, 32.5}, {57.5, 33}, palette::kInk, 0.8);
    pen.Line({50, 38}, {49, 43}, palette::kInk, 0.7);
    pen.Line({49, 43}, {51, 43.5}, palette::kInk, 0.7);
    pen.Line({46.5, 47}, {53.5, 47}, palette::kCourtRed, 1.2);
}

void KingHead(Pen& pen, const Dress& dress) {
    pen.Fill(Ellipse(50, 40, 15, 16), dress.hair); // hair behind the face
    Face(pen);
    QPainterPath beard;
    beard.moveTo(39, 42);
    beard.cubicTo(40, 56, 46, 64, 50, 66);
    beard.cubicTo(54, 64, 60, 56, 61, 42);
    beard.cubicTo(57, 50, 43, 50, 39, 42);
    beard.closeSubpath();
    pen.Fill(beard, dress.hair);
    QPainterPath moustache;
    moustache.moveTo(43, 46);
    moustache.cubicTo(46, 42, 50, 44, 50, 44.5);
    moustache.cubicTo(50, 44, 54, 42, 57, 46);
    moustache.cubicTo(54, 45, 50, 46.5, 43, 46);
    pen.Fill(moustache, dress.hair);
    // The crown: a band and three points with pearls.
    QPainterPath crown =
        Polygon({{35, 27}, {33, 10}, {42, 19}, {50, 5}, {58, 19}, {67, 10}, {65, 27}});
    pen.Fill(crown, palette::kCourtGold);
    pen.Fill(Rect(35, 22, 30, 6), palette::kCourtGold);
    pen.Dot({50, 25}, 2.0, palette::kCourtRed);
    pen.Dot({41, 25}, 1.5, palette::kCourtBlue);
    pen.Dot({59, 25}, 1.5, palette::kCourtBlue);
    for (QPointF tip : {QPointF(33, 9), QPointF(50, 4), QPointF(67, 9)})
        pen.Fill(Ellipse(tip.x(), tip.y(), 2.2, 2.2), palette::kCardWhite);
}

void QueenHead(Pen& pen, const Dress& dress) {
    QPainterPath hair;
    hair.moveTo(36, 32);
    hair.cubicTo(30, 46, 30, 58, 26, 66);
    hair.lineTo(40, 62);
    hair.lineTo(60, 62);
    hair.lineTo(74, 66);
    hair.cubicTo(70, 58, 70, 46, 64, 32);
    hair.cubicTo(60, 22, 40, 22, 36, 32);
    hair.closeSubpath();
    pen.Fill(hair, dress.hair);
    Face(pen);
    // A veil line over the brow and a round crown of arches.
    QPainterPath crown;
    crown.moveTo(37, 27);
    crown.cubicTo(37, 16, 43, 12, 44, 12);
    crown.cubicTo(45, 17, 47, 19, 50, 10);
    crown.cubicTo(53, 19, 55, 17, 56, 12);
    crown.cubicTo(57, 12, 63, 16, 63, 27);
    crown.closeSubpath();
    pen.Fill(crown, palette::kCourtGold);
    pen.Fill(Rect(37, 23, 26, 5), palette::kCourtGold);
    pen.Dot({50, 25.5}, 1.8, palette::kCourtBlue);
    pen.Dot({43, 25.5}, 1.2, palette::kCourtRed);
    pen.Dot({57, 25.5}, 1.2, palette::kCourtRed);
    pen.Fill(Ellipse(50, 9, 2.0, 2.0), palette::kCardWhite);
}

void JackHead(Pen& pen, const Dress& dress) {
    for (QPointF curl : {QPointF(38, 44), QPointF(62, 44), QPointF(37, 36), QPointF(63, 36)})
        pen.Fill(Ellipse(curl.x(), curl.y(), 4.5, 5), dress.hair);
    Face(pen);
    // A cap with a brim and a feather.
    QPainterPath feather;
    feather.moveTo(60, 22);
    feather.cubicTo(70, 12, 80, 6, 90, 6);
    feather.cubicTo(84, 12, 74, 18, 62, 26);
    feather.closeSubpath();
    pen.Fill(feather, palette::kCardWhite);
    pen.Line({62, 24}, {88, 7}, palette::kCourtRed, 0.9);
    QPainterPath cap;
    cap.moveTo(37, 25);
    cap.cubicTo(38, 12, 62, 12, 63, 25);
    cap.closeSubpath();
    pen.Fill(cap, dress.panel);
    pen.Fill(Ellipse(50, 26, 17, 4), dress.robe);
    pen.Dot({50, 18}, 1.6, palette::kCourtGold);
}

// Objects held at the side of the figure; x is the centre line of the object.
void HeldObject(Pen& pen, Held held, qreal x) {
    switch (held) {
    case Held::Sword:
        pen.Fill(Polygon({{x - 2, 72}, {x - 2, 16}, {x, 10}, {x + 2, 16}, {x + 2, 72}}), kSteel);
        pen.Fill(Rect(x - 8, 70, 16, 4), palette::kCourtGold);
        pen.Fill(Rect(x - 2, 74, 4, 10), kBrown);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    case Held::Axe:
        pen.Fill(Rect(x - 1.5, 14, 3, 72), kBrown);
        pen.Fill(Polygon({{x + 1, 18}, {x + 11, 12}, {x + 11, 32}, {x + 1, 26}}), kSteel);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    case Held::Sceptre:
        pen.Fill(Rect(x - 1.5, 18, 3, 68), palette::kCourtGold);
        pen.Fill(Ellipse(x, 15, 5, 5), palette::kCourtGold);
        pen.Line({x, 8}, {x, 12}, palette::kInk, 1.2);
        pen.Line({x - 2.5, 10}, {x + 2.5, 10}, palette::kInk, 1.2);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    case Held::Flower: {
        pen.Line({x, 84}, {x + 2, 52}, kLeafGreen, 1.6);
        QPainterPath leaf;
        leaf.moveTo(x + 1, 70);
        leaf.cubicTo(x + 8, 64, x + 12, 66, x + 12, 66);
        leaf.cubicTo(x + 8, 72, x + 4, 72, x + 1, 70);
        pen.Fill(leaf, kLeafGreen);
        for (int k = 0; k < 5; ++k) {
            qreal a = k * 72.0 * 3.14159265358979 / 180.0;
            pen.Fill(Ellipse(x + 2 + 4.5 * std::sin(a), 47 - 4.5 * std::cos(a), 3.5, 3.5),
                     palette::kCourtRed);
        }
        pen.Dot({x + 2, 47}, 2.2, palette::kCourtGold);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    }
    case Held::Halberd:
        pen.Fill(Rect(x - 1.5, 12, 3, 76), kBrown);
        pen.Fill(Polygon({{x, 4}, {x + 3, 14}, {x - 3, 14}}), kSteel);
        pen.Fill(Polygon({{x - 1, 16}, {x - 11, 14}, {x - 13, 22}, {x - 9, 28}, {x - 1, 26}}),
                 kSteel);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    case Held::Leaf: {
        QPainterPath leaf;
        leaf.moveTo(x, 84);
        leaf.cubicTo(x - 10, 60, x - 6, 30, x + 2, 14);
        leaf.cubicTo(x + 10, 32, x + 8, 60, x, 84);
        pen.Fill(leaf, kLeafGreen);
        pen.Line({x, 80}, {x + 1.5, 22}, kDarkGold, 0.8);
        pen.Fill(Ellipse(x, 82, 4, 4), palette::kSkin);
        break;
    }
    }
}

void PaintHalf(QPainter& painter, int rank, Suit suit, qreal penWidth) {
    Dress dress = DressFor(rank, suit);
    Pen pen(painter, penWidth);
    const bool heldLeft = rank != 11;
    const qreal heldX = heldLeft ? 18 : 82;
    Body(pen, dress, rank);
    // The free hand rests on the front panel, the other holds the object at the side.
    Arm(pen, dress, {heldLeft ? 72.0 : 28.0, 66}, {heldLeft ? 60.0 : 40.0, 88});
    Arm(pen, dress, {heldLeft ? 28.0 : 72.0, 66}, {heldX, 82});
    pen.Fill(Ellipse(heldLeft ? 60 : 40, 91, 3.6, 3.2), palette::kSkin);
    if (rank == 13) KingHead(pen, dress);
    if (rank == 12) QueenHead(pen, dress);
    if (rank == 11) JackHead(pen, dress);
    HeldObject(pen, dress.held, heldX);

    QRectF pipBox = heldLeft ? QRectF(76, 4, 18, 20) : QRectF(6, 4, 18, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(IsRed(suit) ? palette::kRed : palette::kInk);
    painter.drawPath(SuitInBox(suit, pipBox));
}

} // namespace

void PaintCourtFigure(QPainter& painter, const QRectF& frame, int rank, Suit suit, qreal pen) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(frame, kIvory);

    QTransform upper;
    upper.translate(frame.left(), frame.top());
    upper.scale(frame.width() / kHalf, frame.height() / (2 * kHalf));
    QTransform lower = upper;
    lower.translate(kHalf, 2 * kHalf);
    lower.rotate(180);

    for (const QTransform& half : {upper, lower}) {
        painter.save();
        painter.setTransform(half, true);
        painter.setClipRect(QRectF(0, 0, kHalf, kHalf));
        PaintHalf(painter, rank, suit, pen * kHalf / frame.width());
        painter.restore();
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDarkGold, pen));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
    painter.setPen(QPen(palette::kInk, pen));
    painter.drawRect(frame);
    painter.restore();
}

} // namespace tablamor::art
