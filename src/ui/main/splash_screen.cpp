#include "ui/main/splash_screen.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

TSplashScreen::TSplashScreen(const QPixmap& picture, std::chrono::milliseconds minimumTime)
    : QSplashScreen(picture)
    , FMinimumTime(minimumTime)
{
    show();
    QApplication::processEvents();
    FShown.start();
}

void TSplashScreen::FinishWhenShown(QWidget* window)
{
    const auto left = FMinimumTime - std::chrono::milliseconds(FShown.elapsed());
    if (left <= std::chrono::milliseconds(0)) {
        finish(window);
        return;
    }
    QTimer::singleShot(left, this, [this, window = QPointer<QWidget>(window)] { finish(window); });
}
