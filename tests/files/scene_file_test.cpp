#include "base/number_text.h"
#include "files/scene_file.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Separator {
    char saved = DecimalSeparator();
    explicit Separator(char c) { SetDecimalSeparator(c); }
    ~Separator() { SetDecimalSeparator(saved); }
};

TEditorValues curve(int type, std::string fx, std::string fy, std::string fz, TColor color = 255,
    long double step = 0.1L)
{
    TEditorValues v;
    v.CurveType = type;
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Color = color;
    v.Step = step;
    v.Thickness = 3;
    return v;
}

// A scene in which every value differs from a new window's.
TScene fullScene()
{
    TScene s;
    s.Curves = {
        curve(ctXYPlane, "", "sin(x)*2.5", "", 0x0000FF),
        curve(ctXZPlane, "", "", "x^2-0.25", 0x00FF00, 0.05L),
        curve(ctYZPlane, "", "", "cos(y)", 0xFF0000, 0.2L),
        curve(ctXYZSpace, "", "sin(x)", "cos(x)", 0x123456, 0.01L),
        curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0x808000, 0.15L),
        curve(ctPolar, "", "", "1.5+sin(3*a)", 0x800080, 0.001L),
        curve(ctCylindrical, "cos(t)", "sin(t)", "t/10", 0xC0C0C0, 0.3L),
        curve(ctXYZSurface, "", "", "x*y", 0x00FFFF, 0.5L),
        curve(ctParametric, "(3+cos(v))*cos(u)", "(3+cos(v))*sin(u)", "sin(v)", 0xFF00FF, 0.2L),
    };
    s.Curves[7].Style = csSurface;
    s.Curves[8].Style = csShaded;
    s.Curves[1].Style = 1;
    s.Curves[2].Visible = false;
    s.Curves[4].Thickness = 20;
    s.CurrentCurve = 4;
    s.Look.LAxisesColor = 0x0000FF;
    s.Look.LAxisesVisible = false;
    s.Look.Background = 0x00FFFF;
    s.Look.Perspective = false;
    s.Look.AnimInterval = 250;
    s.Look.Planes[0] = { 0x00FF00, 3, false };
    s.Look.Planes[1] = { 0xFF0000, 0, true };
    s.Look.Planes[2] = { 0x000080, 20, false };
    s.XAxisAngle = 33.5L;
    s.YAxisAngle = -12.25L;
    s.ZoomPercent = 12.5L;
    s.X0 = -40;
    s.Y0 = 77;
    s.FourView = true;
    s.Width = 401;
    s.Height = 301;
    s.Parameters = { { "k", 2.5L, -1, 4, 0.25L }, { "m", -0.1L, -10, 10, 0.01L } };
    return s;
}

void expectSameScene(const TScene& a, const TScene& b)
{
    EXPECT_EQ(a.Curves, b.Curves);
    EXPECT_EQ(a.CurrentCurve, b.CurrentCurve);
    EXPECT_EQ(a.XAxisAngle, b.XAxisAngle);
    EXPECT_EQ(a.YAxisAngle, b.YAxisAngle);
    EXPECT_EQ(a.ZoomPercent, b.ZoomPercent);
    EXPECT_EQ(a.X0, b.X0);
    EXPECT_EQ(a.Y0, b.Y0);
    EXPECT_EQ(a.FourView, b.FourView);
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    EXPECT_EQ(a.Parameters, b.Parameters);
    EXPECT_EQ(SceneJson(a), SceneJson(b)) << "the look of axes, background and planes";
}

TSceneRead read(const QByteArray& json, const TScene& defaults = {})
{
    return ReadScene(json, "/somewhere/sahne.vlm", defaults);
}

// The message of a file that cannot be opened, empty when it opens.
std::string refusal(const QByteArray& json)
{
    try {
        read(json);
    } catch (const ESceneFileError& e) {
        return e.Message();
    }
    return {};
}

