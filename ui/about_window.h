#pragma once
// The information windows of the "&?" menu: the about window (the program's name and version,
// modal) and the update command, which asks before it opens the download page in the browser.
#include <QDialog>

namespace tablamor::ui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // "Tablamor" and the version the build was made from.
    static QString ProgramName();
    static QString Version();
};

// Asks whether to open the download page; on OK opens it in the web browser. Returns whether the
// player said OK.
bool AskAndOpenDownloadPage(QWidget* parent);

} // namespace tablamor::ui
