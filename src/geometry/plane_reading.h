#pragma once

#include "geometry/transform_matrix.h"

#include <string>

// What a view that looks straight at a reference plane (a parallel projection whose
// one axis points at the eye) shows under a pixel: the two coordinates of that
// plane, and how many decimals one pixel resolves.
struct TPlaneReading {
    char Horizontal = 'x'; // the axis that runs across the picture
    char Vertical = 'y'; // the axis that runs up the picture
    long double HorizontalValue = 0;
    long double VerticalValue = 0;
    int Decimals = 2; // never fewer than 2
};

// The reading at pixel (px, py) of a view projected with m whose origin is the
// pixel (x0, y0); false for a turned view or one in perspective.
bool ReadPlane(const TTransformMatrix& m, int x0, int y0, int px, int py, TPlaneReading& reading);

// "x = 1,2500  y = −0,3750": each value with the reading's decimals, the user's
// separator and a minus sign (U+2212) before a negative value that does not round
// to zero.
std::string PlaneReadingText(const TPlaneReading& reading);