QByteArray withCurve(const QByteArray& curveJson)
{
    return R"({"format":"velmo-scene","version":1,"curves":[{"type":0,"fy":"x"},)" + curveJson
        + "]}";
}
}

TEST(SceneFile, RoundTripOfEveryFieldUnderBothSeparators)
{
    for (const char separator : { '.', ',' }) {
        SCOPED_TRACE(std::string("separator ") + separator);
        const Separator use(separator);
        TScene s = fullScene();
        if (separator == ',')
            for (TEditorValues& c : s.Curves)
                for (std::string* text : { &c.Fx, &c.Fy, &c.Fz })
                    std::replace(text->begin(), text->end(), '.', ',');
        const QByteArray json = SceneJson(s);
        EXPECT_TRUE(json.startsWith("{\n    \"format\": \"velmo-scene\",\n    \"version\": 1,\n"))
            << json.left(80).toStdString();
        EXPECT_TRUE(json.contains(R"("fy": "sin(x)*2.5")")) << "stored with the point";
        EXPECT_TRUE(json.contains(R"("step": 0.05)")) << "JSON's own numbers";
        EXPECT_TRUE(json.contains(R"("color": "#ff0000")")) << "red is the low byte";
        expectSameScene(read(json).Scene, s);
    }
}

TEST(SceneFile, FormulasWrittenUnderOneSeparatorReadUnderTheOther)
{
    QByteArray json;
    {
        const Separator comma(',');
        TScene s;
        s.Curves = { curve(ctXYPlane, "", "2,5*sin(x)+x", "") };
        s.CurrentCurve = 0;
        json = SceneJson(s);
    }
    EXPECT_TRUE(json.contains(R"("fy": "2.5*sin(x)+x")"));
    EXPECT_EQ(read(json).Scene.Curves[0].Fy, "2.5*sin(x)+x");
    const Separator comma(',');
    EXPECT_EQ(read(json).Scene.Curves[0].Fy, "2,5*sin(x)+x");
    EXPECT_EQ(read(json).Scene.Curves[0].Step, 0.1L) << "the step in extended precision";
}

TEST(SceneFile, ALoneSeparatorReadsBackAsWritten)
{
    // Under the comma a lone "," reads as a number; the reader never turns a lone "."
    // into one, so the writer keeps it too, and the curve opens again.
    const Separator comma(',');
    TScene s;
    s.Curves = { curve(ctXYPlane, "", "2*cos(,)+0,5", "") };
    s.CurrentCurve = 0;
    const QByteArray json = SceneJson(s);
    EXPECT_TRUE(json.contains(R"("fy": "2*cos(,)+0.5")")) << json.toStdString();
    const TSceneRead again = read(json);
    EXPECT_TRUE(again.BadCurves.empty());
    ASSERT_EQ(again.Scene.Curves.size(), 1u);
    EXPECT_EQ(again.Scene.Curves[0].Fy, "2*cos(,)+0,5");
}

TEST(SceneFile, MissingKeysTakeANewWindowsValuesAndUnknownKeysAreIgnored)
{
    TScene defaults;
    defaults.Look.Background = 0x112233;
    defaults.Look.Planes[2].Thickness = 4;
    defaults.Width = 500;
    defaults.Height = 300;
    const TSceneRead r = read(R"({"format":"velmo-scene","version":1,"later":{"x":1},
        "view":{"planes":{"xy":{"visible":false}},"shine":3},
        "curves":[{"type":4,"fx":"a","fy":"b","fz":"a*b","glow":true}]})",
        defaults);
    const TScene& s = r.Scene;
    EXPECT_TRUE(r.BadCurves.empty());
    EXPECT_EQ(s.Look.Background, 0x112233u);
    EXPECT_FALSE(s.Look.Planes[0].Visible);
    EXPECT_EQ(s.Look.Planes[2].Thickness, 4);
    EXPECT_EQ(s.Width, 500);
    EXPECT_EQ(s.X0, 250) << "the origin in the middle of the view";
    EXPECT_EQ(s.Y0, 150);
    EXPECT_EQ(s.ZoomPercent, 100);
    ASSERT_EQ(s.Curves.size(), 1u);
    EXPECT_EQ(s.CurrentCurve, 0);
    const TEditorValues& c = s.Curves[0];
    EXPECT_EQ(c.Thickness, 1) << "a spherical curve's thickness";
    EXPECT_EQ(c.Step, 0.1L);
    EXPECT_EQ(c.Color, 0x008080u) << "olive";
    EXPECT_TRUE(c.Visible);
    EXPECT_EQ(c.Style, 0);

    const TSceneRead empty = read(R"({"format":"velmo-scene","version":1})");
    EXPECT_TRUE(empty.Scene.Curves.empty());
    EXPECT_EQ(empty.Scene.CurrentCurve, -1);
}

