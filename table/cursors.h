#pragma once
// The mouse cursors of the resource library, registered under their numbers: 10..14 the idle
// cursors ("CUR_ARROW1A", "CUR_ARROW2A", "CUR_HAND1A", "CUR_HAND2A", "CUR_CROSS1A") and 20..24
// their dragging forms (the same names ending in "B"). A picture carries its hot spot as the
// texts "HotspotX" and "HotspotY"; without them the hot spot is the top-left pixel. A number
// whose picture is missing gives the ordinary arrow. The hot spot is counted in the ordinary
// drawing's pixels, whichever drawing is shown.
#include "table/image_files.h"

#include <QCursor>

#include <map>

namespace tablamor::table {

// While a card is dragged the cursor is the idle number plus this.
inline constexpr int kDragCursorOffset = 10;
// The idle cursor when the preferences name none.
inline constexpr int kDefaultCursor = 11;

class CursorSet {
public:
    // On a screen of a device pixel ratio above 1 the cursors' larger drawings are taken when
    // the library holds them.
    void Load(const ImageSource& source, qreal devicePixelRatio = 1);
    QCursor Cursor(int number) const;
    bool Has(int number) const { return cursors_.count(number) != 0; }

private:
    std::map<int, QCursor> cursors_;
};

} // namespace tablamor::table
