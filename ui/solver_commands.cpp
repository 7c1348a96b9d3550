#include "ui/solver_commands.h"

#include "records/preference_keys.h"
#include "records/preferences.h"
#include "ui/hint_controller.h"
#include "ui/main_window.h"
#include "ui/winnable_deals.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>

namespace tablamor::ui {
namespace {

constexpr const char* kYes = "Y";

// The Hint button stands at the end of each toolbar, with the picture of a question.
void AddHintButton(MainWindow& window, const char* barName, const char* buttonName) {
    auto* bar = window.findChild<QToolBar*>(barName);
    if (!bar) return;
    bar->addSeparator();
    QAction* button = bar->addAction(window.style()->standardIcon(QStyle::SP_MessageBoxQuestion),
                                     MainWindow::tr("Hint"));
    button->setObjectName(buttonName);
    button->setToolTip(MainWindow::tr("Hint (H)"));
    QObject::connect(button, &QAction::triggered, &window,
                     [&window] { window.Action(MenuCommand::Hint)->trigger(); });
    QObject::connect(window.Action(MenuCommand::Hint), &QAction::enabledChanged, button,
                     &QAction::setEnabled);
    button->setEnabled(window.Action(MenuCommand::Hint)->isEnabled());
}

} // namespace

void AddSolverCommands(MainWindow& window, HintController& hints, WinnableDeals& deals,
                       IniFile& preferences) {
    QObject::connect(window.Action(MenuCommand::Hint), &QAction::triggered, &hints,
                     &HintController::ShowHint);
    QObject::connect(window.Action(MenuCommand::CanWin), &QAction::triggered, &hints,
                     &HintController::CheckWinnable);
    QAction* continuous = window.Action(MenuCommand::WinnableStatus);
    continuous->setCheckable(true);
    const bool on =
        preferences.ReadString(pref::kPreferenceSection, pref::kWinnableStatus, "N") == kYes;
    continuous->setChecked(on);
    hints.SetContinuous(on);
    QObject::connect(continuous, &QAction::toggled, &hints, [&hints, &preferences](bool now) {
        preferences.WriteString(pref::kPreferenceSection, pref::kWinnableStatus, now ? "Y" : "N");
        hints.SetContinuous(now);
    });
    QAction* winnable = window.Action(MenuCommand::WinnableDeals);
    winnable->setCheckable(true);
    winnable->setChecked(ReadPreference(preferences, pref::kWinnableDeals) == pref::kYes);
    deals.SetOn(winnable->isChecked());
    QObject::connect(winnable, &QAction::toggled, &deals, [&deals, &preferences](bool now) {
        preferences.WriteString(pref::kPreferenceSection, pref::kWinnableDeals,
                                now ? pref::kYes : pref::kNo);
        deals.SetOn(now);
    });
    AddHintButton(window, "pnlTB", "tbHint");
    AddHintButton(window, "pnlTB1", "tbHint1");
}

} // namespace tablamor::ui
