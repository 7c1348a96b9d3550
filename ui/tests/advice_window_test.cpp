// The advice window: shown while its key is not "N", ticking "Don't show this message box
// again" stores "N" under the key, and "[Program]" names the program.
#include "modal_answer.h"

#include "dialog_test_support.h"
#include "table/image_files.h"
#include "ui/advice_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace tablamor::ui {
namespace {

using testing::ModalAnswer;
using testing::PreferencesFixture;

constexpr std::string_view kKey = "Test_Advice";

struct AdviceRow {
    const char* name;
    const char* file;   // the configuration file before
    bool tick;          // the player ticks the check box
    bool shown;         // the window comes up
    const char* stored; // the key afterwards ("" for no key)
};

class AdviceWindowTest : public PreferencesFixture {};

TEST_F(AdviceWindowTest, ShownUnlessSwitchedOffAndTheTickIsStored) {
    const AdviceRow rows[] = {
        {"no key: shown, nothing stored", "", false, true, ""},
        {"no key: shown, the tick stores N", "", true, true, "N"},
        {"Y: shown", "[Show_Messages]\nTest_Advice=Y\n", false, true, "Y"},
        {"N: silent", "[Show_Messages]\nTest_Advice=N\n", true, false, "N"},
        {"lower-case n is not N: shown", "[Show_Messages]\nTest_Advice=n\n", false, true, "n"},
    };
    for (const AdviceRow& row : rows) {
        SCOPED_TRACE(row.name);
        IniFile config = Start(row.file);
        QString text, title;
        bool hasOk = false;
        ModalAnswer answer([&](QWidget* modal) {
            auto* window = qobject_cast<AdviceWindow*>(modal);
            if (!window) return modal->close(), void();
            text = window->MessageLabel()->text();
            title = window->windowTitle();
            hasOk = window->OkButton()->text() == "OK";
            window->DontShowBox()->setChecked(row.tick);
            window->OkButton()->click();
        });
        const bool shown = ShowAdvice(nullptr, config, "[Program] and [Program] hint", kKey,
                                      AdvicePage::SmallScreen);
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(answer.seen, row.shown ? 1 : 0);
        if (row.shown) {
            EXPECT_EQ(text, "Tablamor and [Program] hint");
            EXPECT_EQ(title, "Information");
            EXPECT_TRUE(hasOk);
        }
        EXPECT_EQ(IniFile(file).ReadString("Show_Messages", kKey, ""), row.stored);
    }
}

TEST_F(AdviceWindowTest, TheColourAdviceKeepsItsLineBreakAndFits) {
    table::ResourceLibrary pictures(TABLAMOR_RUNTIME_DIR);
    IniFile config = Start("");
    bool fits = false;
    QString text;
    ModalAnswer answer([&](QWidget* modal) {
        auto* window = qobject_cast<AdviceWindow*>(modal);
        if (!window) return modal->close(), void();
        text = window->MessageLabel()->text();
        QLabel* label = window->MessageLabel();
        fits = label->heightForWidth(label->width()) <= label->height() &&
               label->geometry().bottom() < window->DontShowBox()->geometry().top();
        if (const char* dir = std::getenv("TABLAMOR_SCREENSHOT_DIR"))
            window->grab().save(QString(dir) + "/advice.png");
        window->OkButton()->click();
    });
    EXPECT_TRUE(
        ShowAdvice(nullptr, config, kFewColoursAdvice, kFewColoursAdviceKey, AdvicePage::Color));
    EXPECT_TRUE(fits) << "the whole text shows";
    EXPECT_TRUE(text.startsWith("At this time your display driver supports 256 colors or less."));
    EXPECT_TRUE(text.contains("higher resolutions. \nIf your video driver allows"))
        << text.toStdString();
}

} // namespace
} // namespace tablamor::ui
