// Every control of every dialog the menus open has an accessible name, and the tab key reaches
// each of them.
#include "modal_answer.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>

#include <set>

namespace tablamor::ui {
namespace {

using testing::ModalAnswer;
using testing::WindowFixture;

class DialogAccessibility : public WindowFixture {};

// The controls of a window that take the focus from the tab key and are on show.
std::vector<QWidget*> Controls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled())
            controls.push_back(w);
    return controls;
}

TEST_F(DialogAccessibility, EveryControlIsNamedAndReachedByTab) {
    Open(1, "1");
    const MenuCommand commands[] = {
        MenuCommand::Open,         MenuCommand::Options,        MenuCommand::Customize,
        MenuCommand::SelectNumber, MenuCommand::Players,        MenuCommand::FavoriteGames,
        MenuCommand::HiScores,     MenuCommand::GameStatistics, MenuCommand::Tips};
    for (MenuCommand command : commands) {
        const std::string name = window->Action(command)->objectName().toStdString();
        std::vector<std::string> unnamed, unreached;
        int controls = 0;
        ModalAnswer answer([&](QWidget* dialog) {
            const std::vector<QWidget*> all = Controls(dialog);
            controls = static_cast<int>(all.size());
            for (QWidget* w : all) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
                if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed.push_back(w->metaObject()->className() + std::string(" ") +
                                      w->objectName().toStdString());
            }
            std::set<QWidget*> reached;
            QWidget* w = all.empty() ? nullptr : all.front();
            while (w && reached.insert(w).second) w = w->nextInFocusChain();
            for (QWidget* c : all)
                if (!reached.count(c)) unreached.push_back(c->objectName().toStdString());
            dialog->close();
        });
        window->Action(command)->trigger();
        QTest::qWait(50);
        EXPECT_GT(controls, 0) << name;
        EXPECT_TRUE(unnamed.empty()) << name << ": " << ::testing::PrintToString(unnamed);
        EXPECT_TRUE(unreached.empty()) << name << ": " << ::testing::PrintToString(unreached);
    }
}

} // namespace
} // namespace tablamor::ui
