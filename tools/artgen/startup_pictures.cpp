#include "tools/artgen/startup_pictures.h"

#include "records/record_names.h"
#include "table/card_art/face_painter.h"
#include "table/card_art/fonts.h"
#include "table/card_art/palette.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "tools/artgen/icon_kit.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tablamor::art {
namespace {

const QColor kFeltLight(20, 130, 40);
const QColor kFeltDark(0, 70, 10);

void Felt(QPainter& p, const QRectF& r) {
    QRadialGradient felt(r.center(), std::max(r.width(), r.height()) * 0.7);
    felt.setColorAt(0, kFeltLight);
    felt.setColorAt(1, kFeltDark);
    p.fillRect(r, felt);
}

// One large face with its corners rounded, drawn centred at `centre` and turned by `angle`.
void FannedCard(QPainter& p, QPointF centre, qreal angle, Suit suit, int rank) {
    const CardSize& large = kCardSizes[0];
    QImage face(large.width, large.height, QImage::Format_RGB32);
    PaintFace(face, QRect(0, 0, large.width, large.height), large, FaceSet::Classic, suit, rank);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QRectF target(-large.width / 2.0, -large.height / 2.0, large.width, large.height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(target.translated(2, 3), 4, 4);
    QPainterPath round;
    round.addRoundedRect(target.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setClipPath(round);
    p.drawImage(target, face);
    p.restore();
}

} // namespace

QImage SplashBanner() {
    QImage image(kSplashBannerWidth, kSplashBannerHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient band(0, 0, 0, kSplashBannerHeight);
    band.setColorAt(0, QColor(10, 90, 30));
    band.setColorAt(1, QColor(0, 50, 10));
    p.fillRect(image.rect(), band);
    p.setPen(QPen(palette::kCourtGold, 1.0));
    p.drawLine(QPointF(0, kSplashBannerHeight - 2.5),
               QPointF(kSplashBannerWidth, kSplashBannerHeight - 2.5));
    QPainterPath title =
        TextInBox(FontFace::SerifBold, Q(kProductName), QRectF(14, 11, 200, 24), Qt::AlignLeft);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(title.translated(1.5, 1.5));
    QLinearGradient gold(0, 11, 0, 35);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(1, QColor(220, 160, 40));
    p.setBrush(gold);
    p.drawPath(title);
    qreal x = kSplashBannerWidth - 130;
    for (Suit suit : kSuits) {
        p.setBrush(IsRed(suit) ? QColor(240, 70, 70) : QColor(255, 255, 255));
        p.drawPath(SuitInBox(suit, QRectF(x, 12, 22, 24)));
        x += 30;
    }
    return image;
}

QImage SplashPicture() {
    QImage image(kSplashPictureWidth, kSplashPictureHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Felt(p, image.rect());
    const QPointF pivot(kSplashPictureWidth / 2.0, kSplashPictureHeight + 40.0);
    const struct {
        Suit suit;
        int rank;
        qreal angle;
    } fan[] = {{Suit::Clubs, 11, -24},
               {Suit::Diamonds, 12, -8},
               {Suit::Hearts, 13, 8},
               {Suit::Spades, 1, 24}};
    for (const auto& card : fan) {
        QTransform turn;
        turn.translate(pivot.x(), pivot.y());
        turn.rotate(card.angle);
        QPointF centre = turn.map(QPointF(0, -150));
        FannedCard(p, centre, card.angle, card.suit, card.rank);
    }
    return image;
}

QImage AdviceColorPicture() {
    QImage icon = BlankIcon(kAdvicePictureSize);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF c(kAdvicePictureSize / 2.0, kAdvicePictureSize / 2.0);
        QConicalGradient wheel(c, 90);
        const int kStops = 6;
        for (int k = 0; k <= kStops; ++k)
            wheel.setColorAt(static_cast<qreal>(k) / kStops,
                             QColor::fromHsv((k * 360 / kStops) % 360, 230, 250));
        p.setPen(QPen(kIconOutline, 1.5));
        p.setBrush(wheel);
        p.drawEllipse(c, 28, 28);
        QRadialGradient fade(c, 28);
        fade.setColorAt(0, QColor(255, 255, 255, 255));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawEllipse(c, 27, 27);
    }
    return FinishIcon(icon);
}

QImage AdviceSmallScreenPicture() {
    QImage icon = BlankIcon(kAdvicePictureSize);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kIconOutline, 1.5));
        p.setBrush(QColor(200, 204, 212));
        p.drawRoundedRect(QRectF(4, 6, 56, 40), 3, 3);
        p.drawRect(QRectF(26, 46, 12, 6));
        p.drawRoundedRect(QRectF(16, 52, 32, 5), 2, 2);
        p.setBrush(palette::kTableGreen);
        p.drawRect(QRectF(8, 10, 48, 32));
        for (int k = 0; k < 4; ++k) MiniCard(p, QRectF(12 + k * 10, 14, 7, 10), k == 0);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(TextInBox(FontFace::SansBold, QStringLiteral("640x480"), QRectF(12, 30, 40, 7)));
    }
    return FinishIcon(icon);
}

} // namespace tablamor::art
