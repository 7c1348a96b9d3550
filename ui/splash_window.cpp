#include "ui/splash_window.h"

#include "table/resource_names.h"
#include "ui/about_window.h"
#include "ui/resource_pictures.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

namespace tablamor::ui {
namespace {

constexpr int kClientWidth = 393, kClientHeight = 309;
constexpr int kBannerLeft = 2, kBannerTop = 2;
constexpr int kStripHeight = 22;
constexpr int kStripFontPixels = 10;

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("TfrmSplashForm");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* banner = new QLabel(this);
    banner->setObjectName("imgBanner");
    banner->setScaledContents(true);
    banner->setPixmap(ResourcePicture(art::kSplashBanner));
    banner->setGeometry(kBannerLeft, kBannerTop, art::kSplashBannerWidth, art::kSplashBannerHeight);

    const int middleTop = kBannerTop + art::kSplashBannerHeight;
    const int middleHeight = kClientHeight - middleTop - kStripHeight;
    auto* picture = new QLabel(this);
    picture->setObjectName("imgPicture");
    picture->setPixmap(ResourcePicture(art::kSplashPicture));
    picture->setGeometry((kClientWidth - art::kSplashPictureWidth) / 2,
                         middleTop + (middleHeight - art::kSplashPictureHeight) / 2,
                         art::kSplashPictureWidth, art::kSplashPictureHeight);

    auto* strip = new QLabel(
        tr("%1 %2 - patience card games").arg(AboutWindow::ProgramName(), AboutWindow::Version()),
        this);
    strip->setObjectName("pnlBottom");
    strip->setAlignment(Qt::AlignCenter);
    strip->setAutoFillBackground(true);
    QPalette black = strip->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(black);
    QFont small = strip->font();
    small.setPixelSize(kStripFontPixels);
    strip->setFont(small);
    strip->setGeometry(0, kClientHeight - kStripHeight, kClientWidth, kStripHeight);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::ShowNow() {
    show();
    repaint();
    QApplication::processEvents();
}

} // namespace tablamor::ui
