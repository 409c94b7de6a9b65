#include "base/number_text.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/main_form.h"
#include "ui/main/mdi_client.h"
#include "ui/main/parameters_tool_w.h"
#include "ui/platform/error_report.h"
#include "ui/platform/generation_progress.h"
#include "ui/platform/image.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace {
TEditorValues curve(int type, const std::string& fx, const std::string& fy, const std::string& fz)
{
    TEditorValues v;
    v.CurveType = type;
    v.Fx = fx;
    v.Fy = fy;
    v.Fz = fz;
    v.Color = 0xFF0000;
    v.Thickness = 2;
    return v;
}
TEditorValues plane(const std::string& fy) { return curve(0, "", fy, ""); }

struct TParametersFixture {
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    QStringList errors;
    TScopedErrorSink sink { [this](const QString& m) { errors << m; } };
    char separator = DecimalSeparator();

    TParametersFixture()
    {
        SetDecimalSeparator(',');
        form = std::make_unique<TMainForm>(dir.path());
        form->show();
        QApplication::processEvents();
    }
    ~TParametersFixture()
    {
        // Nothing asks whether to save at the end of a test.
        for (TGrafikMChildFrm* g : form->GraphWindows())
            g->UndoStack()->setClean();
        form.reset();
        SetDecimalSeparator(separator);
    }
    TMainForm& m() { return *form; }
    TParametersToolW& tool() { return *form->ParametersToolW; }
    TGrafikMChildFrm& open(const std::vector<TEditorValues>& curves)
    {
        m().YeniPencereClick();
        QApplication::processEvents();
        TGrafikMChildFrm& g = *m().ActiveGraphWindow();
        for (const TEditorValues& c : curves) {
            g.NewCurve();
            g.ApplyCurve(c);
        }
        return g;
    }
    void activate(TGrafikMChildFrm& g)
    {
        m().ClientArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(g.parentWidget()));
        QApplication::processEvents();
    }
    const TParametersToolW::TRow& row(const std::string& name)
    {
        const TParametersToolW::TRow* r = std::as_const(tool()).RowOf(name);
        EXPECT_NE(r, nullptr) << name;
        return *r;
    }
    std::vector<std::string> rows()
    {
        std::vector<std::string> names;
        for (int i = 0; i < tool().RowCount(); ++i)
            names.push_back(tool().Row(i).Name);
        return names;
    }
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

long double valueOf(const TGrafikMChildFrm& g, const std::string& name)
{
    return g.Parameters().Find(name)->Value;
}
}

// Moving the slider (live while it is held) draws the picture of the same curve
// with the number written in place of the name, and the release is one undo step.
TEST(ParametersToolW, SliderDrawsTheSubstitutedCurveAndIsOneUndoStep)
{
    TParametersFixture f;
    TGrafikMChildFrm& written = f.open({ plane("2*sin(x)"), plane("x/3") });
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)"), plane("x/3") });
    f.m().ParametersToolW->show();
    const QImage flat = g.Picture();
    const int steps = g.UndoStack()->count();
    ASSERT_EQ(f.rows(), std::vector<std::string> { "k" });
    QSlider* slider = f.row("k").Slider;
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 200);
    EXPECT_EQ(slider->value(), 100);

    slider->setSliderDown(true);
    slider->setValue(110);
    EXPECT_EQ(valueOf(g, "k"), 1);
    EXPECT_EQ(f.row("k").ValueEdit->text(), "1");
    slider->setValue(120);
    EXPECT_EQ(g.UndoStack()->count(), steps) << "nothing committed while held";
    slider->setSliderDown(false);
    EXPECT_EQ(g.UndoStack()->count(), steps + 1);
    EXPECT_TRUE(g.CurvesChanged());
    EXPECT_EQ(valueOf(g, "k"), 2);
    EXPECT_EQ(f.row("k").ValueEdit->text(), "2");
    EXPECT_TRUE(g.Picture() == written.Picture());

    g.Undo();
    EXPECT_EQ(valueOf(g, "k"), 0);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_TRUE(g.Picture() == flat);
    g.Redo();
    EXPECT_TRUE(g.Picture() == written.Picture());
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// Keys move the slider by one step, ten, or to either end; every row is named.
TEST(ParametersToolW, KeyboardAndNames)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)+m") });
    f.m().ParametersToolW->show();
    EXPECT_EQ(f.rows(), (std::vector<std::string> { "k", "m" }));
    const auto& k = f.row("k");
    EXPECT_EQ(k.Panel->accessibleName(), "k parametresi");
    EXPECT_EQ(k.Slider->accessibleName(), "k parametresi");
    const int steps = g.UndoStack()->count();
    k.Slider->setFocus();
    QTest::keyClick(k.Slider, Qt::Key_Right);
    EXPECT_EQ(valueOf(g, "k"), 0.1L);
    QTest::keyClick(k.Slider, Qt::Key_PageUp);
    EXPECT_EQ(valueOf(g, "k"), 1.1L);
    QTest::keyClick(k.Slider, Qt::Key_End);
    EXPECT_EQ(valueOf(g, "k"), 10);
    QTest::keyClick(k.Slider, Qt::Key_Home);
    EXPECT_EQ(valueOf(g, "k"), -10);
    EXPECT_EQ(g.UndoStack()->count(), steps + 4) << "each key a change of its own";
    EXPECT_EQ(valueOf(g, "m"), 0);
}

