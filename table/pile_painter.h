#pragma once
// Paints cards, empty marks and whole piles of a scene onto a surface. Every call takes a clip
// rectangle in window coordinates and writes nothing outside it, so any damaged area can be
// repainted exactly: restore the background there, then paint the piles in their order.
//
// The order is the table's paint order: stock, waste and third pile (each its top card, or its
// empty mark, the stock and the waste standing on their thickness), the foundations card by
// card, the reserves card by card, then the tableau row by row (the bottom card of every column,
// then the second ...) or, when the game deals pile by pile, column by column. Cards lie face up
// or down by their face flag, except the stock's top card, which shows its face only in games
// that deal the stock face up. A pile without a place is never drawn.
#include "table/empty_marks.h"
#include "table/image_set.h"
#include "table/paint_preferences.h"
#include "table/surface.h"
#include "table/table_scene.h"

#include <optional>

namespace tablamor::table {

class PilePainter {
public:
    // The referenced objects must outlive the painter.
    PilePainter(const TableScene& scene, const ImageSet& images, const PaintPreferences& prefs);

    // A card face by code (53..104 show their first-deck twin; 0 or less draws nothing).
    void DrawCardFace(Surface& s, int code, QPoint at, BottomCorners bottom,
                      const QRect& clip) const;
    // The back; nothing when x or y is an unset marker. `height` rows from the top are drawn.
    void DrawCardBack(Surface& s, QPoint at, int height, BottomCorners bottom,
                      const QRect& clip) const;
    void DrawMark(Surface& s, int mark, QPoint at, const QRect& clip) const;
    // The mark of an empty pile at the pile's place; nothing when the rules give no mark.
    void DrawEmptyMark(Surface& s, PileIndex pile, const QRect& clip) const;
    // The mark an empty pile shows (mark::kNone for none).
    int EmptyMarkOf(PileIndex pile) const;

    // Card k of a pile at its place, face up or down as the pile shows it.
    void DrawPileCard(Surface& s, PileIndex pile, int k, const QRect& clip) const;
    // A whole pile: every card, its empty mark, the stock's thickness.
    void PaintPile(Surface& s, PileIndex pile, const QRect& clip) const;
    // Every placed pile in paint order, then the marked cards.
    void PaintPiles(Surface& s, const QRect& clip) const;
    // The stock-group piles and the foundations; the reserves; the tableau (the parts of the
    // paint order, for the deal).
    void PaintStockGroupAndFoundations(Surface& s, const QRect& clip) const;
    // Marked cards of the pairing and pyramid games: every card listed in foundation 1 is drawn
    // face up at its place and inverted.
    void PaintMarkedCards(Surface& s, const QRect& clip) const;
    bool HasMarkedCards() const;

    // Where a pile's card k lies, and whether it shows its face.
    QRect CardRect(PileIndex pile, int k) const;
    bool ShowsFace(PileIndex pile, int k) const;
    // Everything a pile covers, its stock thickness included; empty when it is not placed.
    QRect PileBounds(PileIndex pile) const;
    // The card k of `pile` lies at: locates a card code anywhere on the table but foundation 1.
    std::optional<std::pair<PileIndex, int>> Locate(int code) const;

    const layout::TableGeometry& Geometry() const { return geometry_; }
    const TableScene& Scene() const { return scene_; }
    const ImageSet& Images() const { return images_; }
    const PaintPreferences& Preferences() const { return prefs_; }

private:
    const TableScene& scene_;
    const ImageSet& images_;
    const PaintPreferences& prefs_;
    layout::TableGeometry geometry_;

    void PaintStockThickness(Surface& s, PileIndex pile, const QRect& clip) const;
    void PaintTableau(Surface& s, const QRect& clip) const;
    bool Intersects(PileIndex pile, const QRect& clip) const;
};

} // namespace tablamor::table
