#include "table/card_drawing.h"

#include "table/card_art/card_backs.h"
#include "table/card_art/face_painter.h"
#include "table/card_art/fonts.h"
#include "table/card_art/marks.h"
#include "table/card_art/strips.h"

namespace tablamor::table {
namespace {

art::CardSize AnySize(layout::CardSize card) {
    return {art::kAnySizeLetter, card.width, card.height};
}

} // namespace

bool FontsReady() {
    static const bool ready = [] {
        if (art::Fonts::Loaded()) return true;
        QString error;
        return art::Fonts::Load(art::Fonts::DefaultDirectory(), &error);
    }();
    return ready;
}

QImage DrawFace(layout::CardSize card, int cardSet, int code) {
    const art::CardSize size = AnySize(card);
    QImage image(card.width, card.height, QImage::Format_RGB32);
    const int index = code - 1;
    const auto suit = art::kSuits[index / art::kRanksPerSuit];
    const auto set = cardSet == static_cast<int>(art::FaceSet::Plain) ? art::FaceSet::Plain
                                                                      : art::FaceSet::Classic;
    art::PaintFace(image, image.rect(), size, set, suit, index % art::kRanksPerSuit + 1);
    return image;
}

QImage DrawBack(layout::CardSize card, int back) {
    return art::CardBack(AnySize(card), back);
}

QImage DrawMark(layout::CardSize card, int mark) {
    return art::Mark(AnySize(card), mark);
}

QImage DrawStrip(layout::CardSize card, bool edge, int which) {
    return edge ? art::BorderStrip(AnySize(card), which) : art::ShadowStrip(AnySize(card), which);
}

} // namespace tablamor::table
