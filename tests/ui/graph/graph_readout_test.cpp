#include "base/number_text.h"
#include "graph_test_host.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/image.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A shown window in parallel projection on a white background, numbers with a comma.
struct Window {
    QTemporaryDir dir;
    TRecordingHost host;
    std::unique_ptr<TGrafikMChildFrm> w;
    Window()
    {
        SetDecimalSeparator(',');
        QFile f(dir.filePath("Norvadeks.ini"));
        f.open(QIODevice::WriteOnly);
        f.write("[Ekran]\r\nPerspektif=0\r\nArkapilanRengi=16777215\r\n");
        f.close();
        w = std::make_unique<TGrafikMChildFrm>(host, dir.filePath("Norvadeks.ini"));
        w->resize(400, 300);
        w->show();
        w->ShowFrontView();
    }
    ~Window() { SetDecimalSeparator('.'); }
    TDrawFunction& r() { return w->DrawFunction(); }
    void apply(int type, const std::string& fx, const std::string& fy, const std::string& fz,
        long double step = 0.1L, TColor color = 255)
    {
        TEditorValues v;
        v.CurveType = type;
        v.Fx = fx;
        v.Fy = fy;
        v.Fz = fz;
        v.Step = step;
        v.Color = color;
        w->NewCurve();
        w->ApplyCurve(v);
    }
    // The pixel of the plane point (x, y) in the single front view.
    QPoint pixel(long double x, long double y)
    {
        const long double s = r().Scale();
        return { r().X0() + int(std::nearbyint(x / s)), r().Y0() - int(std::nearbyint(y / s)) };
    }
};

void moveTo(QWidget* view, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton,
        buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
}

void click(QWidget* view, QPoint at)
{
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
}

void wheel(QWidget* view, QPoint at, int delta)
{
    QWheelEvent event(QPointF(at), view->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &event);
}

std::string text(long double v) { return FloatToText(v); }
}

TEST(GraphReadout, CoordinatesUnderThePointerInStraightViewsOnly)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    const int x0 = win.r().X0(), y0 = win.r().Y0();
    moveTo(w.Image1, { x0 + 25, y0 + 15 });
    EXPECT_EQ(win.host.Hint, "x = 1,25  y = \u22120,75");
    // At 1000 % a pixel is 0.005 units: three decimals.
    w.SetZoomPercent(1000);
    moveTo(w.Image1, { x0 + 25, y0 - 3 });
    EXPECT_EQ(win.host.Hint, "x = 0,125  y = 0,015");
    // A turned view and perspective show nothing; leaving the view takes the numbers away.
    w.ShowPerspectiveView();
    moveTo(w.Image1, { x0 + 25, y0 - 3 });
    EXPECT_EQ(win.host.Hint, "");
    w.ShowTopView();
    moveTo(w.Image1, { x0 + 25, y0 - 3 });
    EXPECT_EQ(win.host.Hint, "x = 0,125  z = \u22120,015");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w.Image1, &leave);
    EXPECT_EQ(win.host.Hint, "");
    w.SetPerspective(true);
    moveTo(w.Image1, { x0 + 25, y0 - 3 });
    EXPECT_EQ(win.host.Hint, "");
    w.SetPerspective(false);

    // In four-view each view answers for itself, the own view turned at (15, 30).
    w.SetZoomPercent(100);
    w.ShowPerspectiveView();
    w.SetFourView(true);
    const int fx0 = win.r().X0(), fy0 = win.r().Y0();
    moveTo(w.Image2, { fx0 + 20, fy0 - 40 });
    EXPECT_EQ(win.host.Hint, "x = 1,00  y = 2,00");
    moveTo(w.Image4, { fx0 + 20, fy0 - 40 });
    EXPECT_EQ(win.host.Hint, "x = 1,00  z = \u22122,00");
    moveTo(w.Image3, { fx0 + 20, fy0 - 40 });
    EXPECT_EQ(win.host.Hint, "z = 1,00  y = 2,00");
    moveTo(w.Image5, { fx0 + 20, fy0 - 40 });
    EXPECT_EQ(win.host.Hint, "");
}