// A typed value applies at once with the user's separator; an unreadable one
// turns the field red and changes nothing; the range fields take effect once left.
TEST(ParametersToolW, FieldsTakeTheUsersSeparator)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*x") });
    f.m().ParametersToolW->show();
    const auto& k = f.row("k");
    const int steps = g.UndoStack()->count();
    TParametersFixture::type(k.ValueEdit, "2,5");
    EXPECT_EQ(valueOf(g, "k"), 2.5L);
    EXPECT_EQ(k.Slider->value(), 125);
    TParametersFixture::type(k.ValueEdit, "2,5x");
    EXPECT_EQ(k.ValueEdit->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(valueOf(g, "k"), 2.5L);
    TParametersFixture::type(k.ValueEdit, "3");
    QTest::keyClick(k.ValueEdit, Qt::Key_Return);
    EXPECT_EQ(g.UndoStack()->count(), steps + 1);
    EXPECT_EQ(g.DrawFunction().Objects().Items(0).Points->SpacePoints(0).Y, -30);

    TParametersFixture::type(k.MaxEdit, "5");
    TParametersFixture::type(k.StepEdit, "0,5");
    QTest::keyClick(k.StepEdit, Qt::Key_Return);
    EXPECT_EQ(*g.Parameters().Find("k"), (TParameter { "k", 3, -10, 5, 0.5L }));
    EXPECT_EQ(k.Slider->maximum(), 30);
    EXPECT_EQ(k.Slider->value(), 26);
    // Two ends out of order are refused.
    TParametersFixture::type(k.MinEdit, "6");
    QTest::keyClick(k.MinEdit, Qt::Key_Return);
    EXPECT_EQ(k.MinEdit->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(g.Parameters().Find("k")->Min, -10);
}

// Rows follow the curves: two curves share one k, a parameter goes with its last
// curve, and one line says when there is nothing to set.
TEST(ParametersToolW, RowsFollowTheCurvesOfTheActiveWindow)
{
    TParametersFixture f;
    f.m().ParametersToolW->show();
    EXPECT_TRUE(f.tool().EmptyLabel->isVisibleTo(&f.tool()));
    EXPECT_EQ(f.tool().EmptyLabel->text(), "Parametre göstermek için bir grafik penceresi açın.");
    TGrafikMChildFrm& other = f.open({ plane("sin(x)") });
    EXPECT_EQ(f.tool().EmptyLabel->text(), "Bu penceredeki eğrilerde parametre yok.");
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)"), plane("k*x+m") });
    EXPECT_EQ(f.rows(), (std::vector<std::string> { "k", "m" }));
    EXPECT_FALSE(f.tool().EmptyLabel->isVisibleTo(&f.tool()));
    f.row("k").Slider->setValue(130);
    // Both curves moved with the one k.
    EXPECT_EQ(g.DrawFunction().Objects().Items(1).Points->SpacePoints(0).Y, -30);
    // Editing the second curve drops m; k stays with its value.
    g.FirstCurve();
    g.NextCurve();
    g.MarkCurveChanged();
    g.ApplyCurve(plane("k*x"));
    EXPECT_EQ(f.rows(), std::vector<std::string> { "k" });
    EXPECT_EQ(f.row("k").ValueEdit->text(), "3");
    f.activate(other);
    EXPECT_EQ(f.tool().RowCount(), 0);
    f.activate(g);
    EXPECT_EQ(f.rows(), std::vector<std::string> { "k" });
    g.RemoveAllCurves();
    EXPECT_EQ(f.tool().RowCount(), 0);
    EXPECT_TRUE(f.tool().EmptyLabel->isVisibleTo(&f.tool()));
}

