#include "cli/curve_option.h"

#include "base/message.h"
#include "base/number_text.h"
#include "cli/command_error.h"
#include "cli/command_text.h"
#include "curves/curve_record.h"
#include "engine/formula_separator.h"
#include "files/named_colors.h"
#include "files/scene_view.h"

#include <QString>

#include <array>
#include <set>

namespace {
constexpr int MinThickness = 1;
constexpr int MaxThickness = 20;

[[noreturn]] void refuse(int number, std::string_view key, const std::string& message)
{
    throw ECommandError(ecRefused, CurvePrefix(number, key) + message);
}

bool readInt(std::string_view text, int low, int high, int& value)
{
    long long v = 0;
    if (!TryTextToInt(text, v) || v < low || v > high)
        return false;
    value = static_cast<int>(v);
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
}

std::string CurvePrefix(int number, std::string_view key)
{
    return "curve " + std::to_string(number) + (key.empty() ? "" : " " + std::string(key)) + ": ";
}

bool ReadNumber(std::string_view text, long double& value)
{
    std::string t(text);
    for (char& c : t)
        if (c == '.' || c == ',')
            c = DecimalSeparator();
    return TryTextToFloat(t, value);
}

std::optional<TColor> ParseColor(std::string_view text)
{
    if (text.size() == 7 && text[0] == '#') {
        int rgb[3];
        for (int i = 0; i < 3; ++i) {
            const int high = hexDigit(text[1 + 2 * i]);
            const int low = hexDigit(text[2 + 2 * i]);
            if (high < 0 || low < 0)
                return std::nullopt;
            rgb[i] = high * 16 + low;
        }
        return static_cast<TColor>(rgb[0] | rgb[1] << 8 | rgb[2] << 16);
    }
    const QString name = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const TNamedColor& c : NamedColors)
        if (name.compare(QString::fromUtf8(c.Name), Qt::CaseInsensitive) == 0)
            return c.Color;
    return std::nullopt;
}

TEditorValues ParseCurveOption(std::string_view text, int number)
{
    TEditorValues v = NewCurveValues(ctXYPlane);
    std::set<std::string> given;
    std::array<std::optional<std::string>, 3> formulas; // fx, fy, fz
    std::optional<std::string_view> stepText, thicknessText;

    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view item = text.substr(start, end - start);
        start = end + 1;
        if (item.empty())
            continue;
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            throw ECommandError(ecUsage,
                CurvePrefix(number)
                    + FormatText(
                        Said(TCommandText::tr("\"%s\" bir anahtar=değer öğesi değil")), item));
        const std::string key(item.substr(0, eq));
        const std::string_view value = item.substr(eq + 1);
        if (!given.insert(key).second)
            throw ECommandError(ecUsage,
                CurvePrefix(number, key) + Said(TCommandText::tr("bu anahtar iki kez verilmiş")));
        if (key == "type") {
            if (!readInt(value, 0, CurveTypeCount - 1, v.CurveType))
                refuse(number, key,
                    FormatText(FormatText(Said(TCommandText::tr(
                                              "eğri türü 0 ile %d arasında bir tam sayıdır: %s")),
                                   CurveTypeCount - 1),
                        value));
        } else if (key == "fx" || key == "fy" || key == "fz") {
            formulas[key[1] - 'x'] = WithCurrentDecimalSeparator(value);
        } else if (key == "step") {
            stepText = value;
        } else if (key == "color") {
            const std::optional<TColor> color = ParseColor(value);
            if (!color)
                refuse(number, key,
                    FormatText(Said(TCommandText::tr(
                                   "renk, renk listesindeki bir ad ya da #rrggbb olmalıdır: %s")),
                        value));
            v.Color = *color;
        } else if (key == "style") {
            if (value == "line")
                v.Style = csLine;
            else if (value == "points")
                v.Style = csPoints;
            else if (value == "surface")
                v.Style = csSurface;
            else if (value == "shaded")
                v.Style = csShaded;
            else
                refuse(number, key,
                    FormatText(
                        Said(TCommandText::tr(
                            "çizim şekli line, points, surface ya da shaded olmalıdır: %s")),
                        value));
        } else if (key == "thickness") {
            thicknessText = value;
        } else if (key == "visible") {
            if (value != "0" && value != "1")
                refuse(number, key,
                    FormatText(
                        Said(TCommandText::tr("görünürlük 0 ya da 1 olmalıdır: %s")), value));
            v.Visible = value == "1";
        } else {
            throw ECommandError(ecUsage,
                CurvePrefix(number, key)
                    + Said(TCommandText::tr(
                        "bilinmeyen anahtar (type, fx, fy, fz, step, color, style, thickness, "
                        "visible)")));
        }
    }

    v.Thickness = NewCurveValues(v.CurveType).Thickness;
    if (thicknessText && !readInt(*thicknessText, MinThickness, MaxThickness, v.Thickness))
        refuse(number, "thickness",
            FormatText(
                Said(TCommandText::tr("çizgi kalınlığı 1 ile 20 arasında bir tam sayıdır: %s")),
                *thicknessText));
    if (stepText && !ReadNumber(*stepText, v.Step))
        refuse(number, "step", FormatText("'%s' is not a valid floating point value", *stepText));

    const bool used[3] = { UsesFx(v.CurveType), UsesFy(v.CurveType), UsesFz(v.CurveType) };
    const char* names[3] = { "fx", "fy", "fz" };
    std::string* texts[3] = { &v.Fx, &v.Fy, &v.Fz };
    for (int i = 0; i < 3; ++i) {
        if (!used[i])
            continue;
        if (!formulas[i])
            throw ECommandError(ecUsage,
                CurvePrefix(number, names[i])
                    + Said(TCommandText::tr("bu eğri türünün formülü verilmemiş")));
        *texts[i] = *formulas[i];
    }
    return v;
}
