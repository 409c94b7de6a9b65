#include "files/graph_settings.h"

#include "files/ini_file.h"
#include "render/draw_function.h"

namespace {
constexpr const char* PlaneSections[3] = { "XYDuzlemi", "XZDuzlemi", "YZDuzlemi" };
constexpr const char* ThicknessKey = "CizgiKalınlıgı";
constexpr const char* SmoothLinesKey = "YumusakCizgiler";
constexpr const char* LegendKey = "Gosterge";
constexpr const char* AxisNumbersKey = "EksenSayilari";

bool hasKey(const TIniFile& file, const char* section, const char* key)
{
    return file.ReadInteger(section, key, -1) != -1 || file.ReadInteger(section, key, 0) != 0;
}

int asInt(TColor color) { return static_cast<int>(color); }
TColor asColor(int value) { return static_cast<TColor>(value); }
}

TGraphSettings TGraphSettings::Of(const TDrawFunction& renderer, int animInterval)
{
    TGraphSettings s;
    s.LAxisesColor = renderer.LAxisesColor();
    s.LAxisesVisible = renderer.LAxisesVisible();
    s.Background = renderer.BrushColor();
    s.Perspective = renderer.Perspective();
    s.AnimInterval = animInterval;
    s.SmoothLines = renderer.SmoothLines();
    s.Legend = renderer.Legend();
    s.AxisNumbers = renderer.AxisNumbers();
    for (int i = 0; i < 3; ++i) {
        const TPlane& plane = renderer.Planes().Items(i + 1);
        s.Planes[i] = { plane.Color(), plane.Thickness(), plane.Visible() };
    }
    return s;
}

void TGraphSettings::ApplyTo(TDrawFunction& renderer, int& animInterval) const
{
    renderer.SetLAxisesColor(LAxisesColor);
    renderer.SetLAxisesVisible(LAxisesVisible);
    renderer.SetBrushColor(Background);
    renderer.SetPerspective(Perspective);
    animInterval = AnimInterval;
    for (int i = 0; i < 3; ++i) {
        TPlane& plane = renderer.Planes().Items(i + 1);
        plane.SetColor(Planes[i].Color);
        plane.SetThickness(Planes[i].Thickness);
        plane.SetVisible(Planes[i].Visible);
    }
    renderer.SetSmoothLines(SmoothLines);
    renderer.SetLegend(Legend);
    renderer.SetAxisNumbers(AxisNumbers);
}

TGraphSettings ReadGraphSettings(const TIniFile& file, const TGraphSettings& current)
{
    TGraphSettings s = current;
    s.LAxisesColor = asColor(file.ReadInteger("Eksencikler", "Color", asInt(current.LAxisesColor)));
    s.LAxisesVisible = file.ReadBool("Eksencikler", "Gorunurluk", true);
    s.Background = asColor(file.ReadInteger("Ekran", "ArkapilanRengi", asInt(current.Background)));
    s.Perspective = file.ReadBool("Ekran", "Perspektif", true);
    s.AnimInterval = file.ReadInteger("Ekran", "AnimInterval", current.AnimInterval);
    for (int i = 0; i < 3; ++i) {
        s.Planes[i].Color = asColor(
            file.ReadInteger(PlaneSections[i], "IzgaraRengi", asInt(current.Planes[i].Color)));
        s.Planes[i].Thickness
            = file.ReadInteger(PlaneSections[i], ThicknessKey, current.Planes[i].Thickness);
        s.Planes[i].Visible = file.ReadBool(PlaneSections[i], "Gorunurluk", true);
    }
    s.SmoothLines = file.ReadBool("Ekran", SmoothLinesKey, false);
    s.Legend = file.ReadBool("Ekran", LegendKey, false);
    s.AxisNumbers = file.ReadBool("Ekran", AxisNumbersKey, false);
    return s;
}

void LoadGraphSettings(const TIniFile& file, TDrawFunction& renderer, int& animInterval)
{
    ReadGraphSettings(file, TGraphSettings::Of(renderer, animInterval))
        .ApplyTo(renderer, animInterval);
}

void WriteGraphSettings(TIniFile& file, const TGraphSettings& s)
{
    std::vector<TIniValue> values = {
        { "Eksencikler", "Color", asInt(s.LAxisesColor) },
        { "Eksencikler", "Gorunurluk", s.LAxisesVisible ? 1 : 0 },
        { "Ekran", "ArkapilanRengi", asInt(s.Background) },
        { "Ekran", "Perspektif", s.Perspective ? 1 : 0 },
        { "Ekran", "AnimInterval", s.AnimInterval },
    };
    for (int i = 0; i < 3; ++i) {
        values.push_back({ PlaneSections[i], "IzgaraRengi", asInt(s.Planes[i].Color) });
        values.push_back({ PlaneSections[i], ThicknessKey, s.Planes[i].Thickness });
        values.push_back({ PlaneSections[i], "Gorunurluk", s.Planes[i].Visible ? 1 : 0 });
    }
    // Off, the key is written only over one already there, so that a file of the default look
    // keeps its fourteen keys.
    if (s.SmoothLines || hasKey(file, "Ekran", SmoothLinesKey))
        values.push_back({ "Ekran", SmoothLinesKey, s.SmoothLines ? 1 : 0 });
    if (s.Legend || hasKey(file, "Ekran", LegendKey))
        values.push_back({ "Ekran", LegendKey, s.Legend ? 1 : 0 });
    if (s.AxisNumbers || hasKey(file, "Ekran", AxisNumbersKey))
        values.push_back({ "Ekran", AxisNumbersKey, s.AxisNumbers ? 1 : 0 });
    file.WriteIntegers(values);
}
