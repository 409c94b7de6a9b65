#include "graph_test_host.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"
#include "ui/platform/prompts.h"
#include "files/scene_file.h"

#include <QApplication>
#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct Window {
    QTemporaryDir dir;
    TRecordingHost host;
    std::unique_ptr<TGrafikMChildFrm> w;
    explicit Window(const QByteArray& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile f(dir.filePath("Norvadeks.ini"));
            f.open(QIODevice::WriteOnly);
            f.write(settings);
        }
        w = std::make_unique<TGrafikMChildFrm>(host, dir.filePath("Norvadeks.ini"));
    }
    TDrawFunction& r() { return w->DrawFunction(); }
};

TEditorValues curve(const std::string& fy, TColor color = 255)
{
    TEditorValues v;
    v.CurveType = 0;
    v.Fx = "X";
    v.Fy = fy;
    v.Fz = "0";
    v.Color = color;
    v.Step = 0.1L;
    v.Thickness = 2;
    return v;
}
}

TEST(GraphWindow, StateAfterCreationFromTheSettingsFile)
{
    Window win("[Ekran]\r\nPerspektif=0\r\nAnimInterval=25\r\nArkapilanRengi=255\r\n"
               "[XZDuzlemi]\r\nGorunurluk=0\r\n");
    TGrafikMChildFrm& w = *win.w;
    EXPECT_EQ(w.Caption(), "Ekran1");
    EXPECT_EQ(w.windowTitle(), "Ekran1[*]") << "the unsaved mark's place";
    EXPECT_EQ(w.size(), QSize(288, 245));
    EXPECT_FALSE(w.Perspective());
    EXPECT_EQ(w.Timer1->interval(), 25);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(win.r().BrushColor(), 255u);
    EXPECT_FALSE(win.r().Planes().Items(2).Visible());
    EXPECT_EQ(win.r().Width(), 288);
    EXPECT_EQ(win.r().X0(), 144);
    EXPECT_EQ(win.r().Y0(), 122);
    EXPECT_EQ(win.r().MoveStep(), 20);
    EXPECT_EQ(w.ZoomPercent(), 100);
    EXPECT_EQ(w.State(), omAppend);
    EXPECT_EQ(w.CurveIndex(), -1);
    EXPECT_EQ(w.MouseMode(), 0);
    EXPECT_FALSE(w.Animation());
    EXPECT_FALSE(w.FourView());
    EXPECT_EQ(w.Turning().SpinX(), 5);
    EXPECT_EQ(w.WindowNo(), 1);
    EXPECT_TRUE(w.FileName().isEmpty());
    EXPECT_EQ(w.Image1->Picture().toImage().pixel(5, 5), 0xFFFF0000u) << "the background is drawn";

    // The context menu in its order.
    QStringList items;
    for (QAction* a : w.ChildFrmPopupMenu->actions())
        items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items.join("|"),
        "K&opyala|-|Bakış...|Büyüklük...|-|Eğri Gezgini|Sayısal Değerler...|-|Özellikler...");

    w.FormActivate();
    EXPECT_EQ(win.host.Calls.join(","),
        "planes,perspective,zoom 100%,animation,fourview,mousemode,explorer");
    EXPECT_TRUE(win.host.Planes[0]);
    EXPECT_FALSE(win.host.Planes[1]);
    EXPECT_EQ(win.host.Status, "  (Yeni Eğri)");
    EXPECT_FALSE(win.host.Buttons.First || win.host.Buttons.Prior || win.host.Buttons.Next
        || win.host.Buttons.Last || win.host.Buttons.Remove || win.host.Buttons.RemoveAll);
}