TEST(SceneFile, FilesThatOpenNothing)
{
    const struct {
        const char* json;
        const char* message;
    } rows[] = {
        { "{\"format\": \"velmo-scene\", ",
            "\"sahne.vlm\" açılamadı: dosya JSON biçiminde değil (27. baytta bozuk)." },
        { "[1, 2]",
            "\"sahne.vlm\" açılamadı: bu bir Velmo sahne dosyası değil (\"format\" \"velmo-scene\" "
            "olmalı)." },
        { R"({"format":"velmo-picture","version":1})",
            "\"sahne.vlm\" açılamadı: bu bir Velmo sahne dosyası değil (\"format\" \"velmo-scene\" "
            "olmalı)." },
        { R"({"format":"velmo-scene","version":2})",
            "\"sahne.vlm\" açılamadı: dosya Velmo'nun daha yeni bir sürümüyle yazılmış (sürüm 2); "
            "bu sürüm yalnızca sürüm 1 sahne dosyalarını açabilir." },
        { R"({"format":"velmo-scene","version":"1"})",
            "\"sahne.vlm\" açılamadı: \"version\" 1 ya da daha büyük bir tam sayı olmalı." },
        { R"({"format":"velmo-scene","version":1,"view":{"zoomPercent":0}})",
            "\"sahne.vlm\" açılamadı: \"view.zoomPercent\" değeri 0.001 ile 1000000 arasında "
            "olmalı; dosyada 0." },
        { R"({"format":"velmo-scene","version":1,"view":{"planes":{"yz":{"thickness":99}}}})",
            "\"sahne.vlm\" açılamadı: \"view.planes.yz.thickness\" değeri 0 ile 20 arasında "
            "olmalı; dosyada 99." },
        { R"({"format":"velmo-scene","version":1,"window":{"width":300.5}})",
            "\"sahne.vlm\" açılamadı: \"window.width\" bir tam sayı olmalı; dosyada 300.5." },
        { R"({"format":"velmo-scene","version":1,"view":{"background":"white"}})",
            "\"sahne.vlm\" açılamadı: \"view.background\" \"#rrggbb\" biçiminde bir renk olmalı." },
        { R"({"format":"velmo-scene","version":1,"view":{"perspective":1}})",
            "\"sahne.vlm\" açılamadı: \"view.perspective\" true ya da false olmalı." },
        { R"({"format":"velmo-scene","version":1,"curves":{}})",
            "\"sahne.vlm\" açılamadı: \"curves\" bir dizi olmalı." },
        { R"({"format":"velmo-scene","version":1,"currentCurve":3,"curves":[]})",
            "\"sahne.vlm\" açılamadı: \"currentCurve\" değeri -1 ile -1 arasında olmalı; dosyada "
            "3." },
        { R"({"format":"velmo-scene","version":1,"parameters":{"k":1}})",
            "\"sahne.vlm\" açılamadı: \"parameters\" bir dizi olmalı." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k"},2]})",
            "\"sahne.vlm\" açılamadı: \"parameters[1]\" bir nesne olmalı." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"value":1}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].name\" verilmeli." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":1}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].name\" bir metin olmalı." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k"},{"name":"K"}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[1].name\" \"K\" ikinci kez verilmiş." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k","value":"2"}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].value\" bir sayı olmalı." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k","value":2e300}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].value\" değeri -1E300 ile 1E300 arasında "
            "olmalı; dosyada 2E300." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k","min":2,"max":1.5}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].min\", \"parameters[0].max\" değerinden "
            "küçük olmalı; dosyada 2 ve 1.5." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k","min":10}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].min\", \"parameters[0].max\" değerinden "
            "küçük olmalı; dosyada 10 ve 10." },
        { R"({"format":"velmo-scene","version":1,"parameters":[{"name":"k","step":0}]})",
            "\"sahne.vlm\" açılamadı: \"parameters[0].step\" 0'dan büyük olmalı." },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.json);
        EXPECT_EQ(refusal(row.json), row.message);
    }
    QTemporaryDir dir;
    try {
        ReadSceneFile(dir.filePath("yok.vlm"), {});
        ADD_FAILURE() << "a missing file opens nothing";
    } catch (const ESceneFileError& e) {
        EXPECT_EQ(e.Message(), "\"yok.vlm\" açılamadı: dosya okunamadı.");
    }
}

