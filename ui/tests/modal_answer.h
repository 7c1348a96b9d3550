#pragma once
// Answers the modal windows a command opens from inside its own event loop: a timer looks for
// the active modal widget and hands it to the test's answer, once per window.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace tablamor::ui::testing {

class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last_) return;
            last_ = modal;
            ++seen;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                texts.push_back(box->text().toStdString());
            answer_(modal);
        });
        timer_.start(20);
    }
    std::vector<std::string> texts; // the texts of the message boxes answered, in order
    int seen = 0;                   // modal windows answered

private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QPointer<QWidget> last_; // null again once that window is gone
};

// An answer that clicks that button of a message box and closes any other window.
inline std::function<void(QWidget*)> Click(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button))
            box->button(button)->click();
        else
            modal->close();
    };
}

} // namespace tablamor::ui::testing