TEST(GraphWindow, FourViewGeometryAndTheComposedPicture)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.resize(401, 301);
    win.r().SetAngles(33.7L, -12.4L);
    w.SetFourView(true);
    EXPECT_EQ(win.r().Width(), 200);
    EXPECT_EQ(win.r().Height(), 150);
    EXPECT_EQ(win.r().X0(), 100);
    EXPECT_EQ(win.r().Y0(), 75);
    EXPECT_EQ(w.Image2->geometry(), QRect(0, 0, 200, 150));
    EXPECT_EQ(w.Image3->geometry(), QRect(0, 151, 200, 150));
    EXPECT_EQ(w.Image4->geometry(), QRect(201, 0, 200, 150));
    EXPECT_EQ(w.Image5->geometry(), QRect(202, 152, 200, 150));
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_FALSE(w.Image5->isHidden());
    // The own view drops the fractions of the angles.
    EXPECT_EQ(win.r().XAxisAngle(), 33);
    EXPECT_EQ(win.r().YAxisAngle(), -12);

    // The labels are written on the copies, not on the own view.
    const QImage front = w.Image2->Picture().toImage();
    const QImage own = w.Image5->Picture().toImage();
    int labelPixels = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 16; ++x)
            labelPixels += front.pixel(x, y) != own.pixel(x, y);
    EXPECT_GT(labelPixels, 5);

    const QImage picture = w.ComposePicture();
    EXPECT_EQ(picture.size(), QSize(401, 301));
    for (const auto& [image, at] :
        { std::pair { w.Image2, QPoint(0, 0) }, { w.Image3, QPoint(0, 151) },
            { w.Image4, QPoint(201, 0) }, { w.Image5, QPoint(201, 151) } }) {
        const QImage view = image->Picture().toImage();
        EXPECT_EQ(picture.copy(QRect(at + QPoint(1, 1), QSize(198, 148))),
            view.copy(QRect(1, 1, 198, 148)).convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(picture.pixel(100, 150), 0xFF000000u) << "the dividing line";
    EXPECT_EQ(picture.pixel(200, 40), 0xFF000000u);

    // The presets in four-view change only the own view.
    const QImage frontBefore = w.Image2->Picture().toImage();
    w.ShowTopView();
    EXPECT_EQ(w.Image2->Picture().toImage(), frontBefore);
    EXPECT_EQ(win.r().XAxisAngle(), 90);
}

TEST(GraphWindow, ResizeKeepsTheSceneCentred)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.show();
    const int x0 = win.r().X0();
    w.resize(278, 245);
    EXPECT_EQ(win.r().X0(), x0 - 5);
    w.resize(288, 245);
    EXPECT_EQ(win.r().X0(), x0);
    w.resize(288, 265);
    EXPECT_EQ(win.r().Y0(), 122 + 10);
    EXPECT_EQ(win.r().Height(), 265);
    EXPECT_EQ(w.Image1->size(), QSize(288, 265));
}

TEST(GraphWindow, ZoomCommands)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.SetZoomPercent(75);
    w.ZoomIn();
    EXPECT_EQ(win.host.ZoomText, "150%");
    win.host.ZoomText.clear();
    w.FormActivate();
    EXPECT_EQ(win.host.ZoomText, "150%");
    w.SetZoomPercent(25);
    w.ZoomOut();
    EXPECT_EQ(win.host.ZoomText, "12%") << "12.5 to the nearest integer, halves to even";
    w.SetZoomPercent(0);
    EXPECT_EQ(w.ZoomPercent(), 1) << "below 1 is taken as 1";
    w.SetZoomPercent(-30);
    EXPECT_EQ(w.ZoomPercent(), 1);

    w.SetZoomPercent(100);
    w.resize(288, 400);
    w.FitToHeight(600);
    EXPECT_EQ(w.ZoomPercent(), 150);
    EXPECT_EQ(win.host.ZoomText, "150%");
    EXPECT_EQ(win.r().Height(), 600);
    EXPECT_EQ(win.r().Y0(), 300);
    w.FitToWidth(144);
    EXPECT_EQ(w.ZoomPercent(), 75);
    // A fit that truncates to 0 still leaves a usable zoom.
    w.FitToWidth(1);
    EXPECT_GE(w.ZoomPercent(), 1);
}

TEST(GraphWindow, FitsInFourViewCompareViewSizes)
{
    // Each view grows from half the old window to half the new one.
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.SetFourView(true);
    w.resize(288, 400);
    w.FitToHeight(600);
    EXPECT_EQ(w.ZoomPercent(), 150);
    EXPECT_EQ(win.host.ZoomText, "150%");
    EXPECT_EQ(win.r().Height(), 300);
    w.resize(400, 300);
    w.FitToWidth(200);
    EXPECT_EQ(w.ZoomPercent(), 75);
    EXPECT_EQ(win.r().Width(), 100);
}

