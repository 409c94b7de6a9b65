#include "../full_disk.h"
#include "../ui/graph/graph_test_host.h"
#include "base/number_text.h"
#include "cli/commands.h"
#include "cli/png_picture.h"
#include "command_run.h"
#include "curves/object_list.h"
#include "files/scene_file.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace {
const char* const Sine = "type=0;fy=3*sin(x);color=Kırmızı";
const char* const Helix
    = "type=6;fx=4*cos(t);fy=4*sin(t);fz=t/2;step=0.05;color=#0000ff;thickness=3";

QByteArray readAll(const QString& fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& fileName, const QByteArray& bytes)
{
    QFile f(fileName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEditorValues values(int type, std::string fx, std::string fy, std::string fz, TColor color,
    long double step, int thickness)
{
    TEditorValues v;
    v.CurveType = type;
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Color = color;
    v.Step = step;
    v.Thickness = thickness;
    return v;
}

// A graph window of the given client size, set up by hand as a user would.
struct Window {
    TRecordingHost host;
    TGrafikMChildFrm w;
    Window(const QTemporaryDir& dir, int width, int height)
        : w(host, dir.filePath("Norvadeks.ini"))
    {
        w.resize(width, height);
        w.CentreView();
        w.ApplyCurve(values(0, "X", "3*sin(x)", "0", 0x0000FF, 0.1L, 2));
        w.NewCurve();
        w.ApplyCurve(values(6, "4*cos(t)", "4*sin(t)", "t/2", 0xFF0000, 0.05L, 3));
    }
};

class Commands : public testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
    QTemporaryDir dir;
};
}

