#include "ui/players_dialog.h"

#include "table/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tablamor::ui {
namespace {} // namespace

PlayersDialog::PlayersDialog(IniFile& config, std::string current, QWidget* parent)
    : QDialog(parent), config_(config), current_(std::move(current)) {
    setWindowTitle(tr("Players"));
    setObjectName("TfrmPlayers");
    askName_ = [this](const QString& caption, const QString& text) -> std::optional<QString> {
        bool ok = false;
        QString name =
            QInputDialog::getText(this, windowTitle(), caption, QLineEdit::Normal, text, &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };
    list_ = new QListWidget(this);
    list_->setObjectName("lstPlayers");
    auto* add = new QPushButton(tr("&Add..."), this);
    auto* rename = new QPushButton(tr("&Rename..."), this);
    auto* choose = new QPushButton(tr("&Choose"), this);
    choose->setDefault(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(add, &QPushButton::clicked, this, &PlayersDialog::AddPlayer);
    connect(rename, &QPushButton::clicked, this, &PlayersDialog::RenamePlayer);
    connect(choose, &QPushButton::clicked, this, &PlayersDialog::ChooseSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PlayersDialog::ChooseSelected);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, rename, choose}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The current player is shown in bold."), this));
    layout->addLayout(row, 1);
    layout->addWidget(close);
    Fill(current_);
}

void PlayersDialog::Fill(const std::string& select) {
    list_->clear();
    for (const std::string& name : PlayerNames(config_)) {
        auto* item = new QListWidgetItem(Q(name), list_);
        QFont font = item->font();
        font.setBold(name == current_);
        item->setFont(font);
        if (name == select) list_->setCurrentItem(item);
    }
}

bool PlayersDialog::Explain(PlayerChange change) {
    QString text;
    switch (change) {
    case PlayerChange::Done:
        return true;
    case PlayerChange::Empty:
        text = tr("A player's name has 1 to %1 characters, not only blanks.")
                   .arg(kMaxPlayerNameLength);
        break;
    case PlayerChange::Taken:
        text = tr("Another player already has that name.");
        break;
    case PlayerChange::Full:
        text = tr("The list is full; rename a player instead.");
        break;
    case PlayerChange::NotFound:
        text = tr("That player is no longer in the list.");
        break;
    case PlayerChange::NotSaved:
        text = tr("The player list could not be saved.");
        break;
    }
    QMessageBox::information(this, windowTitle(), text);
    return false;
}

void PlayersDialog::AddPlayer() {
    const auto name = askName_(tr("Name of the new player:"), QString());
    if (!name) return;
    const std::string text = name->trimmed().toStdString();
    if (Explain(tablamor::AddPlayer(config_, text))) Fill(text);
}

void PlayersDialog::RenamePlayer() {
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    const std::string from = item->text().toStdString();
    const auto name = askName_(tr("New name of %1:").arg(item->text()), item->text());
    if (!name) return;
    const std::string to = name->trimmed().toStdString();
    if (!Explain(tablamor::RenamePlayer(config_, from, to))) return;
    if (current_ == from) current_ = to;
    Fill(to);
}

void PlayersDialog::ChooseSelected() {
    if (QListWidgetItem* item = list_->currentItem()) current_ = item->text().toStdString();
    Fill(current_);
}

} // namespace tablamor::ui