TEST(GraphWindow, RotateAndDragWithTheDeadZone)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.Image1MouseDown(Qt::LeftButton, 100, 100);
    w.ImageMouseMove(Qt::LeftButton, 115, 115);
    EXPECT_EQ(win.r().XAxisAngle(), 0);
    EXPECT_EQ(win.r().YAxisAngle(), 0);
    w.ImageMouseMove(Qt::LeftButton, 116, 100);
    EXPECT_EQ(win.r().YAxisAngle(), -8);
    EXPECT_EQ(win.r().XAxisAngle(), 0);
    w.ImageMouseMove(Qt::LeftButton, 116, 130);
    EXPECT_EQ(win.r().XAxisAngle(), 15);
    w.Image1MouseUp(Qt::LeftButton, 116, 130);
    EXPECT_FALSE(w.Timer1->isActive()) << "no flick";

    // The right button alone does not rotate.
    w.Image1MouseDown(Qt::RightButton, 0, 0);
    w.ImageMouseMove(Qt::RightButton, 50, 50);
    EXPECT_EQ(win.r().XAxisAngle(), 15);
    w.Image1MouseUp(Qt::RightButton, 50, 50);
    w.ChildFrmPopupMenu->hide();

    // Dragging takes any button; the origin follows the pointer.
    w.SetMouseMode(1);
    const int x0 = win.r().X0();
    const int y0 = win.r().Y0();
    w.Image1MouseDown(Qt::RightButton, 10, 10);
    w.ImageMouseMove(Qt::RightButton, 20, 20);
    EXPECT_EQ(win.r().X0(), x0);
    w.ImageMouseMove(Qt::RightButton, 40, 5);
    EXPECT_EQ(win.r().X0(), x0 + 30);
    EXPECT_EQ(win.r().Y0(), y0 - 5);
    w.Image1MouseUp(Qt::RightButton, 40, 5);
    EXPECT_FALSE(w.ChildFrmPopupMenu->isVisible()) << "no menu over a right-button drag";
    EXPECT_FALSE(w.Timer1->isActive());

    // Without a press nothing moves.
    w.ImageMouseMove(Qt::LeftButton, 400, 400);
    EXPECT_EQ(win.r().X0(), x0 + 30);
}

TEST(GraphWindow, RightClickWithoutDragOpensTheMenu)
{
    Window win;
    win.w->show();
    win.w->Image1MouseDown(Qt::RightButton, 10, 10);
    win.w->ImageMouseMove(Qt::RightButton, 12, 14);
    win.w->Image1MouseUp(Qt::RightButton, 12, 14);
    EXPECT_TRUE(win.w->ChildFrmPopupMenu->isVisible());
    // The window runs its dialogs itself, whatever the host.
    EXPECT_TRUE(win.w->Bakis1->isEnabled());
    EXPECT_TRUE(win.w->Kopyala1->isEnabled());
    win.w->ChildFrmPopupMenu->hide();
    win.w->EgriGezgini1->trigger();
    EXPECT_TRUE(win.host.ExplorerShown);
}

TEST(GraphWindow, EveryViewOfFourViewOpensTheMenu)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.show();
    w.SetFourView(true);
    const auto click = [](QWidget* view, Qt::MouseButton button) {
        const QPointF at(20, 20);
        QMouseEvent press(
            QEvent::MouseButtonPress, at, view->mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), button,
            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    };
    for (TImage* view : { w.Image2, w.Image3, w.Image4, w.Image5 }) {
        SCOPED_TRACE(view->objectName().toStdString());
        click(view, Qt::LeftButton);
        EXPECT_FALSE(w.ChildFrmPopupMenu->isVisible());
        click(view, Qt::RightButton);
        EXPECT_TRUE(w.ChildFrmPopupMenu->isVisible());
        w.ChildFrmPopupMenu->hide();
    }
    // A press elsewhere and a release over a fixed view open nothing.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Image3, &release);
    EXPECT_FALSE(w.ChildFrmPopupMenu->isVisible());
}