// Play runs the value a step per tick of the window's timer and turns at the
// ends; stopping it is one change, and it stops when another window is active.
TEST(ParametersToolW, PlayAdvancesBouncesAndStops)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*x") });
    f.m().ParametersToolW->show();
    const auto& k = f.row("k");
    TParametersFixture::type(k.MinEdit, "0");
    TParametersFixture::type(k.MaxEdit, "0,3");
    QTest::keyClick(k.MaxEdit, Qt::Key_Return);
    const int steps = g.UndoStack()->count();
    k.PlayButton->click();
    EXPECT_EQ(g.PlayingParameter(), "k");
    EXPECT_TRUE(g.Timer1->isActive());
    std::vector<long double> values;
    for (int i = 0; i < 6; ++i) {
        g.Timer1Timer();
        values.push_back(valueOf(g, "k"));
    }
    EXPECT_EQ(values, (std::vector<long double> { 0.1L, 0.2L, 0.3L, 0.2L, 0.1L, 0 }));
    EXPECT_EQ(k.ValueEdit->text(), "0");
    g.Timer1Timer();
    EXPECT_EQ(k.Slider->value(), 1);
    k.PlayButton->click();
    EXPECT_TRUE(g.PlayingParameter().empty());
    EXPECT_FALSE(g.Timer1->isActive());
    EXPECT_EQ(g.UndoStack()->count(), steps + 1);

    k.PlayButton->click();
    f.open({ plane("x") });
    EXPECT_TRUE(g.PlayingParameter().empty());
}

// The window's place and visibility are written only once it has been shown.
TEST(ParametersToolW, SettingsKeysOnceShown)
{
    auto settings = [](TParametersFixture& f) {
        f.m().SaveLayout();
        QFile file(f.dir.filePath("Norvadeks.ini"));
        file.open(QIODevice::ReadOnly);
        return QString::fromLatin1(file.readAll());
    };
    {
        TParametersFixture f;
        EXPECT_FALSE(settings(f).contains("[Parametreler]"));
        f.m().Parametreler->trigger();
        EXPECT_TRUE(f.m().ParametrelerButton->isChecked());
        const QString text = settings(f);
        EXPECT_TRUE(text.contains("[Parametreler]\r\nDockedTo=4\r\nGorunurluk=1")
            || text.contains("[Parametreler]\nDockedTo=4\nGorunurluk=1"))
            << text.toStdString();
    }
}

// The numeric values window lists the points at the parameters' values and names
// them in its caption; its preview is drawn at them too.
TEST(ParametersToolW, NumericValuesNameTheValues)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*x+m"), plane("x") });
    f.m().ParametersToolW->show();
    TParametersFixture::type(f.row("m").ValueEdit, "0,5");
    QTest::keyClick(f.row("m").ValueEdit, Qt::Key_Return);
    TSaysalFrm form;
    form.setWindowTitle("Sayısal Değerler (Ekran2)");
    form.SetCurves(&g.DrawFunction().Objects(), 1);
    form.ShowCurve(1);
    EXPECT_EQ(form.windowTitle(), "Sayısal Değerler (Ekran2) — k = 0; m = 0,5");
    EXPECT_EQ(g.DrawFunction().Objects().Items(0).Points->SpacePoints(0).Y, 0.5L);
    // Its CSV file starts with the values as velmo table's does.
    const QString file = f.dir.filePath("k.csv");
    ASSERT_TRUE(form.ExportTo(file));
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("# k = 0; m = 0.5\r\nn,x,y,z\r\n1,-10,0.5,0\r\n"));
    form.ShowCurve(2);
    EXPECT_EQ(form.windowTitle(), "Sayısal Değerler (Ekran2)");
    ASSERT_TRUE(form.ExportTo(file));
    csv.close();
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("n,x,y,z\r\n1,-10,-10,0\r\n"));
}

// Each kind of committed change marks a saved window changed, and undoing it back to the
// saved settings clears the mark, as for the curves' edits; the close question follows.
TEST(ParametersToolW, CommittedChangesMarkTheWindowUntilUndoneToTheSavedState)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)") });
    f.m().ParametersToolW->show();
    g.SetSaveDialogRunner([&](QString& name, int& type) {
        name = f.dir.filePath("k");
        type = 1;
        return true;
    });
    f.m().SaveAsClick();
    ASSERT_EQ(g.FileName(), f.dir.filePath("k.vlm"));
    EXPECT_FALSE(g.isWindowModified());
    const TParametersToolW::TRow& k = f.row("k");

    const auto markedThenUndone = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(g.isWindowModified());
        EXPECT_TRUE(g.windowTitle().contains("[*]"));
        g.Undo();
        EXPECT_FALSE(g.isWindowModified()) << "back to the saved settings";
        EXPECT_EQ(g.Parameters().Items(), (std::vector<TParameter> { { "k" } }));
    };
    k.Slider->setSliderDown(true);
    k.Slider->setValue(130);
    EXPECT_FALSE(g.isWindowModified()) << "nothing committed while the slider is held";
    k.Slider->setSliderDown(false);
    markedThenUndone("slider released");

    TParametersFixture::type(k.ValueEdit, "1,5");
    EXPECT_FALSE(g.isWindowModified()) << "a value being typed is not committed";
    QTest::keyClick(k.ValueEdit, Qt::Key_Return);
    markedThenUndone("value typed");

    TParametersFixture::type(k.StepEdit, "0,5");
    QTest::keyClick(k.StepEdit, Qt::Key_Return);
    markedThenUndone("step typed");

    k.PlayButton->click();
    g.Timer1Timer();
    EXPECT_FALSE(g.isWindowModified()) << "nothing committed while playing";
    k.PlayButton->click();
    markedThenUndone("play stopped");

    // A change kept asks before the window closes; one undone closes it quietly.
    QStringList asked;
    const TScopedPrompts prompts({ {}, [&](QWidget*, const QString&) {
                                      asked << "asked";
                                      return TSaveAnswer::Cancel;
                                  } });
    k.Slider->setValue(150);
    EXPECT_TRUE(g.isWindowModified());
    EXPECT_FALSE(g.CanClose());
    EXPECT_EQ(asked.size(), 1);
    g.Undo();
    EXPECT_TRUE(g.CanClose());
    EXPECT_EQ(asked.size(), 1);
}

