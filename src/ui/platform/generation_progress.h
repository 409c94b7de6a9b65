#pragma once

#include "curves/curve_sampler.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QProgressBar;
class QPushButton;
class QWidget;

// Shows a curve generation that takes longer than half a second in the status line of
// the window: a progress bar and "Vazgeç", which stops it, as the Escape key does.
// Meanwhile the window repaints but takes no other input, so that nothing changes the
// curves under the generation or closes the window. Acts only on the thread of the
// windows.
class TGenerationProgressBar : public QObject, public TGenerationProgress {
public:
    // owner: any widget of the window whose status line shows the bar.
    explicit TGenerationProgressBar(QWidget* owner);
    ~TGenerationProgressBar() override;

    void Begin() override;
    // The bar of a put-back after a stop goes on from the stopped one's (it shows at
    // once when that one showed it), with "Vazgeç" greyed: the points must be whole again.
    void BeginPutBack() override;
    bool Continue(long long done, long long total) override;
    void End() override;

    // After how many milliseconds of a generation the bar shows (500).
    void SetDelay(int milliseconds) { FDelay = milliseconds; }
    // The button while the bar shows, else null.
    QPushButton* CancelButton() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();
    void Hide();

    QPointer<QWidget> FOwner;
    QElapsedTimer FClock;
    int FDelay = 500;
    bool FStopped = false;
    bool FPutBack = false;
    QPointer<QProgressBar> FBar;
    QPointer<QPushButton> FCancel;
};