TEST(GraphWindow, SpinSlowsToAStop)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.Image1MouseDown(Qt::LeftButton, 50, 0);
    w.ImageMouseMove(Qt::LeftButton, 50, 100);
    EXPECT_EQ(w.Turning().SpinX(), 50);
    w.Image1MouseUp(Qt::LeftButton, 50, 100);
    EXPECT_TRUE(w.Timer1->isActive());
    long double angle = win.r().XAxisAngle();
    long double applied = 0;
    int ticks = 0;
    while (w.Timer1->isActive() && ticks < 100) {
        w.Timer1Timer();
        applied = win.r().XAxisAngle() - angle;
        angle = win.r().XAxisAngle();
        ++ticks;
    }
    EXPECT_EQ(ticks, 33);
    EXPECT_NEAR(static_cast<double>(applied), 50 * std::pow(0.93, 32), 1e-9);
    EXPECT_NEAR(static_cast<double>(applied), 4.90, 0.01);

    // A press stops a spin at once.
    w.Image1MouseDown(Qt::LeftButton, 50, 0);
    w.ImageMouseMove(Qt::LeftButton, 50, 100);
    w.Image1MouseUp(Qt::LeftButton, 50, 100);
    EXPECT_TRUE(w.Timer1->isActive());
    w.Image1MouseDown(Qt::LeftButton, 0, 0);
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST(GraphWindow, AnimationKeepsTurning)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.SetAnimation(true);
    EXPECT_TRUE(w.Timer1->isActive());
    w.Timer1Timer();
    w.Timer1Timer();
    EXPECT_EQ(win.r().XAxisAngle(), 10) << "5 degrees a tick, without slowing";
    EXPECT_EQ(win.r().YAxisAngle(), 10);

    // After a flick of 50 degrees the step shrinks for 23 ticks to about 9.42.
    w.Image1MouseDown(Qt::LeftButton, 0, 0);
    EXPECT_FALSE(w.Timer1->isActive()) << "paused while pressed";
    w.ImageMouseMove(Qt::LeftButton, 0, 100);
    w.Image1MouseUp(Qt::LeftButton, 0, 100);
    EXPECT_TRUE(w.Timer1->isActive()) << "resumed on release";
    int shrinking = 0;
    for (int i = 0; i < 60; ++i) {
        const long double before = w.Turning().SpinX();
        w.Timer1Timer();
        shrinking += w.Turning().SpinX() != before;
    }
    EXPECT_EQ(shrinking, 23);
    EXPECT_NEAR(static_cast<double>(w.Turning().SpinX()), 9.42, 0.01);
    EXPECT_TRUE(w.Timer1->isActive());
    w.SetAnimation(false);
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST(GraphWindow, CurrentCurveAndItsStatus)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    TRecordingHost& host = win.host;
    EXPECT_TRUE(w.IsCurveChanged(curve("sin(x)")));
    EXPECT_TRUE(w.IsCurveChanged(curve(""))) << "the fixed fields of type 0 hold X and 0";
    w.ApplyCurve(curve("sin(x)"));
    EXPECT_EQ(w.State(), omNone);
    EXPECT_EQ(host.Status, "  (1/1)");
    EXPECT_FALSE(w.IsCurveChanged(curve("sin(x)")));
    for (const char* f : { "x", "x^2", "x^3", "x^4" }) {
        w.NewCurve();
        EXPECT_EQ(host.Status, "  (Yeni Eğri)");
        w.ApplyCurve(curve(f));
    }
    EXPECT_EQ(host.Status, "  (5/5)");
    EXPECT_TRUE(
        host.Buttons.First && host.Buttons.Prior && !host.Buttons.Next && !host.Buttons.Last);
    EXPECT_TRUE(host.Buttons.Remove && host.Buttons.RemoveAll);
    w.NextCurve();
    EXPECT_EQ(host.Status, "  (5/5)");

    w.FirstCurve();
    w.PriorCurve();
    EXPECT_EQ(w.CurveIndex(), 0);
    w.NextCurve();
    EXPECT_EQ(host.Status, "  (2/5)");
    EXPECT_EQ(w.CurrentCurve().Fy->GetText(), "x");
    TEditorValues changed = curve("x", 0xFF0000);
    EXPECT_TRUE(w.IsCurveChanged(changed));
    w.MarkCurveChanged();
    EXPECT_EQ(host.Status, "  (2/5) Değisiklik");
    EXPECT_EQ(w.State(), omEdit);
    EXPECT_FALSE(w.IsCurveChanged(curve("x")));
    EXPECT_EQ(host.Status, "  (2/5) Değisiklik") << "kept until the next refresh";
    w.ApplyCurve(changed);
    EXPECT_EQ(host.Status, "  (2/5)");
    EXPECT_EQ(w.DrawFunction().Objects().Items(1).Color, 0xFF0000u);

    // A failing apply leaves the state.
    w.MarkCurveChanged();
    TScopedErrorSink sink([](const QString&) {});
    EXPECT_THROW(w.ApplyCurve(curve("x^2")), Exception) << "a duplicate";
    EXPECT_EQ(w.State(), omEdit);
    EXPECT_EQ(w.CurveIndex(), 1);

    // While a new curve is entered, Prior goes to the last curve.
    w.NewCurve();
    w.PriorCurve();
    EXPECT_EQ(host.Status, "  (5/5)");

    // Deleting the last of the curves makes the new last one current.
    w.RemoveCurve();
    EXPECT_EQ(host.Status, "  (4/4)");
    EXPECT_EQ(w.CurrentCurve().Fy->GetText(), "x^3");
    w.RemoveAllCurves();
    EXPECT_EQ(host.Status, "  (Yeni Eğri)");
    EXPECT_EQ(w.State(), omAppend);
    EXPECT_EQ(w.CurrentCurve().Fy, nullptr) << "no freed formula stays named";
    TEditorValues zero;
    zero.Fx = zero.Fy = zero.Fz = "";
    zero.Visible = false;
    zero.Step = 0;
    zero.Thickness = 0;
    EXPECT_FALSE(w.IsCurveChanged(zero)) << "compared with a curve of nothing";
    EXPECT_FALSE(host.Buttons.RemoveAll);

    // With the explorer hidden its buttons keep their state; the status still updates.
    w.ApplyCurve(curve("x"));
    host.Explorer = false;
    host.Buttons = TCurveButtons {};
    w.NewCurve();
    w.ApplyCurve(curve("x+1"));
    EXPECT_EQ(host.Status, "  (2/2)");
    EXPECT_FALSE(host.Buttons.First);
    w.RemoveCurve();
    w.RemoveCurve();
    EXPECT_EQ(host.Status, "  (Yeni Eğri)");
    EXPECT_EQ(w.CurrentCurve().Fy, nullptr);
    EXPECT_FALSE(w.IsCurveChanged(zero));
}

