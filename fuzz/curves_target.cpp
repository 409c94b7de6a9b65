// Curve generation: a curve of a type, three formulas and a step from the input
// appended to a curve list, edited and generated again. Every error must be one
// of the program's own exceptions; every point generated must be finite and
// within the count the step promises.
//
// Input: a byte for the type (-1 to 7, two of them unknown), a byte for the
// decimal separator, eight bytes for the step, then fx, fy and fz, each up to a
// line break.

#include "base/exception.h"
#include "base/number_text.h"
#include "curves/object_list.h"
#include "fuzz_target.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/transform_matrix.h"

#include <cmath>
#include <string>

namespace {

// Far below the list's own cap of ten million, so that one input runs in
// milliseconds; larger counts are the same code run longer.
constexpr long double harnessPointCap = 20000;

void checkPoints(const TObjectList& list, int index)
{
    const TCurveRecord curve = list.Items(index);
    // The estimate may be one short of the samples of a range; spherical curves
    // multiply two ranges and are held to the list's cap alone.
    const long double expected = TObjectList::SampleCount(curve.CurveType, curve.Step);
    if (curve.Points->Count() > TObjectList::MaxCurvePoints
        || (curve.CurveType != ctSpherical && curve.Points->Count() > expected + 1))
        fuzz::Finding("more points than the step allows");
    for (int i = 0; i < curve.Points->Count(); ++i) {
        const TSpacePoint& p = curve.Points->SpacePoints(i);
        if (!std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
            fuzz::Finding("a point that is not finite");
    }
}

} // namespace

VELMO_FUZZ_TARGET(curves)
{
    fuzz::TInput input(data, size);
    const int type = input.Byte() % 9 - 1;
    SetDecimalSeparator(input.Byte() & 1 ? ',' : '.');
    const long double step = input.Double();
    const std::string fx = input.Text(), fy = input.Text(), fz = input.Text();

    // A step the list takes but that samples too much for a fuzzing run. The
    // count is asked only of a step the list's own check lets through.
    bool accepted = true;
    try {
        TObjectList::CheckStep(type, step);
    } catch (const Exception&) {
        accepted = false;
    }
    if (accepted && type >= 0 && type < CurveTypeCount
        && !(TObjectList::SampleCount(type, step) <= harnessPointCap))
        return 0;

    TTransformMatrix matrix;
    matrix.SetScale(0.05L);
    TObjectList list;
    list.SetMatrix(&matrix);
    int index = -1;
    try {
        index = list.Append(type, fx, fy, fz, 255, 0, 1, step, true);
    } catch (const Exception&) {
        if (list.Count() != 0)
            fuzz::Finding("a refused curve was kept");
        return 0;
    }
    checkPoints(list, index);

    // The same curve again is a duplicate; the formulas turned round are a new one.
    try {
        list.Append(type, fx, fy, fz, 255, 0, 1, step, true);
        fuzz::Finding("a duplicate was appended");
    } catch (const Exception&) {
    }
    try {
        list.Edit(index, type, fz, fx, fy, 0, 1, 2, step, true);
        checkPoints(list, index);
    } catch (const Exception&) {
    }
    if (list.Count() != 1)
        fuzz::Finding("the list lost or gained a curve");
    list.Delete(0);
    return 0;
}
