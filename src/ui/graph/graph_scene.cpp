// A graph window's work handed out as a scene value and taken back in.

#include "files/scene_view.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTimer>
#include <QUndoStack>

TScene TGrafikMChildFrm::Scene() const
{
    TScene s = SceneOf(FDrawFunction, Timer1->interval());
    const int index = FEditing.CurveIndex();
    s.CurrentCurve
        = FEditing.State() != omAppend && index < static_cast<int>(s.Curves.size()) ? index : -1;
    s.FourView = FFourView;
    s.Width = width();
    s.Height = height();
    return s;
}

void TGrafikMChildFrm::LoadScene(const TScene& s)
{
    // The client area takes the stored size; the frame, if any, comes on top.
    QWidget* outer = OuterWindow();
    outer->resize(outer->size() + (QSize(s.Width, s.Height) - size()));
    QCoreApplication::sendPostedEvents(this, QEvent::Resize);
    if (outer != this)
        QCoreApplication::sendPostedEvents(outer, QEvent::Resize);
    SetFourView(s.FourView);
    int interval = Timer1->interval();
    ApplyScene(s, FDrawFunction, interval);
    Timer1->setInterval(interval);
    FEditing.Reset(s.CurrentCurve);
    FUndoStack->clear();
    FViewChanged = false;
    UpdateChangedMark();
    RedrawViews(true);
    RefreshCurveStatus();
    emit ParametersChanged();
}

void TGrafikMChildFrm::WriteScene() { WriteSceneTo(FFileName); }
