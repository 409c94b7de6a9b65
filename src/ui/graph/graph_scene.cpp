// A graph window's work handed out as a scene value and taken back in.

#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/scene_file.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTimer>
#include <QUndoStack>

TScene TGrafikMChildFrm::Scene() const
{
    TScene s;
    const TObjectList& list = FDrawFunction.Objects();
    for (int i = 0; i < list.Count(); ++i)
        s.Curves.push_back(EditorValuesOf(list.Items(i)));
    const int index = FEditing.CurveIndex();
    s.CurrentCurve = FEditing.State() != omAppend && index < list.Count() ? index : -1;
    s.Look = TGraphSettings::Of(FDrawFunction, Timer1->interval());
    s.XAxisAngle = FDrawFunction.XAxisAngle();
    s.YAxisAngle = FDrawFunction.YAxisAngle();
    s.ZoomPercent = 5.0L / FDrawFunction.Scale();
    s.X0 = FDrawFunction.X0();
    s.Y0 = FDrawFunction.Y0();
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
    int interval = Timer1->interval();
    s.Look.ApplyTo(FDrawFunction, interval);
    Timer1->setInterval(interval);
    FFourView = s.FourView;
    SetFourView(s.FourView);
    FDrawFunction.SetAngles(s.XAxisAngle, s.YAxisAngle);
    FDrawFunction.SetScale(5.0L / s.ZoomPercent);
    FDrawFunction.SetX0(s.X0);
    FDrawFunction.SetY0(s.Y0);
    TObjectList& list = FDrawFunction.Objects();
    list.Clear();
    FDrawFunction.BuildMatrix();
    for (const TEditorValues& c : s.Curves)
        list.Append(c.CurveType, c.Fx, c.Fy, c.Fz, c.Color, static_cast<std::uint8_t>(c.Style),
            c.Thickness, c.Step, c.Visible);
    FEditing.Reset(s.CurrentCurve);
    FUndoStack->clear();
    FViewChanged = false;
    UpdateChangedMark();
    RedrawViews(true);
    RefreshCurveStatus();
}

void TGrafikMChildFrm::WriteScene() { WriteSceneTo(FFileName); }
