#include "files/scene_file.h"

#include "base/number_text.h"
#include "base/text.h"
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "engine/formula_separator.h"
#include "engine/variable_memory.h"
#include "files/safe_file.h"
#include "files/scene_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
constexpr const char* FormatName = "velmo-scene";
constexpr int FormatVersion = 1;
constexpr const char* PlaneKeys[3] = { "xy", "xz", "yz" };

// The ranges a file's numbers must lie in; the writer brings a window's values
// into them (only a hand-edited settings file gives a window values outside).
constexpr int MaxWindowSize = 20000;
constexpr double MaxAngle = 1e9;
constexpr double MinZoomPercent = 1e-3;
constexpr double MaxZoomPercent = 1e6;
constexpr int MaxOrigin = 1000000;
constexpr int MaxInterval = 5000;
constexpr int MaxPlaneThickness = 20;
constexpr int MinCurveThickness = 1;
constexpr int MaxCurveThickness = 20;
constexpr double MaxParameter = 1e300;

// ---- Numbers and texts --------------------------------------------------------------

// A JSON number read in extended precision: the shortest decimal that gives the
// double back, so a step written as 0.1 is 0.1 in extended precision again.
long double extended(double value)
{
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string text(digits, end);
    std::replace(text.begin(), text.end(), '.', DecimalSeparator());
    long double result = value;
    return TryTextToFloat(text, result) ? result : static_cast<long double>(value);
}

QString colourText(TColor color)
{
    return QString::asprintf("#%02x%02x%02x", ColorRed(color), ColorGreen(color), ColorBlue(color));
}

bool readColour(const QString& text, TColor& color)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    for (QChar c : text.mid(1))
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 127)
            return false;
    if (!ok)
        return false;
    color = ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
    return true;
}

QString numberText(double value)
{
    return QString::fromStdString(FloatToText(static_cast<long double>(value)));
}

// ---- Reading -----------------------------------------------------------------------

// Reads typed values out of one JSON object; every fault names the file, the
// curve (when curve > 0) and the key, and raises ESceneFileError.
class TFields {
public:
    TFields(const QString& file, int curve, QJsonObject object, QString path = {})
        : FFile(file)
        , FCurve(curve)
        , FObject(std::move(object))
        , FPath(std::move(path))
    {
    }

    [[noreturn]] void Fail(const QString& reason) const
    {
        const QString message = FCurve > 0
            ? QCoreApplication::translate(
                "TSceneFile", "\"%1\" dosyasının %2. eğrisi açılamadı: %3")
                  .arg(FFile)
                  .arg(FCurve)
                  .arg(reason)
            : QCoreApplication::translate("TSceneFile", "\"%1\" açılamadı: %2").arg(FFile, reason);
        throw ESceneFileError(message.toStdString());
    }

    QString Name(const char* key) const { return "\"" + FPath + key + "\""; }
    bool Has(const char* key) const { return FObject.contains(key); }
    QJsonValue Value(const char* key) const { return FObject.value(key); }

    TFields Object(const char* key) const
    {
        const QJsonValue v = FObject.value(key);
        if (v.isUndefined())
            return TFields(FFile, FCurve, {}, FPath + key + ".");
        if (!v.isObject())
            Fail(QCoreApplication::translate("TSceneFile", "%1 bir nesne olmalı.").arg(Name(key)));
        return TFields(FFile, FCurve, v.toObject(), FPath + key + ".");
    }

