#include "curves/points_of_interest.h"

#include "base/catalogue.h"
#include "base/number_text.h"
#include "curves/curve_types.h"
#include "curves/object_list.h"
#include "curves/quadrature.h"
#include "engine/derivative.h"
#include "engine/fonksiyon.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <limits>

namespace {
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();
// More samples than a curve may take is a range the step cannot walk.
constexpr long long MaxSamples = 10'000'000;

constexpr const char* OneVariableMessage
    = "Önemli noktalar ve ölçüler yalnızca bir değişkenli eğrilerde bulunur";

// A value strictly between a < b that halves the distance between them, in
// value where they are close and in exponent where they are not, so that any
// bracket closes to two neighbouring extended values in a few hundred steps; 0
// first when the bracket holds it. Returns a or b when they are neighbours.
long double between(long double a, long double b)
{
    if (a < 0 && b > 0)
        return 0;
    const long double small = std::fmin(std::fabs(a), std::fabs(b));
    const long double large = std::fmax(std::fabs(a), std::fabs(b));
    long double m = a + (b - a) / 2;
    if (large > 4 * small) {
        const long double g
            = std::sqrt(std::fmax(small, std::numeric_limits<long double>::denorm_min()))
            * std::sqrt(large);
        const long double signed_g = b <= 0 ? -g : g;
        if (signed_g > a && signed_g < b)
            m = signed_g;
    }
    return m;
}

enum TRefined { rfZero, rfJump };

// Closes a bracket [a, b] over which g changes sign (neither end 0) to two
// neighbouring values, or to a point where g is exactly 0. A zero when g ends
// small beside its values at the ends of the bracket; else g jumps there (or
// cannot be computed somewhere inside, at).
template <typename G>
TRefined refineZero(
    G&& g, long double a, long double b, long double ga, long double gb, long double& at)
{
    const long double scale = std::fmax(std::fabs(ga), std::fabs(gb));
    for (;;) {
        const long double m = between(a, b);
        if (m <= a || m >= b)
            break;
        long double gm = 0;
        if (!g(m, gm)) {
            at = m;
            return rfJump;
        }
        if (gm == 0) {
            at = m;
            return rfZero;
        }
        if (std::signbit(gm) == std::signbit(ga)) {
            a = m;
            ga = gm;
        } else {
            b = m;
            gb = gm;
        }
    }
    at = std::fabs(ga) <= std::fabs(gb) ? a : b;
    return std::fmax(std::fabs(ga), std::fabs(gb)) <= 1e-6L * scale ? rfZero : rfJump;
}

// Closes [a, b] to the last value at which same(v) holds (it holds at a, not at b).
template <typename P> long double lastWhere(P&& same, long double a, long double b)
{
    for (;;) {
        const long double m = between(a, b);
        if (m <= a || m >= b)
            return a;
        if (same(m))
            a = m;
        else
            b = m;
    }
}

bool near(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-15L * std::fmax(1.0L, std::fmax(std::fabs(a), std::fabs(b)));
}

// The values of a function at samples; Ok false where it cannot be computed.
struct TSampled {
    std::vector<long double> Value;
    std::vector<char> Ok;
};
}

const char* FreeVariableName(int curveType)
{
    // The table's names in the lower case formulas are written in.
    static const std::array<std::string, CurveTypeCount> names = [] {
        std::array<std::string, CurveTypeCount> lower;
        for (int t = 0; t < CurveTypeCount; ++t)
            for (const char* c = CurveTypes[t].Variables[0].Name; *c != 0; ++c)
                lower[t] += static_cast<char>(*c >= 'A' && *c <= 'Z' ? *c - 'A' + 'a' : *c);
        return lower;
    }();
    return names[curveType].c_str();
}

TEditorValues DerivativeCurve(const TCurveRecord& curve)
{
    if (curve.CurveType == ctSpherical)
        throw ECurveInspectionError(Localized("Türev yalnızca bir değişkenli eğrilerde çizilir"));
    TEditorValues values = EditorValuesOf(curve);
    const char* name = FreeVariableName(curve.CurveType);
    if (curve.Fx != nullptr)
        values.Fx = curve.Fx->Derivative(name).GetText();
    if (curve.Fy != nullptr)
        values.Fy = curve.Fy->Derivative(name).GetText();
    if (curve.Fz != nullptr)
        values.Fz = curve.Fz->Derivative(name).GetText();
    return values;
}

