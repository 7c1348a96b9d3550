#include "ui/resource_pictures.h"

#include "table/app_icon_names.h"
#include "table/qt_text.h"
#include "table/resource_names.h"

#include <QString>

namespace tablamor::ui {

QPixmap ResourcePicture(std::string_view name) {
    return QPixmap(QStringLiteral(":/SOL/") + Q(name));
}

QPixmap ResourcePicture(std::string_view name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QPixmap larger = ResourcePicture(art::HiDpiName(name));
        if (!larger.isNull()) {
            larger.setDevicePixelRatio(art::kHiDpiScale);
            return larger;
        }
    }
    return ResourcePicture(name);
}

void AddResourcePicture(QIcon& icon, std::string_view name, std::string_view largerName,
                        QIcon::Mode mode) {
    icon.addPixmap(ResourcePicture(name), mode);
    QPixmap larger = ResourcePicture(largerName);
    if (larger.isNull()) return;
    larger.setDevicePixelRatio(art::kHiDpiScale);
    icon.addPixmap(larger, mode);
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : art::kAppIconSizes)
        if (QPixmap picture = ResourcePicture(art::AppIconName(size)); !picture.isNull())
            icon.addPixmap(picture);
    return icon;
}

} // namespace tablamor::ui