    double Number(const char* key, double fallback, double low, double high) const
    {
        const QJsonValue v = FObject.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isDouble())
            Fail(QCoreApplication::translate("TSceneFile", "%1 bir sayı olmalı.").arg(Name(key)));
        const double d = v.toDouble();
        if (!(d >= low && d <= high))
            Fail(QCoreApplication::translate(
                "TSceneFile", "%1 değeri %2 ile %3 arasında olmalı; dosyada %4.")
                     .arg(Name(key), numberText(low), numberText(high), numberText(d)));
        return d;
    }

    long double Extended(const char* key, long double fallback, double low, double high) const
    {
        if (!Has(key))
            return fallback;
        return extended(Number(key, 0, low, high));
    }

    int Integer(const char* key, int fallback, int low, int high) const
    {
        if (!Has(key))
            return fallback;
        const double d = Number(key, 0, low, high);
        if (d != std::floor(d))
            Fail(QCoreApplication::translate("TSceneFile", "%1 bir tam sayı olmalı; dosyada %2.")
                     .arg(Name(key), numberText(d)));
        return static_cast<int>(d);
    }

    bool Boolean(const char* key, bool fallback) const
    {
        const QJsonValue v = FObject.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isBool())
            Fail(QCoreApplication::translate("TSceneFile", "%1 true ya da false olmalı.")
                     .arg(Name(key)));
        return v.toBool();
    }

    std::string Text(const char* key, const std::string& fallback) const
    {
        const QJsonValue v = FObject.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isString())
            Fail(QCoreApplication::translate("TSceneFile", "%1 bir metin olmalı.").arg(Name(key)));
        return v.toString().toStdString();
    }

    TColor Colour(const char* key, TColor fallback) const
    {
        const QJsonValue v = FObject.value(key);
        if (v.isUndefined())
            return fallback;
        TColor color = 0;
        if (!v.isString() || !readColour(v.toString(), color))
            Fail(QCoreApplication::translate(
                "TSceneFile", "%1 \"#rrggbb\" biçiminde bir renk olmalı.")
                     .arg(Name(key)));
        return color;
    }

private:
    QString FFile;
    int FCurve;
    QJsonObject FObject;
    QString FPath;
};

void readLook(const TFields& view, TGraphSettings& look)
{
    look.Perspective = view.Boolean("perspective", look.Perspective);
    look.Background = view.Colour("background", look.Background);
    look.AnimInterval = view.Integer("animationInterval", look.AnimInterval, 0, MaxInterval);
    look.SmoothLines = view.Boolean("smoothLines", look.SmoothLines);
    look.Legend = view.Boolean("legend", look.Legend);
    look.AxisNumbers = view.Boolean("axisNumbers", look.AxisNumbers);
    const TFields axes = view.Object("littleAxes");
    look.LAxisesVisible = axes.Boolean("visible", look.LAxisesVisible);
    look.LAxisesColor = axes.Colour("color", look.LAxisesColor);
    const TFields planes = view.Object("planes");
    for (int i = 0; i < 3; ++i) {
        const TFields plane = planes.Object(PlaneKeys[i]);
        TGraphSettings::TPlaneLook& p = look.Planes[static_cast<std::size_t>(i)];
        p.Visible = plane.Boolean("visible", p.Visible);
        p.Color = plane.Colour("color", p.Color);
        p.Thickness = plane.Integer("thickness", p.Thickness, 0, MaxPlaneThickness);
    }
}

void checkFormula(const TFields& curve, const char* key, const std::string& text)
{
    TVariableMemory memory;
    TFonksiyon formula;
    formula.SetMemory(&memory);
    try {
        formula.SetText(text);
    } catch (const Exception& e) {
        curve.Fail(QCoreApplication::translate("TSceneFile", "\"%1\" formülü hatalı: %2")
                       .arg(key, QString::fromStdString(e.Message())));
    }
}

// The parameters' settings: a name each, the other keys as a new parameter has them when
// left out.
std::vector<TParameter> readParameters(const TFields& top, const TFields& none, const QString& file)
{
    const QJsonValue value = top.Value("parameters");
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        none.Fail(QCoreApplication::translate("TSceneFile", "\"parameters\" bir dizi olmalı."));
    std::vector<TParameter> result;
    const QJsonArray list = value.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = QString("parameters[%1].").arg(i);
        if (!list[i].isObject())
            none.Fail(QCoreApplication::translate("TSceneFile", "\"%1\" bir nesne olmalı.")
                          .arg(path.chopped(1)));
        const TFields f(file, 0, list[i].toObject(), path);
        TParameter p;
        if (!f.Has("name"))
            f.Fail(QCoreApplication::translate("TSceneFile", "%1 verilmeli.").arg(f.Name("name")));
        p.Name = f.Text("name", "");
        for (const TParameter& earlier : result)
            if (CompareTextNoCase(earlier.Name, p.Name) == 0)
                f.Fail(QCoreApplication::translate("TSceneFile", "%1 \"%2\" ikinci kez verilmiş.")
                           .arg(f.Name("name"), QString::fromStdString(p.Name)));
        p.Value = f.Extended("value", p.Value, -MaxParameter, MaxParameter);
        p.Min = f.Extended("min", p.Min, -MaxParameter, MaxParameter);
        p.Max = f.Extended("max", p.Max, -MaxParameter, MaxParameter);
        if (!(p.Min < p.Max))
            f.Fail(
                QCoreApplication::translate(
                    "TSceneFile", "%1, %2 değerinden küçük olmalı; dosyada %3 ve %4.")
                    .arg(f.Name("min"), f.Name("max"), QString::fromStdString(FloatToText(p.Min)),
                        QString::fromStdString(FloatToText(p.Max))));
        p.Step = f.Extended("step", p.Step, 0, MaxParameter);
        if (!(p.Step > 0))
            f.Fail(QCoreApplication::translate("TSceneFile", "%1 0'dan büyük olmalı.")
                       .arg(f.Name("step")));
        result.push_back(std::move(p));
    }
    return result;
}

