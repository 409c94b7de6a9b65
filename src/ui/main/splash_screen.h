#pragma once

#include <QElapsedTimer>
#include <QSplashScreen>

#include <chrono>

// The start-up window: shown and painted as soon as it is made, and kept up
// until the main window is shown and at least MinimumTime has passed since it
// appeared, so that a quick start does not flash it away unseen.
class TSplashScreen : public QSplashScreen {
public:
    explicit TSplashScreen(
        const QPixmap& picture, std::chrono::milliseconds minimumTime = std::chrono::seconds(1));

    // Hides the splash once window is up and the minimum time is over.
    void FinishWhenShown(QWidget* window);

private:
    std::chrono::milliseconds FMinimumTime;
    QElapsedTimer FShown;
};
