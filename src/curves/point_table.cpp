#include "curves/point_table.h"

#include "base/number_text.h"

#include <algorithm>
#include <charconv>

namespace {
void appendNumber(std::string& out, long double value, bool point)
{
    const std::size_t start = out.size();
    out += FloatToText(value);
    if (point && DecimalSeparator() != '.')
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
            DecimalSeparator(), '.');
}
}

std::string PointTableParameterLine(
    const TParameters& parameters, const std::vector<std::string>& names, TPointTableFormat format)
{
    if (names.empty())
        return {};
    const bool csv = format == TPointTableFormat::Csv;
    std::string line = "# ";
    for (const std::string& name : names) {
        if (line.size() > 2)
            line += "; ";
        line += name + " = ";
        appendNumber(line, parameters.ValueOf(name), csv);
    }
    return line + (csv ? "\r\n" : "\n");
}

std::string PointTableHeader(TPointTableFormat format)
{
    return format == TPointTableFormat::Csv ? "n,x,y,z\r\n" : "n\tx\ty\tz\n";
}

void AppendPointTableRows(std::string& out, std::span<const TSpacePoint> points,
    std::size_t firstNumber, TPointTableFormat format)
{
    const bool csv = format == TPointTableFormat::Csv;
    const char separator = csv ? ',' : '\t';
    const char* lineEnd = csv ? "\r\n" : "\n";
    std::size_t number = firstNumber;
    for (const TSpacePoint& p : points) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number++).ptr;
        out.append(digits, end);
        out += separator;
        appendNumber(out, p.X, csv);
        out += separator;
        appendNumber(out, p.Y, csv);
        out += separator;
        appendNumber(out, p.Z, csv);
        out += lineEnd;
    }
}

std::string PointTableText(std::span<const TSpacePoint> points, TPointTableFormat format)
{
    std::string out;
    out.reserve(16 + points.size() * 64);
    out += PointTableHeader(format);
    AppendPointTableRows(out, points, 1, format);
    return out;
}

std::string PointTableText(const TGoruntuMatrisi& points, TPointTableFormat format)
{
    return PointTableText(
        std::span<const TSpacePoint>(points.SpacePointData(), static_cast<std::size_t>(points.Count())),
        format);
}
