#pragma once
// Where the main window appears: maximized unless the player last left it restored, and when
// restored at the place and size the player gave it. Both are remembered in the preferences
// when the window closes ("Window_Maximized", "Window_Restored" = "left top width height").
#include "records/ini_file.h"

#include <QRect>

#include <optional>
#include <string>

class QWidget;

namespace tablamor::ui {

// "left top width height" as stored; nullopt for anything else or an empty rectangle.
std::optional<QRect> ParseRestoredGeometry(const std::string& text);
std::string RestoredGeometryText(const QRect& rect);

// Shows the window as it was left (maximized at the first start).
void ShowPlaced(QWidget& window, const IniFile& preferences);
// Remembers the window's state and restored geometry.
void SavePlacement(const QWidget& window, IniFile& preferences);

} // namespace tablamor::ui
