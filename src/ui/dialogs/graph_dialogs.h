#pragma once

#include "curves/parameters.h"
#include "files/animation_file.h"
#include "files/graph_settings.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QWidget;
class TDrawFunction;
class TObjectList;
struct TAnimationSettings;

// The value editors of a graph window: each runs its dialog modally over parent,
// captioned with the dialog's own caption followed by " (", ownerCaption and ")";
// values in, values out, false when cancelled. They know no window: the graph
// window runs them itself, and tests put a runner of their own in its place.
class TGraphDialogRunner {
    Q_DECLARE_TR_FUNCTIONS(TGraphDialogRunner)

public:
    virtual ~TGraphDialogRunner() = default;

    // The properties window; settingsFile is where its defaults are written and
    // loaded from (a failed write is reported, not raised).
    virtual bool EditSettings(TGraphSettings& values, const QString& settingsFile, QWidget* parent,
        const QString& ownerCaption);
    // The view-direction dialog on whole-degree angles.
    virtual bool EditAngles(int& xAngle, int& yAngle, QWidget* parent, const QString& ownerCaption);
    // The zoom dialog; it confirms no percent below 1.
    virtual bool EditZoom(int& percent, QWidget* parent, const QString& ownerCaption);
    // The numeric values window on curves, opened at curve firstCurve (1-based, 0 for none).
    virtual void ShowValues(
        const TObjectList& curves, int firstCurve, QWidget* parent, const QString& ownerCaption);
    // The animation dialog; parameters are the window's, sorted by name.
    virtual bool EditAnimation(TAnimationSettings& values,
        const std::vector<TParameter>& parameters, QWidget* parent, const QString& ownerCaption);
    // Where an animation of type goes: a file name for GIF and WebP (suggested first), the
    // pattern "FOLDER/ad_%03d.png" of a folder chosen for numbered PNG files; empty when
    // cancelled.
    virtual QString AskAnimationFile(
        TAnimationFileType type, const QString& suggested, QWidget* parent);
};

// The properties window for the curve explorer's preview renderer, captioned
// "Tüm Özellikler (" + ownerCaption + ")". True when closed with "Tamam": the
// values are in the renderer and the caller draws the preview anew.
bool ShowPreviewProperties(TDrawFunction& preview, const QString& settingsFile, QWidget* parent,
    const QString& ownerCaption
    = QCoreApplication::translate("TGraphDialogRunner", "Eğri Gezgini"));
