#pragma once
// A message on a status bar the player may keep hidden: the bar shows while any holder has a
// message on it and hides again when the last one that found it hidden lets go. Each holder
// keeps one StatusBarLoan; Take() and Give() may be called any number of times.
class QStatusBar;

namespace tablamor::ui {

class StatusBarLoan {
public:
    explicit StatusBarLoan(QStatusBar& bar) : bar_(bar) {}
    StatusBarLoan(const StatusBarLoan&) = delete;
    StatusBarLoan& operator=(const StatusBarLoan&) = delete;

    // A message goes on the bar: the bar is shown.
    void Take();
    // The message has gone: the bar hides when it was hidden before the first loan still held.
    void Give();

private:
    QStatusBar& bar_;
    bool held_ = false;
};

} // namespace tablamor::ui
