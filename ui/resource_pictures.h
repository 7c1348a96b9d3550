#pragma once
// Named pictures of the resource library SOL.RGF, once it is registered.
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace tablamor::ui {

// The picture of that name; a null pixmap when the library holds none.
QPixmap ResourcePicture(std::string_view name);

// The picture for a screen of that device pixel ratio: above 1, its larger drawing when the
// library holds one (the pixmap then carries its ratio, so that it paints at the ordinary size).
QPixmap ResourcePicture(std::string_view name, qreal devicePixelRatio);

// The picture and, for screens of a higher device pixel ratio, the one twice its size, for the
// icon to choose by the screen it is shown on; `mode` is the state of the button it shows.
void AddResourcePicture(QIcon& icon, std::string_view name, std::string_view largerName,
                        QIcon::Mode mode);

// The application icon at every size the library holds.
QIcon ApplicationIcon();

} // namespace tablamor::ui
