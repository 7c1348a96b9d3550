#include "records/ui/options_dialog.h"

#include "records/preference_keys.h"
#include "records/preferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

namespace tablamor {
namespace {

// The only language code in use; the dialog always stores it.
constexpr int kLanguageCode = 20000;
// Speed_Move_Card: ms between the steps of a moving card, in a field two digits wide.
constexpr int kSlowestCardSpeed = 99;
// The undo policy that switches undo off.
constexpr std::string_view kUndoDisabled = "2";

bool BeginsWithNo(const std::string& value) {
    return !value.empty() && value.front() == pref::kNo.front();
}

std::string_view YesNo(const QCheckBox* box) {
    return box->isChecked() ? pref::kYes : pref::kNo;
}

} // namespace

void LayOutTabbedDialog(QDialog& dialog, QTabWidget* pages, std::function<void()> help) {
    auto* ok = new QPushButton(QObject::tr("OK"), &dialog);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QObject::tr("Cancel"), &dialog);
    cancel->setObjectName("btnAnnulla");
    auto* helpButton = new QPushButton(QObject::tr("&?"), &dialog);
    helpButton->setObjectName("btnAiuto");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, std::move(help));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);
}

OptionsDialog::OptionsDialog(IniFile& preferences, Settings& settings, QWidget* parent)
    : QDialog(parent), preferences_(preferences), settings_(settings) {
    setWindowTitle(tr("Options"));
    setObjectName("TfrmOpzioni");

    pages_ = new QTabWidget(this);
    pages_->setObjectName("TabbedNotebook1");
    pages_->addTab(BuildGeneralPage(), tr(" &General "));
    pages_->addTab(BuildToolbarPage(), tr(" T&oolbar "));

    LayOutTabbedDialog(*this, pages_, [this] { emit HelpRequested(kOptionsHelpTopic); });

    // Kept, but not offered: they write back what they were shown with.
    confirmEnterHiScores_->hide();
    vertScrollBar_->hide();
    showToolTips_->hide();
    LoadValues();
}

