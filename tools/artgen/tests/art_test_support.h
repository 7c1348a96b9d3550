#pragma once
// What the artwork tests share: a Qt application on the offscreen platform with the fonts
// loaded (set up once for the whole test program), and the paths of the built program directory.
#include "table/card_art/fonts.h"
#include "table/qt_text.h"
#include "table/resource_names.h"

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace tablamor::art::testing {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "artgen_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        QString error;
        ASSERT_TRUE(Fonts::Load(ARTGEN_FONT_DIR, &error)) << error.toStdString();
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

inline QString RuntimePath(const QString& relative) {
    return QDir(TABLAMOR_RUNTIME_DIR).filePath(relative);
}

using tablamor::Q;

} // namespace tablamor::art::testing
