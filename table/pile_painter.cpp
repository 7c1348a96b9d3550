#include "table/pile_painter.h"

#include "table/layout/fan_steps.h"
#include "table/layout/pile_positions.h"

#include <algorithm>

namespace tablamor::table {
namespace {

// The stock's edge strips: 16 rows (or columns) deep, one per pixel of thickness; the right
// strip starts 13 px above the resting place, the bottom one 13 px left of it and 11 px wider
// than a card. A thicker stock reveals more of them, cut from row (column) 15 - d.
constexpr int kEdgeDepth = 16;
constexpr int kEdgeOverhang = 13;
constexpr int kBottomEdgeExtraWidth = 11;
// The area above and left of the resting place that a thick stock may cover.
constexpr int kThicknessRoom = 15;
// Special codes whose foundation 1 lists the selected cards.
constexpr int kPyramidCodes[] = {3, 4};

QRect ToQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

EmptyPile EmptyKindOf(PileIndex pile) {
    switch (KindOfPile(pile)) {
    case PileKind::Stock:
        return EmptyPile::Stock;
    case PileKind::Waste:
        return EmptyPile::Waste;
    case PileKind::ThirdPile:
        return EmptyPile::ThirdPile;
    case PileKind::Foundation:
        return EmptyPile::Foundation;
    case PileKind::Reserve:
        return EmptyPile::Reserve;
    default:
        return EmptyPile::Tableau;
    }
}

bool RisesWithThickness(PileIndex pile) {
    return pile == kStockPile || pile == kWastePile;
}

} // namespace

PilePainter::PilePainter(const TableScene& scene, const ImageSet& images,
                         const PaintPreferences& prefs)
    : scene_(scene), images_(images), prefs_(prefs),
      geometry_(scene.Geometry(prefs.untidyTableau)) {}

void PilePainter::DrawCardFace(Surface& s, int code, QPoint at, BottomCorners bottom,
                               const QRect& clip) const {
    if (code <= 0) return;
    DrawCardPicture(*s.image, images_.Face(scene_.Face(code)), s.ToPicture(at), s.background,
                    bottom, s.ToPicture(clip));
}

void PilePainter::DrawCardBack(Surface& s, QPoint at, int height, BottomCorners bottom,
                               const QRect& clip) const {
    if (layout::IsUnset(at.x()) || layout::IsUnset(at.y())) return;
    const QRect rows(at, QSize(images_.Card().width, std::max(height, 0)));
    DrawCardPicture(*s.image, images_.Back(), s.ToPicture(at), s.background, bottom,
                    s.ToPicture(clip & rows));
}

void PilePainter::DrawMark(Surface& s, int mark, QPoint at, const QRect& clip) const {
    if (mark == mark::kNone) return;
    DrawOverlay(*s.image, images_.Mark(mark), s.ToPicture(at), s.ToPicture(clip));
}

int PilePainter::EmptyMarkOf(PileIndex pile) const {
    const StockState stock{scene_.passesUsed, scene_.table->Size(kWastePile)};
    if (pile == kStockPile && scene_.stockPressed) return mark::kRedealPressed;
    return EmptyMark(EmptyKindOf(pile), *scene_.params, NumberInGroup(pile), stock);
}

void PilePainter::DrawEmptyMark(Surface& s, PileIndex pile, const QRect& clip) const {
    if (!geometry_.Placed(pile)) return;
    DrawMark(s, EmptyMarkOf(pile), CardRect(pile, 0).topLeft(), clip);
}

QRect PilePainter::CardRect(PileIndex pile, int k) const {
    return ToQRect(geometry_.CardRect(pile, k));
}

bool PilePainter::ShowsFace(PileIndex pile, int k) const {
    if (pile == kStockPile) return (*scene_.params)[param::kStockFaceDown] == 0;
    return scene_.table->FaceUp(scene_.table->At(pile, k));
}

void PilePainter::DrawPileCard(Surface& s, PileIndex pile, int k, const QRect& clip) const {
    const Card code = scene_.table->At(pile, k);
    if (code == kNoCard) return; // a gap
    const QRect place = CardRect(pile, k);
    const bool onStack = RisesWithThickness(pile) && k == scene_.table->Size(pile) - 1 &&
                         layout::StockThickness(scene_.table->Size(pile)) > 0;
    const BottomCorners bottom = onStack ? BottomCorners::Grey : BottomCorners::Background;
    if (ShowsFace(pile, k))
        DrawCardFace(s, code, place.topLeft(), bottom, clip);
    else
        DrawCardBack(s, place.topLeft(), place.height(), bottom, clip);
}

void PilePainter::PaintStockThickness(Surface& s, PileIndex pile, const QRect& clip) const {
    const int d = std::min(layout::StockThickness(scene_.table->Size(pile)), kEdgeDepth - 1);
    if (d <= 0) return;
    const int x = scene_.positions.X(pile);
    const int y = scene_.positions.Y(pile);
    const int w = images_.Card().width;
    const int h = images_.Card().height;
    const int cut = kEdgeDepth - 1 - d;
    const QImage& bottom = images_.BottomEdge();
    const QImage& right = images_.RightEdge();
    if (!bottom.isNull())
        DrawOverlay(*s.image, bottom.copy(0, cut, w + kBottomEdgeExtraWidth, d + 1),
                    s.ToPicture(QPoint(x - kEdgeOverhang, y + h - d - 1)), s.ToPicture(clip));
    if (!right.isNull())
        DrawOverlay(*s.image, right.copy(cut, 0, d + 1, h + kEdgeOverhang),
                    s.ToPicture(QPoint(x + w - d - 1, y - kEdgeOverhang)), s.ToPicture(clip));
}

void PilePainter::PaintPile(Surface& s, PileIndex pile, const QRect& clip) const {
    if (!geometry_.Placed(pile) || !Intersects(pile, clip)) return;
    const int size = scene_.table->Size(pile);
    if (size == 0) {
        DrawEmptyMark(s, pile, clip);
        return;
    }
    if (KindOfPile(pile) == PileKind::Stock || KindOfPile(pile) == PileKind::Waste ||
        KindOfPile(pile) == PileKind::ThirdPile) {
        if (RisesWithThickness(pile)) PaintStockThickness(s, pile, clip);
        DrawPileCard(s, pile, size - 1, clip);
        return;
    }
    for (int k = 0; k < size; ++k) DrawPileCard(s, pile, k, clip);
}

void PilePainter::PaintStockGroupAndFoundations(Surface& s, const QRect& clip) const {
    for (PileIndex pile = kStockPile; pile < kFirstTableau; ++pile) PaintPile(s, pile, clip);
}

void PilePainter::PaintTableau(Surface& s, const QRect& clip) const {
    std::vector<PileIndex> columns;
    for (int i = 0; i < kMaxTableaus; ++i) {
        const PileIndex pile = TableauPile(i);
        if (geometry_.Placed(pile) && Intersects(pile, clip)) columns.push_back(pile);
    }
    if ((*scene_.params)[param::kAfterDealByPile] != 0) {
        for (PileIndex pile : columns) PaintPile(s, pile, clip);
        return;
    }
    int longest = 0;
    for (PileIndex pile : columns) {
        longest = std::max(longest, scene_.table->Size(pile));
        if (scene_.table->Empty(pile)) DrawEmptyMark(s, pile, clip);
    }
    for (int k = 0; k < longest; ++k)
        for (PileIndex pile : columns)
            if (k < scene_.table->Size(pile)) DrawPileCard(s, pile, k, clip);
}

void PilePainter::PaintPiles(Surface& s, const QRect& clip) const {
    if (!scene_.Ready()) return;
    PaintStockGroupAndFoundations(s, clip);
    for (int r = 0; r < kMaxReserves; ++r) PaintPile(s, ReservePile(r), clip);
    PaintTableau(s, clip);
    PaintMarkedCards(s, clip);
}

bool PilePainter::HasMarkedCards() const {
    const GameParams& p = *scene_.params;
    return std::find(std::begin(kPyramidCodes), std::end(kPyramidCodes), p[param::kSpecialCode]) !=
               std::end(kPyramidCodes) ||
           p[param::kPairingSum] != 0;
}

std::optional<std::pair<PileIndex, int>> PilePainter::Locate(int code) const {
    if (code <= 0) return std::nullopt;
    const PileIndex selection = FoundationPile(0);
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        if (pile == selection) continue;
        const int k = scene_.table->Find(pile, static_cast<Card>(code));
        if (k >= 0) return std::make_pair(pile, k);
    }
    return std::nullopt;
}