const char* InterestKindText(TInterestKind kind)
{
    static const char* const texts[] = { "Sıfır", "Minimum", "Maksimum", "Kesişim", "Kırılma" };
    return Localized(texts[kind]);
}

std::string TMeasure::ValueText() const
{
    if (Exact())
        return FloatToText(Value);
    // An integration that did not converge has no bound to trust, so no digit.
    if (!Converged || !std::isfinite(Error))
        return "";
    // Rounded at the decimal place of the bound: an area that cancels out gives 0.
    const long double unit = std::pow(10.0L, std::floor(std::log10(Error)));
    return FloatToText(std::nearbyint(Value / unit) * unit);
}

TCurveInspection::TCurveInspection(const TCurveRecord& curve, const TVariableMemory& variables)
    : FCurveType(curve.CurveType)
    , FStep(curve.Step)
    , FMemory(std::make_unique<TVariableMemory>(variables))
{
    if (FCurveType == ctSpherical || FCurveType > ctCylindrical)
        throw ECurveInspectionError(Localized(OneVariableMessage));
    FStart = CurveTypes[FCurveType].Variables[0].Start;
    FEnd = CurveTypes[FCurveType].Variables[0].End;
    const std::string name = FreeVariableName(FCurveType);
    const TTerm v = VariableTerm(name);
    const TTerm zero = NumberTerm(0);
    const auto termOf = [](const TFonksiyon* f) { return f->Term(); };
    TTerm terms[3] = { zero, zero, zero };
    int sought = -1; // every coordinate
    switch (FCurveType) {
    case ctXYPlane:
        terms[0] = v;
        terms[1] = termOf(curve.Fy);
        sought = 1;
        break;
    case ctXZPlane:
        terms[0] = v;
        terms[2] = termOf(curve.Fz);
        sought = 2;
        break;
    case ctYZPlane:
        terms[1] = v;
        terms[2] = termOf(curve.Fz);
        sought = 2;
        break;
    case ctXYZSpace:
        terms[0] = v;
        terms[1] = termOf(curve.Fy);
        terms[2] = termOf(curve.Fz);
        break;
    case ctPolar: {
        const TTerm r = termOf(curve.Fz);
        terms[0] = Combine(opMultiply, r, Apply(fnCos, v));
        terms[1] = Combine(opMultiply, r, Apply(fnSin, v));
        break;
    }
    default:
        terms[0] = termOf(curve.Fx);
        terms[1] = termOf(curve.Fy);
        terms[2] = termOf(curve.Fz);
        break;
    }
    // Every formula is made before any is bound: binding needs the table's final shape.
    FMemory->AddMissing({ name });
    TFonksiyon made[3][2];
    std::vector<TFonksiyon> breaks[3];
    for (int c = 0; c < 3; ++c) {
        FCoordinates[c].Present = !IsNumber(terms[c], 0);
        FCoordinates[c].Sought = FCoordinates[c].Present && (sought < 0 || sought == c);
        const TDerivative d = Differentiate(terms[c], name);
        made[c][0] = TFonksiyon::FromTerm(terms[c], FMemory.get());
        made[c][1] = TFonksiyon::FromTerm(d.Value, FMemory.get());
        for (const TTerm& b : d.Breaks)
            breaks[c].push_back(TFonksiyon::FromTerm(b, FMemory.get()));
    }
    for (int c = 0; c < 3; ++c) {
        TCoordinate& k = FCoordinates[c];
        k.Value = made[c][0].Program();
        k.Slope = made[c][1].Program();
        k.Value.Bind(FMemory.get(), nullptr);
        k.Slope.Bind(FMemory.get(), nullptr);
        for (const TFonksiyon& b : breaks[c]) {
            k.Breaks.push_back(b.Program());
            k.Breaks.back().Bind(FMemory.get(), nullptr);
        }
    }
    FVariable = FMemory->ValueSlot(name);
}

TCurveInspection::~TCurveInspection() = default;

bool TCurveInspection::value(int c, long double v, long double& out)
{
    *FVariable = v;
    return FCoordinates[c].Value.TryRunBound(out);
}

bool TCurveInspection::slope(int c, long double v, long double& out)
{
    *FVariable = v;
    return FCoordinates[c].Slope.TryRunBound(out);
}