TEST(SceneFile, BadCurvesAreLeftOutWithTheirNumbers)
{
    const struct {
        const char* curve;
        const char* message;
    } rows[] = {
        { R"({"type":0,"fy":"sin(x"})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"fy\" formülü hatalı: " },
        { R"({"type":3,"fy":"x","fz":"x+"})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"fz\" formülü hatalı: " },
        { R"({"type":0,"fy":"x*2","step":0})", "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: " },
        { R"({"type":0,"fy":"x*2","step":1e-9})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: " },
        { R"({"type":9,"fy":"x*2"})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"type\" değeri 0 ile 8 arasında "
            "olmalı; dosyada 9." },
        { R"({"type":0,"fy":"x*2","thickness":21})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"thickness\" değeri 1 ile 20 arasında "
            "olmalı; dosyada 21." },
        { R"({"type":0,"fy":"x*2","style":4})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"style\" değeri 0 ile 3 arasında "
            "olmalı; dosyada 4." },
        { R"({"type":0,"fy":"x*2","color":"#12345"})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"color\" \"#rrggbb\" biçiminde bir "
            "renk olmalı." },
        { R"({"type":0,"fy":7})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: \"fy\" bir metin olmalı." },
        { "\"sin(x)\"", "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: eğri bir nesne olmalı." },
        { R"({"type":0,"fx":"other","fy":"x","fz":"texts"})",
            "\"sahne.vlm\" dosyasının 2. eğrisi açılamadı: dosyanın 1. eğrisiyle aynı eğri." },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.curve);
        const TSceneRead r = read(withCurve(row.curve));
        ASSERT_EQ(r.BadCurves.size(), 1u);
        EXPECT_EQ(r.BadCurves[0].Number, 2);
        EXPECT_TRUE(r.BadCurves[0].Message.starts_with(row.message)) << r.BadCurves[0].Message;
        ASSERT_EQ(r.Scene.Curves.size(), 1u) << "the good curve stays";
        EXPECT_EQ(r.Scene.Curves[0].Fy, "x");
    }
    // The current curve follows the good curves; a current curve left out gives the first.
    const QByteArray three = R"({"format":"velmo-scene","version":1,"currentCurve":2,"curves":[
        {"type":0,"fy":"x"},{"type":0,"fy":"("},{"type":0,"fy":"x*3"}]})";
    EXPECT_EQ(read(three).Scene.CurrentCurve, 1);
    QByteArray lost = three;
    lost.replace("\"currentCurve\":2", "\"currentCurve\":1");
    EXPECT_EQ(read(lost).Scene.CurrentCurve, 0);
}

