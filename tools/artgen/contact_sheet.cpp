#include "tools/artgen/contact_sheet.h"

#include "table/card_art/fonts.h"
#include "table/card_art/palette.h"
#include "table/qt_text.h"
#include "table/resource_names.h"

#include <QPainter>

#include <algorithm>

namespace tablamor::art {
namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMaxHeight = 12000;
constexpr int kPad = 10;
constexpr int kLabelHeight = 14;
constexpr int kLabelCap = 7;
constexpr int kHeadingCap = 12;
const QColor kPaper(236, 236, 232);
const QColor kButtonFace(212, 208, 200);

// The picture with every pixel of `key` made transparent (for the colour-keyed strips).
QImage KeyedOut(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF)) out.setPixel(x, y, 0);
    return out;
}

// Places items left to right, wrapping at the sheet's width.
class Sheet {
public:
    Sheet() : image_(kSheetWidth, kMaxHeight, QImage::Format_RGB32), p_(&image_) {
        image_.fill(kPaper);
        p_.setRenderHint(QPainter::Antialiasing, true);
    }

    void Heading(const QString& text) {
        NewRow();
        y_ += kPad;
        Text(text, QPointF(kPad, y_ + kHeadingCap), kHeadingCap);
        y_ += kHeadingCap + kPad;
    }

    // Puts `picture` at the next place, over `backdrop` (when valid), scaled by `zoom`, with a
    // label under it.
    void Item(const QImage& picture, const QString& label, const QColor& backdrop = QColor(),
              int zoom = 1) {
        const int w = picture.width() * zoom;
        const int h = picture.height() * zoom;
        const int labelH = label.isEmpty() ? 0 : kLabelHeight;
        const int labelW =
            label.isEmpty() ? 0 : static_cast<int>(Label(label, kLabelCap).boundingRect().width());
        if (x_ + std::max(w, labelW) > kSheetWidth - kPad && x_ > kPad) NewRow();
        QRect target(x_, y_, w, h);
        if (backdrop.isValid()) p_.fillRect(target.adjusted(-3, -3, 3, 3), backdrop);
        p_.drawImage(target, picture);
        if (!label.isEmpty()) Text(label, QPointF(x_, y_ + h + 4 + kLabelCap), kLabelCap);
        x_ += std::max(w, labelW) + kPad + 6;
        rowHeight_ = std::max(rowHeight_, h + labelH + 6);
    }

    void NewRow() {
        if (rowHeight_ > 0) y_ += rowHeight_ + kPad;
        x_ = kPad;
        rowHeight_ = 0;
    }

    QPainter& Painter() { return p_; }

    // Reserves a free area of the given size at the next place and returns it.
    QRect Area(int w, int h) {
        if (x_ + w > kSheetWidth - kPad && x_ > kPad) NewRow();
        QRect area(x_, y_, w, h);
        x_ += w + kPad;
        rowHeight_ = std::max(rowHeight_, h);
        return area;
    }

    QImage Finish() {
        NewRow();
        p_.end();
        return image_.copy(0, 0, kSheetWidth, std::min(kMaxHeight, y_ + kPad));
    }

private:
    QImage image_;
    QPainter p_;
    int x_ = kPad;
    int y_ = 0;
    int rowHeight_ = 0;

    static QPainterPath Label(const QString& text, qreal capHeight) {
        return Fonts::Outline(FontFace::Sans, text,
                              capHeight / Fonts::CapHeightRatio(FontFace::Sans));
    }

    void Text(const QString& text, QPointF baselineLeft, qreal capHeight) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(palette::kInk);
        p_.drawPath(Label(text, capHeight).translated(baselineLeft));
    }
};

const QImage* Find(const Artwork& art, const QString& name) {
    for (const NamedPicture& picture : art.resources)
        if (picture.name == name) return &picture.image;
    for (const ImageFile& file : art.images)
        if (file.name == name) return &file.image;
    return nullptr;
}

void FaceSets(Sheet& sheet, const Artwork& art) {
    for (int set : kFaceSets) {
        sheet.Heading(QString("Card faces, set %1").arg(set, 3, 10, QChar('0')));
        for (const CardSize& size : kCardSizes) {
            for (char suit : kSuitLetters) {
                QString name = Q(FaceFileName(size.letter, set, suit));
                if (const QImage* image = Find(art, name)) sheet.Item(*image, name);
            }
            sheet.NewRow();
        }
    }
}

void Backs(Sheet& sheet, const Artwork& art) {
    sheet.Heading("Card backs");
    for (const CardSize& size : kCardSizes) {
        for (int back : kBackNumbers) {
            QString name = Q(BackFileName(size.letter, back));
            if (const QImage* image = Find(art, name)) sheet.Item(*image, name);
        }
        sheet.NewRow();
    }
}

