#include "ui/resource_pictures.h"

#include "table/app_icon_names.h"

#include <QString>

namespace tablamor::ui {

QPixmap ResourcePicture(std::string_view name) {
    return QPixmap(QStringLiteral(":/SOL/") +
                   QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : art::kAppIconSizes)
        if (QPixmap picture = ResourcePicture(art::AppIconName(size)); !picture.isNull())
            icon.addPixmap(picture);
    return icon;
}

} // namespace tablamor::ui
