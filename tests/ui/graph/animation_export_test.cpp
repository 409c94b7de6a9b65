#include "graph_test_host.h"
#include "ui/dialogs/animasyon_frm.h"
#include "ui/graph/animation_export.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace {
TEditorValues wave(const std::string& fy)
{
    TEditorValues v;
    v.CurveType = 0;
    v.Fx = "X";
    v.Fy = fy;
    v.Fz = "0";
    v.Color = 255;
    v.Step = 0.1L;
    v.Thickness = 2;
    return v;
}

// Answers the animation dialog and the file question as a user would have, recording what
// the dialog was given.
class TAnimationRunner : public TGraphDialogRunner {
public:
    TAnimationSettings Answer;
    bool Confirm = true;
    QString FileName;
    TAnimationSettings Offered;
    std::vector<TParameter> OfferedParameters;
    QString Caption;

    bool EditAnimation(TAnimationSettings& values, const std::vector<TParameter>& parameters,
        QWidget*, const QString& ownerCaption) override
    {
        Offered = values;
        OfferedParameters = parameters;
        Caption = ownerCaption;
        values = Answer;
        return Confirm;
    }
    QString AskAnimationFile(TAnimationFileType, const QString&, QWidget*) override
    {
        return FileName;
    }
};

std::vector<QImage> decode(const QString& fileName)
{
    std::vector<QImage> frames;
    QImageReader reader(fileName);
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    return frames;
}

bool waitUntilDone(TGrafikMChildFrm& w)
{
    QElapsedTimer clock;
    clock.start();
    while (w.AnimationExport() != nullptr && w.AnimationExport()->Running()
        && clock.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return w.AnimationExport() == nullptr;
}

struct Window {
    QTemporaryDir dir;
    TRecordingHost host;
    std::unique_ptr<TGrafikMChildFrm> w;
    std::shared_ptr<TAnimationRunner> runner = std::make_shared<TAnimationRunner>();
    Window()
    {
        w = std::make_unique<TGrafikMChildFrm>(host, dir.filePath("Norvadeks.ini"));
        w->resize(200, 160);
        w->CentreView();
        w->SetDialogRunner(runner);
        w->ApplyCurve(wave("k*sin(x)"));
        w->NewCurve();
        w->ApplyCurve(wave("2*cos(k*x)"));
    }
    // The window's own picture with k at value.
    QImage pictureAt(long double value)
    {
        w->DrawFunction().Objects().SetParameterValue("k", value);
        w->RedrawViews(true);
        return w->Picture();
    }
};
}

TEST(AnimationExport, ASweptParameterGivesTheWindowsPictures)
{
    Window win;
    TAnimationRunner& runner = *win.runner;
    runner.Answer.Move.Parameter = "k";
    runner.Answer.Move.From = 0.5L;
    runner.Answer.Move.To = 2;
    runner.Answer.Move.Frames = 4;
    runner.Answer.Width = 200;
    runner.Answer.Height = 160;
    runner.FileName = win.dir.filePath("k.gif");
    win.w->SaveAnimation();

    // The dialog was offered the window's parameter over its range and the view's size.
    EXPECT_EQ(runner.Caption, "Ekran1");
    ASSERT_EQ(runner.OfferedParameters.size(), 1u);
    EXPECT_EQ(runner.Offered.Move.Parameter, "k");
    EXPECT_EQ(runner.Offered.Move.From, -10);
    EXPECT_EQ(runner.Offered.Move.To, 10);
    EXPECT_FALSE(runner.Offered.Move.Turn);
    EXPECT_EQ(runner.Offered.Move.Frames, 60);
    EXPECT_EQ(runner.Offered.FramesPerSecond, 20);
    EXPECT_EQ(runner.Offered.Width, 200);
    EXPECT_EQ(runner.Offered.Height, 160);
    EXPECT_EQ(runner.Offered.Type, TAnimationFileType::Gif);

    // The window stays as it is while the frames are written.
    const QImage before = win.w->Picture();
    ASSERT_NE(win.w->AnimationExport(), nullptr);
    ASSERT_TRUE(waitUntilDone(*win.w));
    EXPECT_EQ(win.w->Picture(), before);
    EXPECT_EQ(win.w->DrawFunction().Objects().Parameters().ValueOf("k"), 0);

    const std::vector<QImage> frames = decode(runner.FileName);
    ASSERT_EQ(frames.size(), 4u);
    const long double values[4] = { 0.5L, 1, 1.5L, 2 };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames[static_cast<std::size_t>(i)], win.pictureAt(values[i]));
    }
}

