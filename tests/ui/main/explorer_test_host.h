#pragma once

#include "ui/graph/graph_host.h"
#include "ui/main/curved_line_explorer.h"

#include <QString>

// A main window as far as a graph window and the curve explorer see it: the
// explorer is visible, activation refills it, and the curve buttons reach it.
class TExplorerTestHost : public TGraphHost {
public:
    TCurvedLineExplorer* Explorer = nullptr;
    QString Status;
    TCurveButtons Buttons;
    int Fills = 0;

    void SetPlaneChecks(bool, bool, bool) override { }
    void SetPerspectiveCheck(bool) override { }
    void SetZoomText(const QString&) override { }
    void SetAnimationDown(bool) override { }
    void SetFourViewDown(bool) override { }
    void SetMouseModeDown(int) override { }
    void FillExplorer(TGrafikMChildFrm&) override
    {
        ++Fills;
        if (Explorer != nullptr)
            Explorer->FillExplorer();
    }
    void SetCurveStatus(const QString& text) override { Status = text; }
    bool ExplorerVisible() const override { return true; }
    void ShowExplorer() override { }
    void SetCurveButtons(const TCurveButtons& buttons) override
    {
        Buttons = buttons;
        if (Explorer != nullptr)
            Explorer->SetCurveButtons(buttons);
    }
    void ReleaseWindowNumber(int) override { }
};