void PilePainter::PaintMarkedCards(Surface& s, const QRect& clip) const {
    if (!HasMarkedCards()) return;
    for (Card code : scene_.table->Pile(FoundationPile(0))) {
        const auto where = Locate(code);
        if (!where || !geometry_.Placed(where->first)) continue;
        const QRect place = CardRect(where->first, where->second);
        if (!place.intersects(clip)) continue;
        DrawCardFace(s, code, place.topLeft(), BottomCorners::Background, clip);
        InvertCard(*s.image, s.ToPicture(place), s.ToPicture(clip));
    }
}

QRect PilePainter::PileBounds(PileIndex pile) const {
    if (!geometry_.Placed(pile)) return {};
    const int size = scene_.table->Size(pile);
    QRect bounds = CardRect(pile, 0);
    for (int k = 1; k < size; ++k) bounds |= CardRect(pile, k);
    bounds |= CardRect(pile, std::max(size - 1, 0));
    if (RisesWithThickness(pile)) {
        const int room = std::max(kThicknessRoom, layout::StockThickness(size));
        const QPoint rest(scene_.positions.X(pile), scene_.positions.Y(pile));
        bounds |= QRect(rest - QPoint(room, room),
                        QSize(images_.Card().width + room + 1, images_.Card().height + room + 1));
    }
    return bounds;
}

bool PilePainter::Intersects(PileIndex pile, const QRect& clip) const {
    return PileBounds(pile).intersects(clip);
}

} // namespace tablamor::table
