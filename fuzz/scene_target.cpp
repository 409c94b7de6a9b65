// The scene-file reader: any bytes read as a scene file. A file is either refused
// with the scene file's own error or read, its faulty curves set apart; what is
// read and written again reads back as the same scene, with no curve refused.
//
// Input: a byte for the decimal separator (odd: comma), then the file's bytes.

#include "base/number_text.h"
#include "files/scene_file.h"
#include "fuzz_target.h"

#include <QByteArray>

#include <string>

VELMO_FUZZ_TARGET(scene)
{
    fuzz::TInput input(data, size);
    SetDecimalSeparator(input.Byte() & 1 ? ',' : '.');
    const std::string rest = input.Rest();
    const QByteArray bytes(rest.data(), static_cast<qsizetype>(rest.size()));
    const TScene defaults;
    TSceneRead read;
    try {
        read = ReadScene(bytes, QStringLiteral("fuzz.vlm"), defaults);
    } catch (const ESceneFileError&) {
        return 0;
    }
    const QByteArray written = SceneJson(read.Scene);
    TSceneRead again;
    try {
        again = ReadScene(written, QStringLiteral("fuzz.vlm"), defaults);
    } catch (const ESceneFileError& e) {
        fuzz::Finding("a written scene does not read: " + e.Message());
    }
    if (!again.BadCurves.empty())
        fuzz::Finding("a written curve is refused: " + again.BadCurves.front().Message);
    if (again.Scene.Curves.size() != read.Scene.Curves.size())
        fuzz::Finding("a curve was lost or gained on the way through the file");
    for (std::size_t i = 0; i < read.Scene.Curves.size(); ++i) {
        // A formula the type does not use is written as "" and means nothing.
        const auto used = [](TEditorValues v) {
            if (!UsesFx(v.CurveType))
                v.Fx.clear();
            if (!UsesFy(v.CurveType))
                v.Fy.clear();
            if (!UsesFz(v.CurveType))
                v.Fz.clear();
            return v;
        };
        const TEditorValues a = used(read.Scene.Curves[i]), b = used(again.Scene.Curves[i]);
        if (!(a == b))
            fuzz::Finding("curve " + std::to_string(i) + " changed on the way through the file: "
                + std::to_string(a.CurveType) + " [" + a.Fx + "][" + a.Fy + "][" + a.Fz + "] "
                + FloatToText(a.Step) + " " + std::to_string(a.Thickness) + " "
                + std::to_string(a.Style) + " " + std::to_string(a.Color) + " "
                + std::to_string(a.Visible) + " became " + std::to_string(b.CurveType) + " [" + b.Fx
                + "][" + b.Fy + "][" + b.Fz + "] " + FloatToText(b.Step) + " "
                + std::to_string(b.Thickness) + " " + std::to_string(b.Style) + " "
                + std::to_string(b.Color) + " " + std::to_string(b.Visible));
    }
    if (SceneJson(again.Scene) != written)
        fuzz::Finding("a scene written twice gives two files");
    return 0;
}
