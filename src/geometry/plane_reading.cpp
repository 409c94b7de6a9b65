#include "geometry/plane_reading.h"

#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr char AxisNames[3] = { 'x', 'y', 'z' };

// Decimals that tell apart two values one pixel of units apart.
int decimalsFor(long double units)
{
    if (!(units > 0) || !std::isfinite(units))
        return 2;
    // A pixel of exactly a power of ten needs that many decimals, not one more.
    const long double needed = std::ceil(-std::log10(units) - 1e-9L);
    return static_cast<int>(std::clamp<long double>(needed, 2, 18));
}

std::string fixedText(long double value, int decimals)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(value));
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', DecimalSeparator());
    const bool zero = std::all_of(
        text.begin(), text.end(), [](char c) { return c == '0' || c == DecimalSeparator(); });
    return (value < 0 && !zero ? "\u2212" : "") + text;
}
}

bool ReadPlane(const TTransformMatrix& m, int x0, int y0, int px, int py, TPlaneReading& reading)
{
    const auto& e = m.M();
    // A parallel projection only: no divisor term from the coordinates.
    if (e[0][3] != 0 || e[1][3] != 0 || e[2][3] != 0 || !(e[3][3] > 0))
        return false;
    long double largest = 0;
    for (int row = 0; row < 3; ++row)
        largest = std::max({ largest, std::fabs(e[row][0]), std::fabs(e[row][1]) });
    if (!(largest > 0))
        return false;
    // An element this small against the largest is a sine or cosine of a right angle.
    const auto zero = [&](long double v) { return std::fabs(v) <= largest * 1e-12L; };
    int across = -1;
    int up = -1;
    for (int row = 0; row < 3; ++row) {
        const bool x = !zero(e[row][0]);
        const bool y = !zero(e[row][1]);
        if (x && y)
            return false;
        if (x) {
            if (across >= 0)
                return false;
            across = row;
        } else if (y) {
            if (up >= 0)
                return false;
            up = row;
        }
    }
    if (across < 0 || up < 0)
        return false;
    const long double w = e[3][3];
    reading.Horizontal = AxisNames[across];
    reading.Vertical = AxisNames[up];
    reading.HorizontalValue = ((px - x0) * w - e[3][0]) / e[across][0];
    reading.VerticalValue = ((y0 - py) * w - e[3][1]) / e[up][1];
    reading.Decimals = decimalsFor(std::min(w / std::fabs(e[across][0]), w / std::fabs(e[up][1])));
    return true;
}

std::string PlaneReadingText(const TPlaneReading& r)
{
    return std::string(1, r.Horizontal) + " = " + fixedText(r.HorizontalValue, r.Decimals) + "  "
        + r.Vertical + " = " + fixedText(r.VerticalValue, r.Decimals);
}
