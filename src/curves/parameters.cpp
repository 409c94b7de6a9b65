#include "curves/parameters.h"

#include "base/number_text.h"
#include "base/text.h"
#include "curves/curve_record.h"
#include "engine/fonksiyon.h"

#include <algorithm>
#include <cmath>

bool IsFreeVariable(int curveType, std::string_view name)
{
    if (!IsCurveType(curveType))
        return false;
    for (const TFreeVariable& free : CurveTypes[curveType].Variables)
        if (free.Name != nullptr && CompareTextNoCase(name, free.Name) == 0)
            return true;
    return false;
}

bool IsParameterName(int curveType, std::string_view name, const TFonksiyon* fx,
    const TFonksiyon* fy, const TFonksiyon* fz)
{
    if (IsFreeVariable(curveType, name))
        return false;
    for (const TFonksiyon* f : { fx, fy, fz })
        if (f != nullptr && f->Program().AssignsTo(name))
            return false;
    return true;
}

std::vector<std::string> ParameterNames(
    int curveType, const TFonksiyon* fx, const TFonksiyon* fy, const TFonksiyon* fz)
{
    std::vector<std::string> names;
    for (const TFonksiyon* f : { fx, fy, fz }) {
        if (f == nullptr)
            continue;
        for (const std::string& name : f->VariableNames()) {
            std::string lower = AsciiLower(name);
            if (std::find(names.begin(), names.end(), lower) == names.end()
                && IsParameterName(curveType, lower, fx, fy, fz))
                names.push_back(std::move(lower));
        }
    }
    return names;
}

std::string ParameterValuesText(const TParameters& parameters, const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty())
            text += "; ";
        text += name + " = " + FloatToText(parameters.ValueOf(name));
    }
    return text;
}

namespace {
auto byName(std::vector<TParameter>& items, std::string_view name)
{
    return std::lower_bound(items.begin(), items.end(), name,
        [](const TParameter& p, std::string_view n) { return CompareTextNoCase(p.Name, n) < 0; });
}
}

TParameter* TParameters::Find(std::string_view name)
{
    const auto at = byName(FItems, name);
    return at != FItems.end() && CompareTextNoCase(at->Name, name) == 0 ? &*at : nullptr;
}

const TParameter* TParameters::Find(std::string_view name) const
{
    return const_cast<TParameters*>(this)->Find(name);
}

long double TParameters::ValueOf(std::string_view name) const
{
    const TParameter* p = Find(name);
    return p != nullptr ? p->Value : 0;
}

void TParameters::Keep(const std::vector<std::string>& names, const std::vector<TParameter>& first)
{
    std::vector<TParameter> kept;
    kept.reserve(names.size());
    for (const std::string& name : names) {
        if (const TParameter* p = Find(name)) {
            kept.push_back(*p);
            continue;
        }
        const auto given = std::find_if(first.begin(), first.end(),
            [&](const TParameter& p) { return CompareTextNoCase(p.Name, name) == 0; });
        kept.push_back(given != first.end() ? *given : TParameter {});
        kept.back().Name = AsciiLower(name);
    }
    std::sort(kept.begin(), kept.end(),
        [](const TParameter& a, const TParameter& b) { return CompareTextNoCase(a.Name, b.Name) < 0; });
    kept.erase(std::unique(kept.begin(), kept.end(),
                   [](const TParameter& a, const TParameter& b) {
                       return CompareTextNoCase(a.Name, b.Name) == 0;
                   }),
        kept.end());
    FItems = std::move(kept);
}

TParameterScale::TParameterScale(const TParameter& p)
    : FMin(p.Min)
    , FStep(p.Step)
    , FSteps(0)
    , FQuantum(0)
{
    // The sum min + k * step carries the step's binary error (0.1 is not exact):
    // it is cut to 14 decimals below the range's largest digit, so that the
    // position standing for 0 is 0 and the one for 2 is 2.
    const long double magnitude = std::fmax(std::fabs(p.Min), std::fabs(p.Max));
    if (magnitude > 0 && std::isfinite(magnitude))
        FQuantum = std::pow(10.0L, std::floor(std::log10(magnitude)) - 14);
    const long double span = p.Max - p.Min;
    if (!(span > 0) || !std::isfinite(span) || !(p.Step > 0))
        return;
    const long double steps = std::nearbyint(span / p.Step);
    if (!(steps <= MaxSteps)) {
        FSteps = MaxSteps;
        FStep = span / MaxSteps;
    } else
        FSteps = static_cast<int>(steps);
}

long double TParameterScale::ValueAt(int position) const
{
    long double value = FMin + static_cast<long double>(position) * FStep;
    if (FQuantum > 0)
        value = std::nearbyint(value / FQuantum) * FQuantum;
    long double shown = value;
    return TryTextToFloat(FloatToText(value), shown) ? shown : value;
}

int TParameterScale::PositionOf(long double value) const
{
    if (FSteps == 0 || !(value > FMin))
        return 0;
    const long double k = std::nearbyint((value - FMin) / FStep);
    return k >= FSteps ? FSteps : static_cast<int>(k);
}

int BouncedPosition(int position, int& direction, int steps)
{
    if (steps <= 0)
        return 0;
    int next = position + direction;
    if (next > steps || next < 0) {
        direction = -direction;
        next = position + direction;
    }
    return std::clamp(next, 0, steps);
}
