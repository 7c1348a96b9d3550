#pragma once
// A main window over a temporary program directory that borrows the built game file, pictures
// and sounds, with the animations switched off unless a test wants them; and helpers that drive
// the table with explicit press, move and release events.
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace tablamor::ui::testing {

class WindowFixture : public ::testing::Test {
protected:
    std::filesystem::path dir;
    Startup startup;
    SilentMessages silent;
    GameRecorder* recorder = nullptr; // where finished games go (none unless a test sets one)
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tablamor-window-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::filesystem::path runtime = TABLAMOR_RUNTIME_DIR;
        for (const char* entry : {"GAMES.DAT", "Images", "SOL.RGF", "SOUNDS"})
            std::filesystem::create_symlink(runtime / entry, dir / entry);
        startup.programDir = dir;
        startup.dataDir = dir / "DATA";
        startup.portable = true;
        ASSERT_TRUE(RunStartup(startup, silent));
    }
    void TearDown() override {
        window.reset();
        std::filesystem::remove_all(dir);
    }

    // Opens the window with `gameId` dealt as `number`; animations off unless `animate`.
    void Open(int gameId, const std::string& number, bool animate = false) {
        OpenWithoutGame(animate);
        ASSERT_TRUE(window->PlayGame(gameId, GameNumber::Parse(number)));
        WaitForAnimations();
    }

    // Opens the window with no game on the table yet.
    void OpenWithoutGame(bool animate = false) {
        const char* flag = animate ? "Y" : "N";
        for (SettingsField field : {Settings::kCardsAnimate, Settings::kDealAnimation,
                                    Settings::kRedealAnimation, Settings::kWinningAnimation})
            startup.settings.Set(field, flag);
        startup.settings.Set(Settings::kSoundsEnabled, "N");
        window = std::make_unique<MainWindow>(MainWindowSetup{
            dir, startup.dataDir, &startup.settings, &*startup.games, &startup.images, recorder});
        window->Controller().SetAutoplay(false); // tests look at one move at a time
        window->resize(1024, 768);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    PlayController& Play() { return window->Controller(); }
    const GameState& State() { return Play().State(); }
    QWidget* TableWidget() { return &window->View(); }

    void WaitForAnimations() {
        for (int i = 0; i < 2000 && Play().Animating(); ++i) QTest::qWait(5);
        QApplication::processEvents();
    }

    QPoint CardCentre(PileIndex pile, int k) {
        Rect r = Play().Geometry().CardRect(pile, k);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    QPoint TopCentre(PileIndex pile) {
        Rect r = Play().Geometry().TopCardRect(pile);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), TableWidget()->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(TableWidget(), &event);
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, at, button, button);
    }
    void MoveHeld(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        WaitForAnimations();
    }
    // A drag in several steps with the button held.
    void Drag(QPoint from, QPoint to) {
        Press(from);
        for (int step = 1; step <= 5; ++step) MoveHeld(from + (to - from) * step / 5);
        Release(to);
    }
    void DoubleClick(QPoint at) {
        Press(at);
        Release(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Release(at);
    }
};

} // namespace tablamor::ui::testing