bool TCurveInspection::PointAt(long double v, TSpacePoint& p)
{
    long double x[3];
    for (int c = 0; c < 3; ++c)
        if (!value(c, v, x[c]))
            return false;
    p = { x[0], x[1], x[2], 1 };
    return true;
}

std::vector<long double> TCurveInspection::samples(long double from, long double to) const
{
    std::vector<long double> s;
    if (!(from < to))
        return s;
    s.push_back(from);
    const auto take = [&s, to](long double v) {
        if (v > s.back() && v < to) {
            if (static_cast<long long>(s.size()) > MaxSamples)
                throw ECurveInspectionError(Localized("Aralık bu nokta aralığıyla taranamayacak kadar geniş"));
            s.push_back(v);
        }
    };
    // Before the range, the range as the curve samples it, and after it.
    if (from < FStart) {
        std::vector<long double> below;
        for (long double v = FStart - FStep; v > from; v -= FStep) {
            below.push_back(v);
            if (static_cast<long long>(below.size()) > MaxSamples)
                throw ECurveInspectionError(Localized("Aralık bu nokta aralığıyla taranamayacak kadar geniş"));
        }
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            take(*it);
    }
    for (long double v = FStart; v < FEnd && v < to; v += FStep)
        take(v);
    for (long double v = FEnd; v < to; v += FStep)
        take(v);
    s.push_back(to);
    return s;
}

bool TCurveInspection::breaksBetween(int c, long double a, long double b)
{
    *FVariable = a;
    for (TProgram& p : FCoordinates[c].Breaks) {
        long double va = 0;
        long double vb = 0;
        *FVariable = a;
        const bool okA = p.TryRunBound(va);
        *FVariable = b;
        if (!okA || !p.TryRunBound(vb) || va != vb)
            return true;
    }
    return false;
}

void TCurveInspection::add(
    std::vector<TPointOfInterest>& out, TInterestKind kind, int of, long double at)
{
    TPointOfInterest p { kind, of, at, { NaN, NaN, NaN, NaN } };
    TSpacePoint q {};
    if (PointAt(at, q))
        p.Point = q;
    // A zero lies between at and its neighbour: the coordinate is 0 there, not the
    // rounding left at either of the two.
    if (kind == ikZero && std::isfinite(p.Point.X)) {
        long double* coordinate[3] = { &p.Point.X, &p.Point.Y, &p.Point.Z };
        *coordinate[of] = 0;
    }
    out.push_back(p);
}

void TCurveInspection::findBreaks(
    int c, const std::vector<long double>& at, std::vector<TPointOfInterest>& out)
{
    for (TProgram& p : FCoordinates[c].Breaks) {
        const auto run = [this, &p](long double v, long double& r) {
            *FVariable = v;
            return p.TryRunBound(r);
        };
        long double previous = 0;
        bool previousOk = false;
        for (std::size_t i = 0; i < at.size(); ++i) {
            long double current = 0;
            const bool ok = run(at[i], current);
            if (ok && previousOk && current != previous) {
                const long double left = previous;
                const long double where = lastWhere(
                    [&run, left](long double v) {
                        long double r = 0;
                        return run(v, r) && r == left;
                    },
                    at[i - 1], at[i]);
                add(out, ikBreak, c, where);
            }
            previous = current;
            previousOk = ok;
        }
    }
}

namespace {
template <typename G> TSampled sampled(G&& g, const std::vector<long double>& at)
{
    TSampled s { std::vector<long double>(at.size()), std::vector<char>(at.size()) };
    for (std::size_t i = 0; i < at.size(); ++i)
        s.Ok[i] = g(at[i], s.Value[i]) && std::isfinite(s.Value[i]);
    return s;
}

// Zeros of g between the samples: isolated exact zeros at a sample, and sign
// changes between two neighbouring samples closed on g; found(at, zero) is told
// each, zero false where g jumps or fails instead.
template <typename G, typename F>
void zerosOf(G&& g, const std::vector<long double>& at, const TSampled& s, F&& found)
{
    const std::size_t n = at.size();
    const auto isZero = [&s](std::size_t i) { return s.Ok[i] && s.Value[i] == 0; };
    for (std::size_t i = 0; i < n; ++i)
        if (isZero(i) && !(i > 0 && isZero(i - 1)) && !(i + 1 < n && isZero(i + 1)))
            found(at[i], true, i, i);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!s.Ok[i] || !s.Ok[i + 1] || s.Value[i] == 0 || s.Value[i + 1] == 0
            || std::signbit(s.Value[i]) == std::signbit(s.Value[i + 1]))
            continue;
        long double where = 0;
        const TRefined r = refineZero(g, at[i], at[i + 1], s.Value[i], s.Value[i + 1], where);
        found(where, r == rfZero, i, i + 1);
    }
}
}

