#include "curves/curve_values.h"

#include "engine/fonksiyon.h"

namespace {
std::string textOf(const TFonksiyon* formula)
{
    return formula ? formula->GetText() : std::string();
}
}

TEditorValues EditorValuesOf(const TCurveRecord& curve)
{
    TEditorValues v;
    v.CurveType = curve.CurveType;
    v.Fx = textOf(curve.Fx);
    v.Fy = textOf(curve.Fy);
    v.Fz = textOf(curve.Fz);
    v.Visible = curve.Visible;
    v.Step = curve.Step;
    v.Thickness = curve.Thickness;
    v.Style = curve.Style;
    v.Color = curve.Color;
    return v;
}