// The window's work is its scene: a picture written from the save dialog is an
// export that changes neither the caption nor what "Kaydet" writes.
TEST(GraphWindow, SaveKeepsTheSceneAsTheWindowsWork)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.ApplyCurve(curve("sin(x)*3"));
    EXPECT_TRUE(w.isWindowModified());
    QString proposed;
    QString chosen = win.dir.filePath("Ekran1");
    int type = 0;
    int offered = -1;
    int asked = 0;
    w.SetSaveDialogRunner([&](QString& name, int& fileType) {
        ++asked;
        proposed = name;
        offered = fileType;
        name = chosen;
        fileType = type;
        return true;
    });
    // A window without a scene file asks for one, the scene type offered.
    type = 1;
    w.Save();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(proposed, "Ekran1");
    EXPECT_EQ(offered, 1);
    const QString scene = win.dir.filePath("Ekran1.vlm");
    EXPECT_EQ(w.FileName(), scene);
    EXPECT_EQ(w.Caption(), "Ekran1.vlm") << "the file's name";
    EXPECT_EQ(w.toolTip(), "<nobr>" + QDir::toNativeSeparators(scene).toHtmlEscaped() + "</nobr>")
        << "the full path";
    EXPECT_FALSE(w.isWindowModified());
    EXPECT_EQ(win.host.ScenesUsed, QStringList { scene });

    // A picture is an export: written whole, the window's file and caption kept.
    type = 0;
    chosen = win.dir.filePath("picture");
    w.SaveAs();
    EXPECT_EQ(offered, 1) << "a scene window offers its scene first";
    EXPECT_EQ(proposed, scene);
    const QString bitmap = win.dir.filePath("picture.bmp");
    QImageReader reader(bitmap);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32), w.Picture());
    EXPECT_EQ(w.FileName(), scene);
    EXPECT_EQ(w.Caption(), "Ekran1.vlm");
    type = 2;
    chosen = win.dir.filePath("pic1.png");
    w.SaveAs();
    EXPECT_EQ(QImageReader(chosen).format(), "png");
    EXPECT_EQ(w.Caption(), "Ekran1.vlm");

    // An edit, then "Kaydet": the scene is written without a dialog, the PNG untouched.
    const QByteArray png = [&] {
        QFile f(chosen);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    w.NewCurve();
    w.ApplyCurve(curve("x/2"));
    EXPECT_TRUE(w.isWindowModified());
    w.Save();
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(w.isWindowModified());
    EXPECT_EQ(ReadSceneFile(scene, {}).Scene.Curves.size(), 2u);
    QFile pngFile(chosen);
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(pngFile.readAll(), png);

    // A file that cannot be written: the platform's error, the window's file kept.
    type = 0;
    chosen = win.dir.filePath("no/such/folder/x.bmp");
    EXPECT_THROW(w.SaveAs(), Exception);
    EXPECT_EQ(w.FileName(), scene);
    type = 1;
    chosen = win.dir.filePath("no/such/folder/x.vlm");
    EXPECT_THROW(w.SaveAs(), Exception);
    EXPECT_EQ(w.FileName(), scene);
    EXPECT_EQ(w.Caption(), "Ekran1.vlm");
}