// Saved and opened again, a window has the same parameters with their values, ranges
// and steps, and draws the same picture; a window without parameters writes none.
TEST(ParametersToolW, ASavedSceneOpensWithItsParameters)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)+m"),
        curve(ctSpherical, "r*sin(a)*cos(b)", "r*sin(a)*sin(b)", "r*cos(a)") });
    f.m().ParametersToolW->show();
    const TParametersToolW::TRow& k = f.row("k");
    TParametersFixture::type(k.MinEdit, "-3");
    QTest::keyClick(k.MinEdit, Qt::Key_Return);
    TParametersFixture::type(k.MaxEdit, "4");
    QTest::keyClick(k.MaxEdit, Qt::Key_Return);
    TParametersFixture::type(k.StepEdit, "0,25");
    QTest::keyClick(k.StepEdit, Qt::Key_Return);
    TParametersFixture::type(k.ValueEdit, "2,75");
    QTest::keyClick(k.ValueEdit, Qt::Key_Return);
    f.row("r").Slider->setValue(120);
    const std::vector<TParameter> expected { { "k", 2.75L, -3, 4, 0.25L }, { "m" },
        { "r", 2, -10, 10, 0.1L } };
    ASSERT_EQ(g.Parameters().Items(), expected);
    g.SetSaveDialogRunner([&](QString& name, int& type) {
        name = f.dir.filePath("p");
        type = 1;
        return true;
    });
    f.m().SaveAsClick();
    const QString file = f.dir.filePath("p.vlm");

    f.m().OpenFiles({ file });
    ASSERT_EQ(f.m().GraphWindows().size(), 2);
    TGrafikMChildFrm& opened = *f.m().ActiveGraphWindow();
    ASSERT_NE(&opened, &g);
    EXPECT_EQ(opened.Parameters().Items(), expected);
    EXPECT_FALSE(opened.isWindowModified());
    EXPECT_EQ(opened.UndoStack()->count(), 0);
    EXPECT_TRUE(opened.Picture() == g.Picture());
    EXPECT_EQ(f.rows(), (std::vector<std::string> { "k", "m", "r" })) << "the tool follows";
    EXPECT_EQ(f.row("k").ValueEdit->text(), "2,75");
    EXPECT_EQ(f.row("k").StepEdit->text(), "0,25");
    EXPECT_EQ(f.row("k").Slider->maximum(), 28);
    EXPECT_EQ(f.row("k").Slider->value(), 23);

    // Without parameters: no key, and a window without rows.
    TGrafikMChildFrm& plain = f.open({ plane("sin(x)") });
    plain.SetSaveDialogRunner([&](QString& name, int& type) {
        name = f.dir.filePath("plain");
        type = 1;
        return true;
    });
    f.m().SaveAsClick();
    QFile saved(f.dir.filePath("plain.vlm"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_FALSE(saved.readAll().contains("parameters"));
    f.m().OpenFiles({ saved.fileName() });
    EXPECT_TRUE(f.m().ActiveGraphWindow()->Parameters().Empty());
    EXPECT_TRUE(f.rows().empty());
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// A value or range confirmed in a field that keeps the focus still follows an undo.
TEST(ParametersToolW, ConfirmedFieldsFollowAnUndoWhileFocused)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)") });
    f.m().ParametersToolW->show();
    QApplication::setActiveWindow(f.m().ParametersToolW->window());
    QLineEdit* value = f.row("k").ValueEdit;
    TParametersFixture::type(value, "1,5");
    QTest::keyClick(value, Qt::Key_Return);
    ASSERT_TRUE(value->hasFocus());
    EXPECT_EQ(valueOf(g, "k"), 1.5L);
    g.Undo();
    EXPECT_EQ(valueOf(g, "k"), 0);
    EXPECT_EQ(f.row("k").ValueEdit->text(), "0");

    QLineEdit* step = f.row("k").StepEdit;
    TParametersFixture::type(step, "0,5");
    QTest::keyClick(step, Qt::Key_Return);
    ASSERT_TRUE(step->hasFocus());
    EXPECT_EQ(g.Parameters().Find("k")->Step, 0.5L);
    g.Undo();
    EXPECT_EQ(f.row("k").StepEdit->text(), "0,1");
}