bool sameCurve(const TEditorValues& a, const TEditorValues& b)
{
    return a.CurveType == b.CurveType && (!UsesFx(a.CurveType) || a.Fx == b.Fx)
        && (!UsesFy(a.CurveType) || a.Fy == b.Fy) && (!UsesFz(a.CurveType) || a.Fz == b.Fz);
}

TEditorValues readCurve(const TFields& c)
{
    TEditorValues v = NewCurveValues(c.Integer("type", ctXYPlane, 0, CurveTypeCount - 1));
    v.Fx = WithCurrentDecimalSeparator(c.Text("fx", ""));
    v.Fy = WithCurrentDecimalSeparator(c.Text("fy", ""));
    v.Fz = WithCurrentDecimalSeparator(c.Text("fz", ""));
    v.Color = c.Colour("color", v.Color);
    v.Style = c.Integer("style", v.Style, csLine, csShaded);
    v.Thickness = c.Integer("thickness", v.Thickness, MinCurveThickness, MaxCurveThickness);
    if (c.Has("step")) {
        if (!c.Value("step").isDouble())
            c.Fail(QCoreApplication::translate("TSceneFile", "%1 bir sayı olmalı.")
                       .arg(c.Name("step")));
        v.Step = extended(c.Value("step").toDouble());
    }
    v.Visible = c.Boolean("visible", v.Visible);
    try {
        TObjectList::CheckStep(v.CurveType, v.Step);
    } catch (const Exception& e) {
        c.Fail(QString::fromStdString(e.Message()));
    }
    if (UsesFx(v.CurveType))
        checkFormula(c, "fx", v.Fx);
    if (UsesFy(v.CurveType))
        checkFormula(c, "fy", v.Fy);
    if (UsesFz(v.CurveType))
        checkFormula(c, "fz", v.Fz);
    return v;
}
}

