#pragma once

#include "render/color.h"

#include <QRect>
#include <QString>

#include <vector>

class TPlanes;
class TTransformMatrix;

// A number written at the end of a reference plane's grid line: the coordinate at which the
// line crosses the axis it runs across (2 for the XY plane's line x = 2), in the plane's colour.
struct TAxisNumber {
    QString Text;
    QRect Box; // where the text stands, in picture pixels
    TColor Color;
};

// A coordinate as the axis numbers write it: at most 4 significant digits, with the decimal
// separator of the program's numbers.
QString AxisNumberText(long double value);

// The numbers of the visible planes' grid lines where the projection by m last put them (scene
// origin at the pixel (x0, y0)), each upright just past the line's end nearer the eye (the end
// on the negative side of the plane when both are as near), so that they turn with the scene. A
// plane seen almost edge on has none: its numbers would crowd along one line at misleading places.
// Numbers of longer lines come first; one whose box would overlap a box of taken (labels already
// placed) or a number placed before it is left out, as is one wholly outside the picture. The boxes
// of the numbers returned are added to taken.
std::vector<TAxisNumber> PlaceAxisNumbers(const TPlanes& planes, const TTransformMatrix& m, int x0,
    int y0, const QRect& picture, std::vector<QRect>& taken);
