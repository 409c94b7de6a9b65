#pragma once

#include "files/scene_file.h"

#include <functional>

class TDrawFunction;

// A scene put onto a renderer and read back: the one translation between the scene
// value and the renderer, used by the graph window and the command line alike.

// The colour of a new curve: the colour lists' olive.
inline constexpr TColor NewCurveColor = 0x008080;

// A curve of curveType (a valid code) before anything is given: no formulas,
// visible, a step of 0.1, drawn as a line in NewCurveColor, as thick as the type's
// row says.
TEditorValues NewCurveValues(int curveType);

// Called with each curve of a scene and its index before the curve is added; it may
// raise to stop there.
using TSceneCurveCheck = std::function<void(const TEditorValues& curve, int index)>;

// Gives renderer the look, angles, zoom and origin of scene and its curves in place
// of those it has, in list order, then the settings of the scene's parameters that
// the curves use; animInterval takes the look's interval. The size,
// the four views and the current curve are the caller's. Raises what
// TObjectList::Append raises for a curve it refuses (or what check raises), with the
// curves before it added.
void ApplyScene(const TScene& scene, TDrawFunction& renderer, int& animInterval,
    const TSceneCurveCheck& check = {});

// The look (with animInterval), angles, zoom, origin, curves and parameters of
// renderer as a scene; the size, the four views and the current curve keep the values of a new
// scene.
TScene SceneOf(const TDrawFunction& renderer, int animInterval);