TSceneRead ReadScene(const QByteArray& bytes, const QString& fileName, const TScene& defaults)
{
    const QString file = QFileInfo(fileName).fileName();
    const TFields none(file, 0, {});
    QJsonParseError parse {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        none.Fail(QCoreApplication::translate(
            "TSceneFile", "dosya JSON biçiminde değil (%1. baytta bozuk).")
                      .arg(parse.offset + 1));
    if (!document.isObject() || document.object().value("format").toString() != FormatName)
        none.Fail(QCoreApplication::translate(
            "TSceneFile", "bu bir Velmo sahne dosyası değil (\"format\" \"velmo-scene\" olmalı)."));
    const TFields top(file, 0, document.object());
    const QJsonValue version = top.Value("version");
    if (!version.isDouble() || version.toDouble() < 1
        || version.toDouble() != std::floor(version.toDouble()))
        none.Fail(QCoreApplication::translate(
            "TSceneFile", "\"version\" 1 ya da daha büyük bir tam sayı olmalı."));
    if (version.toDouble() > FormatVersion)
        none.Fail(QCoreApplication::translate("TSceneFile",
            "dosya Velmo'nun daha yeni bir sürümüyle yazılmış (sürüm %1); bu sürüm "
            "yalnızca sürüm %2 sahne dosyalarını açabilir.")
                      .arg(numberText(version.toDouble()))
                      .arg(FormatVersion));

    TSceneRead result;
    TScene& s = result.Scene;
    s = defaults;
    s.Curves.clear();
    const TFields window = top.Object("window");
    s.Width = window.Integer("width", defaults.Width, 1, MaxWindowSize);
    s.Height = window.Integer("height", defaults.Height, 1, MaxWindowSize);
    const TFields view = top.Object("view");
    s.XAxisAngle = view.Extended("xAxisAngle", defaults.XAxisAngle, -MaxAngle, MaxAngle);
    s.YAxisAngle = view.Extended("yAxisAngle", defaults.YAxisAngle, -MaxAngle, MaxAngle);
    s.ZoomPercent
        = view.Extended("zoomPercent", defaults.ZoomPercent, MinZoomPercent, MaxZoomPercent);
    s.FourView = view.Boolean("fourView", defaults.FourView);
    // Without a stored origin the scene stands in the middle of its view.
    const int viewWidth = s.FourView ? s.Width / 2 : s.Width;
    const int viewHeight = s.FourView ? s.Height / 2 : s.Height;
    s.X0 = view.Integer("x0", viewWidth / 2, -MaxOrigin, MaxOrigin);
    s.Y0 = view.Integer("y0", viewHeight / 2, -MaxOrigin, MaxOrigin);
    readLook(view, s.Look);
    s.Parameters = readParameters(top, none, file);

    const QJsonValue curves = top.Value("curves");
    if (!curves.isUndefined() && !curves.isArray())
        none.Fail(QCoreApplication::translate("TSceneFile", "\"curves\" bir dizi olmalı."));
    const QJsonArray list = curves.toArray();
    const int current = top.Integer(
        "currentCurve", list.isEmpty() ? -1 : 0, -1, static_cast<int>(list.size()) - 1);
    std::vector<int> numbers; // the file's number of each good curve
    for (qsizetype i = 0; i < list.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        try {
            if (!list[i].isObject())
                TFields(file, number, {})
                    .Fail(QCoreApplication::translate("TSceneFile", "eğri bir nesne olmalı."));
            const TFields c(file, number, list[i].toObject());
            const TEditorValues v = readCurve(c);
            for (std::size_t k = 0; k < s.Curves.size(); ++k)
                if (sameCurve(s.Curves[k], v))
                    c.Fail(QCoreApplication::translate(
                        "TSceneFile", "dosyanın %1. eğrisiyle aynı eğri.")
                               .arg(numbers[k]));
            s.Curves.push_back(v);
            numbers.push_back(number);
        } catch (const ESceneFileError& e) {
            result.BadCurves.push_back({ number, e.Message() });
        }
    }
    // The current curve follows the good ones; when it was left out, the first is current.
    s.CurrentCurve = -1;
    if (current >= 0)
        for (std::size_t k = 0; k < numbers.size(); ++k)
            if (numbers[k] == current + 1)
                s.CurrentCurve = static_cast<int>(k);
    if (s.CurrentCurve < 0 && current >= 0 && !s.Curves.empty())
        s.CurrentCurve = 0;
    return result;
}

TSceneRead ReadSceneFile(const QString& fileName, const TScene& defaults)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw ESceneFileError(
            QCoreApplication::translate("TSceneFile", "\"%1\" açılamadı: dosya okunamadı.")
                .arg(QFileInfo(fileName).fileName())
                .toStdString());
    // No scene comes near this size; a device or a huge file is refused at once
    // rather than read into memory.
    const QByteArray bytes = f.read(MaxSceneFileSize + 1);
    if (bytes.size() > MaxSceneFileSize)
        throw ESceneFileError(
            QCoreApplication::translate("TSceneFile", "\"%1\" açılamadı: dosya 64 MB'tan büyük.")
                .arg(QFileInfo(fileName).fileName())
                .toStdString());
    return ReadScene(bytes, fileName, defaults);
}

// ---- Writing --------------------------------------------------------------------------

