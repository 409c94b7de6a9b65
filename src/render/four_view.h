#pragma once

#include <QImage>

#include <array>

class QPainter;
class TDrawFunction;

// The four-view layout of one scene: front ("Ön"), side ("Yan") and top ("Üst")
// views with their labels, and the scene's own view, each drawn in turn by the
// one renderer at the renderer's size.
struct TFourViews {
    std::array<QImage, 4> Views; // front, side, top, own
};

// The angles (XAxisAngle, YAxisAngle) of the fixed views: front, side and top.
inline constexpr long double FixedViewAngles[3][2] = { { 0, 0 }, { 0, -90 }, { 90, 0 } };

// Draws the four views with re-projection. The own view takes the renderer's
// angles truncated toward zero to whole degrees, and the renderer keeps those
// angles afterwards.
TFourViews RenderFourViews(TDrawFunction& renderer);

// The four views as one picture of width x height (the window's client size):
// front at (0, 0), top at (w + 1, 0), side at (0, h + 1) and the own view at
// (w + 1, h + 1) on white, with two-pixel black lines along x = w and y = h,
// w and h being the size of the front view.
QImage ComposeFourView(const std::array<QImage, 4>& views, int width, int height);

// The four-view layout painted as vectors (anti-aliased) into a width x height picture, laid
// out as ComposeFourView lays the pictures: each view rendered in turn as RenderFourViews
// renders it, then painted at its place with its label, then the two dividing lines.
void PaintFourViews(TDrawFunction& renderer, QPainter& painter, int width, int height);