namespace {
// Every bit of a list's curves (or of curve only): each coordinate's 80, and with
// screen its screen points.
std::string listBits(const TObjectList& list, bool screen, int only = -1)
{
    std::string bits;
    for (int i = 0; i < list.Count(); ++i) {
        if (only >= 0 && i != only)
            continue;
        const TGoruntuMatrisi& points = *list.Items(i).Points;
        bits += std::to_string(points.Count()) + ';';
        for (int p = 0; p < points.Count(); ++p) {
            const TSpacePoint& s = points.SpacePoints(p);
            for (const long double* c : { &s.X, &s.Y, &s.Z, &s.W })
                bits.append(reinterpret_cast<const char*>(c), 10);
            if (screen)
                bits.append(
                    reinterpret_cast<const char*>(&points.ScreenPoints(p)), sizeof(TScreenPoint));
        }
    }
    return bits;
}
std::string bitsOf(const TGrafikMChildFrm& g) { return listBits(g.DrawFunction().Objects(), true); }
std::string spaceBits(const TObjectList& list, int only = -1) { return listBits(list, false, only); }

// Clicked or typed as the window system does it: on the top window, at the widget.
void windowMouse(QWidget* widget, bool press, QPoint at)
{
    QWidget* top = widget->window();
    const QPoint where = widget->mapTo(top, at);
    if (press)
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, where);
    else
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, where);
}
void windowClick(QWidget* widget)
{
    windowMouse(widget, true, widget->rect().center());
    windowMouse(widget, false, widget->rect().center());
}

// Watches a window's long generations (the bar shows at once): told of each bar as it
// shows, counted from 1. The bars of put-backs after a stop, whose "Vazgeç" is greyed,
// are counted apart and handed to PutBack.
struct TBarWatch {
    QTimer Timer;
    QPointer<QPushButton> Last;
    int Shown = 0;
    int PutBacks = 0;
    std::function<void(QPushButton* cancel)> PutBack;

    TBarWatch(TGrafikMChildFrm& g, std::function<void(int shown, QPushButton* cancel)> told)
        : TBarWatch(g.GenerationProgress(), std::move(told))
    {
    }
    TBarWatch(
        TGenerationProgressBar& progress, std::function<void(int shown, QPushButton* cancel)> told)
    {
        progress.SetDelay(0);
        Timer.setInterval(0);
        QObject::connect(&Timer, &QTimer::timeout, [this, &progress, told] {
            QPushButton* cancel = progress.CancelButton();
            if (cancel != nullptr && cancel != Last) {
                Last = cancel;
                if (cancel->isEnabled())
                    told(++Shown, cancel);
                else if (++PutBacks; PutBack)
                    PutBack(cancel);
            }
        });
        Timer.start();
    }
};

std::unique_ptr<TBarWatch> stopAt(TGenerationProgressBar& progress, int stop, bool escape);

// Stops the stop-th generation, with "Vazgeç" or Escape.
std::unique_ptr<TBarWatch> stopAt(TGrafikMChildFrm& g, int stop, bool escape)
{
    return stopAt(g.GenerationProgress(), stop, escape);
}
std::unique_ptr<TBarWatch> stopAt(TGenerationProgressBar& progress, int stop, bool escape)
{
    const auto press = [escape](QPushButton* cancel) {
        if (escape)
            QTest::keyClick(cancel->window(), Qt::Key_Escape);
        else
            windowClick(cancel);
    };
    auto watch = std::make_unique<TBarWatch>(progress, [stop, press](int shown, QPushButton* cancel) {
        if (shown == stop)
            press(cancel);
    });
    // Asked again while the list is put back, which must go on to the end.
    watch->PutBack = press;
    return watch;
}
}