QByteArray SceneJson(const TScene& s)
{
    const auto colour = [](TColor c) { return QJsonValue(colourText(c)); };
    const auto clampTo = [](auto value, auto low, auto high) {
        return std::clamp<decltype(value)>(value, low, high);
    };
    const auto real = [](long double value, double low, double high) {
        const double d = static_cast<double>(value);
        return std::isfinite(d) ? std::clamp(d, low, high) : low;
    };
    QJsonObject planes;
    for (int i = 0; i < 3; ++i) {
        const TGraphSettings::TPlaneLook& p = s.Look.Planes[static_cast<std::size_t>(i)];
        planes.insert(PlaneKeys[i],
            QJsonObject { { "visible", p.Visible }, { "color", colour(p.Color) },
                { "thickness", clampTo(p.Thickness, 0, MaxPlaneThickness) } });
    }
    QJsonObject view { { "xAxisAngle", real(s.XAxisAngle, -MaxAngle, MaxAngle) },
        { "yAxisAngle", real(s.YAxisAngle, -MaxAngle, MaxAngle) },
        { "zoomPercent", real(s.ZoomPercent, MinZoomPercent, MaxZoomPercent) },
        { "x0", clampTo(s.X0, -MaxOrigin, MaxOrigin) },
        { "y0", clampTo(s.Y0, -MaxOrigin, MaxOrigin) }, { "perspective", s.Look.Perspective },
        { "fourView", s.FourView }, { "background", colour(s.Look.Background) },
        { "animationInterval", clampTo(s.Look.AnimInterval, 0, MaxInterval) },
        { "littleAxes",
            QJsonObject {
                { "visible", s.Look.LAxisesVisible }, { "color", colour(s.Look.LAxisesColor) } } },
        { "planes", planes } };
    // Written only when on, so that a scene of the default look keeps its keys.
    if (s.Look.SmoothLines)
        view.insert("smoothLines", true);
    if (s.Look.Legend)
        view.insert("legend", true);
    if (s.Look.AxisNumbers)
        view.insert("axisNumbers", true);
    QJsonArray curves;
    for (const TEditorValues& c : s.Curves) {
        const auto formula = [&](bool used, const std::string& text) {
            return QJsonValue(used ? QString::fromStdString(WithDecimalPoint(text)) : QString());
        };
        curves.append(
            QJsonObject { { "type", c.CurveType }, { "fx", formula(UsesFx(c.CurveType), c.Fx) },
                { "fy", formula(UsesFy(c.CurveType), c.Fy) },
                { "fz", formula(UsesFz(c.CurveType), c.Fz) }, { "color", colour(c.Color) },
                { "style", c.Style },
                { "thickness", clampTo(c.Thickness, MinCurveThickness, MaxCurveThickness) },
                { "step", static_cast<double>(c.Step) }, { "visible", c.Visible } });
    }
    const int count = static_cast<int>(s.Curves.size());
    QJsonObject rest { { "window",
                           QJsonObject { { "width", clampTo(s.Width, 1, MaxWindowSize) },
                               { "height", clampTo(s.Height, 1, MaxWindowSize) } } },
        { "view", view },
        { "currentCurve", s.CurrentCurve >= 0 && s.CurrentCurve < count ? s.CurrentCurve : -1 },
        { "curves", curves } };
    // Written only when there are any, so that a scene without keeps its keys.
    if (!s.Parameters.empty()) {
        // Beyond the range is its nearer end (an infinity too); not a number is 0.
        const auto bounded = [](long double value, double low, double high) {
            return std::isnan(value)
                ? std::clamp(0.0, low, high)
                : static_cast<double>(std::clamp<long double>(value, low, high));
        };
        QJsonArray parameters;
        for (const TParameter& p : s.Parameters) {
            // A range brought into the file's is kept in order.
            const double min = bounded(p.Min, -MaxParameter, MaxParameter);
            double max = bounded(p.Max, -MaxParameter, MaxParameter);
            if (!(min < max))
                max = std::nextafter(min, MaxParameter);
            double step = bounded(p.Step, 0, MaxParameter);
            if (!(step > 0))
                step = p.Step > 0 ? std::numeric_limits<double>::denorm_min() : 0.1;
            parameters.append(QJsonObject { { "name", QString::fromStdString(p.Name) },
                { "value", bounded(p.Value, -MaxParameter, MaxParameter) }, { "min", min },
                { "max", max }, { "step", step } });
        }
        rest.insert("parameters", parameters);
    }
    // The format and its version stand first, so the file names itself on its first lines.
    QByteArray json = QJsonDocument(rest).toJson(QJsonDocument::Indented);
    json.insert(json.indexOf('{') + 1,
        QByteArray("\n    \"format\": \"") + FormatName
            + "\",\n    \"version\": " + QByteArray::number(FormatVersion) + ",");
    return json;
}

void WriteSceneFile(const QString& fileName, const TScene& scene)
{
    const QByteArray json = SceneJson(scene);
    TSafeFile file(fileName);
    if (!file.Open() || file.Device().write(json) != json.size() || !file.Commit())
        throw ESceneFileError(("Cannot create file " + fileName).toStdString());
}

bool IsSceneFileName(const QString& fileName)
{
    return fileName.endsWith(".vlm", Qt::CaseInsensitive);
}
