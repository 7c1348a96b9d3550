#include "ui/game_number_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tablamor::ui {
namespace {

constexpr int kExplanationWidthInChars = 44;

} // namespace

GameNumberDialog::GameNumberDialog(const QString& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Select a game number"));
    auto* caption = new QLabel(tr("Game number (up to %1 digits):").arg(GameNumber::kDigits), this);
    line_ = new QLineEdit(this);
    line_->setObjectName("edtGameNumber");
    const QString pattern = QString("[0-9]{0,%1}").arg(GameNumber::kDigits);
    line_->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), line_));
    line_->setText(current);
    line_->selectAll();
    explanation_ = new QLabel(this);
    explanation_->setObjectName("lblRefused");
    explanation_->setWordWrap(true);
    explanation_->setMinimumWidth(explanation_->fontMetrics().averageCharWidth() *
                                  kExplanationWidthInChars);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(line_, &QLineEdit::inputRejected, this, [this] {
        explanation_->setText(
            tr("A game number is made of 1 to %1 digits (0 to 9); other keys are refused.")
                .arg(GameNumber::kDigits));
    });
    connect(line_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ok_->setEnabled(!text.isEmpty());
        if (!text.isEmpty()) explanation_->clear();
    });
    ok_->setEnabled(!line_->text().isEmpty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(line_);
    layout->addWidget(explanation_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the explanation gets its room
}

std::optional<GameNumber> GameNumberDialog::Number() const {
    return GameNumber::Parse(line_->text().toStdString());
}

} // namespace tablamor::ui
