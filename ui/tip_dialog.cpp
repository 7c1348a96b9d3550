#include "ui/tip_dialog.h"

#include "records/preference_keys.h"
#include "ui/help_topics.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace tablamor::ui {
namespace {

constexpr const char* kTipsPage = "tips.html";
constexpr int kTipWidth = 380;

} // namespace

QStringList ReadTips(const std::filesystem::path& helpDir) {
    QFile page(QString::fromStdString((helpDir / kTipsPage).string()));
    if (!page.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression item("<li>(.*?)</li>",
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList tips;
    for (auto it = item.globalMatch(html); it.hasNext();)
        tips << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().trimmed();
    return tips;
}

bool TipDialog::ShownAtStart(const IniFile& preferences) {
    return preferences.ReadString(pref::kPreferenceSection, pref::kShowTips, "Y") != "N";
}

TipDialog::TipDialog(const std::filesystem::path& programDir, IniFile& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences), tips_(ReadTips(help::HelpDir(programDir))) {
    setWindowTitle(tr("Tip of the Day"));
    setObjectName("TfrmTips");
    auto* title = new QLabel(tr("<b>Did you know...</b>"), this);
    tip_ = new QLabel(this);
    tip_->setObjectName("lblTip");
    tip_->setWordWrap(true);
    tip_->setFixedWidth(kTipWidth);
    tip_->setMinimumHeight(tip_->fontMetrics().height() * 3);
    atStart_ = new QCheckBox(tr("&Show tips at start"), this);
    atStart_->setChecked(ShownAtStart(preferences_));
    connect(atStart_, &QCheckBox::toggled, this, [this](bool on) {
        preferences_.WriteString(pref::kPreferenceSection, pref::kShowTips, on ? "Y" : "N");
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* next = buttons->addButton(tr("&Next tip"), QDialogButtonBox::ActionRole);
    next->setEnabled(tips_.size() > 1);
    connect(next, &QPushButton::clicked, this, &TipDialog::NextTip);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(tip_);
    layout->addWidget(atStart_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    NextTip();
}

void TipDialog::NextTip() {
    if (tips_.isEmpty()) {
        tip_->setText(tr("The tips are missing from the help folder."));
        return;
    }
    const int stored = preferences_.ReadInt(pref::kPreferenceSection, pref::kNextTip, 0);
    const int index = stored >= 0 && stored < tips_.size() ? stored : 0;
    tip_->setText(tips_[index]);
    preferences_.WriteInt(pref::kPreferenceSection, pref::kNextTip,
                          static_cast<int>((index + 1) % tips_.size()));
}

} // namespace tablamor::ui