// A change of a parameter stopped during its generation ("Vazgeç" or Escape) leaves
// everything as it was: every curve's points to the bit (the first curve using it
// generated again when the second is stopped), the value, the slider and its field,
// the undo steps and the window's changed mark; so for a slider moved or dragged, a
// value typed, an undo or redo, and a step of play, which then stops.
TEST(ParametersToolW, AStoppedChangeLeavesEverythingAsItWas)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)"), plane("x/3"), plane("k*x+1") });
    f.m().ParametersToolW->show();
    const TParametersToolW::TRow& k = f.row("k");
    k.Slider->setValue(110);
    ASSERT_EQ(valueOf(g, "k"), 1);
    const auto state = [&] {
        const TParametersToolW::TRow* row = std::as_const(f.tool()).RowOf("k");
        return std::make_tuple(bitsOf(g), g.Parameters().ValueOf("k"),
            row ? row->Slider->value() : -1, row ? row->ValueEdit->text() : QString(),
            g.UndoStack()->index(), g.UndoStack()->count(), g.isWindowModified(), g.Picture());
    };
    // putBacks: whether the curves generated up to the stop are generated again (a
    // removal undone goes back to no curves).
    const auto stopped = [&](const char* what, const std::function<void()>& change,
                             std::initializer_list<int> stops = { 1, 2 }, bool putBacks = true) {
        for (const int stop : stops)
            for (const bool escape : { false, true }) {
                SCOPED_TRACE(testing::Message()
                    << what << ", generation " << stop << (escape ? ", Escape" : ", Vazgeç"));
                const auto before = state();
                const std::unique_ptr<TBarWatch> watch = stopAt(g, stop, escape);
                change();
                EXPECT_EQ(watch->Shown, stop);
                // Each curve generated up to the stop is put back with the bar showing.
                EXPECT_EQ(watch->PutBacks, putBacks ? stop : 0);
                EXPECT_TRUE(state() == before);
                EXPECT_EQ(g.GenerationProgress().CancelButton(), nullptr);
            }
    };
    stopped("slider moved", [&] { k.Slider->setValue(150); });
    stopped("slider dragged", [&] {
        k.Slider->setSliderDown(true);
        k.Slider->setValue(140);
        k.Slider->setSliderDown(false);
    });
    stopped("value typed", [&] {
        k.ValueEdit->setFocus();
        k.ValueEdit->setText("2,5");
        k.ValueEdit->setModified(true);
        QTest::keyClick(k.ValueEdit, Qt::Key_Return);
    });
    g.setFocus();
    stopped("undo", [&] { g.Undo(); });
    g.Undo();
    EXPECT_EQ(valueOf(g, "k"), 0);
    stopped("redo", [&] { g.Redo(); });
    stopped("play", [&] {
        k.PlayButton->click();
        g.Timer1Timer();
        EXPECT_TRUE(g.PlayingParameter().empty());
        EXPECT_FALSE(g.Timer1->isActive());
    });
    g.Redo();
    EXPECT_EQ(valueOf(g, "k"), 1);

    // A window resized during the generation draws at its new size once it is stopped.
    QWidget* outer = g.parentWidget();
    const QSize size = g.size();
    TBarWatch resized(g, [&](int shown, QPushButton* cancel) {
        if (shown != 1)
            return;
        outer->resize(outer->size() + QSize(40, 30));
        windowClick(cancel);
    });
    k.Slider->setValue(160);
    resized.Timer.stop();
    QTest::qWait(250);
    ASSERT_NE(g.size(), size);
    EXPECT_EQ(valueOf(g, "k"), 1);
    const QImage shown = g.Picture();
    EXPECT_EQ(shown.size(), g.size());
    g.RedrawViews(true);
    EXPECT_TRUE(g.Picture() == shown);

    // The undo of a curve edit stopped puts the curves back as they were.
    g.RemoveAllCurves();
    ASSERT_EQ(g.CurveCount(), 0);
    stopped("undo of a removal", [&] { g.Undo(); }, { 1, 2, 3 }, false);
    EXPECT_EQ(g.CurveCount(), 0);
    g.Undo();
    ASSERT_EQ(g.CurveCount(), 3);
    EXPECT_EQ(valueOf(g, "k"), 1);
    EXPECT_EQ(f.row("k").Slider->value(), 110);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// A slider dragged on during a long generation follows the mouse and lets go of it;
