#pragma once
// The splash window shown while the program starts: borderless, on top of the other windows,
// centred on the screen, with the banner across the top, the picture on a white middle panel
// and a black strip with the program's name and version. It never takes input and is closed by
// the start-up sequence once the main window is up.
#include <QWidget>

namespace tablamor::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and paints it at once (pending window events are processed once).
    void ShowNow();
};

} // namespace tablamor::ui
