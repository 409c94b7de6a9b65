#pragma once

#include "curves/object_list.h"
#include "geometry/goruntu_matrisi.h"

#include <cstring>

#include <string>
#include <utility>

// Runs call and returns the message of the EObjectListError it raises.
template <typename F> std::string ObjectListMessage(F&& call)
{
    try {
        call();
    } catch (const EObjectListError& e) {
        return e.Message();
    }
    return "no error";
}

// The nine values of Append and Edit with the explorer's defaults.
struct TCurveValues {
    int Type = ctXYPlane;
    std::string Fx, Fy, Fz;
    TColor Color = 255;
    std::uint8_t Style = csLine;
    std::int32_t Thickness = 1;
    long double Step = 1;
    bool Visible = true;
};

// A curve of the given type, formulas and step, the rest as the explorer starts.
inline TCurveValues Curve(
    int type, std::string fx, std::string fy, std::string fz, long double step = 1)
{
    TCurveValues v;
    v.Type = type;
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Step = step;
    return v;
}

inline int Append(TObjectList& list, const TCurveValues& v)
{
    return list.Append(v.Type, v.Fx, v.Fy, v.Fz, v.Color, v.Style, v.Thickness, v.Step, v.Visible);
}

inline void Edit(TObjectList& list, int index, const TCurveValues& v)
{
    list.Edit(index, v.Type, v.Fx, v.Fy, v.Fz, v.Color, v.Style, v.Thickness, v.Step, v.Visible);
}

// How many coordinates of two lists of equal length differ in any of their 80 bits.
inline int differingBits(const TGoruntuMatrisi& a, const TGoruntuMatrisi& b)
{
    int differing = 0;
    for (int i = 0; i < a.Count(); ++i) {
        const TSpacePoint &p = a.SpacePoints(i), &q = b.SpacePoints(i);
        for (const auto coordinate : { &TSpacePoint::X, &TSpacePoint::Y, &TSpacePoint::Z })
            differing += std::memcmp(&(p.*coordinate), &(q.*coordinate), 10) != 0;
    }
    return differing;
}
