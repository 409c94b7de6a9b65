#include "ui/dialogs/graph_dialogs.h"

#include "render/draw_function.h"
#include "ui/dialogs/bakis_frm.h"
#include "ui/dialogs/buyukluk_frm.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QSpinBox>
#include <QTimer>

#include <climits>
#include <cmath>

namespace {
QString captionFor(const QString& own, const QString& owner) { return own + " (" + owner + ")"; }

// The renderer takes the window's values in the order they are listed; a
// plane's visibility goes through its setter, which projects a grid made visible.
void takeBack(const TGraphSettings& s, TDrawFunction& renderer)
{
    renderer.SetLAxisesColor(s.LAxisesColor);
    renderer.SetLAxisesVisible(s.LAxisesVisible);
    renderer.SetBrushColor(s.Background);
    renderer.SetPerspective(s.Perspective);
}

void takeBackPlanes(const TGraphSettings& s, TDrawFunction& renderer)
{
    for (int i = 0; i < 3; ++i) {
        TPlane& plane = renderer.Planes().Items(i + 1);
        plane.SetVisible(s.Planes[i].Visible);
        plane.SetThickness(s.Planes[i].Thickness);
        plane.SetColor(s.Planes[i].Color);
    }
}

// Angles are unbounded; the spins hold 32-bit integers.
int truncatedAngle(long double angle)
{
    const long double whole = std::trunc(angle);
    if (!(whole > INT_MIN))
        return INT_MIN;
    if (!(whole < INT_MAX))
        return INT_MAX;
    return static_cast<int>(whole);
}
}

void ShowProperties(TGrafikMChildFrm& window, const QString& settingsFile)
{
    TDrawFunction& renderer = window.DrawFunction();
    TGraphSettings values;
    {
        TOzelliklerFrm form(settingsFile, &window);
        form.setWindowTitle(captionFor(form.windowTitle(), window.windowTitle()));
        form.Fill(TGraphSettings::Of(renderer, window.Timer1->interval()));
        if (form.exec() != QDialog::Accepted)
            return;
        values = form.Values();
    }
    takeBack(values, renderer);
    window.Timer1->setInterval(values.AnimInterval);
    takeBackPlanes(values, renderer);
    window.RedrawViews(true);
    window.FormActivate();
}

bool ShowPreviewProperties(TDrawFunction& preview, const QString& settingsFile, QWidget* parent,
    const QString& ownerCaption)
{
    TOzelliklerFrm form(settingsFile, parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    // The preview has no timer: the interval field keeps its design value.
    form.Fill(TGraphSettings::Of(preview, form.AnimIntervalKEdit->value()));
    if (form.exec() != QDialog::Accepted)
        return false;
    const TGraphSettings values = form.Values();
    takeBack(values, preview);
    takeBackPlanes(values, preview);
    return true;
}

void ShowNumericValues(TGrafikMChildFrm& window)
{
    TSaysalFrm form(&window);
    form.setWindowTitle(captionFor(form.windowTitle(), window.windowTitle()));
    const TObjectList& curves = window.DrawFunction().Objects();
    form.SetCurves(&curves, curves.Count() == 0 ? 0 : window.CurveIndex() + 1);
    form.exec();
}

void ShowViewDialog(TGrafikMChildFrm& window)
{
    TDrawFunction& renderer = window.DrawFunction();
    const int ax = truncatedAngle(renderer.XAxisAngle());
    const int ay = truncatedAngle(renderer.YAxisAngle());
    int newX = ax;
    int newY = ay;
    {
        TBakisFrm form(&window);
        form.setWindowTitle(captionFor(form.windowTitle(), window.windowTitle()));
        form.XEkseniEdit->SetValue(ax);
        form.YEkseniEdit->SetValue(ay);
        if (form.exec() == QDialog::Accepted) {
            newX = form.XEkseniEdit->value();
            newY = form.YEkseniEdit->value();
        }
    }
    // Confirming the shown values keeps the fractional part of the angles.
    if (newX == ax && newY == ay)
        return;
    renderer.SetAngles(newX, newY);
    window.RedrawViews(true);
}

void ShowZoomDialog(TGrafikMChildFrm& window, TGraphHost& host)
{
    const int percent = window.ZoomPercent();
    int newPercent = percent;
    {
        TBuyuklukFrm form(&window);
        form.setWindowTitle(captionFor(form.windowTitle(), window.windowTitle()));
        form.BuyuklukSEdit->SetValue(percent);
        if (form.exec() == QDialog::Accepted)
            newPercent = form.BuyuklukSEdit->value();
    }
    // The dialog confirms no percent below 1; the renderer never sees one.
    if (newPercent == percent || newPercent < 1)
        return;
    window.SetZoomPercent(newPercent);
    host.SetZoomText(QString::number(newPercent) + "%");
}

void RunGraphDialog(
    TGrafikMChildFrm& window, TGraphDialog dialog, TGraphHost& host, const QString& settingsFile)
{
    switch (dialog) {
    case TGraphDialog::View:
        ShowViewDialog(window);
        break;
    case TGraphDialog::Zoom:
        ShowZoomDialog(window, host);
        break;
    case TGraphDialog::NumericValues:
        ShowNumericValues(window);
        break;
    case TGraphDialog::Properties:
        ShowProperties(window, settingsFile);
        break;
    }
}
