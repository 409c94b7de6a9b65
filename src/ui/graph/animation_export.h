#pragma once

#include "curves/parameters.h"
#include "files/scene_file.h"
#include "render/draw_function.h"
#include "ui/dialogs/animasyon_frm.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <memory>
#include <vector>

class QProgressDialog;
class QTimer;

// An animation of a graph window's scene written a frame at a time between other events, by a
// renderer of its own that holds the window's curves, parameters and look: the window stays
// usable and unchanged meanwhile. A progress dialog shows how far it is and cancels with
// "Vazgeç"; cancelled, failed, or destroyed before the end (its window closed), it leaves no
// file behind and no old file changed. A failure is reported with its message. With
// marksCurve (not -1) every frame marks that curve's points of interest, found again for
// each value of a moving parameter, as the window's "Önemli Noktalar" does.
class TAnimationExport : public QObject {
    Q_OBJECT

public:
    TAnimationExport(const TScene& scene, const TAnimationSettings& settings,
        const QString& fileName, QWidget* window, int marksCurve = -1);
    ~TAnimationExport() override;

    // Draws and writes the frames, one a turn of the event loop.
    void Start();
    void Cancel();
    bool Running() const;
    int FramesWritten() const { return FNext; }
    QProgressDialog* Progress() const;

signals:
    // Emitted once: written is true when the whole file is in place.
    void Finished(bool written);

private:
    void Step();
    void End(bool written);
    void markInterestPoints();

    TDrawFunction FRenderer;
    TAnimationSettings FSettings;
    QString FFileName;
    bool FFourView = false;
    int FMarksCurve = -1;
    long double FFirstX = 0;
    long double FFirstY = 0;
    int FNext = 0;
    bool FEnded = false;
    std::unique_ptr<TAnimationWriter> FWriter;
    QPointer<QProgressDialog> FProgress;
    QTimer* FTimer = nullptr;
};