TEST(GraphReadout, MarkerFollowsTheMouseTheKeysAndTheCurves)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    win.apply(ctXYPlane, "", "sin(x)", "");
    win.apply(ctXYPlane, "", "cos(x)", "");
    ASSERT_EQ(w.CurveIndex(), 1);
    w.SetTracing(true);
    ASSERT_TRUE(w.Tracing());
    // On at the middle sample of the current curve.
    EXPECT_EQ(w.Tracer().Curve(), 1);
    EXPECT_EQ(w.Tracer().Point(), 100);
    EXPECT_EQ(win.host.TraceStatus, w.TraceText());

    // The mouse near the curve at x = 1: the marker goes to the sample there.
    moveTo(w.Image1, win.pixel(1, std::cos(1.0L)));
    EXPECT_EQ(win.host.TraceStatus, QString::fromStdString("x = 1  y = " + text(std::cos(1.0L))));
    EXPECT_EQ(w.Image1->MarkerAt(), win.pixel(1, std::cos(1.0L)));
    EXPECT_EQ(w.Image1->accessibleDescription(), win.host.TraceStatus);
    // Moves with a button held turn the scene and leave the marker on its sample.
    const int sample = w.Tracer().Point();
    moveTo(w.Image1, { 5, 5 }, Qt::LeftButton);
    EXPECT_EQ(w.Tracer().Point(), sample);

    // Keys: one sample, ten with Shift, the ends.
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(win.host.TraceStatus, QString::fromStdString("x = 1,1  y = " + text(std::cos(1.1L))));
    QTest::keyClick(&w, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("x = 0,1  y = 0,995004165278"));
    QTest::keyClick(&w, Qt::Key_End);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("x = 9,9  y = "));
    // Page Up: the previous curve becomes current, the marker on its sample nearest to
    // where it stood.
    QTest::keyClick(&w, Qt::Key_PageUp);
    EXPECT_EQ(w.CurveIndex(), 0);
    EXPECT_EQ(win.host.Status, "  (1/2)");
    EXPECT_EQ(win.host.TraceStatus, QString::fromStdString("x = 9,9  y = " + text(std::sin(9.9L))));
    QTest::keyClick(&w, Qt::Key_PageUp);
    EXPECT_EQ(w.CurveIndex(), 0);
    QTest::keyClick(&w, Qt::Key_PageDown);
    EXPECT_EQ(w.CurveIndex(), 1);
    EXPECT_EQ(win.host.TraceStatus, QString::fromStdString("x = 9,9  y = " + text(std::cos(9.9L))));
    QTest::keyClick(&w, Qt::Key_PageUp);
    QTest::keyClick(&w, Qt::Key_Home);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("x = -10  y = 0,544021110889"));
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), win.host.TraceStatus);

    // A click pins the marker while the mouse moves on; a second click frees it.
    click(w.Image1, win.pixel(0, 0));
    const long long pinned = w.Tracer().Sample();
    moveTo(w.Image1, win.pixel(3, std::sin(3.0L)));
    EXPECT_EQ(w.Tracer().Sample(), pinned);
    click(w.Image1, win.pixel(3, std::sin(3.0L)));
    moveTo(w.Image1, win.pixel(3, std::sin(3.0L)));
    EXPECT_EQ(w.Tracer().Sample(), 130);

    // Escape ends the tracing: no marker, no status, the check mark cleared.
    win.host.TraceCheck = true;
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.Tracing());
    EXPECT_FALSE(win.host.TraceCheck);
    EXPECT_EQ(win.host.TraceStatus, "");
    EXPECT_FALSE(w.Image1->HasMarker());
}

TEST(GraphReadout, TheMarkerDrawsOverThePictureOnlyWhileTracing)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    win.apply(ctCylindrical, "sin(t)", "cos(t)", "t/2");
    const QImage before = w.grab().toImage();
    w.SetTracing(true);
    const QImage tracing = w.grab().toImage();
    const QPoint at = w.Image1->MarkerAt();
    // The cross in the inverse of the white background, beside the point; the picture
    // that is copied, saved and printed has none.
    EXPECT_EQ(tracing.pixelColor(at + QPoint(5, 0)), QColor(Qt::black));
    EXPECT_EQ(tracing.pixelColor(at - QPoint(0, 5)), QColor(Qt::black));
    EXPECT_NE(tracing, before);
    EXPECT_EQ(w.Picture(), before.convertToFormat(QImage::Format_RGB32));
    const long double t = w.Tracer().OuterValue();
    EXPECT_EQ(win.host.TraceStatus,
        QString::fromStdString("t = " + text(t) + "  x = " + text(std::sin(t))
            + "  y = " + text(std::cos(t)) + "  z = " + text(t / 2)));
    w.SetTracing(false);
    EXPECT_EQ(w.grab().toImage(), before) << "the same pixels as before the tracing";

    // It stays on its sample while the scene turns, in every view of four-view.
    w.SetTracing(true);
    const QPoint fromOrigin = at - QPoint(win.r().X0(), win.r().Y0());
    const QString status = win.host.TraceStatus;
    w.ShowPerspectiveView();
    EXPECT_EQ(win.host.TraceStatus, status);
    EXPECT_NE(w.Image1->MarkerAt(), at);
    w.SetFourView(true);
    for (TImage* view : { w.Image2, w.Image3, w.Image4, w.Image5 })
        EXPECT_TRUE(view->HasMarker());
    EXPECT_FALSE(w.Image1->HasMarker());
    EXPECT_EQ(w.Image2->MarkerAt(), QPoint(win.r().X0(), win.r().Y0()) + fromOrigin)
        << "the front view";
}

