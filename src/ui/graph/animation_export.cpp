#include "ui/graph/animation_export.h"

#include "files/scene_view.h"
#include "render/render_scene.h"
#include "ui/graph/interest_marks.h"
#include "ui/platform/error_report.h"

#include <QProgressDialog>
#include <QTimer>

TAnimationExport::TAnimationExport(const TScene& scene, const TAnimationSettings& settings,
    const QString& fileName, QWidget* window, int marksCurve)
    : QObject(window)
    , FSettings(settings)
    , FFileName(fileName)
    , FFourView(scene.FourView)
    , FMarksCurve(marksCurve)
{
    // The renderer as the window's at the chosen size: the origin keeps its place relative to
    // the middle of the view, as a window's does when it is resized.
    const int sceneViewWidth = scene.FourView ? scene.Width / 2 : scene.Width;
    const int sceneViewHeight = scene.FourView ? scene.Height / 2 : scene.Height;
    const int viewWidth = FFourView ? settings.Width / 2 : settings.Width;
    const int viewHeight = FFourView ? settings.Height / 2 : settings.Height;
    TScene s = scene;
    s.X0 = viewWidth / 2 + (scene.X0 - sceneViewWidth / 2);
    s.Y0 = viewHeight / 2 + (scene.Y0 - sceneViewHeight / 2);
    FRenderer.SetSize(std::max(1, viewWidth), std::max(1, viewHeight));
    FRenderer.SetMoveStep(20);
    int interval = s.Look.AnimInterval;
    ApplyScene(s, FRenderer, interval);
    FFirstX = FRenderer.XAxisAngle();
    FFirstY = FRenderer.YAxisAngle();
    markInterestPoints();

    FTimer = new QTimer(this);
    FTimer->setInterval(0);
    connect(FTimer, &QTimer::timeout, this, [this] { Step(); });
}

TAnimationExport::~TAnimationExport()
{
    if (FProgress)
        delete FProgress.data();
}

void TAnimationExport::Start()
{
    FWriter = std::make_unique<TAnimationWriter>(FFileName, FSettings.Type,
        FSettings.FramesPerSecond);
    auto* window = qobject_cast<QWidget*>(parent());
    FProgress = new QProgressDialog(
        tr("Animasyon yazılıyor..."), tr("Vazgeç"), 0, FSettings.Move.Frames, window);
    FProgress->setWindowTitle(tr("Animasyon Kaydet"));
    FProgress->setWindowModality(Qt::NonModal);
    FProgress->setMinimumDuration(0);
    FProgress->setAutoClose(false);
    FProgress->setAutoReset(false);
    FProgress->setValue(0);
    connect(FProgress, &QProgressDialog::canceled, this, [this] { Cancel(); });
    FTimer->start();
}

void TAnimationExport::Cancel() { End(false); }

bool TAnimationExport::Running() const { return FTimer->isActive(); }

QProgressDialog* TAnimationExport::Progress() const { return FProgress.data(); }

void TAnimationExport::Step()
{
    if (FProgress && FProgress->wasCanceled()) {
        End(false);
        return;
    }
    const bool ok = Guarded([this] {
        MoveToAnimationFrame(FRenderer, FSettings.Move, FNext, FFirstX, FFirstY);
        // A turn moves no point; a parameter may move every one.
        if (!FSettings.Move.Turn)
            markInterestPoints();
        WriteAnimationFrame(
            FRenderer, FFourView, QSize(FSettings.Width, FSettings.Height), *FWriter);
        ++FNext;
        if (FProgress)
            FProgress->setValue(FNext);
        if (FNext == FSettings.Move.Frames) {
            FWriter->Finish();
            End(true);
        }
    });
    if (!ok)
        End(false);
}

void TAnimationExport::End(bool written)
{
    if (FEnded)
        return;
    FEnded = true;
    FTimer->stop();
    // A writer dropped before Finish leaves nothing behind.
    FWriter.reset();
    if (FProgress) {
        FProgress->hide();
        FProgress->deleteLater();
    }
    emit Finished(written);
}

void TAnimationExport::markInterestPoints()
{
    const TObjectList& curves = FRenderer.Objects();
    if (FMarksCurve < 0 || FMarksCurve >= curves.Count())
        return;
    FRenderer.Scene().SetMarks(InterestMarksOf(
        ShownInterestPoints(curves, FMarksCurve), curves.Items(FMarksCurve).Color));
}
