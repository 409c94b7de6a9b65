#include "base/number_text.h"
#include "render/axis_numbers.h"
#include "render/draw_function.h"
#include "render/four_view.h"
#include "render/legend.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <map>

namespace {
constexpr TColor Blue = 0xFF0000;

// A 400 x 300 renderer at 50 %, its origin in the middle: the XY grid spans 160 pixels each
// way, its edges at x = 120, 280 and y = 70, 230. The XY plane is blue.
struct Scene {
    TDrawFunction R;
    Scene()
    {
        R.SetSize(400, 300);
        R.SetX0(200);
        R.SetY0(150);
        R.SetZoom(50);
        R.Planes().Items(1).SetColor(Blue);
    }
    std::vector<TAxisNumber> Place(std::vector<QRect>& taken)
    {
        return PlaceAxisNumbers(
            R.Planes(), R.Matrix(), R.X0(), R.Y0(), QRect(0, 0, 400, 300), taken);
    }
    std::vector<TAxisNumber> Place()
    {
        std::vector<QRect> taken;
        return Place(taken);
    }
};

// Pixels where a and b differ that lie outside every box.
int changedOutside(const QImage& a, const QImage& b, const std::vector<TAxisNumber>& numbers)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)
                && std::none_of(numbers.begin(), numbers.end(),
                    [&](const TAxisNumber& number) { return number.Box.contains(x, y); }))
                ++n;
    return n;
}

bool anyOverlap(const std::vector<QRect>& boxes)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].intersects(boxes[j]))
                return true;
    return false;
}
}

TEST(AxisNumbers, Text)
{
    SetDecimalSeparator(',');
    EXPECT_EQ(AxisNumberText(2.5L), "2,5");
    EXPECT_EQ(AxisNumberText(-6), "-6");
    EXPECT_EQ(AxisNumberText(1234.56L), "1235");
    EXPECT_EQ(AxisNumberText(0.0001234567L), "0,0001235");
    EXPECT_EQ(AxisNumberText(-0.0L), "0");
    SetDecimalSeparator('.');
    EXPECT_EQ(AxisNumberText(2.5L), "2.5");
}

// In the front view the XY plane faces the eye and the two other planes are seen edge on: the
// XY plane's x numbers stand below its lower edge and its y numbers left of its left edge, each
// centred on its line, in the plane's colour; the edge-on planes have none. At the lower left
// corner the y number -8 would overlap the x number -8 placed before it and is left out.
TEST(AxisNumbers, FrontViewFrameAndTurning)
{
    Scene s;
    s.R.Render(true);
    const std::vector<TAxisNumber> numbers = s.Place();
    ASSERT_EQ(numbers.size(), 17u);
    const QFontMetrics metrics(QGuiApplication::font());
    std::map<QString, int> below, left;
    for (const TAxisNumber& n : numbers) {
        EXPECT_EQ(n.Color, Blue);
        EXPECT_EQ(n.Box.size(), QSize(metrics.horizontalAdvance(n.Text), metrics.height()));
        if (n.Box.top() == 233) // 3 pixels below the edge
            below[n.Text] = n.Box.center().x();
        else if (n.Box.right() == 116)
            left[n.Text] = n.Box.center().y();
    }
    ASSERT_EQ(below.size(), 9u);
    ASSERT_EQ(left.size(), 8u);
    EXPECT_EQ(left.count("-8"), 0u);
    for (int v = -8; v <= 8; v += 2) {
        const QString text = QString::number(v);
        EXPECT_NEAR(below[text], 200 + 10 * v, 1) << v;
        if (v > -8) {
            EXPECT_NEAR(left[text], 150 - 10 * v, 1) << v;
        }
    }

    // Turned half round about y, the x numbers run the other way; the plane's back faces the
    // eye, so it keeps its numbers.
    s.R.SetAngles(0, 180);
    s.R.Render(true);
    int found = 0;
    for (const TAxisNumber& n : s.Place())
        if (n.Text == "4" && n.Box.top() == 233) {
            EXPECT_NEAR(n.Box.center().x(), 200 - 40, 1);
            ++found;
        }
    EXPECT_EQ(found, 1);

    // Tipped towards the eye (positive y now nearer), the x numbers move to the top edge,
    // the one in front.
    s.R.SetAngles(30, 0);
    s.R.Render(true);
    found = 0;
    for (const TAxisNumber& n : s.Place())
        if (n.Text == "4" && n.Color == Blue && n.Box.center().x() > 200) {
            EXPECT_LT(n.Box.bottom(), 150 - 60) << "above the tipped plane's top edge";
            ++found;
        }
    EXPECT_EQ(found, 1);

    // Turned a little, the XZ plane shows its numbers too; from the side only the YZ plane.
    for (const auto& [ax, ay, colour] : { std::tuple { 30.0L, 20.0L, TColor(0x00AA00) },
             std::tuple { 0.0L, -90.0L, TColor(0x0000AA) } }) {
        s.R.Planes().Items(2).SetColor(0x00AA00);
        s.R.Planes().Items(3).SetColor(0x0000AA);
        s.R.SetAngles(ax, ay);
        s.R.Render(true);
        const std::vector<TAxisNumber> turned = s.Place();
        EXPECT_TRUE(std::any_of(
            turned.begin(), turned.end(), [&](const TAxisNumber& n) { return n.Color == colour; }));
        if (ay == -90) {
            EXPECT_TRUE(std::all_of(turned.begin(), turned.end(),
                [&](const TAxisNumber& n) { return n.Color == colour; }));
        }
    }
}