TEST(GraphReadout, LeftOutSamplesAreNeverAPlaceForTheMarker)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    // No root of x^2 - 4 below zero: the samples with |x| < 2 are left out.
    win.apply(ctXYPlane, "", "(x*x-4)^(1/2)", "", 0.5L);
    w.SetTracing(true);
    moveTo(w.Image1, win.pixel(-0.6L, 0));
    EXPECT_EQ(win.host.TraceStatus, "x = -2  y = 0");
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(win.host.TraceStatus, "x = 2  y = 0");
    moveTo(w.Image1, win.pixel(0.6L, 0));
    EXPECT_EQ(win.host.TraceStatus, "x = 2  y = 0");
}

TEST(GraphReadout, WheelZoomsAboutThePointerAndFitBringsFarCurvesIn)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    const QPoint at(300, 80);
    const auto sceneAt = [&](QPoint p) {
        const long double s = win.r().Scale();
        return std::pair { (p.x() - win.r().X0()) * s, (win.r().Y0() - p.y()) * s };
    };
    const auto before = sceneAt(at);
    wheel(w.Image1, at, 120);
    EXPECT_EQ(w.ZoomPercent(), 200);
    EXPECT_EQ(win.host.ZoomText, "200%");
    EXPECT_EQ(sceneAt(at), before);
    wheel(w.Image1, at, -60);
    EXPECT_EQ(w.ZoomPercent(), 200) << "half a notch waits for the other half";
    wheel(w.Image1, at, -60);
    wheel(w.Image1, at, -120);
    EXPECT_EQ(w.ZoomPercent(), 50);
    EXPECT_NEAR(double(sceneAt(at).first), double(before.first), 0.1);

    // A circle far off the origin comes into the middle of the view, filling 90 % of its
    // height; with nothing visible the command does nothing.
    win.apply(ctCylindrical, "40+2*cos(t)", "-25+2*sin(t)", "0", 0.01L, 0xFF0000);
    w.FitToCurves();
    const QImage picture = w.Picture();
    int top = picture.height(), bottom = -1, left = picture.width(), right = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(0, 0, 255)) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    EXPECT_NEAR(bottom - top, 0.9 * 299, 3);
    EXPECT_NEAR(top, 299 - bottom, 3);
    EXPECT_NEAR(left, 399 - right, 3);
    EXPECT_EQ(win.host.ZoomText, QString::number(w.ZoomPercent()) + "%");
    const long double scale = win.r().Scale();
    w.RemoveAllCurves();
    w.FitToCurves();
    EXPECT_EQ(win.r().Scale(), scale);
}