std::vector<TPointOfInterest> TCurveInspection::Points(long double from, long double to)
{
    std::vector<TPointOfInterest> out;
    const std::vector<long double> at = samples(from, to);
    for (int c = 0; c < 3; ++c) {
        if (!FCoordinates[c].Sought)
            continue;
        findBreaks(c, at, out);
        const auto g = [this, c](long double v, long double& r) { return value(c, v, r); };
        const auto dg = [this, c](long double v, long double& r) { return slope(c, v, r); };
        // A turn of the derivative's sign (where the formula itself can be
        // computed); at a break of the formula it is that break.
        const auto dgWhereG = [&](long double v, long double& r) {
            long double y = 0;
            return value(c, v, y) && slope(c, v, r);
        };
        const TSampled slopes = sampled(dgWhereG, at);
        std::vector<long double> turns;
        zerosOf(dg, at, slopes, [&](long double where, bool zero, std::size_t i, std::size_t j) {
            std::size_t before = i;
            std::size_t after = j;
            if (i == j) { // an exact 0 of the derivative at a sample: the turn is around it
                if (i == 0 || i + 1 >= at.size())
                    return;
                before = i - 1;
                after = i + 1;
            }
            if (!slopes.Ok[before] || !slopes.Ok[after] || slopes.Value[before] == 0
                || slopes.Value[after] == 0
                || std::signbit(slopes.Value[before]) == std::signbit(slopes.Value[after]))
                return;
            if (breaksBetween(c, at[before], at[after]))
                return;
            if (!zero) {
                add(out, ikBreak, c, where);
                return;
            }
            long double y = 0;
            if (!value(c, where, y))
                return;
            add(out, std::signbit(slopes.Value[before]) ? ikMinimum : ikMaximum, c, where);
            turns.push_back(where);
            if (y == 0)
                add(out, ikZero, c, where);
        });
        // Zeros, sought also between a sample and a turn beside it: the formula may
        // cross 0 twice between two samples.
        std::vector<long double> withTurns = at;
        withTurns.insert(withTurns.end(), turns.begin(), turns.end());
        std::sort(withTurns.begin(), withTurns.end());
        withTurns.erase(std::unique(withTurns.begin(), withTurns.end()), withTurns.end());
        zerosOf(g, withTurns, sampled(g, withTurns),
            [&](long double where, bool zero, std::size_t, std::size_t) {
                add(out, zero ? ikZero : ikBreak, c, where);
            });
    }
    std::stable_sort(out.begin(), out.end(),
        [](const TPointOfInterest& a, const TPointOfInterest& b) { return a.At < b.At; });
    // One row for a point found twice; one break for a break of several coordinates.
    std::vector<TPointOfInterest> unique;
    for (const TPointOfInterest& p : out) {
        const bool seen = std::any_of(
            unique.begin(), unique.end(), [&p](const TPointOfInterest& q) {
                return q.Kind == p.Kind && (q.Of == p.Of || p.Kind == ikBreak) && near(q.At, p.At);
            });
        if (!seen)
            unique.push_back(p);
    }
    return unique;
}

std::vector<TPointOfInterest> TCurveInspection::Intersections(
    TCurveInspection& other, int number, long double from, long double to)
{
    std::vector<TPointOfInterest> out;
    if (!IsPlane() || other.CurveType() != FCurveType)
        return out;
    const int c = FCurveType == ctXYPlane ? 1 : 2;
    const auto g = [this, &other, c](long double v, long double& r) {
        long double a = 0;
        long double b = 0;
        if (!value(c, v, a) || !other.value(c, v, b))
            return false;
        r = a - b;
        return true;
    };
    const std::vector<long double> at = samples(from, to);
    zerosOf(g, at, sampled(g, at), [&](long double where, bool zero, std::size_t, std::size_t) {
        if (zero)
            add(out, ikIntersection, number, where);
    });
    std::stable_sort(out.begin(), out.end(),
        [](const TPointOfInterest& a, const TPointOfInterest& b) { return a.At < b.At; });
    return out;
}

