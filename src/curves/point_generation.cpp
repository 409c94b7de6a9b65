// Point generation: each curve type walks its free variable(s) over a fixed range
// by repeated addition of the step, the end excluded, and turns the values of its
// formulas into points.
#include "base/message.h"
#include "base/number_text.h"
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "engine/trig_cache.h"
#include "geometry/transform_matrix.h"

#include <cmath>
#include <limits>

namespace {
constexpr long double TwoPi = 2 * Pi;

constexpr const char* InvalidStepMessage
    = "Nokta aralığı geçersiz (%s): sıfırdan büyük bir sayı olmalıdır";
constexpr const char* SmallStepMessage
    = "Nokta aralığı çok küçük (%s): bir eğri en çok 10000000 noktadan oluşabilir";

struct TRange {
    long double Start, End;
};

TRange rangeOf(int curveType)
{
    switch (curveType) {
    case ctSpherical:
        return { 0, Pi }; // the outer loop of A; B runs over 0..2pi inside it
    case ctPolar:
        return { 0, TwoPi };
    default:
        return { -10, 10 };
    }
}

// Samples over [start, end) with the step; infinite when adding the step to the
// value of largest magnitude in the range leaves it as it was. The quotient of
// the range by the step can miss by one (the running sum may land just below the
// end), so near the cap the loop of the generator is run without its work: the
// count is then the very number of samples it takes.
long double samplesOver(TRange range, long double step)
{
    const long double far = std::fmax(std::fabs(range.Start), std::fabs(range.End));
    if (far + step == far || -far + step == -far)
        return std::numeric_limits<long double>::infinity();
    const long double estimate = std::ceil((range.End - range.Start) / step);
    if (estimate > 2 * TObjectList::MaxCurvePoints)
        return estimate;
    long long count = 0;
    for (long double value = range.Start; value < range.End; value += step)
        ++count;
    return static_cast<long double>(count);
}

// One sample: the formulas in the order fx, fy, fz. A sample that the engine
// cannot evaluate, whatever the fault, is left out; anything else (no memory)
// passes on.
template <typename Evaluate> bool trySample(Evaluate&& evaluate, TSpacePoint& p)
{
    try {
        evaluate(p);
        return true;
    } catch (const EFonksiyonError&) {
        return false;
    } catch (const EMathError&) {
        return false;
    }
}

}

long double TObjectList::SampleCount(int curveType, long double step)
{
    const long double outer = samplesOver(rangeOf(curveType), step);
    if (curveType == ctSpherical)
        return outer * samplesOver({ 0, TwoPi }, step);
    return outer;
}

void TObjectList::CheckStep(int curveType, long double step)
{
    if (!(step > 0) || !std::isfinite(step))
        throw EObjectListError(FormatText(InvalidStepMessage, FloatToText(step)));
    if (SampleCount(curveType, step) > MaxCurvePoints)
        throw EObjectListError(FormatText(SmallStepMessage, FloatToText(step)));
}

void TObjectList::Generate(
    int curveType, const TFormulas& formulas, long double step, TGoruntuMatrisi& points)
{
    CheckStep(curveType, step);
    // Every SetText empties the shared table, so the names of this curve's formulas
    // are put back before sampling: each formula then reads the free variables
    // whichever formula (of this curve or another) was compiled last.
    for (TFonksiyon* f : { formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get() })
        if (f)
            f->RegisterVariables();
    // The table keeps its shape while the formulas run, so each formula runs a
    // copy of its program bound once to the table's slots (and to the sines and
    // cosines this curve has computed), and the free variables are written
    // through their slots rather than looked up by name for every sample.
    TTrigCache trig;
    TProgram programs[3];
    TProgram* bound[3] = { nullptr, nullptr, nullptr };
    {
        const TFonksiyon* sources[3] = { formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get() };
        for (int i = 0; i < 3; ++i)
            if (sources[i]) {
                programs[i] = sources[i]->Program();
                programs[i].Bind(FVariables.get(), FShareResults ? &trig : nullptr);
                bound[i] = &programs[i];
            }
    }
    TProgram* const fx = bound[0];
    TProgram* const fy = bound[1];
    TProgram* const fz = bound[2];
    long double unused = 0; // where a free variable no formula names is stored
    const auto slot = [this, &unused](const char* name) {
        long double* value = FVariables->ValueSlot(name);
        return value ? value : &unused;
    };

    TSpacePoint p { 0, 0, 0, 1 };
    switch (curveType) {
    case ctSpherical: {
        long double* const a = slot("A");
        long double* const b = slot("B");
        for (long double va = 0; va < Pi; va += step) {
            *a = va;
            for (long double vb = 0; vb < TwoPi; vb += step) {
                *b = vb;
                if (trySample(
                        [&](TSpacePoint& q) {
                            q.X = fx->RunBound();
                            q.Y = fy->RunBound();
                            q.Z = fz->RunBound();
                        },
                        p))
                    points.Add(p);
            }
        }
        break;
    }
    case ctPolar: {
        long double* const a = slot("A");
        for (long double va = 0; va < TwoPi; va += step) {
            *a = va;
            if (trySample(
                    [&](TSpacePoint& q) {
                        const long double r = fz->RunBound();
                        q = { r * std::cos(va), r * std::sin(va), 0, 1 };
                    },
                    p))
                points.Add(p);
        }
        break;
    }
    default: {
        long double* const v
            = slot(curveType == ctYZPlane ? "Y" : (curveType == ctCylindrical ? "T" : "X"));
        for (long double value = -10; value < 10; value += step) {
            *v = value;
            if (trySample(
                    [&](TSpacePoint& q) {
                        switch (curveType) {
                        case ctXYPlane:
                            q = { value, fy->RunBound(), 0, 1 };
                            break;
                        case ctXZPlane:
                            q = { value, 0, fz->RunBound(), 1 };
                            break;
                        case ctYZPlane:
                            q = { 0, value, fz->RunBound(), 1 };
                            break;
                        case ctXYZSpace:
                            q.X = value;
                            q.Y = fy->RunBound();
                            q.Z = fz->RunBound();
                            break;
                        default: // ctCylindrical
                            q.X = fx->RunBound();
                            q.Y = fy->RunBound();
                            q.Z = fz->RunBound();
                            break;
                        }
                    },
                    p))
                points.Add(p);
        }
        break;
    }
    }
    if (FMatrix)
        points.Project(*FMatrix);
}
