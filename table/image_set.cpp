#include "table/image_set.h"

#include "engine/cards.h"
#include "table/card_drawing.h"
#include "table/image_names.h"

namespace tablamor::table {
namespace {

// Drawn pictures of this many sizes are kept (a window dragged to many sizes keeps the last).
constexpr std::size_t kKeptSizes = 4;

const QRgb kShadowKey = qRgb(255, 255, 255);
const QRgb kEdgeKey = qRgb(0, 0, 255);

QImage Opaque(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage WithAlpha(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The picture with every pixel of the key colour made transparent.
QImage Keyed(const QImage& image, QRgb key) {
    if (image.isNull()) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xff000000u) == (key | 0xff000000u)) line[x] = 0;
    }
    return out;
}

// Replaces `slot` by a resource picture, keeping the old one when the resource is missing.
void Replace(QImage& slot, QImage loaded) {
    if (!loaded.isNull()) slot = std::move(loaded);
}

} // namespace

void ImageSet::Load(const ImageSource& source, const Choice& choice) {
    Keep();
    rendered_ = false;
    drawFaces_ = false;
    size_ = choice.size;
    card_ = layout::CardSizeOf(choice.size);
    const char letter = static_cast<char>(choice.size);
    for (int mark = 1; mark <= kMarkCount; ++mark)
        Replace(marks_[static_cast<std::size_t>(mark - 1)],
                WithAlpha(source.LoadResourceBitmap(MarkName(letter, mark))));
    LoadBack(source, choice.back);
    for (int which = 1; which <= 2; ++which) {
        const auto i = static_cast<std::size_t>(which - 1);
        Replace(shadows_[i],
                Keyed(source.LoadResourceBitmap(ShadowName(letter, which)), kShadowKey));
        Replace(edges_[i], Keyed(source.LoadResourceBitmap(BorderName(letter, which)), kEdgeKey));
    }
    for (int suit = 0; suit < static_cast<int>(kSuitLetters.size()); ++suit) {
        QImage file;
        if (source.LoadBitmapFile(
                FaceFileName(letter, choice.cardSet, kSuitLetters[static_cast<std::size_t>(suit)]),
                file))
            CutSuit(Opaque(file), suit);
    }
}

void ImageSet::Render(const ImageSource& source, layout::CardSize card, const Choice& choice) {
    const DrawnKey key{card.width, choice.cardSet, choice.back};
    if (rendered_ && key == drawnKey_ && card == card_) return;
    Keep();
    rendered_ = true;
    drawnKey_ = key;
    renderedSet_ = choice.cardSet;
    size_ = layout::CardSizeLetter::Big;
    card_ = card;
    if (auto kept = drawn_.find(key); kept != drawn_.end()) {
        Restore(kept->second);
        drawFaces_ = FontsReady();
        return;
    }
    for (int mark = 1; mark <= kMarkCount; ++mark)
        marks_[static_cast<std::size_t>(mark - 1)] = DrawMark(card, mark);
    for (int which = 1; which <= 2; ++which) {
        const auto i = static_cast<std::size_t>(which - 1);
        shadows_[i] = Keyed(DrawStrip(card, false, which), kShadowKey);
        edges_[i] = Keyed(DrawStrip(card, true, which), kEdgeKey);
    }
    faces_ = {};
    drawFaces_ = FontsReady();
    if (drawFaces_) {
        back_ = Opaque(DrawBack(card, choice.back));
        return;
    }
    // No fonts: the big cards' files, scaled.
    Choice big = choice;
    big.size = layout::CardSizeLetter::Big;
    ImageSet files;
    files.Load(source, big);
    auto scaled = [&](const QImage& image) {
        return image.isNull() ? image
                              : image.scaled(card.width, card.height, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
    };
    back_ = scaled(files.Back());
    for (int code = 1; code <= kDeckSize; ++code)
        faces_[static_cast<std::size_t>(code - 1)] = scaled(files.Face(code));
}

// Puts the drawn pictures in use aside, so that Render can take them back.
void ImageSet::Keep() {
    if (!rendered_) return;
    if (drawn_.size() >= kKeptSizes && !drawn_.contains(drawnKey_)) drawn_.erase(drawn_.begin());
    drawn_[drawnKey_] = Pictures{faces_, back_, marks_, shadows_, edges_};
}

void ImageSet::Restore(const Pictures& pictures) {
    faces_ = pictures.faces;
    back_ = pictures.back;
    marks_ = pictures.marks;
    shadows_ = pictures.shadows;
    edges_ = pictures.edges;
}

void ImageSet::DrawFace(int index) const {
    faces_[static_cast<std::size_t>(index)] = table::DrawFace(card_, renderedSet_, index + 1);
}

bool ImageSet::LoadBack(const ImageSource& source, int back) {
    if (rendered_) {
        std::get<2>(drawnKey_) = back;
        back_ = Opaque(DrawBack(card_, back));
        return true;
    }
    QImage loaded;
    if (!source.LoadBitmapFile(BackFileName(static_cast<char>(size_), back), loaded)) return false;
    back_ = Opaque(loaded);
    return true;
}

bool ImageSet::LoadBackground(const ImageSource& source, int number) {
    QImage loaded;
    if (!source.LoadBitmapFile(BackgroundFileName(number), loaded)) return false;
    background_ = Opaque(loaded);
    backgroundNumber_ = number;
    return true;
}

// Cells are read row by row from the top-left; a file whose cells are not the card size gives
// misaligned cards (parts outside the file come out black), which is the artwork's problem.
void ImageSet::CutSuit(const QImage& file, int suit) {
    for (int rank = 0; rank < kRanksPerSuit; ++rank) {
        const int column = rank % kFaceGridColumns;
        const int row = rank / kFaceGridColumns;
        faces_[static_cast<std::size_t>(suit * kRanksPerSuit + rank)] =
            file.copy(column * card_.width, row * card_.height, card_.width, card_.height);
    }
}

const QImage& ImageSet::Face(int code) const {
    static const QImage kNone;
    if (!ValidCard(code)) return kNone;
    if (code > kDeckSize) code -= kDeckSize;
    const auto index = static_cast<std::size_t>(code - 1);
    if (drawFaces_ && faces_[index].isNull()) DrawFace(code - 1);
    return faces_[index];
}

const QImage& ImageSet::Mark(int mark) const {
    static const QImage kNone;
    if (mark < 1 || mark > kMarkCount) return kNone;
    return marks_[static_cast<std::size_t>(mark - 1)];
}

void ImageSet::SetFace(int code, QImage image) {
    if (code <= 0 || code > kDeckSize) return;
    faces_[static_cast<std::size_t>(code - 1)] = Opaque(image);
}

} // namespace tablamor::table
