#pragma once
// "Select a game number...": one line that takes decimal digits only, up to the thirteen of a game
// number, as the player types. A refused key is explained under the line at once; OK stays
// disabled while the line is empty. Number() is the number typed, after OK.
#include "engine/game_number.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tablamor::ui {

class GameNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameNumberDialog(const QString& current, QWidget* parent = nullptr);

    std::optional<GameNumber> Number() const;
    QLineEdit* Line() const { return line_; }
    QLabel* Explanation() const { return explanation_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLineEdit* line_ = nullptr;
    QLabel* explanation_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace tablamor::ui