namespace {
// The pieces of [samples] over which ok holds, their ends closed on ok, cut at
// the given points.
template <typename P>
std::vector<std::pair<long double, long double>> piecesWhere(
    P&& ok, const std::vector<long double>& at, std::vector<long double> cuts)
{
    std::vector<std::pair<long double, long double>> pieces;
    const std::size_t n = at.size();
    std::vector<char> good(n);
    for (std::size_t i = 0; i < n; ++i)
        good[i] = ok(at[i]);
    for (std::size_t i = 0; i < n;) {
        if (!good[i]) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j + 1 < n && good[j + 1])
            ++j;
        long double lo = at[i];
        long double hi = at[j];
        if (i > 0) // the first value from the failing sample on at which ok holds
            lo = -lastWhere([&ok](long double v) { return ok(-v); }, -at[i], -at[i - 1]);
        if (j + 1 < n)
            hi = lastWhere(ok, at[j], at[j + 1]);
        if (hi > lo)
            pieces.emplace_back(lo, hi);
        i = j + 1;
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<std::pair<long double, long double>> cut;
    for (auto [lo, hi] : pieces) {
        for (long double c : cuts)
            if (c > lo && c < hi) {
                cut.emplace_back(lo, c);
                lo = c;
            }
        cut.emplace_back(lo, hi);
    }
    return cut;
}

// The integral of f over the samples' range, in pieces where f can be computed,
// cut at the breaks.
TMeasure integrateBetweenBreaks(const TIntegrand& f, const std::vector<long double>& at,
    const std::vector<TPointOfInterest>& breaks)
{
    std::vector<long double> cuts;
    for (const TPointOfInterest& b : breaks)
        cuts.push_back(b.At);
    const auto ok = [&f](long double v) {
        long double r = 0;
        return f(v, r);
    };
    const TIntegral i = Integrate(f, piecesWhere(ok, at, cuts));
    return { i.Value, i.Error, i.Converged };
}
}

TMeasure TCurveInspection::Length(long double from, long double to)
{
    const auto speed = [this](long double v, long double& r) {
        long double sum = 0;
        for (int c = 0; c < 3; ++c) {
            if (!FCoordinates[c].Present)
                continue;
            long double d = 0;
            long double x = 0;
            if (!value(c, v, x) || !slope(c, v, d))
                return false;
            sum += d * d;
        }
        r = std::sqrt(sum);
        return std::isfinite(r);
    };
    const std::vector<long double> at = samples(from, to);
    std::vector<TPointOfInterest> breaks;
    for (int c = 0; c < 3; ++c)
        if (FCoordinates[c].Present)
            findBreaks(c, at, breaks);
    return integrateBetweenBreaks(speed, at, breaks);
}

TMeasure TCurveInspection::Area(long double from, long double to)
{
    if (!IsPlane())
        return { NaN, NaN, false };
    // The plane's horizontal and vertical coordinates: x and y, x and z, y and z.
    const int u = FCurveType == ctYZPlane ? 1 : 0;
    const int w = FCurveType == ctXYPlane ? 1 : 2;
    const auto height = [this, u, w](long double v, long double& r) {
        long double h = 0;
        long double du = 0;
        if (!value(w, v, h) || !slope(u, v, du))
            return false;
        r = h * du;
        return std::isfinite(r);
    };
    const std::vector<long double> at = samples(from, to);
    std::vector<TPointOfInterest> breaks;
    findBreaks(w, at, breaks);
    return integrateBetweenBreaks(height, at, breaks);
}

std::vector<TPointOfInterest> CurveInterestPoints(const TObjectList& curves, int index)
{
    const TCurveRecord curve = curves.Items(index);
    TCurveInspection inspection(curve, curves.Variables());
    const long double from = inspection.Start();
    const long double to = inspection.End();
    std::vector<TPointOfInterest> points = inspection.Points(from, to);
    if (inspection.IsPlane())
        for (int i = 0; i < curves.Count(); ++i) {
            const TCurveRecord other = curves.Items(i);
            if (i == index || other.CurveType != curve.CurveType)
                continue;
            TCurveInspection o(other, curves.Variables());
            const std::vector<TPointOfInterest> meet = inspection.Intersections(o, i + 1, from, to);
            points.insert(points.end(), meet.begin(), meet.end());
        }
    std::stable_sort(points.begin(), points.end(),
        [](const TPointOfInterest& a, const TPointOfInterest& b) { return a.At < b.At; });
    return points;
}