// the moves made meanwhile wait, the last of them only, and the curves are then
// generated at the value the slider was left at, the points those of a list
// generated afresh at that value; the drag is one undo step.
TEST(ParametersToolW, MovesDuringALongGenerationWaitAndTheLastIsDrawn)
{
    TParametersFixture f;
    const std::vector<TEditorValues> curves = { plane("k*sin(x)"), plane("k*x+1") };
    TGrafikMChildFrm& g = f.open(curves);
    f.m().ParametersToolW->show();
    QSlider* slider = f.row("k").Slider;
    const int steps = g.UndoStack()->count();
    const auto handleAt = [&](int position) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.maximum = slider->maximum();
        option.sliderPosition = option.sliderValue = position;
        return slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
            .center();
    };
    const auto moveTo = [&](int position) {
        QWidget* top = slider->window();
        QTest::mouseMove(top->windowHandle(), slider->mapTo(top, handleAt(position)));
    };
    windowMouse(slider, true, handleAt(100));
    ASSERT_TRUE(slider->isSliderDown());
    int first = -1, left = -1;
    TBarWatch watch(g, [&](int shown, QPushButton*) {
        if (shown != 1)
            return;
        first = slider->value();
        moveTo(150);
        moveTo(170);
        left = slider->value();
        windowMouse(slider, false, handleAt(170));
        EXPECT_EQ(valueOf(g, "k"), TParameterScale(*g.Parameters().Find("k")).ValueAt(first))
            << "nothing generated inside the generation";
    });
    moveTo(130);
    ASSERT_GT(first, 110);
    ASSERT_GT(left, first + 20);
    EXPECT_FALSE(slider->isSliderDown());
    EXPECT_EQ(watch.Shown, 4) << "two curves at the first move, two at the last, none between";
    const long double value = TParameterScale(*g.Parameters().Find("k")).ValueAt(left);
    EXPECT_EQ(valueOf(g, "k"), value);
    EXPECT_EQ(slider->value(), left);
    EXPECT_EQ(g.UndoStack()->count(), steps + 1);
    EXPECT_TRUE(g.isWindowModified());
    TObjectList fresh;
    for (const TEditorValues& c : curves)
        AppendCurve(fresh, c);
    fresh.SetParameterValue("k", value);
    const TObjectList& mine = g.DrawFunction().Objects();
    for (int i = 0; i < 2; ++i) {
        const TGoruntuMatrisi& a = *mine.Items(i).Points;
        const TGoruntuMatrisi& b = *fresh.Items(i).Points;
        ASSERT_EQ(a.Count(), b.Count());
        for (int p = 0; p < a.Count(); ++p)
            for (const auto c : { &TSpacePoint::X, &TSpacePoint::Y, &TSpacePoint::Z })
                ASSERT_EQ(std::memcmp(&(a.SpacePoints(p).*c), &(b.SpacePoints(p).*c), 10), 0) << p;
    }
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// The curve explorer's preview draws the active window's curve at the window's values:
// while the slider moves it shows the same picture as the curve with the number written
// in place of the name, and it goes back with an undo.
TEST(ParametersToolW, TheExplorersPreviewFollowsTheValues)
{
    TParametersFixture f;
    f.m().CurvedLineExplorerToolW->show();
    TGrafikMChildFrm& written = f.open({ plane("2*sin(x)") });
    written.SelectCurve(0);
    const QImage substituted = f.m().CurvedLineExplorerToolW->EgriGorImage->Picture().toImage();
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)") });
    g.SelectCurve(0);
    f.m().ParametersToolW->show();
    const QImage flat = f.m().CurvedLineExplorerToolW->EgriGorImage->Picture().toImage();
    ASSERT_FALSE(flat == substituted);

    QSlider* slider = f.row("k").Slider;
    slider->setSliderDown(true);
    slider->setValue(120);
    EXPECT_TRUE(f.m().CurvedLineExplorerToolW->EgriGorImage->Picture().toImage() == substituted)
        << "the preview follows while the slider is held";
    slider->setSliderDown(false);
    g.Undo();
    EXPECT_TRUE(f.m().CurvedLineExplorerToolW->EgriGorImage->Picture().toImage() == flat);

    // Another window's values are not this one's: the preview of its curve stays.
    f.activate(written);
    EXPECT_TRUE(f.m().CurvedLineExplorerToolW->EgriGorImage->Picture().toImage() == substituted);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// The explorer's preview of the window's curve takes the window's points as a slider
