#pragma once
// Tip of the Day: one tip at a time from the help folder's tips page (each list item a tip),
// "Next tip", and "Show tips at start". The tip shown next and the tick are kept in the
// preferences. Without a tips page the window says so.
#include "records/ini_file.h"

#include <QDialog>
#include <QStringList>

#include <filesystem>

class QCheckBox;
class QLabel;

namespace tablamor::ui {

// The tips of a tips page (the text of each list item), in order.
QStringList ReadTips(const std::filesystem::path& helpDir);

class TipDialog : public QDialog {
    Q_OBJECT
public:
    TipDialog(const std::filesystem::path& programDir, IniFile& preferences,
              QWidget* parent = nullptr);

    // Whether the preferences ask for a tip at start.
    static bool ShownAtStart(const IniFile& preferences);

    QLabel* Tip() const { return tip_; }
    QCheckBox* AtStart() const { return atStart_; }
    void NextTip();

private:
    IniFile& preferences_;
    QStringList tips_;
    QLabel* tip_ = nullptr;
    QCheckBox* atStart_ = nullptr;
};

} // namespace tablamor::ui
