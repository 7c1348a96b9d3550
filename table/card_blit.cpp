#include "table/card_blit.h"

#include <QPainter>

#include <cstring>

namespace tablamor::table {
namespace {

const QRgb kStackEdgeGrey = qRgb(192, 192, 192);
constexpr int kBottomLeftFirst = 6;
constexpr int kBottomRightFirst = 9;

bool Inside(const QImage& image, QPoint p) {
    return p.x() >= 0 && p.y() >= 0 && p.x() < image.width() && p.y() < image.height();
}

QRgb PixelOr(const QImage& image, QPoint p, QRgb fallback) {
    return Inside(image, p) ? image.pixel(p) : fallback;
}

bool BothRgb32(const QImage& a, const QImage& b) {
    return a.format() == QImage::Format_RGB32 && b.format() == QImage::Format_RGB32;
}

// Block copy of part of `source` (starting at sourceAt) to `rect` of `target`.
void Blit(QImage& target, const QRect& rect, const QImage& source, QPoint sourceAt) {
    if (rect.isEmpty()) return;
    if (BothRgb32(target, source)) {
        const auto bytes = static_cast<std::size_t>(rect.width()) * sizeof(QRgb);
        for (int y = 0; y < rect.height(); ++y) {
            auto* to = reinterpret_cast<QRgb*>(target.scanLine(rect.top() + y)) + rect.left();
            const auto* from =
                reinterpret_cast<const QRgb*>(source.constScanLine(sourceAt.y() + y)) +
                sourceAt.x();
            std::memcpy(to, from, bytes);
        }
        return;
    }
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), source, QRect(sourceAt, rect.size()));
}

} // namespace

std::array<QPoint, kCornerPixels> CornerOffsets(QSize card) {
    const int r = card.width() - 1;
    const int b = card.height() - 1;
    return {{{0, 0},
             {1, 0},
             {0, 1}, // top-left
             {r, 0},
             {r - 1, 0},
             {r, 1}, // top-right
             {0, b},
             {1, b},
             {0, b - 1}, // bottom-left
             {r, b},
             {r - 1, b},
             {r, b - 1}}}; // bottom-right
}

void DrawCardPicture(QImage& target, const QImage& card, QPoint at, const BackgroundRef& background,
                     BottomCorners bottom, const QRect& clip) {
    if (card.isNull() || target.isNull()) return;
    const QRect area = QRect(at, card.size()) & clip & target.rect();
    if (area.isEmpty()) return;
    const auto offsets = CornerOffsets(card.size());
    std::array<QRgb, kCornerPixels> under{};
    for (int i = 0; i < kCornerPixels; ++i) {
        const QPoint p = at + offsets[static_cast<std::size_t>(i)];
        if (i < kBottomLeftFirst)
            under[static_cast<std::size_t>(i)] = PixelOr(target, p, 0);
        else if (bottom == BottomCorners::Grey && i >= kBottomRightFirst)
            under[static_cast<std::size_t>(i)] = kStackEdgeGrey;
        else if (background.picture)
            under[static_cast<std::size_t>(i)] =
                PixelOr(*background.picture, p + background.offset, PixelOr(target, p, 0));
        else
            under[static_cast<std::size_t>(i)] = PixelOr(target, p, 0);
    }
    Blit(target, area, card, area.topLeft() - at);
    for (int i = 0; i < kCornerPixels; ++i) {
        const QPoint p = at + offsets[static_cast<std::size_t>(i)];
        if (area.contains(p)) target.setPixel(p, under[static_cast<std::size_t>(i)]);
    }
}

void DrawOverlay(QImage& target, const QImage& picture, QPoint at, const QRect& clip) {
    if (picture.isNull() || target.isNull()) return;
    const QRect area = QRect(at, picture.size()) & clip & target.rect();
    if (area.isEmpty()) return;
    QPainter painter(&target);
    painter.drawImage(area.topLeft(), picture, QRect(area.topLeft() - at, area.size()));
}

void InvertCard(QImage& target, const QRect& card, const QRect& clip) {
    const QRect area = card & clip & target.rect();
    if (area.isEmpty()) return;
    const auto offsets = CornerOffsets(card.size());
    std::array<QRgb, kCornerPixels> corners{};
    for (int i = 0; i < kCornerPixels; ++i)
        corners[static_cast<std::size_t>(i)] =
            PixelOr(target, card.topLeft() + offsets[static_cast<std::size_t>(i)], 0);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            target.setPixel(x, y, target.pixel(x, y) ^ 0x00ffffffu);
    for (int i = 0; i < kCornerPixels; ++i) {
        const QPoint p = card.topLeft() + offsets[static_cast<std::size_t>(i)];
        if (area.contains(p)) target.setPixel(p, corners[static_cast<std::size_t>(i)]);
    }
}

void CopyRect(QImage& target, const QImage& source, const QRect& rect, QPoint offset) {
    const QRect area = rect & target.rect() & source.rect().translated(-offset);
    Blit(target, area, source, area.topLeft() + offset);
}

} // namespace tablamor::table
