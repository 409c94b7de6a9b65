#pragma once

#include "render/color.h"

#include <QRect>
#include <QString>

class TCanvas;
class TObjectList;
struct TCurveRecord;

// The legend of a scene: one line per visible curve in the top-left corner of the view, a short
// sample of the curve's colour and style followed by its formulas as its type uses them
// ("fy = sin(x)", "fx = …, fy = …, fz = …"), in the given text colour. The canvas cuts what
// does not fit in the view.
void DrawLegend(const TObjectList& curves, TCanvas& canvas, TColor textColor);

// The box the legend of these curves takes in a view of the given height (empty without a
// visible curve).
QRect LegendBox(const TObjectList& curves, int height);

// The formula text of one curve's legend line.
QString LegendText(const TCurveRecord& curve);