TEST_F(Commands, RenderGivesTheWindowsPicture)
{
    // A settings file with its own background and a hidden XZ plane; it is read
    // and left exactly as it was.
    const QByteArray settings = "[Ekran]\r\nArkapilanRengi=12632256\r\n"
                                "[XZDuzlemi]\r\nGorunurluk=0\r\n";
    writeAll(dir.filePath("Norvadeks.ini"), settings);

    Window win(dir, 320, 240);
    win.w.SetZoomPercent(150);
    win.w.DrawFunction().SetAngles(15, -30);
    win.w.RedrawViews(true);
    const QString single = dir.filePath("single.png");
    TRun r = run(dir,
        { "render", "-o", single, "--curve", Sine, "--curve", Helix, "--size", "320x240", "--zoom",
            "150", "--angles", "15,-30" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, "");
    const QImage picture(single);
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), win.w.Picture());
    EXPECT_EQ(picture.pixel(300, 5), qRgb(192, 192, 192)) << "the settings file's background";

    // The four-view layout, composed as the window copies it.
    win.w.SetFourView(true);
    const QString four = dir.filePath("four.bmp");
    r = run(dir,
        { "render", "-o", four, "--curve", Sine, "--curve", Helix, "--size", "320x240", "--zoom",
            "150", "--angles", "15,-30", "--four-view" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    const QImage sharp = QImage(four).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(sharp, win.w.Picture());

    // Smooth lines, as the window draws them with the option on.
    win.w.DrawFunction().SetSmoothLines(true);
    win.w.RedrawViews(true);
    r = run(dir,
        { "render", "-o", four, "--curve", Sine, "--curve", Helix, "--size", "320x240", "--zoom",
            "150", "--angles", "15,-30", "--four-view", "--smooth" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    const QImage smooth = QImage(four).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(smooth, win.w.Picture());
    EXPECT_NE(smooth, sharp);

    EXPECT_EQ(readAll(dir.filePath("Norvadeks.ini")), settings);
    QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    files.sort();
    EXPECT_EQ(files, (QStringList { "Norvadeks.ini", "four.bmp", "single.png" }));
}

TEST_F(Commands, RenderWritesVectorsAsTheWindowSavesThem)
{
    // SVG byte for byte as the window's "Farklı Kaydet..." writes it, one view and four; PDF
    // one page of the picture's size; a file that cannot be written is not created.
    Window win(dir, 320, 240);
    win.w.DrawFunction().SetAngles(15, -30);
    win.w.RedrawViews(true);
    QString chosen;
    win.w.SetSaveDialogRunner([&](QString& name, int& fileType) {
        name = chosen;
        fileType = 4;
        return true;
    });
    ASSERT_TRUE(QDir(dir.path()).mkdir("window"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("window4"));
    const QStringList render { "render", "--curve", Sine, "--curve", Helix, "--size", "320x240",
        "--angles", "15,-30" };
    for (const bool four : { false, true }) {
        SCOPED_TRACE(four ? "four-view" : "one view");
        win.w.SetFourView(four);
        // A folder of its own for each: the file's name is the picture's title.
        chosen = dir.filePath(four ? "window4/p.svg" : "window/p.svg");
        win.w.SaveAs();
        ASSERT_TRUE(QFile::exists(chosen));
        const QString out = dir.filePath("p.svg");
        const TRun r = run(dir,
            render + QStringList { "-o", out }
                + (four ? QStringList { "--four-view" } : QStringList {}));
        ASSERT_EQ(r.Code, 0) << r.Err;
        const QByteArray svg = readAll(out);
        EXPECT_EQ(svg, readAll(chosen));
        QXmlStreamReader xml(svg);
        int paths = 0;
        while (!xml.atEnd())
            paths += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"path";
        EXPECT_FALSE(xml.hasError());
        EXPECT_EQ(paths, four ? 8 : 2) << "one path per curve and view";
    }

    const QString pdf = dir.filePath("p.pdf");
    TRun r = run(dir, render + QStringList { "-o", pdf, "--four-view", "--size", "500x300" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    const QByteArray bytes = readAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1) << "one page";
    const QRegularExpressionMatch box
        = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")
              .match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_EQ(box.captured(1).toDouble(), 500);
    EXPECT_EQ(box.captured(2).toDouble(), 300);

    const QString missing = dir.filePath("no/such/p.pdf");
    r = run(dir, render + QStringList { "-o", missing });
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(
        r.Err.rfind(
            "\"" + QDir::toNativeSeparators(missing).toStdString() + "\" dosyası yazılamadı: ", 0),
        0u)
        << r.Err;
    writeAll(pdf, "old");
    EXPECT_EQ(run(dir, render + QStringList { "-o", pdf, "--curve", "type=0;fy=(" }).Code, 1);
    EXPECT_EQ(readAll(pdf), "old");
}

TEST_F(Commands, RenderOptionsOverTheSettings)
{
    const QString out = dir.filePath("a.jpg");
    TRun r = run(dir,
        { "render", "-o", out, "--size", "64x48", "--planes", "none", "--background", "Mavi",
            "--parallel" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(QGuiApplication::topLevelWindows().isEmpty()) << "no window opened";
    const QImage jpeg(out);
    EXPECT_EQ(jpeg.size(), QSize(64, 48));
    const QColor middle = jpeg.pixelColor(32, 10);
    EXPECT_LT(middle.red(), 30);
    EXPECT_GT(middle.blue(), 220) << "blue background, no planes";

    // Without options: 800 x 600, zoom 100, the origin in the middle, planes shown.
    const QString plain = dir.filePath("plain.png");
    ASSERT_EQ(run(dir, { "render", "-o", plain }).Code, 0);
    const QImage p(plain);
    EXPECT_EQ(p.size(), QSize(800, 600));
    EXPECT_EQ(p.pixel(400 + 100, 300), qRgb(255, 0, 0)) << "the red half-axis of x";
}

TEST_F(Commands, RenderTakesTheSceneFileFirst)
{
    TScene scene;
    scene.Curves = { values(0, "", "3*sin(x)", "", 0x0000FF, 0.1L, 2) };
    scene.CurrentCurve = 0;
    scene.Width = 300;
    scene.Height = 200;
    scene.X0 = 150 + 20; // off the middle by 20 and -10
    scene.Y0 = 100 - 10;
    scene.ZoomPercent = 12.5L;
    scene.XAxisAngle = 10;
    scene.Look.Background = 0x00FFFF;
    const QString file = dir.filePath("s.vlm");
    WriteSceneFile(file, scene);

    const QString fromScene = dir.filePath("scene.png");
    TRun r = run(dir, { "render", "--scene", file, "-o", fromScene, "--curve", Helix });
    ASSERT_EQ(r.Code, 0) << r.Err;
    // The same by hand: a renderer as the window sets it up.
    TDrawFunction d;
    d.SetBrushColor(0x00FFFF);
    d.SetSize(300, 200);
    d.SetX0(170);
    d.SetY0(90);
    d.SetScale(5.0L / 12.5L);
    d.SetAngles(10, 0);
    d.Objects().Append(0, "", "3*sin(x)", "", 0x0000FF, 0, 2, 0.1L, true);
    d.Objects().Append(6, "4*cos(t)", "4*sin(t)", "t/2", 0xFF0000, 0, 3, 0.05L, true);
    d.Render(true);
    EXPECT_EQ(QImage(fromScene).convertToFormat(QImage::Format_RGB32), d.Image());

    // A new size keeps the origin where it was relative to the middle.
    ASSERT_EQ(
        run(dir, { "render", "--scene", file, "-o", fromScene, "--size", "400x300" }).Code, 0);
    d.Objects().Delete(1);
    d.SetSize(400, 300);
    d.SetX0(220);
    d.SetY0(140);
    d.Render(true);
    EXPECT_EQ(QImage(fromScene).convertToFormat(QImage::Format_RGB32), d.Image());
}

TEST_F(Commands, TableIsThePointList)
{
    TObjectList list;
    list.Append(6, "4*cos(t)", "4*sin(t)", "t/2", 0, 0, 1, 0.05L, true);
    const TGoruntuMatrisi& points = *list.Items(0).Points;

    TRun r = run(dir, { "table", "--curve", Helix });
    ASSERT_EQ(r.Code, 0) << r.Err;
    std::istringstream lines(r.Out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "n,x,y,z\r");
    int n = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(n, points.Count());
        const TSpacePoint& p = points.SpacePoints(n);
        ++n;
        EXPECT_EQ(line,
            std::to_string(n) + "," + FloatToText(p.X) + "," + FloatToText(p.Y) + ","
                + FloatToText(p.Z) + "\r");
    }
    EXPECT_EQ(n, points.Count());
    EXPECT_EQ(n, 400);

    // TSV under the decimal comma, to a file, chosen by the extension.
    SetDecimalSeparator(',');
    const QString out = dir.filePath("t.tsv");
    r = run(dir, { "table", "--curve", "type=0;fy=x/4;step=0,5", "-o", out });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    const QByteArray tsv = readAll(out);
    EXPECT_TRUE(tsv.startsWith("n\tx\ty\tz\n1\t-10\t-2,5\t0\n2\t-9,5\t-2,375\t0\n")) << tsv.data();
    EXPECT_EQ(tsv.count('\n'), 41);

    // A scene's curve by its number, counted from 1.
    TScene scene;
    scene.Curves = { values(0, "", "x", "", 0, 1, 2), values(1, "", "", "2*x", 0, 5, 2) };
    WriteSceneFile(dir.filePath("s.vlm"), scene);
    r = run(dir, { "table", "--scene", dir.filePath("s.vlm"), "--index", "2", "--format", "csv" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "n,x,y,z\r\n1,-10,0,-20\r\n2,-5,0,-10\r\n3,0,0,0\r\n4,5,0,10\r\n");
}

TEST_F(Commands, EvalShowsWhatTheCalculatorShows)
{
    for (const char separator : { '.', ',' }) {
        SetDecimalSeparator(separator);
        TFHesaplaFrm calculator;
        calculator.FonksiyonEdit()->setText(separator == '.' ? "x^2/7+y" : "x^2/7+y");
        calculator.StringGrid1()->setItem(0, 0, new QTableWidgetItem("x"));
        calculator.StringGrid1()->setItem(
            0, 1, new QTableWidgetItem(separator == '.' ? "3.5" : "3,5"));
        calculator.StringGrid1()->setItem(1, 0, new QTableWidgetItem("Y"));
        calculator.StringGrid1()->setItem(1, 1, new QTableWidgetItem("1"));
        calculator.HesaplaButton()->click();
        const TRun r = run(dir, { "eval", "x^2/7+y", "x=3.5", "Y=1", "z=4" });
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(r.Out, calculator.SonucEdit()->text().toStdString() + "\n");
        EXPECT_EQ(r.Out, separator == '.' ? "2.75\n" : "2,75\n");
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(run(dir, { "eval", "x^2+y", "--postfix" }).Out, "x 2 ^ y + \n");
    EXPECT_EQ(run(dir, { "eval", "y=2*x", "x=3" }).Out, "6\n") << "a formula with =";
    EXPECT_EQ(run(dir, { "eval", "--", "-x+1", "x=-2" }).Out, "3\n");
    EXPECT_EQ(run(dir, { "eval", "1/3" }).Out, "0.333333333333333\n");
}

TEST_F(Commands, RenderDrawsSurfaces)
{
    // A torus, shaded, and a surface z = f(x, y) as a mesh.
    const QString out = dir.filePath("torus.png");
    const TRun r = run(dir,
        { "render", "-o", out, "--size", "200x150", "--planes", "none", "--curve",
            "type=8;fx=(3+cos(v))*cos(u);fy=(3+cos(v))*sin(u);fz=sin(v);step=0.3;style=shaded;"
            "color=#0000ff",
            "--curve", "type=7;fz=x*y/20;step=1;style=surface;color=#ff0000" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB32);
    int shaded = 0, mesh = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            shaded += qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) > 0;
            mesh += p == qRgb(255, 0, 0);
        }
    EXPECT_GT(shaded, 2000);
    EXPECT_GT(mesh, 100);
}

// The command line takes the scene file's range of zoom, refuses a scene file
// no scene reaches at once, and never prints a control character raw.
TEST_F(Commands, LimitsAgreeAndNamesAreShownSafely)
{
    for (const char* zoom : { "0.001", "1000000" }) {
        const TRun r = run(dir, { "render", "-o", dir.filePath("z.png"), "--zoom", zoom });
        EXPECT_EQ(r.Code, 0) << zoom << r.Err;
    }
    // A scene file beyond 64 MB: refused without reading it all, as is a device.
    const QString huge = dir.filePath("huge.vlm");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(64LL * 1024 * 1024 + 1));
    }
    for (const QString& name : { huge, QStringLiteral("/dev/zero") }) {
        const TRun r = run(dir, { "render", "-o", dir.filePath("h.png"), "--scene", name });
        EXPECT_EQ(r.Code, 1);
        EXPECT_EQ(r.Err, "\"" + QFileInfo(name).fileName().toStdString()
                + "\" açılamadı: dosya 64 MB'tan büyük.\n");
    }
    const QString escape = dir.filePath(QString::fromUtf8("a\x1b[31mb\x07.gif"));
    TRun r = run(dir, { "render", "-o", escape });
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(r.Err.find('\x1b'), std::string::npos);
    EXPECT_NE(r.Err.find("a\\x1b[31mb\\x07.gif"), std::string::npos) << r.Err;
    r = run(dir, { "table", "--scene", dir.filePath(QString::fromUtf8("s\x1b.vlm")) });
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("s\\x1b.vlm"), std::string::npos) << r.Err;
    EXPECT_EQ(r.Err.find('\x1b'), std::string::npos);
}

// On a full file system the output is not replaced by a cut-off one, and the
// failure is an error; an output that is no regular file is written into.
TEST_F(Commands, OutputsOnAFullDiskAndSpecialFiles)
{
    TFullDisk disk;
    if (!disk.Ready())
        GTEST_SKIP() << "neither a small file system nor a file-size limit can be had";
    for (const char* name : { "t.csv", "r.png", "r.svg", "r.pdf", "r.bmp" }) {
        SCOPED_TRACE(name);
        const QString out = disk.FilePath(name);
        writeAll(out, "old");
        disk.Fill();
        const QStringList arguments = QString(name).startsWith('t')
            ? QStringList { "table", "--curve", Sine, "-o", out }
            : QStringList { "render", "--curve", Sine, "--size", "40x30", "-o", out };
        const TRun r = run(dir, arguments);
        disk.Empty();
        EXPECT_EQ(r.Code, 1);
        EXPECT_NE(r.Err.find(out.toStdString()), std::string::npos) << r.Err;
        EXPECT_EQ(readAll(out), "old");
    }

    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QByteArray read;
    std::thread reader([&] {
        QFile f(fifo);
        if (f.open(QIODevice::ReadOnly))
            read = f.readAll();
    });
    const TRun r = run(dir, { "table", "--curve", "type=5;fz=2;step=3", "-o", fifo });
    reader.join();
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(read.startsWith("n,x,y,z\r\n1,2,0,0\r\n")) << read.data();
    struct stat info {};
    ASSERT_EQ(stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "not replaced by a regular file";
    EXPECT_EQ(run(dir, { "table", "--curve", Sine, "-o", "/dev/null" }).Code, 0);
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(Commands, NamesNothingSetsAreNamedOnTheErrorOutput)
{
    const QString out = dir.filePath("o.png");
    TRun r = run(dir, { "render", "-o", out, "--curve", "type=0;fy=2*xx" });
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Err, "curve 1: xx için değer verilmedi, 0 alındı\n");
    EXPECT_TRUE(QFile::exists(out));

    r = run(dir, { "render", "-o", out, "--curve", Sine, "--curve",
                     "type=6;fx=k=cos(t);fy=k*R+q;fz=t*r" });
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Err, "curve 2: r, q için değer verilmedi, 0 alındı\n") << "each name once";

    r = run(dir, { "table", "--curve", "type=5;fz=2*b;step=3" });
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Err, "curve 1: b için değer verilmedi, 0 alındı\n");
    EXPECT_EQ(r.Out, "# b = 0\r\nn,x,y,z\r\n1,0,0,0\r\n2,0,0,0\r\n3,0,0,0\r\n")
        << "the table names the value it took";

    r = run(dir, { "eval", "x+Y+z", "X=1", "y=2" });
    EXPECT_EQ(r.Err, "z için değer verilmedi, 0 alındı\n");
    EXPECT_EQ(r.Out, "3\n");
    EXPECT_EQ(run(dir, { "eval", "y=2*x", "x=3" }).Err, "");
    EXPECT_EQ(run(dir, { "render", "-o", out, "--curve", Helix }).Err, "");
}

TEST_F(Commands, ErrorsAreExactAndLeaveNoFile)
{
    const QString out = dir.filePath("o.png");
    const std::string hint = "Seçenekler için: velmo render --help\n";
    struct Row {
        QStringList Arguments;
        int Code;
        std::string Err;
    };
    const std::vector<Row> rows {
        { { "--curve", Sine, "--curve", "type=0;fy=sin(x" }, 1,
            "curve 2 fy: Kapatılmamış parantez mevcut \n" },
        { { "--curve", "type=3;fy=x;fz=x+*2" }, 1,
            "curve 1 fz: (Sintax Error)İmla hatası => + operatorunden sonra bir operand "
            "gelmelidir\n" },
        { { "--curve", "type=0;fy=x;step=0" }, 1,
            "curve 1 step: Nokta aralığı geçersiz (0): sıfırdan büyük bir sayı olmalıdır\n" },
        { { "--curve", "type=0;fy=x;step=abc" }, 1,
            "curve 1 step: 'abc' is not a valid floating point value\n" },
        { { "--curve", "type=0;fy=x", "--curve", "type=0;fy=x" }, 1,
            "curve 2: Bu eğri daha önce tanımlanmıştır (0)\n" },
        { { "--curve", "type=9;fy=x" }, 1,
            "curve 1 type: eğri türü 0 ile 8 arasında bir tam sayıdır: 9\n" },
        { { "--curve", "type=8;fx=u;fy=v;fz=0;style=dotted" }, 1,
            "curve 1 style: çizim şekli line, points, surface ya da shaded olmalıdır: dotted\n" },
        { { "--curve", "type=0;fy=x;thickness=21" }, 1,
            "curve 1 thickness: çizgi kalınlığı 1 ile 20 arasında bir tam sayıdır: 21\n" },
        { { "--curve", "type=0;fy=x;color=mor" }, 1,
            "curve 1 color: renk, renk listesindeki bir ad ya da #rrggbb olmalıdır: mor\n" },
        { { "--curve", "type=0;fy=x;colour=Mavi" }, 2,
            "curve 1 colour: bilinmeyen anahtar (type, fx, fy, fz, step, color, style, "
            "thickness, visible)\n"
                + hint },
        { { "--curve", "type=4;fx=a;fy=b" }, 2,
            "curve 1 fz: bu eğri türünün formülü verilmemiş\n" + hint },
        { { "--size", "800x0" }, 2,
            "boyut GENİŞLİKxYÜKSEKLİK biçiminde, 1 ile 20000 arasında olmalı: 800x0\n" + hint },
        { { "--zoom", "-5" }, 2,
            "büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: -5\n" + hint },
        { { "--zoom", "1000001" }, 2,
            "büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: 1000001\n" + hint },
        { { "--zoom", "1e300" }, 2,
            "büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: 1e300\n" + hint },
        { { "--zoom", "0.0009" }, 2,
            "büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: 0.0009\n" + hint },
        { { "--angles", "15" }, 2, "açılar AX,AY biçiminde iki sayı olmalı: 15\n" + hint },
        { { "--planes", "xy,ab" }, 2,
            "düzlemler xy, xz, yz listesi ya da none olmalı: xy,ab\n" + hint },
        { { "--frobnicate" }, 2, "bilinmeyen seçenek: --frobnicate\n" + hint },
        { { "--perspective", "--parallel" }, 2,
            "--perspective ile --parallel birlikte verilemez\n" + hint },
        { { "--zoom" }, 2, "--zoom seçeneğinin değeri eksik\n" + hint },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Arguments.join(' ').toStdString());
        const TRun r = run(dir, QStringList { "render", "-o", out } + row.Arguments);
        EXPECT_EQ(r.Code, row.Code);
        EXPECT_EQ(r.Err, row.Err);
        EXPECT_FALSE(QFile::exists(out));
    }

    // The output's type and the output itself.
    EXPECT_EQ(run(dir, { "render", "-o", dir.filePath("a.gif") }).Err,
        "bilinmeyen resim türü: \"" + dir.filePath("a.gif").toStdString()
            + "\" (.png, .bmp, .jpg, .svg ya da .pdf olmalı)\n" + hint);
    EXPECT_EQ(run(dir, { "render" }).Err, "çıktı dosyası verilmedi (-o OUT)\n" + hint);
    const TRun unwritable = run(dir, { "render", "-o", dir.filePath("no/such/a.png") });
    EXPECT_EQ(unwritable.Code, 1);
    EXPECT_EQ(
        unwritable.Err, "Cannot create file " + dir.filePath("no/such/a.png").toStdString() + "\n");

    // A failure keeps an old file as it was.
    writeAll(out, "old");
    EXPECT_EQ(run(dir, { "render", "-o", out, "--curve", "type=0;fy=(" }).Code, 1);
    EXPECT_EQ(readAll(out), "old");

    // table and eval.
    EXPECT_EQ(run(dir, { "table" }).Err,
        "bir eğri verilmeli: ya --curve TANIM ya da --scene FILE.vlm\n"
        "Seçenekler için: velmo table --help\n");
    EXPECT_EQ(run(dir, { "table", "--curve", "type=0;fy=x", "--format", "xls" }).Code, 2);
    const TRun badScene = run(dir, { "table", "--scene", dir.filePath("none.vlm") });
    EXPECT_EQ(badScene.Code, 1);
    EXPECT_NE(badScene.Err.find("none.vlm"), std::string::npos) << badScene.Err;
    EXPECT_EQ(run(dir, { "eval", "1/0" }).Err, "Floating point division by zero\n");
    EXPECT_EQ(run(dir, { "eval", "sin(" }).Code, 1);
    EXPECT_EQ(
        run(dir, { "eval", "x", "x=abc" }).Err, "x: 'abc' is not a valid floating point value\n");
    EXPECT_EQ(run(dir, { "eval", "x", "x" }).Code, 2);
    EXPECT_EQ(run(dir, { "eval" }).Err, "formül verilmedi\nSeçenekler için: velmo eval --help\n");
    EXPECT_EQ(run(dir, { "frob" }).Code, 2);
}

TEST(PngPicture, FewColoursBecomeAPaletteManyStayAsTheyAre)
{
    QImage few(40, 30, QImage::Format_RGB32);
    few.fill(qRgb(255, 255, 255));
    for (int x = 0; x < 40; ++x)
        few.setPixel(x, x % 30, qRgb(x, 128, 0)); // 41 colours
    const QImage packed = PngPicture(few);
    EXPECT_EQ(packed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(packed.colorCount(), 41);
    EXPECT_EQ(packed.convertToFormat(QImage::Format_RGB32), few);

    QImage many(300, 2, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        many.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
        many.setPixel(x, 1, qRgb(0, 0, 0));
    }
    EXPECT_EQ(PngPicture(many).format(), QImage::Format_RGB32);
    EXPECT_EQ(PngPicture(many), many);
}

// --lang, or the settings file's choice, gives the same messages and exit codes in English.
TEST_F(Commands, MessagesInEnglish)
{
    const QString out = dir.filePath("o.png");
    TRun r = run(dir, { "render", "--lang", "en", "-o", out, "--size", "800x0" });
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(r.Err,
        "the size must have the form WIDTHxHEIGHT, from 1 to 20000: 800x0\n"
        "For the options: velmo render --help\n");
    r = run(dir, { "render", "--lang=en", "-o", out, "--curve", "type=3;fy=x;fz=x y" });
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(
        r.Err, "curve 1 fz: (Syntax Error) Spelling error => x must be followed by an operator\n");
    r = run(dir, { "eval", "--lang", "en", "x+$" });
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "Unknown expression => $\n");
    EXPECT_EQ(run(dir, { "--lang", "en", "--help" }).Out.rfind("Usage: velmo [COMMAND]", 0), 0u);
    EXPECT_FALSE(QFile::exists(out));

    // The settings file's choice, and --lang over it.
    writeAll(dir.filePath("Norvadeks.ini"), "[Genel]\r\nDil=en\r\n");
    EXPECT_EQ(run(dir, { "eval" }).Err, "no formula given\nFor the options: velmo eval --help\n");
    EXPECT_EQ(run(dir, { "eval", "--lang", "tr" }).Err,
        "formül verilmedi\nSeçenekler için: velmo eval --help\n");
    // A language that is none is a usage error, told in the settings file's language.
    r = run(dir, { "eval", "--lang", "de", "1" });
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(r.Err, "the language must be tr or en: de\nFor the options: velmo eval --help\n");
    QFile::remove(dir.filePath("Norvadeks.ini"));
    run(dir, { "eval", "1" }); // back to Turkish for the other tests
}

// --lang alone, or with scene files, opens the window in that language; a language that is
// none goes to the command line, which refuses it.
TEST_F(Commands, LanguageForTheWindow)
{
    const QString scene = dir.filePath("a.vlm");
    writeAll(scene, "{}");
    std::optional<TLanguage> language;
    EXPECT_EQ(WithoutLanguage({ "--lang", "en", scene }, language), QStringList { scene });
    EXPECT_EQ(language, TLanguage::English);
    language.reset();
    EXPECT_EQ(WithoutLanguage({ scene, "--lang=TR" }, language), QStringList { scene });
    EXPECT_EQ(language, TLanguage::Turkish);
    language.reset();
    EXPECT_EQ(WithoutLanguage({ "eval", "--", "--lang", "en" }, language),
        QStringList({ "eval", "--", "--lang", "en" }));
    EXPECT_FALSE(language.has_value());

    EXPECT_FALSE(IsCommandLine({}));
    EXPECT_FALSE(IsCommandLine({ "--lang", "en" }));
    EXPECT_FALSE(IsCommandLine({ "--lang=en", scene }));
    EXPECT_TRUE(IsCommandLine({ "--lang", "de" }));
    EXPECT_TRUE(IsCommandLine({ "--lang", "en", "render" }));
    EXPECT_TRUE(IsCommandLine({ "--lang" }));
    EXPECT_EQ(run(dir, { "--lang", "de" }).Code, 2);
}
