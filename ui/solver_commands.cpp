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

// A check item kept in a Y/N preference: checked as the preference reads, and on each toggle the
// preference is written and `apply` told.
template <typename Apply>
void BindToPreference(QAction* item, IniFile& preferences, std::string_view key, QObject* context,
                      Apply apply) {
    item->setCheckable(true);
    item->setChecked(ReadPreference(preferences, key) == pref::kYes);
    apply(item->isChecked());
    QObject::connect(item, &QAction::toggled, context, [&preferences, key, apply](bool now) {
        preferences.WriteString(pref::kPreferenceSection, key, now ? pref::kYes : pref::kNo);
        apply(now);
    });
}

} // namespace

void AddSolverCommands(MainWindow& window, HintController& hints, WinnableDeals& deals,
                       IniFile& preferences) {
    QObject::connect(window.Action(MenuCommand::Hint), &QAction::triggered, &hints,
                     &HintController::ShowHint);
    QObject::connect(window.Action(MenuCommand::CanWin), &QAction::triggered, &hints,
                     &HintController::CheckWinnable);
    BindToPreference(window.Action(MenuCommand::WinnableStatus), preferences, pref::kWinnableStatus,
                     &hints, [&hints](bool on) { hints.SetContinuous(on); });
    BindToPreference(window.Action(MenuCommand::WinnableDeals), preferences, pref::kWinnableDeals,
                     &deals, [&deals](bool on) { deals.SetOn(on); });
    AddHintButton(window, "pnlTB", "tbHint");
    AddHintButton(window, "pnlTB1", "tbHint1");
}

} // namespace tablamor::ui
