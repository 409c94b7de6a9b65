#include "ui/graph/curve_editing.h"

#include "curves/object_list.h"
#include "engine/fonksiyon.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
bool textDiffers(const TFonksiyon* formula, const std::string& text)
{
    return formula != nullptr && formula->GetText() != text;
}

constexpr TCurveRecord NoCurve { nullptr, nullptr, nullptr, nullptr, 0, 0, 0, false, 0, 0 };
}

bool TCurveEditing::IsCurveChanged(const TEditorValues& v) const
{
    if (FState == omAppend && (!v.Fx.empty() || !v.Fy.empty() || !v.Fz.empty()))
        return true;
    const TCurveRecord& c = FCurrentCurve;
    if (textDiffers(c.Fx, v.Fx) || textDiffers(c.Fy, v.Fy) || textDiffers(c.Fz, v.Fz))
        return true;
    return c.Color != v.Color || c.CurveType != v.CurveType || c.Thickness != v.Thickness
        || c.Visible != v.Visible || c.Style != v.Style || c.Step != v.Step;
}

void TCurveEditing::MarkCurveChanged()
{
    if (FState != omAppend)
        FState = omEdit;
}

void TCurveEditing::ApplyCurve(const TEditorValues& v)
{
    const auto style = static_cast<std::uint8_t>(v.Style);
    if (FState == omEdit) {
        FList.Edit(FCurveIndex, v.CurveType, v.Fx, v.Fy, v.Fz, v.Color, style, v.Thickness, v.Step,
            v.Visible);
    } else if (FState == omAppend) {
        FList.Append(v.CurveType, v.Fx, v.Fy, v.Fz, v.Color, style, v.Thickness, v.Step, v.Visible);
        FCurveIndex = FList.Count() - 1;
    }
    if (FCurveIndex >= 0 && FCurveIndex < FList.Count())
        FCurrentCurve = FList.Items(FCurveIndex);
    FState = omNone;
}

void TCurveEditing::NewCurve()
{
    FCurveIndex = FList.Count();
    FState = omAppend;
}

void TCurveEditing::Reset(int index)
{
    FCurrentCurve = NoCurve;
    if (index < 0 || index >= FList.Count()) {
        NewCurve();
        return;
    }
    FCurveIndex = index;
    TakeCurrent();
}

void TCurveEditing::Restore(int index, TObjectMode state)
{
    const int n = FList.Count();
    if (n == 0) {
        FCurrentCurve = NoCurve;
        FCurveIndex = index;
        FState = omAppend;
        return;
    }
    // A new curve being entered before the step came back as the last curve, so
    // undoing an append shows the curve in front of it.
    FCurveIndex = state == omAppend ? n - 1 : std::clamp(index, 0, n - 1);
    TakeCurrent();
}

void TCurveEditing::TakeCurrent()
{
    FCurrentCurve = FList.Items(FCurveIndex);
    FState = omNone;
}

bool TCurveEditing::FirstCurve()
{
    if (FList.Count() == 0)
        return false;
    FCurveIndex = 0;
    TakeCurrent();
    return true;
}

bool TCurveEditing::PriorCurve()
{
    if (FCurveIndex <= 0)
        return false;
    // While a new curve is entered (index = count) this goes to the last one.
    FCurveIndex = std::min(FCurveIndex - 1, FList.Count() - 1);
    if (FCurveIndex < 0)
        return false;
    TakeCurrent();
    return true;
}

bool TCurveEditing::NextCurve()
{
    if (FCurveIndex >= FList.Count() - 1)
        return false;
    ++FCurveIndex;
    TakeCurrent();
    return true;
}

bool TCurveEditing::LastCurve()
{
    if (FList.Count() == 0)
        return false;
    FCurveIndex = FList.Count() - 1;
    TakeCurrent();
    return true;
}

bool TCurveEditing::RemoveCurve()
{
    if (FList.Count() == 0 || FCurveIndex < 0 || FCurveIndex >= FList.Count())
        return false;
    FList.Delete(FCurveIndex);
    if (FList.Count() == 0) {
        // The freed curve's formulas must not stay named here.
        FCurrentCurve = NoCurve;
        FCurveIndex = 0;
        FState = omAppend;
        return true;
    }
    if (FCurveIndex > FList.Count() - 1)
        FCurveIndex = FList.Count() - 1;
    TakeCurrent();
    return true;
}

bool TCurveEditing::RemoveAllCurves()
{
    if (FList.Count() == 0)
        return false;
    FList.Clear();
    FCurrentCurve = NoCurve;
    FCurveIndex = -1;
    NewCurve();
    return true;
}

std::string TCurveEditing::StatusText() const
{
    if (FState == omAppend)
        return QCoreApplication::translate("TCurveEditing", "  (Yeni Eğri)").toStdString();
    return "  (" + std::to_string(FCurveIndex + 1) + "/" + std::to_string(FList.Count()) + ")";
}

std::string TCurveEditing::ChangedStatusText() const
{
    return QCoreApplication::translate("TCurveEditing", "%1 Değisiklik")
        .arg(QString::fromStdString(StatusText()))
        .toStdString();
}

TCurveButtons TCurveEditing::Buttons() const
{
    const int n = FList.Count();
    TCurveButtons b;
    b.First = b.Prior = FCurveIndex > 0;
    b.Next = b.Last = FCurveIndex < n - 1;
    b.Remove = n > 0 && FState != omAppend;
    b.RemoveAll = n > 0;
    return b;
}
