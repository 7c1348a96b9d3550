#include "ui/status_bar_loan.h"

#include <QStatusBar>
#include <QVariant>

namespace tablamor::ui {
namespace {

// On the bar: how many loans are held, and whether the bar was hidden when the first was taken.
constexpr const char* kLoans = "tablamorLoans";
constexpr const char* kWasHidden = "tablamorWasHidden";

} // namespace

void StatusBarLoan::Take() {
    if (held_) return;
    held_ = true;
    const int loans = bar_.property(kLoans).toInt();
    if (loans == 0) bar_.setProperty(kWasHidden, bar_.isHidden());
    bar_.setProperty(kLoans, loans + 1);
    bar_.show();
}

void StatusBarLoan::Give() {
    if (!held_) return;
    held_ = false;
    const int loans = bar_.property(kLoans).toInt() - 1;
    bar_.setProperty(kLoans, loans);
    if (loans == 0 && bar_.property(kWasHidden).toBool()) bar_.hide();
}

} // namespace tablamor::ui
