#include "ui/window_placement.h"

#include "records/preference_keys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <sstream>

namespace tablamor::ui {

std::optional<QRect> ParseRestoredGeometry(const std::string& text) {
    std::istringstream in(text);
    int left = 0, top = 0, width = 0, height = 0;
    std::string rest;
    if (!(in >> left >> top >> width >> height) || (in >> rest)) return std::nullopt;
    if (width <= 0 || height <= 0) return std::nullopt;
    return QRect(left, top, width, height);
}

std::string RestoredGeometryText(const QRect& rect) {
    return std::to_string(rect.x()) + ' ' + std::to_string(rect.y()) + ' ' +
           std::to_string(rect.width()) + ' ' + std::to_string(rect.height());
}

void ShowPlaced(QWidget& window, const IniFile& preferences) {
    const auto restored = ParseRestoredGeometry(
        preferences.ReadString(pref::kPreferenceSection, pref::kWindowRestored, ""));
    QScreen* screen = QGuiApplication::primaryScreen();
    // A remembered place wholly off the screens of today is not used.
    if (restored && screen && screen->virtualGeometry().intersects(*restored))
        window.setGeometry(*restored);
    else if (screen)
        window.resize(screen->availableSize() * 3 / 4);
    if (preferences.ReadString(pref::kPreferenceSection, pref::kWindowMaximized, pref::kYes) ==
        pref::kNo)
        window.show();
    else
        window.showMaximized();
}

void SavePlacement(const QWidget& window, IniFile& preferences) {
    const bool maximized = window.isMaximized();
    preferences.WriteString(pref::kPreferenceSection, pref::kWindowMaximized,
                            maximized ? pref::kYes : pref::kNo);
    preferences.WriteString(pref::kPreferenceSection, pref::kWindowRestored,
                            RestoredGeometryText(window.normalGeometry()));
}

} // namespace tablamor::ui