// "Farklı Kaydet..." onto an existing file of any type asks first.
TEST(GraphWindow, ReplacingAFileAsksFirst)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.ApplyCurve(curve("x"));
    QString chosen;
    int type = 1;
    w.SetSaveDialogRunner([&](QString& name, int& fileType) {
        name = chosen;
        fileType = type;
        return true;
    });
    const auto contents = [](const QString& name) {
        QFile f(name);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    for (const char* name : { "scene1.vlm", "p.png", "p.bmp", "p.svg", "p.pdf", "p.jpg" }) {
        SCOPED_TRACE(name);
        chosen = win.dir.filePath(name);
        {
            QFile old(chosen);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("five curves of another window");
        }
        // The real question box, answered "Hayır" and then "Evet".
        for (const bool yes : { false, true }) {
            QString question;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                question = box->text();
                EXPECT_EQ(box->textFormat(), Qt::PlainText);
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == (yes ? "&Evet" : "&Hayır"))
                        button->click();
            });
            w.SaveAs();
            EXPECT_EQ(question,
                QDir::toNativeSeparators(chosen) + QString::fromUtf8(" zaten var.\nDeğiştirilsin mi?"));
            if (!yes)
                EXPECT_EQ(contents(chosen), "five curves of another window");
            else
                EXPECT_NE(contents(chosen), "five curves of another window");
        }
        EXPECT_EQ(w.FileName(), win.dir.filePath("scene1.vlm"));
    }
    // The window's own scene file is written again without a question.
    chosen = win.dir.filePath("scene1.vlm");
    type = 1;
    w.SaveAs();
    EXPECT_EQ(ReadSceneFile(chosen, {}).Scene.Curves.size(), 1u);
}

// The unsaved mark follows the curves and the view; the view is no undo step.
TEST(GraphWindow, ChangedViewsAreUnsavedWork)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.ApplyCurve(curve("x"));
    w.SetSaveDialogRunner([&](QString& name, int& fileType) {
        name = win.dir.filePath("v.vlm");
        fileType = 1;
        return true;
    });
    w.Save();
    ASSERT_FALSE(w.isWindowModified());
    const std::vector<std::pair<const char*, std::function<void()>>> changes {
        { "angles", [&] { w.ShowTopView(); } },
        { "zoom", [&] { w.ZoomIn(); } },
        { "zoom percent", [&] { w.SetZoomPercent(250); } },
        { "perspective", [&] { w.SetPerspective(!w.Perspective()); } },
        { "four-view", [&] { w.SetFourView(true); } },
        { "plane", [&] { w.SetPlaneVisible(1, false); } },
        { "mouse turn", [&] {
             w.Image1MouseDown(Qt::LeftButton, 10, 10);
             w.ImageMouseMove(Qt::LeftButton, 40, 30);
             w.Image1MouseUp(Qt::LeftButton, 40, 30);
         } },
    };
    QStringList asked;
    const TScopedPrompts prompts({ {}, [&](QWidget*, const QString& text) {
                                      asked << text;
                                      return TSaveAnswer::Save;
                                  } });
    const int steps = w.UndoStack()->count();
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change();
        EXPECT_TRUE(w.isWindowModified());
        EXPECT_FALSE(w.CurvesChanged()) << "no undo step";
        EXPECT_EQ(w.UndoStack()->count(), steps);
        asked.clear();
        EXPECT_TRUE(w.CanClose());
        EXPECT_EQ(asked, QStringList { QString::fromUtf8(
                             "\"v.vlm\" penceresinin görünüşü değişti. Kaydedilsin mi?") });
        EXPECT_FALSE(w.isWindowModified()) << "Kaydet wrote the scene";
        EXPECT_EQ(SceneJson(ReadSceneFile(win.dir.filePath("v.vlm"), {}).Scene),
            SceneJson(w.Scene()));
    }
    // A resize is not a change of the view; an edit undone is no change.
    w.resize(300, 260);
    EXPECT_FALSE(w.isWindowModified());
    w.NewCurve();
    w.ApplyCurve(curve("x*2"));
    EXPECT_TRUE(w.isWindowModified());
    w.Undo();
    EXPECT_FALSE(w.isWindowModified());
}

