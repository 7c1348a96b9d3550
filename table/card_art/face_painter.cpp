#include "table/card_art/face_painter.h"

#include "table/card_art/card_frame.h"
#include "table/card_art/court_figure.h"
#include "table/card_art/face_layout.h"
#include "table/card_art/fonts.h"
#include "table/card_art/palette.h"
#include "table/card_art/pip_layout.h"
#include "table/card_art/pixel_glyphs.h"

#include <QPainter>

namespace tablamor::art {
namespace {

const char* const kRankTexts[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const QColor kPlainCourtTint(255, 244, 214);
const QColor kSmallCourtTint(255, 236, 190);

class FacePainter {
public:
    FacePainter(QPainter& p, const CardSize& size, FaceSet set, Suit suit, int rank)
        : p_(p), size_(size), set_(set), suit_(suit), rank_(rank), layout_(LayoutFor(size, set)),
          color_(IsRed(suit) ? layout_.red : layout_.black) {}

    void Paint() {
        if (layout_.pixelIndex) {
            PaintSmall();
            return;
        }
        Index();
        p_.save();
        TurnAboutCentre();
        Index();
        p_.restore();
        if (rank_ == 1)
            Ace();
        else if (rank_ >= 11)
            Court();
        else
            Pips();
    }

private:
    QPainter& p_;
    const CardSize& size_;
    FaceSet set_;
    Suit suit_;
    int rank_;
    FaceLayout layout_;
    QColor color_;

    void TurnAboutCentre() {
        p_.translate(size_.width, size_.height);
        p_.rotate(180);
    }

    void Fill(const QPainterPath& path) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(color_);
        p_.drawPath(path);
    }

    void Index() {
        Fill(TextInBox(layout_.indexFont, QString::fromLatin1(kRankTexts[rank_ - 1]),
                       layout_.rankBox, Qt::AlignHCenter));
        if (layout_.pixelSuitOnly) {
            p_.save();
            p_.setRenderHint(QPainter::Antialiasing, false);
            DrawSuitPixels(p_, suit_, layout_.pixelSuit.x(), layout_.pixelSuit.y(), color_);
            p_.restore();
        } else {
            Fill(SuitInBox(suit_, layout_.suitBox));
        }
    }

    void Pips() {
        for (const Pip& pip : PipLayout(rank_))
            Fill(SuitInBox(suit_, PipBox(layout_, pip), pip.inverted));
    }

    QRectF CentredBox(QSizeF size) const {
        return {(size_.width - size.width()) / 2.0, (size_.height - size.height()) / 2.0,
                size.width(), size.height()};
    }

    void Ace() {
        if (suit_ == Suit::Spades && set_ == FaceSet::Classic) {
            // The ace of spades: larger, with a white inner line and a jewel.
            QSizeF big(layout_.acePip.width() * 1.3, layout_.acePip.height() * 1.3);
            QRectF box = CentredBox(big);
            Fill(SuitInBox(suit_, box));
            QRectF inner = box.adjusted(big.width() * 0.16, big.height() * 0.14,
                                        -big.width() * 0.16, -big.height() * 0.22);
            p_.setBrush(Qt::NoBrush);
            p_.setPen(QPen(palette::kCardWhite, big.width() / 40.0));
            p_.drawPath(SuitInBox(suit_, inner));
            p_.setPen(Qt::NoPen);
            p_.setBrush(palette::kCourtRed);
            qreal r = big.width() / 14.0;
            p_.drawEllipse(QPointF(box.center().x(), box.center().y() - big.height() * 0.03), r, r);
            return;
        }
        Fill(SuitInBox(suit_, CentredBox(layout_.acePip)));
    }

    void Court() {
        if (set_ == FaceSet::Classic) {
            PaintCourtFigure(p_, layout_.courtFrame, rank_, suit_, layout_.pen);
            return;
        }
        // Plain set: a tinted panel with the letter above and the suit below.
        const QRectF& frame = layout_.courtFrame;
        p_.fillRect(frame, kPlainCourtTint);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(color_, layout_.pen));
        p_.drawRect(frame.adjusted(1.5, 1.5, -1.5, -1.5));
        QRectF letter(frame.left() + frame.width() * 0.2, frame.top() + frame.height() * 0.12,
                      frame.width() * 0.6, frame.height() * 0.32);
        Fill(TextInBox(FontFace::SansBold, QString::fromLatin1(kRankTexts[rank_ - 1]), letter));
        QRectF suit(frame.left() + frame.width() * 0.2, frame.top() + frame.height() * 0.54,
                    frame.width() * 0.6, frame.height() * 0.34);
        Fill(SuitInBox(suit_, suit));
    }

    // The smallest cards: a pixel index in the upper-left corner and one large pip.
    void PaintSmall() {
        p_.setRenderHint(QPainter::Antialiasing, false);
        DrawRankGlyph(p_, rank_, layout_.pixelRank.x(), layout_.pixelRank.y(), color_, false,
                      layout_.boldPixels);
        DrawSuitPixels(p_, suit_, layout_.pixelSuit.x(), layout_.pixelSuit.y(), color_);
        if (rank_ >= 11) {
            p_.fillRect(layout_.courtFrame, kSmallCourtTint);
            p_.setPen(QPen(palette::kDarkGoldLine, 1));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(layout_.courtFrame.adjusted(0, 0, -1, -1));
        }
        p_.setRenderHint(QPainter::Antialiasing, true);
        Fill(SuitInBox(suit_, layout_.soloPip));
    }
};

} // namespace

QRect FaceCell(const CardSize& size, int rank) {
    int index = rank - 1;
    return {(index % kFaceGridColumns) * size.width, (index / kFaceGridColumns) * size.height,
            size.width, size.height};
}

void PaintFace(QImage& image, const QRect& cell, const CardSize& size, FaceSet set, Suit suit,
               int rank) {
    PaintBlankCard(image, cell, palette::kCardWhite);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(cell.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), cell.size()).adjusted(1, 1, -1, -1));
        FacePainter(painter, size, set, suit, rank).Paint();
    }
    PaintCardOutline(image, cell);
}

QImage FaceFile(const CardSize& size, FaceSet set, Suit suit) {
    QImage image(size.width * kFaceGridColumns, size.height * kFaceGridRows, QImage::Format_RGB32);
    image.fill(palette::kTableGreen);
    for (int rank = 1; rank <= kRanksPerSuit; ++rank)
        PaintFace(image, FaceCell(size, rank), size, set, suit, rank);
    return image;
}

} // namespace tablamor::art
