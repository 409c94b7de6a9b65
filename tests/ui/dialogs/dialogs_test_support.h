#pragma once

#include "ui/graph/grafik_mchild_frm.h"
#include "ui/graph/graph_host.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

// A main window as a graph window sees it: it records what it is told.
class TDialogsTestHost : public TGraphHost {
public:
    QStringList Calls;
    QString ZoomText;
    QString SettingsFile;

    void SetPlaneChecks(bool xy, bool xz, bool yz) override
    {
        Calls << QString("planes %1%2%3").arg(xy).arg(xz).arg(yz);
    }
    void SetPerspectiveCheck(bool on) override { Calls << QString("perspective %1").arg(on); }
    void SetZoomText(const QString& text) override
    {
        ZoomText = text;
        Calls << "zoom " + text;
    }
    void SetAnimationDown(bool) override { Calls << "animation"; }
    void SetFourViewDown(bool) override { Calls << "fourview"; }
    void SetMouseModeDown(int) override { Calls << "mousemode"; }
    void FillExplorer(TGrafikMChildFrm&) override { Calls << "explorer"; }
    void SetCurveStatus(const QString&) override { }
    bool ExplorerVisible() const override { return true; }
    void ShowExplorer() override { }
    void SetCurveButtons(const TCurveButtons&) override { }
    void ReleaseWindowNumber(int) override { }
};

// A graph window with its settings file in a folder of its own.
struct TTestWindow {
    QTemporaryDir Dir;
    TDialogsTestHost Host;
    std::unique_ptr<TGrafikMChildFrm> W;

    explicit TTestWindow(const QByteArray& settings = {})
    {
        Host.SettingsFile = SettingsFile();
        if (!settings.isEmpty())
            WriteFile(SettingsFile(), settings);
        W = std::make_unique<TGrafikMChildFrm>(Host, SettingsFile());
    }
    QString SettingsFile() const { return Dir.filePath("Norvadeks.ini"); }
    TDrawFunction& R() { return W->DrawFunction(); }

    static void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    static QByteArray ReadFile(const QString& name)
    {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }
};

// Runs action on the modal dialog of type D once it is open (the event loop of
// its exec runs the timer). The action must close it; a dialog still open
// after the action is rejected so that a failing test cannot hang.
template <class D> void WhenModal(std::function<void(D&)> action, int attempts = 200)
{
    QTimer::singleShot(5, [action, attempts] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempts > 0)
                WhenModal<D>(action, attempts - 1);
            return;
        }
        action(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// An XY-plane curve whose points are (-1, 1, 0), (0, 0, 0) and (1, 1, 0): with
// a step of 1 the logarithm fails for |x| > 1 and those samples are left out.
inline TEditorValues ThreePointCurve()
{
    TEditorValues v;
    v.CurveType = 0;
    v.Fx = "X";
    v.Fy = "x^2+ln(2-x^2)*0";
    v.Fz = "0";
    v.Step = 1;
    v.Thickness = 2;
    v.Color = 255;
    return v;
}

inline TEditorValues XYCurve(const std::string& fy, TColor color = 255)
{
    TEditorValues v;
    v.CurveType = 0;
    v.Fx = "X";
    v.Fy = fy;
    v.Fz = "0";
    v.Step = 0.1L;
    v.Thickness = 2;
    v.Color = color;
    return v;
}
