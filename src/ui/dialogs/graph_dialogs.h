#pragma once

#include "ui/graph/graph_host.h"

#include <QString>

class QWidget;
class TDrawFunction;
class TGrafikMChildFrm;

// The dialogs of a graph window, run modally for it by the main window (its
// TGraphHost::RunDialog). Each caption is the dialog's own followed by " (",
// the graph window's caption and ")". They raise nothing the caller must catch
// beyond what the graph window's own operations raise; a failed write of the
// defaults is reported, not raised.

// The properties window: filled from the window's renderer and timer; on
// "Tamam" the values go back to the window, all views are redrawn with
// re-projection and the window's FormActivate brings the main window up to
// date. settingsFile is where the defaults are written and loaded from.
void ShowProperties(TGrafikMChildFrm& window, const QString& settingsFile);

// The properties window for the curve explorer's preview renderer, captioned
// "Tüm Özellikler (" + ownerCaption + ")". True when closed with "Tamam": the
// values are in the renderer and the caller draws the preview anew.
bool ShowPreviewProperties(TDrawFunction& preview, const QString& settingsFile, QWidget* parent,
    const QString& ownerCaption = "Eğri Gezgini");

// The numeric values window on the window's curves, opened at its current curve.
void ShowNumericValues(TGrafikMChildFrm& window);

// The view-direction dialog: shows the angles truncated to whole degrees and,
// when the user confirms other angles, turns the scene to them and redraws.
void ShowViewDialog(TGrafikMChildFrm& window);

// The zoom dialog: shows the window's zoom percent and, when the user confirms
// another one, applies it and writes it followed by "%" into the host's zoom
// box. A percent below 1 is refused by the dialog itself.
void ShowZoomDialog(TGrafikMChildFrm& window, TGraphHost& host);

// What the main window's TGraphHost::RunDialog does: runs the dialog asked for.
void RunGraphDialog(
    TGrafikMChildFrm& window, TGraphDialog dialog, TGraphHost& host, const QString& settingsFile);