TEST(AnimationExport, TurningFourViewsAndCancelling)
{
    Window win;
    win.w->SetFourView(true);
    win.w->DrawFunction().SetAngles(10, 20);
    win.w->RedrawViews(true);
    TAnimationRunner& runner = *win.runner;
    runner.Answer.Move.Turn = true;
    runner.Answer.Move.Degrees = 90;
    runner.Answer.Move.Frames = 3;
    runner.Answer.Width = 200;
    runner.Answer.Height = 160;
    runner.Answer.Type = TAnimationFileType::NumberedPng;
    runner.FileName = win.dir.filePath("ad_%03d.png");
    win.w->SaveAnimation();
    ASSERT_TRUE(waitUntilDone(*win.w));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        win.w->DrawFunction().SetAngles(10, 20 + 30 * i);
        win.w->RedrawViews(true);
        const QImage frame(win.dir.filePath(QString("ad_00%1.png").arg(i + 1)));
        EXPECT_EQ(frame.convertToFormat(QImage::Format_RGB32), win.w->Picture());
    }

    // "Vazgeç" after the first frame: nothing is written, the old file stays.
    {
        QFile old(win.dir.filePath("old.gif"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    runner.Answer.Type = TAnimationFileType::Gif;
    runner.Answer.Move.Frames = 50;
    runner.FileName = win.dir.filePath("old.gif");
    win.w->SaveAnimation();
    TAnimationExport* running = win.w->AnimationExport();
    ASSERT_NE(running, nullptr);
    while (running->FramesWritten() < 1)
        QApplication::processEvents();
    ASSERT_NE(running->Progress(), nullptr);
    EXPECT_EQ(running->Progress()->labelText(), "Animasyon yazılıyor...");
    QPushButton* vazgec = nullptr;
    for (QPushButton* button : running->Progress()->findChildren<QPushButton*>())
        if (button->text() == "Vazgeç")
            vazgec = button;
    ASSERT_NE(vazgec, nullptr);
    vazgec->click();
    ASSERT_TRUE(waitUntilDone(*win.w));
    QFile old(win.dir.filePath("old.gif"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");

    // A write that fails says so once and leaves nothing; the window goes on.
    {
        QStringList messages;
        TScopedErrorSink sink([&](const QString& m) { messages << m; });
        runner.Answer.Move.Frames = 3;
        for (TAnimationFileType type :
            { TAnimationFileType::Gif, TAnimationFileType::NumberedPng }) {
            runner.Answer.Type = type;
            runner.FileName = win.dir.filePath(
                type == TAnimationFileType::Gif ? "none/a.gif" : "none/ad_%03d.png");
            win.w->SaveAnimation();
            ASSERT_TRUE(waitUntilDone(*win.w));
        }
        ASSERT_EQ(messages.size(), 2);
        EXPECT_TRUE(messages[0].contains("a.gif\" dosyası yazılamadı"))
            << messages[0].toStdString();
        EXPECT_TRUE(messages[1].contains("ad_001.png\" dosyası yazılamadı"))
            << messages[1].toStdString();
        EXPECT_FALSE(QFile::exists(win.dir.filePath("none")));
    }

    // Closing the window in the middle leaves nothing either.
    runner.FileName = win.dir.filePath("closed.webp");
    runner.Answer.Type = TAnimationFileType::WebP;
    win.w->SaveAnimation();
    QApplication::processEvents();
    win.w.reset();
    EXPECT_FALSE(QFile::exists(win.dir.filePath("closed.webp")));
    QStringList files = QDir(win.dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    EXPECT_EQ(files, (QStringList { "ad_001.png", "ad_002.png", "ad_003.png", "old.gif" }));
}

TEST(AnimationExport, TheDialogGivesBackWhatItShows)
{
    std::vector<TParameter> parameters(2);
    parameters[0].Name = "k";
    parameters[1].Name = "m";
    parameters[1].Min = -2;
    parameters[1].Max = 3.5L;
    TAnimasyonFrm form(parameters);
    EXPECT_EQ(form.windowTitle(), "Animasyon Kaydet");
    EXPECT_TRUE(form.ParameterRadio->isChecked());
    EXPECT_EQ(form.FromEdit->text(), "-10");
    form.ParameterCombo->setCurrentIndex(1);
    EXPECT_EQ(form.FromEdit->text(), "-2");
    EXPECT_EQ(form.ToEdit->text(), "3.5");
    form.FramesSpin->setValue(12);
    form.TypeCombo->setCurrentIndex(1);
    TAnimationSettings v = form.Values();
    EXPECT_EQ(v.Move.Parameter, "m");
    EXPECT_EQ(v.Move.From, -2);
    EXPECT_EQ(v.Move.To, 3.5L);
    EXPECT_EQ(v.Move.Frames, 12);
    EXPECT_EQ(v.Type, TAnimationFileType::WebP);
    EXPECT_FALSE(v.Move.Turn);

    // A number that does not read keeps the dialog open and says so.
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages << m; });
    form.show();
    form.ToEdit->setText("iki");
    form.BtnTamam->click();
    EXPECT_EQ(messages, QStringList { "'iki' is not a valid floating point value" });
    EXPECT_TRUE(form.isVisible());
    form.TurnRadio->setChecked(true);
    form.BtnTamam->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);

    // Without parameters only the turn can be chosen.
    TAnimasyonFrm plain({});
    EXPECT_TRUE(plain.TurnRadio->isChecked());
    EXPECT_FALSE(plain.ParameterRadio->isEnabled());
    EXPECT_EQ(plain.DegreesEdit->text(), "360");
    EXPECT_TRUE(plain.Values().Move.Turn);
}

// Four-view, smooth lines, the legend, the axis numbers, a shaded surface and the marks
// of the current curve's points of interest go into every frame as the window draws them.
TEST(AnimationExport, EveryLookOfTheWindowIsInTheFrames)
{
    Window win;
    TGrafikMChildFrm& w = *win.w;
    TEditorValues sphere;
    sphere.CurveType = ctParametric;
    sphere.Fx = "k*sin(u)*cos(v)";
    sphere.Fy = "k*sin(u)*sin(v)";
    sphere.Fz = "k*cos(u)";
    sphere.Step = 0.3L;
    sphere.Style = csShaded;
    sphere.Color = 0x00A000;
    w.NewCurve();
    w.ApplyCurve(sphere);
    w.SelectCurve(0);
    w.SetInterestMarks(true);
    TDrawFunction& r = w.DrawFunction();
    r.SetSmoothLines(true);
    r.SetLegend(true);
    r.SetAxisNumbers(true);
    w.SetFourView(true);
    w.DrawFunction().SetAngles(20, 35);
    w.SetParameterValue("k", 1.5L);
    ASSERT_FALSE(r.Scene().Marks().empty());

    TAnimationRunner& runner = *win.runner;
    runner.Answer.Move.Parameter = "k";
    runner.Answer.Move.From = 0.5L;
    runner.Answer.Move.To = 2;
    runner.Answer.Move.Frames = 3;
    runner.Answer.Width = w.width();
    runner.Answer.Height = w.height();
    runner.Answer.Type = TAnimationFileType::WebP;
    runner.FileName = win.dir.filePath("look.webp");
    w.SaveAnimation();
    ASSERT_TRUE(waitUntilDone(w));
    const std::vector<QImage> frames = decode(runner.FileName);
    ASSERT_EQ(frames.size(), 3u);
    const long double values[3] = { 0.5L, 1.25L, 2 };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        w.SetParameterValue("k", values[i]);
        EXPECT_EQ(frames[static_cast<std::size_t>(i)], w.Picture());
    }

    // Turning: the marks stay where the window shows them.
    runner.Answer.Move.Turn = true;
    runner.Answer.Move.Degrees = 40;
    runner.Answer.Move.Frames = 2;
    runner.FileName = win.dir.filePath("turn.webp");
    w.SaveAnimation();
    ASSERT_TRUE(waitUntilDone(w));
    const std::vector<QImage> turned = decode(runner.FileName);
    ASSERT_EQ(turned.size(), 2u);
    w.DrawFunction().SetAngles(20, 55);
    w.RedrawViews(true);
    EXPECT_EQ(turned[1], w.Picture());
}
