#pragma once
// Named pictures of the resource library SOL.RGF, once it is registered.
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace tablamor::ui {

// The picture of that name; a null pixmap when the library holds none.
QPixmap ResourcePicture(std::string_view name);

// The application icon at every size the library holds.
QIcon ApplicationIcon();

} // namespace tablamor::ui
