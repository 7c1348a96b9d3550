#pragma once
// The options dialog: the general and toolbar preferences on two pages. Showing it reads the
// current values from the settings record and the preferences file. OK writes the file keys and
// the settings fields, keeps what the main window must apply in Result() and accepts; Cancel
// writes nothing. Three further check boxes (hi-score entry dialog, vertical scroll bar, tool
// tips) are hidden and write back the values they were shown with.
#include "records/ini_file.h"
#include "records/settings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QSpinBox;
class QTabWidget;

namespace tablamor {

// The help topic of the options dialog.
inline constexpr int kOptionsHelpTopic = 1004;

// What the main window applies after OK.
// Lays out a tabbed dialog with "&?" at the left and OK (default) and Cancel at the right, as
// the options and customize dialogs share it. OK accepts, Cancel rejects, "&?" calls `help`.
void LayOutTabbedDialog(QDialog& dialog, QTabWidget* pages, std::function<void()> help);

struct OptionsResult {
    bool toolBarLarge = false;
    bool toolBarFlat = true;
    bool showTime = true;
    bool showScore = true;
    bool statusBarShown = false; // the StatusBar field is not "N" (left as it was)
    bool undoEnabled = true;     // the Undo_Enabled field is not "2" (left as it was)
    bool winnableDeals = false;  // Winnable_Deals
};

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(IniFile& preferences, Settings& settings, QWidget* parent = nullptr);

    // Sets the check boxes from the settings record and the file (also done on every show).
    void LoadValues();
    // Valid after OK.
    const OptionsResult& Result() const { return result_; }

    void accept() override;

signals:
    void HelpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    IniFile& preferences_;
    Settings& settings_;
    OptionsResult result_;
    QTabWidget* pages_ = nullptr;
    QCheckBox* confirmQuit_ = nullptr;
    QCheckBox* confirmQuitGame_ = nullptr;
    QCheckBox* winningAnimation_ = nullptr;
    QCheckBox* dealAnimation_ = nullptr;
    QCheckBox* redealAnimation_ = nullptr;
    QSpinBox* cardSpeed_ = nullptr; // Speed_Move_Card: ms between the steps of a moving card
    QCheckBox* winnableDeals_ = nullptr;
    QCheckBox* confirmEnterHiScores_ = nullptr;
    QCheckBox* vertScrollBar_ = nullptr;
    QCheckBox* largeButtons_ = nullptr;
    QCheckBox* flatButtons_ = nullptr;
    QCheckBox* showToolTips_ = nullptr;
    QCheckBox* showTime_ = nullptr;
    QCheckBox* showScore_ = nullptr;

    QWidget* BuildGeneralPage();
    QWidget* BuildToolbarPage();
    QCheckBox* NewCheckBox(const QString& caption, const char* name, QWidget* parent);
    void WriteFile();
    void WriteSettings();
};

} // namespace tablamor
