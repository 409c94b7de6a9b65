#pragma once

#include "ui/graph/curve_editing.h"

#include <QString>

class TGrafikMChildFrm;

// What a graph window needs of the main window: it pushes its state there when
// it becomes active and keeps the curve status and the explorer's buttons up to
// date. The main window implements it; tests use a recording host.
class TGraphHost {
public:
    virtual ~TGraphHost() = default;

    // Menu check marks and toolbar buttons, in the order FormActivate sets them.
    virtual void SetPlaneChecks(bool xy, bool xz, bool yz) = 0;
    virtual void SetPerspectiveCheck(bool on) = 0;
    virtual void SetZoomText(const QString& text) = 0; // the zoom box
    virtual void SetAnimationDown(bool down) = 0;
    virtual void SetFourViewDown(bool down) = 0;
    virtual void SetMouseModeDown(int mode) = 0; // 0 rotate, 1 drag
    // Reloads the curve explorer from the window's current curve.
    virtual void FillExplorer(TGrafikMChildFrm& window) = 0;

    // The first panel of the status line.
    virtual void SetCurveStatus(const QString& text) = 0;
    virtual bool ExplorerVisible() const = 0;
    virtual void ShowExplorer() = 0;
    virtual void SetCurveButtons(const TCurveButtons& buttons) = 0;

    // The window's number is free again (the window is closing).
    virtual void ReleaseWindowNumber(int number) = 0;

    // A scene file was written or read: the host lists it among the recent files.
    virtual void SceneFileUsed(const QString&) { }

    // The status line's hint panel: the plane coordinates under the mouse ("x = 1,25
    // y = 0,50"), or empty when the pointer leaves a view that showed them.
    virtual void SetPointerHint(const QString&) { }
    // Where the trace marker stands, in words; empty while it stands nowhere.
    virtual void SetTraceStatus(const QString&) { }
    // The check mark of "İz Sür" and its button.
    virtual void SetTraceCheck(bool) { }
    // The check mark of "Önemli Noktalar" and its button.
    virtual void SetInterestCheck(bool) { }
};
