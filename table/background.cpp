#include "table/background.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace tablamor::table {
namespace {

const QColor kDefaultGreen(0, 96, 0);
const QColor kLowColourGreen(0, 128, 0);
constexpr int kSystemColourButtonFace = 15;
constexpr std::int64_t kByteMask = 0xff;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

QColor DefaultGreen(const PaintPreferences& prefs) {
    return prefs.lowColourScreen ? kLowColourGreen : kDefaultGreen;
}

void Fill(QImage& target, QColor colour) {
    target.fill(colour.rgb());
}

// Repeated along the first row, then that row repeated downwards.
void Tile(QImage& target, const QImage& picture) {
    QPainter painter(&target);
    for (int y = 0; y < target.height(); y += picture.height())
        for (int x = 0; x < target.width(); x += picture.width()) painter.drawImage(x, y, picture);
}

} // namespace

QColor ColourOfValue(std::int64_t value) {
    if (value < 0) {
        const QPalette palette = QGuiApplication::palette();
        return (value & kByteMask) == kSystemColourButtonFace ? palette.color(QPalette::Button)
                                                              : palette.color(QPalette::Window);
    }
    return QColor(static_cast<int>(value & kByteMask),
                  static_cast<int>((value >> kGreenShift) & kByteMask),
                  static_cast<int>((value >> kBlueShift) & kByteMask));
}

QColor PlainBackgroundColour(const PaintPreferences& prefs) {
    return ColourOfValue(prefs.fixedColour >= 1 ? prefs.fixedColour : prefs.backgroundColour);
}

void PaintFade(QImage& target, QColor colour, int overhang) {
    const int h = target.height() + overhang;
    const int bottom = h;
    QPainter painter(&target);
    for (int i = 0; i < kFadeBands; ++i) {
        // Band i (0 at the bottom) from bottom - (i + 1)h/256 down to bottom - ih/256.
        const int lower = bottom - static_cast<int>(static_cast<long long>(i) * h / kFadeBands);
        const int upper = bottom - static_cast<int>(static_cast<long long>(i + 1) * h / kFadeBands);
        if (lower <= upper) continue;
        const QColor band(i * colour.red() / kFadeBands, i * colour.green() / kFadeBands,
                          i * colour.blue() / kFadeBands);
        painter.fillRect(0, upper, target.width(), lower - upper, band);
    }
}

void PaintBackground(QImage& target, const PaintPreferences& prefs, const QImage& picture) {
    if (target.isNull()) return;
    if (prefs.defaultBackground) {
        Fill(target, DefaultGreen(prefs));
        return;
    }
    if (prefs.backgroundPicture != 0) {
        if (picture.isNull()) {
            Fill(target, DefaultGreen(prefs));
        } else if (prefs.backgroundPicture > kLastTiledBackground) {
            Fill(target, DefaultGreen(prefs));
            QPainter(&target).drawImage(0, 0, picture);
        } else {
            Tile(target, picture);
        }
        return;
    }
    const QColor colour = PlainBackgroundColour(prefs);
    if (prefs.fadeBackground && !prefs.lowColourScreen)
        PaintFade(target, colour,
                  prefs.scrollBarVisible ? kFadeOverhangWithScrollBar : kFadeOverhang);
    else
        Fill(target, colour);
}

} // namespace tablamor::table
