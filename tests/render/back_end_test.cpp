#include "render/draw_function.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
// A renderer of 300 x 240 with its origin in the middle: planes thin and wide, curves as thin
// and wide lines and as points.
void fill(TDrawFunction& r)
{
    r.SetSize(300, 240);
    r.SetX0(150);
    r.SetY0(120);
    r.Planes().Items(2).SetThickness(3);
    r.Planes().Items(3).SetColor(0xFF0000);
    r.Objects().Append(ctXYPlane, "", "sin(x)*3", "", 0x00AA00, csLine, 1, 0.05L, true);
    r.Objects().Append(ctXYPlane, "", "x/2", "", 0xAA00AA, csLine, 4, 0.5L, true);
    r.Objects().Append(ctXYPlane, "", "0-x", "", 255, csPoints, 1, 0.7L, true);
    r.Objects().Append(ctXYPlane, "", "x*x", "", 0x0077FF, csLine, 1, 0.05L, false);
}

QImage painted(const TDrawFunction& r)
{
    QImage image(r.Width(), r.Height(), QImage::Format_RGB32);
    image.fill(Qt::black);
    r.Paint(image);
    return image;
}

// Pixels of a that b has nowhere in the 3 x 3 block around them.
int unmatched(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.valid(x + dx, y + dy) && b.pixel(x + dx, y + dy) == a.pixel(x, y);
            n += !found;
        }
    return n;
}

int differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
}

// Where every line is horizontal or vertical (the front view without perspective), the two
// back ends agree to the pixel; turned and in perspective, thin lines may step one pixel
// apart, but nothing is missing or added.
TEST(BackEnds, QPainterPaintsTheRasterPicture)
{
    TDrawFunction r;
    fill(r);
    r.SetPerspective(false);
    r.Objects().Clear();
    r.Objects().Append(ctXYPlane, "", "2", "", 0x00AA00, csLine, 1, 0.5L, true);
    r.Objects().Append(ctXYPlane, "", "0-3", "", 0xAA00AA, csLine, 4, 0.5L, true);
    r.Objects().Append(ctXYPlane, "", "x/2", "", 255, csPoints, 1, 0.7L, true);
    r.SetLAxisesVisible(false);
    r.Render(true);
    EXPECT_EQ(differing(r.Image(), painted(r)), 0);

    TDrawFunction turned;
    fill(turned);
    turned.SetAngles(15, 30);
    turned.Render(true);
    const QImage image = painted(turned);
    EXPECT_GT(differing(turned.Image(), image), 0); // the line rules do differ
    // Where thin lines of two colours cross, a pixel stepped aside may have no partner.
    QImage background(image.size(), image.format());
    background.fill(Qt::white);
    const int drawn = differing(turned.Image(), background);
    EXPECT_GT(drawn, 5000);
    EXPECT_LT(unmatched(turned.Image(), image) * 200, drawn);
    EXPECT_LT(unmatched(image, turned.Image()) * 200, drawn);
    EXPECT_EQ(image.pixel(0, 0), turned.Image().pixel(0, 0)); // the background
}

// Painting reads the last projection and leaves the picture and the little axes' ends alone;
// curves far outside the device and a painter with a scale of its own (a printer page) are
// safe.
TEST(BackEnds, PaintLeavesTheRendererAlone)
{
    TDrawFunction r;
    fill(r);
    r.SetAngles(15, 30);
    r.Render(true);
    const QImage before = r.Image().copy();
    const auto ends = r.LAxisPoints();
    r.RotateBy(40, 40); // not rebuilt: the paint shows the rendered view
    EXPECT_LT(unmatched(painted(r), before), 40);
    EXPECT_EQ(r.Image(), before);
    EXPECT_EQ(r.LAxisPoints(), ends);

    r.Objects().Append(ctXYPlane, "", "x^5*1000000", "", 0x123456, csPoints, 1, 0.01L, true);
    r.Objects().Append(ctXYPlane, "", "x^5*1000000+1", "", 0x654321, csLine, 5, 0.01L, true);
    r.MoveOrigin(-1000000000, 1000000000);
    r.Render(true);
    QImage page(600, 480, QImage::Format_RGB32);
    QPainter painter(&page);
    painter.scale(2, 2);
    r.Paint(painter, 300, 240);
    painter.end();
    EXPECT_EQ(page.pixel(599, 479), 0xFFFFFFFFu);
}

// In perspective a point at or behind the eye is not drawn and no line joins it, in either
// back end. The curve (x, 1, 4x) for x in -10..10 crosses the eye plane at x = 4.76 (the eye
// sits 381 scale units before the screen): its points in front all lie above the origin's
// row, those behind would be projected through the eye to below it.
TEST(BackEnds, NothingBehindTheEyeIsDrawn)
{
    constexpr QRgb Curve = 0xFFFF0000u; // the colour 255
    const auto below = [](const QImage& image, int fromRow) {
        int n = 0;
        for (int y = fromRow; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == Curve;
        return n;
    };
    TDrawFunction r;
    r.SetSize(200, 200);
    r.SetX0(100);
    r.SetY0(100);
    r.SetLAxisesVisible(false);
    for (int i = 1; i <= 3; ++i)
        r.Planes().Items(i).SetVisible(false);
    r.Objects().Append(ctXYZSpace, "", "1", "x*4", 0xFF, csLine, 1, 0.01L, true);
    r.Render(true);
    for (const QImage& image : { r.Image(), painted(r) }) {
        EXPECT_GT(below(image, 0), 50); // the part in front
        EXPECT_EQ(below(image, 100), 0); // no line through the eye, nothing behind it
    }
    r.Objects().SetAllStyles(csPoints);
    r.Render(false);
    for (const QImage& image : { r.Image(), painted(r) }) {
        EXPECT_GT(below(image, 0), 50);
        EXPECT_EQ(below(image, 100), 0);
    }

    // Two points, x = -10 in front (z = 0) and x = 0 behind (z = 40): the one segment is
    // not drawn.
    r.Objects().Clear();
    r.Objects().Append(ctXYZSpace, "", "1", "x*4+40", 0xFF, csLine, 3, 10, true);
    ASSERT_EQ(r.Objects().Items(0).Points->Count(), 2);
    r.Render(true);
    EXPECT_EQ(below(r.Image(), 0), 0);
    EXPECT_EQ(below(painted(r), 0), 0);
    // Without perspective both ends are in front and the segment is there.
    r.SetPerspective(false);
    r.Render(true);
    EXPECT_GT(below(r.Image(), 0), 0);
    EXPECT_GT(below(painted(r), 0), 0);

    // At a huge zoom the eye is almost in the screen: turned by (20, 30), the red positive
    // half-axes of the planes all end behind it and are not drawn, where they were projected
    // through the eye as three lines out of the origin.
    r.Objects().Clear();
    r.SetPerspective(true);
    r.SetAngles(20, 30);
    r.SetZoom(999999999);
    for (int i = 1; i <= 3; ++i)
        r.Planes().Items(i).SetVisible(true);
    r.Render(true);
    EXPECT_EQ(below(r.Image(), 0), 0);
    EXPECT_EQ(below(painted(r), 0), 0);
}