// moves them, rather than sampling the curve a second time, and follows only while it
// shows. A preview of another curve is sampled with the bar, and one stopped ("Vazgeç"
// or Escape) keeps its points and its picture, while the window keeps its new value.
TEST(ParametersToolW, TheExplorersPreviewTakesTheWindowsPointsAndAStoppedOneStays)
{
    TParametersFixture f;
    TCurvedLineExplorer& e = *f.m().CurvedLineExplorerToolW;
    e.show();
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)+x/5") });
    g.SelectCurve(0);
    f.m().ParametersToolW->show();
    const TObjectList& preview = e.PreviewRenderer().Objects();
    const TObjectList& mine = g.DrawFunction().Objects();
    const auto picture = [&] { return e.EgriGorImage->Picture().toImage(); };
    ASSERT_EQ(preview.Count(), 1);
    const long long sampled = preview.Generations();
    QSlider* slider = f.row("k").Slider;
    slider->setValue(120);
    EXPECT_EQ(preview.Generations(), sampled);
    EXPECT_GT(preview.Copies(), 0);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(mine));

    // Hidden it waits; shown again it follows, the picture as the curve drawn afresh.
    const long long copies = preview.Copies();
    e.hide();
    slider->setValue(130);
    EXPECT_EQ(preview.Copies(), copies);
    e.show();
    QApplication::processEvents();
    EXPECT_EQ(preview.Copies(), copies + 1);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(mine));
    const QImage followed = picture();
    e.RebuildPreview();
    EXPECT_TRUE(picture() == followed);
    EXPECT_EQ(preview.Generations(), sampled);

    // A curve typed and not applied is sampled, with the bar.
    TParametersFixture::type(e.fyEdit, "k*cos(x)");
    e.RebuildPreview();
    ASSERT_EQ(preview.Generations(), sampled + 1);
    ASSERT_EQ(preview.Items(0).Fy->GetText(), "k*cos(x)");
    int position = 140;
    for (const bool escape : { false, true }) {
        SCOPED_TRACE(escape ? "Escape" : "Vazgeç");
        const std::string bits = spaceBits(preview);
        const QImage shown = picture();
        const std::unique_ptr<TBarWatch> watch = stopAt(e.PreviewProgress(), 1, escape);
        slider->setValue(position);
        EXPECT_EQ(watch->Shown, 1);
        EXPECT_EQ(e.PreviewProgress().CancelButton(), nullptr);
        EXPECT_TRUE(spaceBits(preview) == bits);
        EXPECT_TRUE(picture() == shown);
        EXPECT_EQ(valueOf(g, "k"), TParameterScale(*g.Parameters().Find("k")).ValueAt(position));
        position += 10;
    }
    // Not stopped, it follows.
    TBarWatch watch(e.PreviewProgress(), [](int, QPushButton*) { });
    slider->setValue(position);
    EXPECT_EQ(watch.Shown, 1);
    TObjectList fresh;
    AppendCurve(fresh, plane("k*cos(x)"));
    fresh.SetParameterValue("k", valueOf(g, "k"));
    EXPECT_TRUE(spaceBits(preview) == spaceBits(fresh));
    watch.Timer.stop();

    // A rebuild stopped leaves the preview too as it was.
    const std::string bits = spaceBits(preview);
    const QImage shown = picture();
    TParametersFixture::type(e.fyEdit, "k*x*x");
    const std::unique_ptr<TBarWatch> stop = stopAt(e.PreviewProgress(), 1, false);
    e.RebuildPreview();
    EXPECT_EQ(stop->Shown, 1);
    EXPECT_EQ(preview.Items(0).Fy->GetText(), "k*cos(x)");
    EXPECT_TRUE(spaceBits(preview) == bits);
    EXPECT_TRUE(picture() == shown);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// The numeric values window shows the window's curve at its values: its preview takes
// the window's points rather than sampling the curve again.
TEST(ParametersToolW, TheNumericValuesPreviewTakesTheWindowsPoints)
{
    TParametersFixture f;
    TGrafikMChildFrm& g = f.open({ plane("k*sin(x)+m"), plane("x") });
    f.m().ParametersToolW->show();
    f.row("k").Slider->setValue(130);
    ASSERT_NE(valueOf(g, "k"), 0);
    TSaysalFrm form;
    form.SetCurves(&g.DrawFunction().Objects(), 1);
    form.ShowCurve(1);
    const TObjectList& preview = form.PreviewRenderer().Objects();
    EXPECT_EQ(preview.Generations(), 0);
    EXPECT_EQ(preview.Copies(), 1);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(g.DrawFunction().Objects(), 0));
    form.ShowCurve(2);
    EXPECT_EQ(preview.Copies(), 2);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(g.DrawFunction().Objects(), 1));
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

// A hidden explorer holds no second copy of a large curve: its preview is made when it
// shows, from the window's points, and follows the values from there.
TEST(ParametersToolW, AHiddenExplorerKeepsNoCopyOfALargeCurve)
{
    TParametersFixture f;
    TCurvedLineExplorer& e = *f.m().CurvedLineExplorerToolW;
    TEditorValues large = plane("k*x");
    large.Step = 0.00001L; // two million samples
    TGrafikMChildFrm& g = f.open({ large });
    e.hide();
    g.SelectCurve(0);
    ASSERT_EQ(e.fyEdit->text(), "k*x");
    const TObjectList& preview = e.PreviewRenderer().Objects();
    EXPECT_EQ(preview.Count(), 0);
    f.m().ParametersToolW->show();
    f.row("k").Slider->setValue(120);
    EXPECT_EQ(preview.Count(), 0);
    e.show();
    QApplication::processEvents();
    ASSERT_EQ(preview.Count(), 1);
    EXPECT_EQ(preview.Generations(), 0);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(g.DrawFunction().Objects()));
    f.row("k").Slider->setValue(130);
    EXPECT_EQ(preview.Generations(), 0);
    EXPECT_TRUE(spaceBits(preview) == spaceBits(g.DrawFunction().Objects()));
    // A small curve is previewed hidden or not, as it always was.
    e.hide();
    TGrafikMChildFrm& small = f.open({ plane("x*x") });
    small.SelectCurve(0);
    EXPECT_EQ(preview.Count(), 1);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}
