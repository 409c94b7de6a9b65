#include "files/scene_view.h"

#include "curves/object_list.h"
#include "render/draw_function.h"

void ApplyScene(
    const TScene& scene, TDrawFunction& renderer, int& animInterval, const TSceneCurveCheck& check)
{
    scene.Look.ApplyTo(renderer, animInterval);
    renderer.SetAngles(scene.XAxisAngle, scene.YAxisAngle);
    renderer.SetZoomPercent(scene.ZoomPercent);
    renderer.SetX0(scene.X0);
    renderer.SetY0(scene.Y0);
    TObjectList& list = renderer.Objects();
    list.Clear();
    // New curves are projected as they come, with the matrix of this view.
    renderer.BuildMatrix();
    // Each curve is generated once, at the scene's values.
    list.ExpectParameters(scene.Parameters);
    try {
        for (std::size_t i = 0; i < scene.Curves.size(); ++i) {
            if (check)
                check(scene.Curves[i], static_cast<int>(i));
            AppendCurve(list, scene.Curves[i]);
        }
    } catch (...) {
        list.ExpectParameters({});
        throw;
    }
    list.ApplyParameters(scene.Parameters);
}

TScene SceneOf(const TDrawFunction& renderer, int animInterval)
{
    TScene s;
    const TObjectList& list = renderer.Objects();
    for (int i = 0; i < list.Count(); ++i)
        s.Curves.push_back(EditorValuesOf(list.Items(i)));
    s.Look = TGraphSettings::Of(renderer, animInterval);
    s.XAxisAngle = renderer.XAxisAngle();
    s.YAxisAngle = renderer.YAxisAngle();
    s.ZoomPercent = renderer.ZoomPercent();
    s.X0 = renderer.X0();
    s.Y0 = renderer.Y0();
    s.Parameters = list.Parameters().Items();
    return s;
}
