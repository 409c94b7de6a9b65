#include "curves/curve_values.h"

#include "curves/object_list.h"
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

int AppendCurve(TObjectList& list, const TEditorValues& curve)
{
    return list.Append(curve.CurveType, curve.Fx, curve.Fy, curve.Fz, curve.Color,
        static_cast<std::uint8_t>(curve.Style), curve.Thickness, curve.Step, curve.Visible);
}
