#include "table/card_art/marks.h"

#include "table/card_art/fonts.h"
#include "table/card_art/palette.h"
#include "table/card_art/pixel_glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tablamor::art {
namespace {

constexpr int kReserve = 1;
constexpr int kWaste = 2;
constexpr int kRedealPressed = 5;
constexpr int kAnyCard = 4;
constexpr int kNoRedeal = 8;
constexpr int kFreeCell = 9;
constexpr int kPairingStock = 21;
constexpr int kRedeal = 22;

const char* const kRankTexts[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

class MarkPainter {
public:
    MarkPainter(QPainter& p, const CardSize& size)
        : p_(p), size_(size), line_(size.letter == 'P' ? 1.0 : 1.5),
          slot_(
              QRectF(0, 0, size.width, size.height)
                  .adjusted(line_ / 2 + 0.5, line_ / 2 + 0.5, -line_ / 2 - 0.5, -line_ / 2 - 0.5)),
          radius_(size.letter == 'P' ? 2.0 : 4.0) {}

    void Slot(bool dashed = false) {
        QPen pen(palette::kMarkLine, line_);
        if (dashed) pen.setDashPattern({3, 2});
        p_.setPen(pen);
        p_.setBrush(palette::kMarkFill);
        p_.drawRoundedRect(slot_, radius_, radius_);
    }

    // A symbol box: a centred square `fraction` of the card width.
    QRectF Centre(qreal fraction) const {
        qreal side = size_.width * fraction;
        return {(size_.width - side) / 2, (size_.height - side) / 2, side, side};
    }

    void Symbol(const QPainterPath& path, const QColor& color = palette::kMarkSymbol) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(color);
        p_.drawPath(path);
    }

    void Stroke(const QPainterPath& path, qreal width, const QColor& color = palette::kMarkSymbol) {
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPath(path);
    }

    void Rank(int rank) {
        Slot();
        if (size_.letter == 'P') {
            // Pixel glyph, doubled for the small card so it reads as a watermark.
            p_.save();
            int w = RankGlyphWidth(rank);
            p_.translate((size_.width - 2 * w) / 2.0, (size_.height - 2 * kRankGlyphHeight) / 2.0);
            p_.scale(2, 2);
            DrawRankGlyph(p_, rank, 0, 0, palette::kMarkSymbol);
            p_.restore();
            return;
        }
        qreal capHeight = size_.height * 0.34;
        QRectF box((size_.width - size_.width * 0.7) / 2, (size_.height - capHeight) / 2,
                   size_.width * 0.7, capHeight);
        Symbol(TextInBox(FontFace::SerifBold, QString::fromLatin1(kRankTexts[rank - 1]), box));
    }

    // A circular arrow turning clockwise, the sign for "turn the pile over again".
    QPainterPath RedealArrow(QRectF box) const {
        QPainterPath arc;
        QPointF c = box.center();
        qreal r = box.width() * 0.36;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 110);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 110, -300);
        return arc;
    }

    void ArrowHead(QRectF box, const QColor& color) {
        QPointF c = box.center();
        qreal r = box.width() * 0.36;
        qreal a = (110.0 - 300.0) * 3.14159265358979 / 180.0;
        QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        // The head points along the clockwise tangent at the end of the arc.
        QPointF tangent(std::sin(a), std::cos(a));
        QPointF normal(-tangent.y(), tangent.x());
        qreal h = box.width() * (size_.letter == 'P' ? 0.34 : 0.24);
        QPainterPath head;
        head.moveTo(tip + tangent * h * 0.6);
        head.lineTo(tip - tangent * h * 0.5 + normal * h * 0.6);
        head.lineTo(tip - tangent * h * 0.5 - normal * h * 0.6);
        head.closeSubpath();
        Symbol(head, color);
    }

    void Redeal(bool pressed) {
        if (pressed) {
            // Pressed: the place lights up and the arrow sinks by a pixel.
            p_.setPen(QPen(palette::kMarkLine, line_));
            p_.setBrush(QColor(255, 255, 255, 150));
            p_.drawRoundedRect(slot_, radius_, radius_);
            p_.translate(1, 1);
        } else {
            Slot();
        }
        const QColor color = pressed ? QColor(0, 70, 0, 230) : palette::kMarkSymbol;
        QRectF box = Centre(0.62);
        Stroke(RedealArrow(box), size_.width * 0.09, color);
        ArrowHead(box, color);
    }

    void NoRedeal() {
        Slot();
        QRectF box = Centre(0.5);
        QPainterPath ring;
        ring.addEllipse(box);
        qreal w = size_.width * 0.08;
        Stroke(ring, w);
        QPainterPath bar;
        qreal d = box.width() / 2 * 0.7071;
        bar.moveTo(box.center() + QPointF(-d, -d));
        bar.lineTo(box.center() + QPointF(d, d));
        Stroke(bar, w);
    }

    // Three cards fanned to the side: the waste.
    void Waste() {
        Slot();
        qreal w = size_.width * 0.34;
        qreal h = size_.height * 0.34;
        QPointF c(size_.width / 2.0, size_.height / 2.0);
        for (int k = -1; k <= 1; ++k) {
            p_.save();
            p_.translate(c + QPointF(k * w * 0.35, 0));
            p_.rotate(k * 14);
            p_.setPen(QPen(palette::kMarkSymbol, std::max<qreal>(1.0, line_ * 0.8)));
            p_.setBrush(QColor(255, 255, 255, 30));
            p_.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), 1.5, 1.5);
            p_.restore();
        }
    }

    // A star: any card may go here.
    void AnyCard() {
        Slot();
        QRectF box = Centre(0.55);
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            qreal a = k * 3.14159265358979 / 5;
            qreal r = (k % 2 ? 0.42 : 1.0) * box.width() / 2;
            QPointF pt = box.center() + QPointF(r * std::sin(a), -r * std::cos(a));
            if (k == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        Symbol(star);
    }

    // A free cell: a dashed place with a small square inside.
    void FreeCell() {
        Slot(true);
        QRectF box = Centre(0.36);
        QPainterPath square;
        square.addRoundedRect(box, 2, 2);
        Stroke(square, std::max<qreal>(1.0, line_));
    }

    // A reserve: the place drawn with a second, inner line.
    void Reserve() {
        Slot();
        qreal inset = size_.letter == 'P' ? 2.5 : 4.0;
        p_.setPen(QPen(palette::kMarkLine, std::max<qreal>(1.0, line_ * 0.6)));
        p_.setBrush(Qt::NoBrush);
        p_.drawRoundedRect(slot_.adjusted(inset, inset, -inset, -inset), radius_ / 2, radius_ / 2);
    }

    // Two overlapping cards: the stock of a pairing game.
    void PairingStock() {
        Slot();
        qreal w = size_.width * 0.36;
        qreal h = size_.height * 0.36;
        QPointF c(size_.width / 2.0, size_.height / 2.0);
        p_.setPen(QPen(palette::kMarkSymbol, std::max<qreal>(1.0, line_ * 0.8)));
        p_.setBrush(QColor(255, 255, 255, 40));
        p_.drawRoundedRect(QRectF(c.x() - w * 0.85, c.y() - h * 0.65, w, h), 1.5, 1.5);
        p_.drawRoundedRect(QRectF(c.x() - w * 0.15, c.y() - h * 0.35, w, h), 1.5, 1.5);
    }

private:
    QPainter& p_;
    const CardSize& size_;
    qreal line_;
    QRectF slot_;
    qreal radius_;
};

} // namespace

int MarkRank(int mark) {
    switch (mark) {
    case 10:
        return 1;
    case 6:
        return 11;
    case 3:
        return 12;
    case 11:
        return 13;
    default:
        break;
    }
    if (mark >= 12 && mark <= 20) return mark - 10;
    return 0;
}

QImage Mark(const CardSize& size, int mark) {
    QImage image(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        MarkPainter painter(p, size);
        if (int rank = MarkRank(mark); rank > 0)
            painter.Rank(rank);
        else if (mark == kWaste)
            painter.Waste();
        else if (mark == kAnyCard)
            painter.AnyCard();
        else if (mark == kRedealPressed)
            painter.Redeal(true);
        else if (mark == kRedeal)
            painter.Redeal(false);
        else if (mark == kNoRedeal)
            painter.NoRedeal();
        else if (mark == kFreeCell)
            painter.FreeCell();
        else if (mark == kPairingStock)
            painter.PairingStock();
        else if (mark == kReserve)
            painter.Reserve();
        else
            painter.Slot(); // 007, the empty column
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace tablamor::art
