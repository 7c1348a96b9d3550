// Where the main window appears: the remembered restored geometry as stored, and the window
// maximized at a first start and restored where the player left it.
#include "records/ini_file.h"
#include "ui/window_placement.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace tablamor::ui {
namespace {

TEST(WindowPlacement, StoredGeometryIsReadBackOrRefused) {
    struct Row {
        const char* text;
        std::optional<QRect> expected;
    };
    const Row rows[] = {
        {"10 20 800 600", QRect(10, 20, 800, 600)},
        {"-5 0 300 200", QRect(-5, 0, 300, 200)},
        {"", std::nullopt},
        {"10 20 800", std::nullopt},
        {"10 20 0 600", std::nullopt},
        {"10 20 800 600 7", std::nullopt},
        {"a b c d", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseRestoredGeometry(row.text), row.expected) << row.text;
    const QRect rect(3, 4, 500, 400);
    EXPECT_EQ(ParseRestoredGeometry(RestoredGeometryText(rect)), rect);
}

TEST(WindowPlacement, FirstStartIsMaximizedAndARestoredWindowIsRemembered) {
    QTemporaryDir dir;
    IniFile config(dir.filePath("CFG.DAT").toStdString());
    QWidget first;
    ShowPlaced(first, config);
    EXPECT_TRUE(first.isMaximized());
    SavePlacement(first, config);
    EXPECT_EQ(config.ReadString("Preference", "Window_Maximized", ""), "Y");

    config.WriteString("Preference", "Window_Maximized", "N");
    config.WriteString("Preference", "Window_Restored", "30 40 500 400");
    QWidget again;
    ShowPlaced(again, config);
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.size(), QSize(500, 400));
}

} // namespace
} // namespace tablamor::ui