void Backgrounds(Sheet& sheet, const Artwork& art) {
    sheet.Heading("Backgrounds, each tile repeated 2 x 2");
    for (int number : kBackgroundNumbers) {
        QString name = Q(BackgroundFileName(number));
        const QImage* tile = Find(art, name);
        if (!tile) continue;
        QImage twice(tile->width() * 2, tile->height() * 2, QImage::Format_RGB32);
        QPainter p(&twice);
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                p.drawImage(dx * tile->width(), dy * tile->height(), *tile);
        p.end();
        sheet.Item(twice, name + QString(" (%1 x %2)").arg(tile->width()).arg(tile->height()));
    }
}

void Marks(Sheet& sheet, const Artwork& art) {
    sheet.Heading("Marks of empty piles on the default table");
    for (const CardSize& size : kCardSizes) {
        for (int mark = 1; mark <= kMarkCount; ++mark) {
            QString name = Q(MarkName(size.letter, mark));
            if (const QImage* image = Find(art, name))
                sheet.Item(*image, name.mid(2), palette::kTableGreen);
        }
        sheet.NewRow();
    }
}

// A card in the air with its shadow, and stocks of several thicknesses with their edges, as the
// table painter puts them together.
void StripsInUse(Sheet& sheet, const Artwork& art) {
    sheet.Heading("Shadows and stock edges in use");
    for (const CardSize& size : kCardSizes) {
        const QImage* face = Find(art, Q(FaceFileName(size.letter, 1, 'S')));
        const QImage* back = Find(art, Q(BackFileName(size.letter, 11)));
        const QImage* shadowV = Find(art, Q(ShadowName(size.letter, 1)));
        const QImage* shadowH = Find(art, Q(ShadowName(size.letter, 2)));
        const QImage* edgeR = Find(art, Q(BorderName(size.letter, 1)));
        const QImage* edgeB = Find(art, Q(BorderName(size.letter, 2)));
        if (!face || !back || !shadowV || !shadowH || !edgeR || !edgeB) continue;
        const int w = size.width;
        const int h = size.height;
        QRect area = sheet.Area(6 * (w + 30), h + 40);
        QPainter& p = sheet.Painter();
        p.fillRect(area, palette::kTableGreen);
        QImage ace = face->copy(0, 0, w, h);
        QPoint card(area.left() + 20, area.top() + 10);
        p.drawImage(card, ace);
        p.drawImage(card + QPoint(w, 7), KeyedOut(*shadowV, qRgb(255, 255, 255)));
        p.drawImage(card + QPoint(8, h), KeyedOut(*shadowH, qRgb(255, 255, 255)));
        int column = 1;
        for (int d : {1, 4, 9, 15}) {
            QPoint rest(area.left() + 20 + column * (w + 30), area.top() + 24);
            p.drawImage(rest + QPoint(-d, -d), *back);
            QImage right = KeyedOut(*edgeR, qRgb(0, 0, 255)).copy(15 - d, 0, d + 1, h + 13);
            QImage bottom = KeyedOut(*edgeB, qRgb(0, 0, 255)).copy(0, 15 - d, w + 11, d + 1);
            p.drawImage(rest + QPoint(-13, h - d - 1), bottom);
            p.drawImage(rest + QPoint(w - d - 1, -13), right);
            ++column;
        }
    }
    sheet.NewRow();
}

void Section(Sheet& sheet, const Artwork& art, const QString& section, const QString& heading,
             const QColor& backdrop, int zoom) {
    if (std::none_of(art.resources.begin(), art.resources.end(),
                     [&](const NamedPicture& p) { return p.section == section; }))
        return;
    sheet.Heading(heading);
    for (const NamedPicture& picture : art.resources)
        if (picture.section == section) sheet.Item(picture.image, picture.name, backdrop, zoom);
}

} // namespace

QImage ContactSheet(const Artwork& art) {
    Sheet sheet;
    FaceSets(sheet, art);
    Backs(sheet, art);
    Backgrounds(sheet, art);
    Marks(sheet, art);
    StripsInUse(sheet, art);
    Section(sheet, art, "cursors", "Cursors (on white, then on the table)", Qt::white, 1);
    sheet.NewRow();
    for (const CursorPicture& cursor : kCursors)
        if (const QImage* image = Find(art, Q(cursor.name)))
            sheet.Item(*image, "", palette::kTableGreen, 1);
    Section(sheet, art, "tree", "Tree pictures (2 x)", Qt::white, 2);
    Section(sheet, art, "ratings", "Ratings (2 x)", kButtonFace, 2);
    Section(sheet, art, "counter", "Card counter (2 x)", kButtonFace, 2);
    Section(sheet, art, "toolbar", "Toolbar pictures", kButtonFace, 1);
    Section(sheet, art, "start-up", "Start-up and advice pictures", QColor(), 1);
    Section(sheet, art, "previews", "Game previews", QColor(), 1);
    Section(sheet, art, "extra", "Pictures added from outside", QColor(), 1);
    return sheet.Finish();
}

} // namespace tablamor::art