QCheckBox* OptionsDialog::NewCheckBox(const QString& caption, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QWidget* OptionsDialog::BuildGeneralPage() {
    auto* page = new QWidget(this);
    auto* dialogs = new QGroupBox(tr("Dialog box "), page);
    confirmQuit_ = NewCheckBox(tr("Confirm on e&xit"), "chkConfermaUscita", dialogs);
    confirmQuitGame_ = NewCheckBox(tr("C&onfirm quit game"), "chkConfirmQuitGame", dialogs);
    confirmEnterHiScores_ =
        NewCheckBox(tr("Show dialog box enter &Hi-Scores"), "chkConfirmEnterHiScores", dialogs);
    auto* dialogsLayout = new QVBoxLayout(dialogs);
    dialogsLayout->addWidget(confirmQuit_);
    dialogsLayout->addWidget(confirmQuitGame_);
    dialogsLayout->addWidget(confirmEnterHiScores_);

    winningAnimation_ = NewCheckBox(tr("&Winning animation"), "chkWinningAnimation", page);
    dealAnimation_ = NewCheckBox(tr("&Animate the deal"), "chkDealAnimation", page);
    redealAnimation_ = NewCheckBox(tr("Animate the &redeal"), "chkRedealAnimation", page);
    cardSpeed_ = new QSpinBox(page);
    cardSpeed_->setObjectName("spnSpeedMoveCard");
    cardSpeed_->setRange(0, kSlowestCardSpeed);
    cardSpeed_->setSuffix(tr(" ms a step"));
    auto* speedLabel = new QLabel(tr("Card &speed:"), page);
    speedLabel->setBuddy(cardSpeed_);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(cardSpeed_);
    speedRow->addStretch(1);
    vertScrollBar_ = NewCheckBox(tr("Ver&tical Scroll bar"), "chkVertScrollBar", page);
    winnableDeals_ = NewCheckBox(tr("Wi&nnable deals only"), "chkWinnableDeals", page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(dialogs);
    layout->addWidget(winningAnimation_);
    layout->addWidget(dealAnimation_);
    layout->addWidget(redealAnimation_);
    layout->addLayout(speedRow);
    layout->addWidget(winnableDeals_);
    layout->addWidget(vertScrollBar_);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::BuildToolbarPage() {
    auto* page = new QWidget(this);
    auto* buttons = new QGroupBox(tr("Buttons "), page);
    largeButtons_ = NewCheckBox(tr("&Large buttons"), "chkTBLargeIcons", buttons);
    flatButtons_ = NewCheckBox(tr("&Flat buttons"), "chkTBFlatBtn", buttons);
    showToolTips_ = NewCheckBox(tr("&Show ToolTips"), "chkShowToolTips", buttons);
    auto* buttonsLayout = new QVBoxLayout(buttons);
    buttonsLayout->addWidget(largeButtons_);
    buttonsLayout->addWidget(flatButtons_);
    buttonsLayout->addWidget(showToolTips_);

    auto* panels = new QGroupBox(tr("Time / Scores options"), page);
    showTime_ = NewCheckBox(tr("Show &time"), "chkTempo", panels);
    showScore_ = NewCheckBox(tr("Show sco&re"), "chkShowScore", panels);
    auto* panelsLayout = new QVBoxLayout(panels);
    panelsLayout->addWidget(showTime_);
    panelsLayout->addWidget(showScore_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buttons);
    layout->addWidget(panels);
    layout->addStretch(1);
    return page;
}

void OptionsDialog::LoadValues() {
    auto fileValue = [this](std::string_view key, std::string_view fallback) {
        return preferences_.ReadString(pref::kPreferenceSection, key, fallback);
    };
    showTime_->setChecked(settings_.Flag(Settings::kShowTime));
    showScore_->setChecked(settings_.Flag(Settings::kShowScore));
    winningAnimation_->setChecked(settings_.Flag(Settings::kWinningAnimation));
    dealAnimation_->setChecked(settings_.Flag(Settings::kDealAnimation));
    redealAnimation_->setChecked(settings_.Flag(Settings::kRedealAnimation));
    cardSpeed_->setValue(settings_.Int(Settings::kSpeedMoveCard));
    vertScrollBar_->setChecked(settings_.Flag(Settings::kVertScrollBar));
    confirmQuit_->setChecked(!BeginsWithNo(fileValue(pref::kConfirmQuit, pref::kNo)));
    confirmQuitGame_->setChecked(!BeginsWithNo(fileValue(pref::kConfirmQuitGame, pref::kYes)));
    confirmEnterHiScores_->setChecked(
        !BeginsWithNo(fileValue(pref::kConfirmEnterHiScores, pref::kYes)));
    largeButtons_->setChecked(fileValue(pref::kToolBarLarge, pref::kNo) == pref::kYes);
    flatButtons_->setChecked(fileValue(pref::kToolBarFlat, pref::kYes) == pref::kYes);
    showToolTips_->setChecked(fileValue(pref::kShowToolTips, pref::kYes) == pref::kYes);
    winnableDeals_->setChecked(ReadPreference(preferences_, pref::kWinnableDeals) == pref::kYes);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    LoadValues();
    QDialog::showEvent(event);
}

void OptionsDialog::accept() {
    WriteFile();
    WriteSettings();
    result_.toolBarLarge = largeButtons_->isChecked();
    result_.toolBarFlat = flatButtons_->isChecked();
    result_.showTime = showTime_->isChecked();
    result_.showScore = showScore_->isChecked();
    result_.statusBarShown = settings_.Flag(Settings::kStatusBar);
    result_.undoEnabled = settings_.Get(Settings::kUndoEnabled) != kUndoDisabled;
    result_.winnableDeals = winnableDeals_->isChecked();
    QDialog::accept();
}

// The file keys, in the order the program has always written them.
void OptionsDialog::WriteFile() {
    auto write = [this](std::string_view key, const QCheckBox* box) {
        preferences_.WriteString(pref::kPreferenceSection, key, YesNo(box));
    };
    write(pref::kShowTime, showTime_);
    write(pref::kShowScore, showScore_);
    preferences_.WriteInt(pref::kPreferenceSection, pref::kLanguage, kLanguageCode);
    write(pref::kConfirmQuit, confirmQuit_);
    write(pref::kConfirmQuitGame, confirmQuitGame_);
    write(pref::kConfirmEnterHiScores, confirmEnterHiScores_);
    write(pref::kVertScrollBar, vertScrollBar_);
    write(pref::kWinningAnimation, winningAnimation_);
    write(pref::kToolBarLarge, largeButtons_);
    write(pref::kToolBarFlat, flatButtons_);
    write(pref::kShowToolTips, showToolTips_);
    write(pref::kDealAnimation, dealAnimation_);
    write(pref::kRedealAnimation, redealAnimation_);
    preferences_.WriteInt(pref::kPreferenceSection, pref::kSpeedMoveCard, cardSpeed_->value());
    write(pref::kWinnableDeals, winnableDeals_);
}

void OptionsDialog::WriteSettings() {
    settings_.SetFlag(Settings::kShowTime, showTime_->isChecked());
    settings_.SetFlag(Settings::kShowScore, showScore_->isChecked());
    settings_.SetInt(Settings::kLanguage, kLanguageCode);
    settings_.SetFlag(Settings::kWinningAnimation, winningAnimation_->isChecked());
    settings_.SetFlag(Settings::kVertScrollBar, vertScrollBar_->isChecked());
    settings_.SetFlag(Settings::kConfirmQuitGame, confirmQuitGame_->isChecked());
    settings_.SetFlag(Settings::kConfirmEnterHiScores, confirmEnterHiScores_->isChecked());
    settings_.SetFlag(Settings::kShowToolTips, showToolTips_->isChecked());
    settings_.SetFlag(Settings::kDealAnimation, dealAnimation_->isChecked());
    settings_.SetFlag(Settings::kRedealAnimation, redealAnimation_->isChecked());
    settings_.SetInt(Settings::kSpeedMoveCard, cardSpeed_->value());
}

} // namespace tablamor
