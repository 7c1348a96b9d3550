#pragma once
// The pictures of start-up: the splash window's banner and middle picture, and the two pictures
// of the advice window (a colour wheel for the colour-depth advice, a small monitor for the
// screen-size advice).
#include <QImage>

namespace tablamor::art {

QImage SplashBanner();
QImage SplashPicture();
QImage AdviceColorPicture();
QImage AdviceSmallScreenPicture();

} // namespace tablamor::art