TEST(SceneFile, WritingReplacesTheFileWholeOrKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("sahne.vlm");
    const TScene s = fullScene();
    WriteSceneFile(name, s);
    expectSameScene(ReadSceneFile(name, {}).Scene, s);

    // A name as long as a name may be: the temporary file beside it cannot be
    // made, so the write fails and the old file stays as it was.
    const QString longName = dir.filePath(QString(251, 'a') + ".vlm");
    {
        QFile old(longName);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    EXPECT_THROW(WriteSceneFile(longName, s), ESceneFileError);
    QFile old(longName);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";

    try {
        WriteSceneFile(dir.filePath("no/such/folder/x.vlm"), s);
        ADD_FAILURE();
    } catch (const ESceneFileError& e) {
        EXPECT_EQ(e.Message(),
            "Cannot create file " + dir.filePath("no/such/folder/x.vlm").toStdString());
    }
    EXPECT_TRUE(IsSceneFileName("a/B.VLM"));
    EXPECT_FALSE(IsSceneFileName("a/b.bmp"));
}

TEST(SceneFile, SmoothLinesLegendAndAxisNumbers)
{
    // Off, the scene holds none of the keys; on, each round-trips; missing, the new window's value.
    TScene s = fullScene();
    EXPECT_FALSE(SceneJson(s).contains("smoothLines"));
    EXPECT_FALSE(SceneJson(s).contains("legend"));
    EXPECT_FALSE(SceneJson(s).contains("axisNumbers"));
    s.Look.SmoothLines = true;
    s.Look.Legend = true;
    s.Look.AxisNumbers = true;
    const TScene back = read(SceneJson(s)).Scene;
    EXPECT_TRUE(back.Look.SmoothLines);
    EXPECT_TRUE(back.Look.Legend);
    EXPECT_TRUE(back.Look.AxisNumbers);
    TScene defaults;
    defaults.Look.Legend = true;
    const TScene missing
        = read(R"({"format":"velmo-scene","version":1,"curves":[]})", defaults).Scene;
    EXPECT_TRUE(missing.Look.Legend);
    EXPECT_FALSE(missing.Look.SmoothLines);
    EXPECT_FALSE(missing.Look.AxisNumbers);
}

TEST(SceneFile, ParametersAreWrittenOnlyWhenThereAndTakeANewOnesSettingsForMissingKeys)
{
    TScene s = fullScene();
    EXPECT_TRUE(SceneJson(s).contains(R"("name": "m")"));
    s.Parameters.clear();
    EXPECT_FALSE(SceneJson(s).contains("parameters")) << "a scene without keeps its keys";
    EXPECT_TRUE(read(SceneJson(s)).Scene.Parameters.empty());

    // A name as it stands (the curves' list finds it in any letter case).
    const TScene partial = read(R"({"format":"velmo-scene","version":1,
        "parameters":[{"name":"K","value":0.3},{"name":"q","step":1e-7}]})")
                               .Scene;
    ASSERT_EQ(partial.Parameters.size(), 2u);
    EXPECT_EQ(partial.Parameters[0], (TParameter { "K", 0.3L, -10, 10, 0.1L }));
    EXPECT_EQ(partial.Parameters[1], (TParameter { "q", 0, -10, 10, 1e-7L }));

    // Settings no file can hold are brought into its ranges, the two ends kept in order.
    s.Parameters = { { "k", 1e4000L, -1e4000L, -1e4000L, 1e-4000L } };
    const TScene clamped = read(SceneJson(s)).Scene;
    ASSERT_EQ(clamped.Parameters.size(), 1u);
    EXPECT_EQ(clamped.Parameters[0].Value, 1e300L);
    EXPECT_EQ(clamped.Parameters[0].Min, -1e300L);
    EXPECT_GT(clamped.Parameters[0].Max, clamped.Parameters[0].Min);
    EXPECT_GT(clamped.Parameters[0].Step, 0);
}