// While tracing, Ctrl+Right and Ctrl+Left go from point of interest to point of
// interest along the free variable, whether the marks are shown or not, and stop at
// the ends; a zero where another curve crosses is a stop of each kind.
TEST(GraphReadout, CtrlArrowsStepThroughThePointsOfInterest)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    win.apply(ctXYPlane, "", "x^3-3*x", "");
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(win.host.TraceStatus, "") << "not tracing: not the tracer's key";
    w.SetTracing(true);
    ASSERT_FALSE(w.InterestMarks());
    QTest::keyClick(&w, Qt::Key_Home);
    const std::string root = text(std::sqrt(3.0L));
    const QString forward[] = {
        QString::fromStdString("Sıfır: x = -" + root + "  y = "),
        "Maksimum: x = -1  y = 2",
        "Sıfır: x = 0  y = 0",
        "Minimum: x = 1  y = -2",
        QString::fromStdString("Sıfır: x = " + root + "  y = "),
    };
    const long double at[] = { -std::sqrt(3.0L), -1, 0, 1, std::sqrt(3.0L) };
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[i]))
            << win.host.TraceStatus.toStdString();
        EXPECT_NEAR(double(w.Tracer().OuterValue()), double(at[i]), 1e-15);
        EXPECT_EQ(w.Image1->MarkerAt(), win.pixel(at[i], at[i] * at[i] * at[i] - 3 * at[i]));
    }
    // The last one: the key keeps the marker and its words.
    const QString last = win.host.TraceStatus;
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(win.host.TraceStatus, last);
    EXPECT_TRUE(w.Tracing());
    // Coming back to the window leaves it there, not on the nearest sample.
    w.FormActivate();
    EXPECT_EQ(win.host.TraceStatus, last);
    for (int i = 3; i >= 0; --i) {
        QTest::keyClick(&w, Qt::Key_Left, Qt::ControlModifier);
        EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[i]))
            << win.host.TraceStatus.toStdString();
    }
    QTest::keyClick(&w, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[0]));
    // From a sample between two stops: the next one along.
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("x = -1,6  y = "));
    QTest::keyClick(&w, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[0]));

    // The axis as a second curve meets the first at its zeros: each such place is
    // a zero and a crossing, one key each. A hidden curve crosses nothing.
    win.apply(ctXYPlane, "", "0", "");
    w.FirstCurve();
    EXPECT_EQ(w.InterestPoints().size(), 8U);
    QTest::keyClick(&w, Qt::Key_Home);
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[0]));
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith(QString::fromStdString("Kesişim: x = -" + root)));
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith(forward[1]));
    TEditorValues hidden;
    hidden.Fy = "0";
    hidden.Visible = false;
    w.LastCurve();
    w.MarkCurveChanged();
    w.ApplyCurve(hidden);
    w.FirstCurve();
    EXPECT_EQ(w.InterestPoints().size(), 5U);
}

// Up and Down step along the other free variable of a surface through real keys,
// passing over a row that could not be computed; the wheel and the zoom commands
// leave the marker on its sample, drawn where that sample is drawn.
TEST(GraphReadout, UpDownCrossTheRowsAndZoomingKeepsTheSample)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    // u = 1 (the third row) has no logarithm: that row is left out.
    win.apply(ctParametric, "u", "v", "ln((u-1)^2)", 0.5L);
    w.SetTracing(true);
    QTest::keyClick(&w, Qt::Key_Home);
    QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("u = 0  v = 5  x = 0  y = 5  z = "))
        << win.host.TraceStatus.toStdString();
    QTest::keyClick(&w, Qt::Key_Up);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("u = 0,5  v = 5  "));
    QTest::keyClick(&w, Qt::Key_Up);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("u = 1,5  v = 5  "))
        << win.host.TraceStatus.toStdString();
    QTest::keyClick(&w, Qt::Key_Down);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("u = 0,5  v = 5  "));
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Down);
    EXPECT_TRUE(win.host.TraceStatus.startsWith("u = 0  v = 5  ")) << "the first row stays";

    const QString status = win.host.TraceStatus;
    const long long sample = w.Tracer().Sample();
    wheel(w.Image1, { 120, 90 }, 120);
    EXPECT_EQ(w.ZoomPercent(), 200);
    EXPECT_EQ(w.Tracer().Sample(), sample);
    EXPECT_EQ(win.host.TraceStatus, status);
    EXPECT_EQ(w.Image1->MarkerAt(), win.pixel(0, 5));
    w.ZoomOut();
    w.ZoomOut();
    EXPECT_EQ(w.Tracer().Sample(), sample);
    EXPECT_EQ(w.Image1->MarkerAt(), win.pixel(0, 5));

    // The animation turns the scene under the marker, which keeps its sample and its words.
    const QPoint still = w.Image1->MarkerAt();
    w.SetAnimation(true);
    w.Timer1Timer();
    w.Timer1Timer();
    w.SetAnimation(false);
    EXPECT_EQ(w.Tracer().Sample(), sample);
    EXPECT_EQ(win.host.TraceStatus, status);
    EXPECT_NE(w.Image1->MarkerAt(), still);
    int x = 0, y = 0;
    ASSERT_TRUE(w.Tracer().PixelIn(win.r().Camera().Matrix(), win.r().X0(), win.r().Y0(), x, y));
    EXPECT_EQ(w.Image1->MarkerAt(), QPoint(x, y));
}
