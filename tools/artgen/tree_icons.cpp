#include "tools/artgen/tree_icons.h"

#include "table/card_art/palette.h"
#include "table/resource_names.h"
#include "tools/artgen/icon_kit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace tablamor::art {
namespace {

constexpr int kSize = kTreePictureSize;
using Draw = std::function<void(QPainter&)>;

void Badge(QPainter& p, const Draw& draw) {
    p.save();
    p.translate(7, 6);
    p.scale(9.0 / kSize, 9.0 / kSize);
    draw(p);
    p.restore();
}

// Badges, drawn in a 16 x 16 space and shrunk onto the folder's lower right.
void StarBadge(QPainter& p) {
    Star(p, {8, 8.5}, 8, palette::kCourtGold);
}
void SuitBadge(QPainter& p, Suit suit) {
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(IsRed(suit) ? palette::kRed : palette::kInk);
    p.drawPath(SuitInBox(suit, QRectF(1, 1, 14, 14)));
    p.setPen(Qt::NoPen);
    p.drawPath(SuitInBox(suit, QRectF(1, 1, 14, 14)));
}
void PencilBadge(QPainter& p) {
    p.save();
    p.translate(8, 8);
    p.rotate(45);
    p.setPen(QPen(kIconOutline, 1.2));
    p.setBrush(QColor(250, 190, 40));
    p.drawRect(QRectF(-2.5, -8, 5, 12));
    p.setBrush(QColor(240, 200, 170));
    QPainterPath tip;
    tip.moveTo(-2.5, 4);
    tip.lineTo(2.5, 4);
    tip.lineTo(0, 8.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}
void TrophyBadge(QPainter& p) {
    p.setPen(QPen(QColor(120, 80, 0), 1.2));
    p.setBrush(palette::kCourtGold);
    QPainterPath cup;
    cup.moveTo(3, 1);
    cup.lineTo(13, 1);
    cup.cubicTo(13, 8, 10, 10, 8, 10);
    cup.cubicTo(6, 10, 3, 8, 3, 1);
    p.drawPath(cup);
    p.drawRect(QRectF(7, 10, 2, 3));
    p.drawRect(QRectF(4, 13, 8, 2.5));
}
void InfoBadge(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(40, 100, 200));
    p.drawEllipse(QPointF(8, 8), 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.2), 1.6, 1.6);
    p.drawRect(QRectF(6.6, 6.8, 2.8, 6.5));
}
void CrownBadge(QPainter& p) {
    QPainterPath crown;
    crown.moveTo(1.5, 13);
    crown.lineTo(1, 4);
    crown.lineTo(5, 8);
    crown.lineTo(8, 2);
    crown.lineTo(11, 8);
    crown.lineTo(15, 4);
    crown.lineTo(14.5, 13);
    crown.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 0), 1.2));
    p.setBrush(palette::kCourtGold);
    p.drawPath(crown);
}
void CheckBadge(QPainter& p) {
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(2, 8);
    tick.lineTo(6, 13);
    tick.lineTo(14, 3);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.setPen(QPen(QColor(30, 150, 50), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void BadgedFolder(QPainter& p, bool open, const Draw& badge) {
    Folder(p, QRectF(0.5, 2.5, 14, 11), open);
    if (badge) Badge(p, badge);
}

// ---- family pictures ------------------------------------------------------------------------

void Canfield(QPainter& p) {
    for (int k = 3; k >= 0; --k) MiniCard(p, QRectF(0.5 + k, 0.5 + k, 7, 9.5), true);
    const Suit hearts = Suit::Hearts;
    for (int k = 0; k < 3; ++k) MiniCard(p, QRectF(9, 1 + k * 3.5, 6.5, 8), false, &hearts);
}
void Fan(QPainter& p) {
    const Suit suits[] = {Suit::Spades, Suit::Diamonds, Suit::Clubs};
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(8, 14);
        p.rotate(-30 + k * 30);
        MiniCard(p, QRectF(-3.5, -12.5, 7, 10), false, &suits[k]);
        p.restore();
    }
}
void FortyThieves(QPainter& p) {
    for (int k = 0; k < 4; ++k) MiniCard(p, QRectF(0.5 + k * 4, 0.5, 3.5, 5), false);
    for (int k = 0; k < 4; ++k)
        for (int row = 0; row < 3; ++row)
            MiniCard(p, QRectF(0.5 + k * 4, 6.5 + row * 2.5, 3.5, 5), false);
}
void FreeCell(QPainter& p) {
    p.setPen(QPen(QColor(30, 110, 40), 1.0));
    p.setBrush(QColor(220, 240, 220));
    for (int k = 0; k < 3; ++k) p.drawRect(QRectF(0.5 + k * 5, 0.5, 4.5, 5));
    const Suit clubs = Suit::Clubs;
    for (int k = 0; k < 3; ++k)
        for (int row = 0; row < 2; ++row)
            MiniCard(p, QRectF(0.5 + k * 5, 7 + row * 3, 4.5, 5.5), false,
                     row == 1 ? &clubs : nullptr);
}
void Klondike(QPainter& p) {
    for (int col = 0; col < 4; ++col) {
        for (int k = 0; k < col; ++k)
            MiniCard(p, QRectF(0.5 + col * 4, 0.5 + k * 2.5, 3.5, 6), true);
        MiniCard(p, QRectF(0.5 + col * 4, 0.5 + col * 2.5, 3.5, 6), false);
    }
}
void Pairing(QPainter& p) {
    const Suit hearts = Suit::Hearts;
    const Suit spades = Suit::Spades;
    MiniCard(p, QRectF(0.5, 2.5, 7, 10), false, &hearts);
    MiniCard(p, QRectF(8.5, 2.5, 7, 10), false, &spades);
    p.setPen(QPen(QColor(30, 140, 60), 1.4));
    p.drawLine(QPointF(5, 14.5), QPointF(11, 14.5));
}
void SimpleGames(QPainter& p) {
    const Suit diamonds = Suit::Diamonds;
    MiniCard(p, QRectF(3.5, 1.5, 9, 13), false, &diamonds);
}
void Spider(QPainter& p) {
    p.setPen(QPen(palette::kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1})
        for (int k = 0; k < 4; ++k) {
            QPainterPath leg;
            qreal y = 6.5 + k * 1.6;
            leg.moveTo(8, y);
            leg.quadTo(8 + side * 4, y - 4 + k * 1.5, 8 + side * 7, y + (k - 1.5) * 2.2);
            p.drawPath(leg);
        }
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kInk);
    p.drawEllipse(QPointF(8, 10.5), 3, 3.6);
    p.drawEllipse(QPointF(8, 5.5), 2, 2);
    p.setBrush(palette::kRed);
    p.drawEllipse(QPointF(8, 11), 1.1, 1.6);
}
void DeckCount(QPainter& p, int decks) {
    const Suit spades = Suit::Spades;
    if (decks == 2) MiniCard(p, QRectF(5.5, 0.5, 9, 12), true);
    MiniCard(p, QRectF(1.5, 3.5, 9, 12), false, &spades);
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QPointF(11.5, 11.5), 3.4, 3.4);
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath digit;
    if (decks == 1) {
        digit.moveTo(10.6, 10.2);
        digit.lineTo(11.8, 9.4);
        digit.lineTo(11.8, 13.6);
    } else {
        digit.moveTo(10.2, 10.3);
        digit.quadTo(11.5, 8.6, 12.8, 10.0);
        digit.lineTo(10.2, 13.4);
        digit.lineTo(13.0, 13.4);
    }
    p.drawPath(digit);
}
void Customized(QPainter& p) {
    const Suit hearts = Suit::Hearts;
    MiniCard(p, QRectF(1.5, 1.5, 9, 13), false, &hearts);
    Badge(p, PencilBadge);
}
void Favorites(QPainter& p) {
    Star(p, {8, 8.5}, 7.5, palette::kCourtGold);
}
void BakersDozen(QPainter& p) {
    // A baker's loaf, scored across the top.
    QPainterPath loaf;
    loaf.moveTo(1, 13);
    loaf.cubicTo(0, 5, 5, 3, 8, 3);
    loaf.cubicTo(11, 3, 16, 5, 15, 13);
    loaf.closeSubpath();
    p.setPen(QPen(QColor(110, 60, 20), 1.0));
    p.setBrush(QColor(214, 150, 70));
    p.drawPath(loaf);
    p.setPen(QPen(QColor(250, 220, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {5.0, 8.0, 11.0}) p.drawLine(QPointF(x - 1, 9), QPointF(x + 1, 5.5));
}
void Row(QPainter& p) {
    const Suit suits[] = {Suit::Hearts, Suit::Clubs, Suit::Diamonds, Suit::Spades};
    for (int k = 0; k < 4; ++k) MiniCard(p, QRectF(0.5 + k * 3.5, 3, 5, 8), false, &suits[k]);
}
void BackEntry(QPainter& p) {
    MiniCard(p, QRectF(3, 1, 10, 14), true);
}
void BackgroundEntry(QPainter& p) {
    p.setPen(QPen(kIconOutline, 1.0));
    p.setBrush(QColor(130, 190, 240));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    QPainterPath hill;
    hill.moveTo(1, 13);
    hill.cubicTo(4, 7, 8, 8, 15, 10);
    hill.lineTo(15, 13);
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(11.5, 5.5), 1.6, 1.6);
}
void CardEntry(QPainter& p) {
    const Suit hearts = Suit::Hearts;
    MiniCard(p, QRectF(3, 1, 10, 14), false, &hearts);
}

const std::map<std::string, Draw>& Pictures() {
    static const std::map<std::string, Draw> pictures{
        {"TREE1", [](QPainter& p) { BadgedFolder(p, false, nullptr); }},
        {"TREE2", [](QPainter& p) { BadgedFolder(p, true, nullptr); }},
        {"N_TREE3", BackEntry},
        {"N_TREE4", BackgroundEntry},
        {"N_TREE5", CardEntry},
        {"F_TREE1", [](QPainter& p) { BadgedFolder(p, false, StarBadge); }},
        {"F_TREE2", [](QPainter& p) { BadgedFolder(p, true, StarBadge); }},
        {"S_TREE1",
         [](QPainter& p) {
             BadgedFolder(p, false, [](QPainter& q) { SuitBadge(q, Suit::Spades); });
         }},
        {"S_TREE2",
         [](QPainter& p) {
             BadgedFolder(p, true, [](QPainter& q) { SuitBadge(q, Suit::Spades); });
         }},
        {"D_TREE1",
         [](QPainter& p) {
             BadgedFolder(p, false, [](QPainter& q) { SuitBadge(q, Suit::Diamonds); });
         }},
        {"D_TREE2",
         [](QPainter& p) {
             BadgedFolder(p, true, [](QPainter& q) { SuitBadge(q, Suit::Diamonds); });
         }},
        {"TREE5_CANFIELD_TYPE", Canfield},
        {"TREE5_FAN_TYPE", Fan},
        {"TREE5_FORTYTHIEVES_TYPE", FortyThieves},
        {"TREE5_FREECELL_TYPE", FreeCell},
        {"TREE5_KLONDIKE_TYPE", Klondike},
        {"TREE5_PAIRING_TYPE", Pairing},
        {"TREE5_SIMPLEGAMES_TYPE", SimpleGames},
        {"TREE5_SPIDER_TYPE", Spider},
        {"TREE5_1DECK_TYPE", [](QPainter& p) { DeckCount(p, 1); }},
        {"TREE5_2DECK_TYPE", [](QPainter& p) { DeckCount(p, 2); }},
        {"C_TREE1", [](QPainter& p) { BadgedFolder(p, false, PencilBadge); }},
        {"C_TREE2", [](QPainter& p) { BadgedFolder(p, true, PencilBadge); }},
        {"TREE5_CUSTOMIZED_GAMES", Customized},
        {"TREE5_FAVORITES_GAMES", Favorites},
        {"TREE5_BAKERSDOZEN_TYPE", BakersDozen},
        {"T_TREE1", [](QPainter& p) { BadgedFolder(p, false, TrophyBadge); }},
        {"T_TREE2", [](QPainter& p) { BadgedFolder(p, true, TrophyBadge); }},
        {"I_TREE1", [](QPainter& p) { BadgedFolder(p, false, InfoBadge); }},
        {"I_TREE2", [](QPainter& p) { BadgedFolder(p, true, InfoBadge); }},
        {"K_TREE1", [](QPainter& p) { BadgedFolder(p, false, CrownBadge); }},
        {"K_TREE2", [](QPainter& p) { BadgedFolder(p, true, CrownBadge); }},
        {"W_TREE1", [](QPainter& p) { BadgedFolder(p, false, CheckBadge); }},
        {"W_TREE2", [](QPainter& p) { BadgedFolder(p, true, CheckBadge); }},
        {"TREE5_ROW_TYPE", Row},
    };
    return pictures;
}

} // namespace

QImage TreePicture(std::string_view name) {
    QImage icon = BlankIcon(kSize);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, true);
        auto found = Pictures().find(std::string(name));
        if (found != Pictures().end())
            found->second(p);
        else
            BadgedFolder(p, false, nullptr);
    }
    return FinishIcon(icon);
}

} // namespace tablamor::art
