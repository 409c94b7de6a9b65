#pragma once

#include "render/color.h"

#include <array>

class TDrawFunction;
class TIniFile;

// The default look of new graph windows as the settings file keeps it: the
// little axes, the background, perspective, the animation interval and the
// three reference planes (XY, XZ, YZ).
struct TGraphSettings {
    struct TPlaneLook {
        TColor Color = 8421504;
        int Thickness = 1;
        bool Visible = true;
    };
    TColor LAxisesColor = 0;
    bool LAxisesVisible = true;
    TColor Background = 16777215;
    bool Perspective = true;
    int AnimInterval = 10;
    std::array<TPlaneLook, 3> Planes {};
    // Anti-aliased lines; off unless the file says otherwise.
    bool SmoothLines = false;
    // The legend in the top-left corner; off unless the file says otherwise.
    bool Legend = false;
    // Numbers at the ends of the planes' grid lines; off unless the file says otherwise.
    bool AxisNumbers = false;

    // The look of a renderer and its timer's interval.
    static TGraphSettings Of(const TDrawFunction& renderer, int animInterval);
    // Gives the renderer this look, in the order the keys are read; a plane's
    // visibility goes through its setter, which projects a grid made visible.
    void ApplyTo(TDrawFunction& renderer, int& animInterval) const;
};

// Reads the fourteen graph keys into a new graph window's renderer and timer
// interval; the value each integer holds before is the default of its key, a
// missing Boolean counts as true. A missing or unreadable file gives defaults.
void LoadGraphSettings(const TIniFile& file, TDrawFunction& renderer, int& animInterval);

// The keys read over the given values: a missing colour, thickness or interval
// keeps the value given, a missing Boolean counts as true, except the smooth
// lines, the legend and the axis numbers, which are off when their key is missing.
TGraphSettings ReadGraphSettings(const TIniFile& file, const TGraphSettings& current);

// Writes the fourteen keys in one replacement of the file, in the order
// "Eksencikler" (Color, Gorunurluk), "Ekran" (ArkapilanRengi, Perspektif,
// AnimInterval), then the three planes (IzgaraRengi, CizgiKalınlıgı, Gorunurluk),
// and after those fourteen "Ekran" "YumusakCizgiler", "Gosterge" and "EksenSayilari",
// each when it is on or the file holds that key already.
// Raises EIniFileError "Unable to write to %s"; the old file is then intact.
void WriteGraphSettings(TIniFile& file, const TGraphSettings& settings);