// Crowded far out, numbers are left out rather than overlap each other, the little axes'
// labels or boxes taken before; on and off again, the picture is the one without them, pixel
// for pixel, and on, they change nothing outside their boxes, in either back end.
TEST(AxisNumbers, LeftOutWhereTheyWouldOverlap)
{
    Scene s;
    s.R.SetAngles(15, 30);
    s.R.SetZoom(20);
    s.R.Render(true);
    const QRect legend(4, 4, 150, 40);
    std::vector<QRect> taken { legend };
    const std::vector<TAxisNumber> numbers = s.Place(taken);
    ASSERT_GE(numbers.size(), 3u);
    EXPECT_LT(numbers.size(), 30u);
    EXPECT_EQ(taken.size(), numbers.size() + 1) << "the placed boxes are taken";
    EXPECT_FALSE(anyOverlap(taken));

    const QImage plain = s.R.Image().copy();
    s.R.SetAxisNumbers(true);
    s.R.Render(false);
    const QImage on = s.R.Image().copy();
    std::vector<TAxisNumber> drawn = s.Place();
    EXPECT_NE(on, plain);
    EXPECT_EQ(changedOutside(on, plain, drawn), 0);
    // The little axes' labels "x", "y", "z" keep their pixels.
    const QFontMetrics metrics(QGuiApplication::font());
    for (int i = 0; i < 3; ++i) {
        const QRect label(s.R.LAxisPoints()[i] - QPoint(4, 6),
            QSize(metrics.horizontalAdvance(QString("xyz")[i]), metrics.height()));
        EXPECT_EQ(on.copy(label), plain.copy(label)) << i;
    }
    s.R.SetAxisNumbers(false);
    s.R.Render(false);
    EXPECT_TRUE(s.R.Image() == plain);

    s.R.SetAxisNumbers(true);
    QImage painted(400, 300, QImage::Format_RGB32);
    QImage paintedPlain(400, 300, QImage::Format_RGB32);
    {
        QPainter p(&painted);
        s.R.Paint(p, 400, 300, true);
    }
    s.R.SetAxisNumbers(false);
    {
        QPainter p(&paintedPlain);
        s.R.Paint(p, 400, 300, true);
    }
    EXPECT_NE(painted, paintedPlain);
    EXPECT_EQ(changedOutside(painted, paintedPlain, drawn), 0);

    // With the legend on, the numbers keep clear of it, where one would stand on it otherwise.
    s.R.Objects().Append(ctXYPlane, "", "x/3", "", 255, csLine, 1, 1, true);
    s.R.SetLegend(true);
    s.R.SetZoom(50);
    s.R.SetAngles(0, 0);
    s.R.SetX0(150);
    s.R.SetY0(100);
    s.R.Render(true);
    const QImage legendOnly = s.R.Image().copy();
    s.R.SetAxisNumbers(true);
    s.R.Render(false);
    const QRect box = LegendBox(s.R.Objects(), 300);
    const std::vector<TAxisNumber> all = s.Place();
    EXPECT_TRUE(std::any_of(
        all.begin(), all.end(), [&](const TAxisNumber& n) { return n.Box.intersects(box); }));
    EXPECT_NE(s.R.Image(), legendOnly);
    EXPECT_EQ(s.R.Image().copy(box), legendOnly.copy(box));
}

// The four-view layout: each fixed view's numbers keep clear of its name.
TEST(AxisNumbers, FourViewKeepsTheViewNamesClear)
{
    Scene s;
    s.R.SetSize(200, 150);
    // The y numbers of the facing plane would reach the name in the top left corner.
    s.R.SetX0(95);
    s.R.SetY0(88);
    s.R.SetAxisNumbers(true);
    const TFourViews on = RenderFourViews(s.R);
    s.R.SetAxisNumbers(false);
    const TFourViews off = RenderFourViews(s.R);
    EXPECT_TRUE(s.R.LabelBox().isNull());
    const QFontMetrics metrics(QGuiApplication::font());
    const QRect name(2, 2, metrics.horizontalAdvance("Üst") + 1, metrics.height());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(on.Views[i], off.Views[i]);
        EXPECT_EQ(on.Views[i].copy(name), off.Views[i].copy(name));
    }
}
