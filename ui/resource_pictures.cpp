#include "ui/resource_pictures.h"

#include <QString>

namespace tablamor::ui {

QPixmap ResourcePicture(std::string_view name) {
    return QPixmap(QStringLiteral(":/SOL/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace tablamor::ui
