#pragma once

#include "ui/graph/graph_host.h"

#include <QString>
#include <QStringList>

// Records what a graph window tells the main window.
class TRecordingHost : public TGraphHost {
public:
    QStringList Calls;
    QString ZoomText;
    QString Status;
    TCurveButtons Buttons;
    bool Explorer = true;
    bool ExplorerShown = false;
    int Released = 0;
    bool Planes[3] = { false, false, false };
    bool PerspectiveOn = false;
    bool AnimationOn = false;
    bool FourViewOn = false;
    int MouseMode = -1;
    QString Hint;
    QString TraceStatus;
    bool TraceCheck = false;

    void SetPlaneChecks(bool xy, bool xz, bool yz) override
    {
        Planes[0] = xy;
        Planes[1] = xz;
        Planes[2] = yz;
        Calls << "planes";
    }
    void SetPerspectiveCheck(bool on) override
    {
        PerspectiveOn = on;
        Calls << "perspective";
    }
    void SetZoomText(const QString& text) override
    {
        ZoomText = text;
        Calls << "zoom " + text;
    }
    void SetAnimationDown(bool down) override
    {
        AnimationOn = down;
        Calls << "animation";
    }
    void SetFourViewDown(bool down) override
    {
        FourViewOn = down;
        Calls << "fourview";
    }
    void SetMouseModeDown(int mode) override
    {
        MouseMode = mode;
        Calls << "mousemode";
    }
    void FillExplorer(TGrafikMChildFrm&) override { Calls << "explorer"; }
    void SetCurveStatus(const QString& text) override { Status = text; }
    bool ExplorerVisible() const override { return Explorer; }
    void ShowExplorer() override { ExplorerShown = true; }
    void SetCurveButtons(const TCurveButtons& buttons) override { Buttons = buttons; }
    void ReleaseWindowNumber(int number) override { Released = number; }
    QStringList ScenesUsed;
    void SceneFileUsed(const QString& fileName) override { ScenesUsed << fileName; }
    void SetPointerHint(const QString& text) override { Hint = text; }
    void SetTraceStatus(const QString& text) override { TraceStatus = text; }
    void SetTraceCheck(bool on) override { TraceCheck = on; }
};
