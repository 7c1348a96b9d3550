#include "table/cursors.h"

#include "table/resource_names.h"

#include <QPixmap>

#include <array>
#include <string_view>

namespace tablamor::table {
namespace {

struct CursorName {
    int number;
    std::string_view name;
};

constexpr std::array<CursorName, 10> kCursorNames{{
    {10, "CUR_ARROW1A"},
    {11, "CUR_ARROW2A"},
    {12, "CUR_HAND1A"},
    {13, "CUR_HAND2A"},
    {14, "CUR_CROSS1A"},
    {20, "CUR_ARROW1B"},
    {21, "CUR_ARROW2B"},
    {22, "CUR_HAND1B"},
    {23, "CUR_HAND2B"},
    {24, "CUR_CROSS1B"},
}};

int HotSpot(const QImage& image, const char* key) {
    bool ok = false;
    const int value = image.text(key).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

void CursorSet::Load(const ImageSource& source, qreal devicePixelRatio) {
    for (const CursorName& c : kCursorNames) {
        QImage image;
        if (devicePixelRatio > 1) {
            image = source.LoadResourceBitmap(art::HiDpiName(c.name));
            image.setDevicePixelRatio(art::kHiDpiScale);
        }
        if (image.isNull()) image = source.LoadResourceBitmap(c.name);
        if (image.isNull()) continue;
        cursors_.insert_or_assign(c.number,
                                  QCursor(QPixmap::fromImage(image), HotSpot(image, "HotspotX"),
                                          HotSpot(image, "HotspotY")));
    }
}

QCursor CursorSet::Cursor(int number) const {
    const auto it = cursors_.find(number);
    return it != cursors_.end() ? it->second : QCursor(Qt::ArrowCursor);
}

} // namespace tablamor::table