TEST(GraphWindow, CopyAndPrint)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.CopyToClipboard();
    EXPECT_EQ(
        QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), w.Picture());
    w.resize(401, 301);
    w.SetFourView(true);
    w.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(401, 301));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(win.dir.filePath("print.pdf"));
    w.Print(printer);
    QFile pdf(win.dir.filePath("print.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Printed as vectors: the views' names and the little axes' labels as text, no picture.
    EXPECT_FALSE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(bytes.contains("/Font"));
}

TEST(GraphWindow, ClosingReleasesTheNumber)
{
    Window win;
    win.w->SetWindowNo(7);
    win.w->show();
    win.w->close();
    EXPECT_EQ(win.host.Released, 7);
}

namespace {
// Answers the window's dialogs with fixed values and records what it was given.
class TAnsweringRunner : public TGraphDialogRunner {
public:
    bool Confirm = true;
    int Angles[2] { 0, 0 };
    int Percent = 0;
    QStringList Seen;

    bool EditSettings(TGraphSettings& values, const QString&, QWidget*, const QString& caption) override
    {
        Seen << "settings " + caption;
        values.Background = 255;
        values.AnimInterval = 70;
        return Confirm;
    }
    bool EditAngles(int& x, int& y, QWidget*, const QString&) override
    {
        Seen << QString("angles %1 %2").arg(x).arg(y);
        x = Angles[0], y = Angles[1];
        return Confirm;
    }
    bool EditZoom(int& percent, QWidget*, const QString&) override
    {
        Seen << QString("zoom %1").arg(percent);
        percent = Percent;
        return Confirm;
    }
    void ShowValues(const TObjectList& curves, int first, QWidget*, const QString&) override
    {
        Seen << QString("values %1 of %2").arg(first).arg(curves.Count());
    }
};
}

// The window runs its dialogs on its own values and takes back only what was confirmed.
TEST(GraphWindow, DialogsTakeValuesInAndOut)
{
    Window win;
    auto runner = std::make_shared<TAnsweringRunner>();
    win.w->SetDialogRunner(runner);
    win.r().SetAngles(15.5L, -30.5L);
    runner->Angles[0] = 40, runner->Angles[1] = 50;
    runner->Percent = 250;
    runner->Confirm = false;
    win.w->ShowViewDialog();
    win.w->ShowZoomDialog();
    win.w->ShowProperties();
    EXPECT_EQ(win.r().XAxisAngle(), 15.5L);
    EXPECT_EQ(win.r().BrushColor(), 16777215u);
    EXPECT_TRUE(win.host.ZoomText.isEmpty());

    runner->Confirm = true;
    win.w->ShowViewDialog();
    win.w->ShowZoomDialog();
    win.w->ShowProperties();
    win.w->ShowNumericValues();
    EXPECT_EQ(win.r().XAxisAngle(), 40);
    EXPECT_EQ(win.r().YAxisAngle(), 50);
    EXPECT_EQ(win.w->ZoomPercent(), 250);
    EXPECT_EQ(win.host.ZoomText, "250%");
    EXPECT_EQ(win.r().BrushColor(), 255u);
    EXPECT_EQ(win.w->Timer1->interval(), 70);
    EXPECT_EQ(win.r().Image().pixel(1, 1), 0xFFFF0000u); // redrawn
    EXPECT_EQ(runner->Seen,
        (QStringList { "angles 15 -30", "zoom 100", "settings Ekran1", "angles 15 -30", "zoom 100",
            "settings Ekran1", "values 0 of 0" }));
}

TEST(GraphWindow, SaveAsPictureTypes)
{
    // The filter's type adds its extension; a typed extension chooses the type itself; the
    // scene filter keeps its place as the second type; the four-view exports whole.
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.ApplyCurve(curve("sin(x)*3"));
    QString chosen;
    int type = 0;
    w.SetSaveDialogRunner([&](QString& name, int& fileType) {
        name = chosen;
        fileType = type;
        return true;
    });
    const auto format = [](const QString& name) { return QImageReader(name).format(); };
    const TScopedPrompts replace({ [](QWidget*, const QString&) { return true; }, {} });
    chosen = win.dir.filePath("a");
    type = 2;
    w.SaveAs();
    const QString png = win.dir.filePath("a.png");
    EXPECT_EQ(format(png), "png");
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), w.Picture());
    EXPECT_TRUE(w.FileName().isEmpty()) << "an export, not the window's file";
    chosen = png;
    type = 3;
    w.SaveAs();
    EXPECT_EQ(format(png), "png") << "a typed extension wins";
    chosen = win.dir.filePath("b.jpeg");
    type = 0;
    w.SaveAs();
    EXPECT_EQ(format(chosen), "jpeg");

    chosen = win.dir.filePath("c");
    type = 4;
    w.SaveAs();
    QFile svg(win.dir.filePath("c.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    chosen = win.dir.filePath("d");
    type = 5;
    w.resize(401, 301);
    w.SetFourView(true);
    w.SaveAs();
    QFile pdf(win.dir.filePath("d.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    const QRegularExpressionMatch box
        = QRegularExpression("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]")
              .match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), w.width(), 0.5) << "the whole four-view picture";
    EXPECT_NEAR(box.captured(2).toDouble(), w.height(), 0.5);
    // A failed vector write: one message, the caption unchanged.
    const QString before = w.windowTitle();
    chosen = win.dir.filePath("yok/e.svg");
    EXPECT_THROW(w.SaveAs(), Exception);
    EXPECT_EQ(w.windowTitle(), before);
}

TEST(GraphWindow, PrintKeepsTheScreenSizeCentred)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.resize(300, 200);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(win.dir.filePath("print.pdf"));
    const QRect target = PrintTarget(w.Picture().size(), QSizeF(w.logicalDpiX(), w.logicalDpiY()),
        QSizeF(printer.logicalDpiX(), printer.logicalDpiY()),
        printer.pageLayout().paintRectPixels(printer.resolution()).translated(
            -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
    EXPECT_NEAR(target.width(), w.Picture().width() * double(printer.logicalDpiX()) / w.logicalDpiX(), 1);
    EXPECT_GT(target.left(), 0);
    EXPECT_GT(target.top(), 0);
    w.Print(printer);
    QFile pdf(win.dir.filePath("print.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_FALSE(bytes.contains("/Subtype /Image")) << "vectors, not a picture";
}

TEST(GraphWindow, InterestMarksFollowTheCurrentCurve)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    w.ApplyCurve(curve("x^3-3*x", 255));
    w.ShowFrontView();
    const QImage plain = w.Image1->Picture().toImage();
    EXPECT_FALSE(w.InterestMarks());
    w.SetInterestMarks(true);
    const std::vector<TSceneMark>& marks = win.r().Scene().Marks();
    ASSERT_EQ(marks.size(), 5U);
    EXPECT_EQ(marks[0].Shape, msCircle);
    EXPECT_EQ(marks[1].Shape, msTriangleUp);
    EXPECT_EQ(marks[3].Shape, msTriangleDown);
    // Drawn over the curve in its colour and nothing else.
    const QImage marked = w.Image1->Picture().toImage();
    int changed = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y)) {
                ++changed;
                EXPECT_EQ(marked.pixel(x, y), 0xFFFF0000u) << x << "," << y;
            }
    EXPECT_GT(changed, 20);

    // A second curve becomes current: where it crosses the first, in its colour.
    w.NewCurve();
    w.ApplyCurve(curve("1", 0xFF0000));
    ASSERT_EQ(win.r().Scene().Marks().size(), 3U);
    EXPECT_EQ(win.r().Scene().Marks()[0].Shape, msCross);
    EXPECT_EQ(win.r().Scene().Marks()[0].Color, 0xFF0000u);
    w.FirstCurve();
    EXPECT_EQ(win.r().Scene().Marks().size(), 8U);
    EXPECT_EQ(w.InterestPoints().size(), 8U);

    // A parameter moves the points and their marks with the curve.
    w.NewCurve();
    w.ApplyCurve(curve("x*x-k", 0x00FF00));
    const auto zerosAtTwo = [&] {
        return std::count_if(win.r().Scene().Marks().begin(), win.r().Scene().Marks().end(),
            [](const TSceneMark& m) { return m.Shape == msCircle && std::fabs(m.Point.X - 2) < 1e-12L; });
    };
    EXPECT_EQ(zerosAtTwo(), 0);
    w.SetParameterValue("k", 4);
    EXPECT_EQ(zerosAtTwo(), 1);
    // And while it plays, step by step.
    w.PlayParameter("k");
    w.Timer1Timer();
    w.StopPlaying();
    const long double k = w.Parameters().Find("k")->Value;
    ASSERT_NE(k, 4);
    EXPECT_EQ(zerosAtTwo(), 0);
    EXPECT_EQ(std::count_if(win.r().Scene().Marks().begin(), win.r().Scene().Marks().end(),
                  [&](const TSceneMark& m) {
                      return m.Shape == msCircle && std::fabs(m.Point.X - std::sqrt(k)) < 1e-12L;
                  }),
        1);

    w.SetInterestMarks(false);
    EXPECT_TRUE(win.r().Scene().Marks().empty());
}
