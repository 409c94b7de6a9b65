#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <functional>

#include <gtest/gtest.h>

namespace {
struct Result {
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};

// The program itself, with no display and no platform named: the commands must
// find their way without either.
Result program(const QStringList& arguments, const QString& workingDir,
    std::function<void()> inChild = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("LC_ALL", "C");
    QProcess p;
    p.setProcessEnvironment(env);
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.setWorkingDirectory(workingDir);
    p.start(VELMO_PROGRAM, arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        p.readAllStandardError() };
}
}

TEST(Program, CommandsRunWithoutADisplay)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("sphere.png");
    Result r = program({ "render", "-o", out, "--curve",
                           "type=4;fx=4.5*sin(a)*cos(b);fy=4.5*sin(a)*sin(b);fz=4.5*cos(a)",
                           "--zoom", "300", "--size", "200x150" },
        dir.path());
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(QImage(out).size(), QSize(200, 150));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { "sphere.png" })
        << "nothing written but the output";

    r = program({ "render", "-o", dir.filePath("bad.png"), "--curve", "type=0;fy=x",
                    "--curve", "type=0;fy=sin(x" },
        dir.path());
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(QString::fromUtf8(r.Err), "curve 2 fy: Kapatılmamış parantez mevcut \n");
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.png")));

    r = program({ "render", "-o", dir.filePath("x.png"), "--size", "big" }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_TRUE(r.Err.endsWith("Seçenekler için: velmo render --help\n")) << r.Err.data();
    // In English, --lang also before the command (a picture still has its platform).
    r = program({ "--lang", "en", "render", "-o", dir.filePath("en.png"), "--curve",
                    "type=0;fy=sin(x)", "--size", "80x60" },
        dir.path());
    EXPECT_EQ(r.Code, 0) << r.Err.data();
    EXPECT_EQ(QImage(dir.filePath("en.png")).size(), QSize(80, 60));
    QFile::remove(dir.filePath("en.png"));
    r = program(
        { "render", "--lang=en", "-o", dir.filePath("x.png"), "--size", "big" }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(QString::fromUtf8(r.Err),
        "the size must have the form WIDTHxHEIGHT, from 1 to 20000: big\n"
        "For the options: velmo render --help\n");

    r = program({ "eval", "2^10", "--", "x=1" }, dir.path());
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "1024\n");

    r = program({ "table", "--curve", "type=5;fz=2;step=3" }, dir.path());
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "n,x,y,z\r\n1,2,0,0\r\n2,-1.97998499320089,0.282240016119734,0\r\n"
                     "3,1.92034057330073,-0.558830996397852,0\r\n");

    r = program({ "--help" }, dir.path());
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(r.Out.contains("render") && r.Out.contains("table") && r.Out.contains("eval"));
}

// Without a display nothing may reach for one: an unknown command, option or file
// is a usage error, the version a line of its own.
TEST(Program, ArgumentsThatAreNoCommandNeedNoDisplay)
{
    QTemporaryDir dir;
    const QByteArray hint = "Seçenekler için: velmo --help\n";
    Result r = program({ "rendr", "-o", "x.png" }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(QString::fromUtf8(r.Err), QString::fromUtf8("bilinmeyen komut ya da olmayan dosya: rendr\n" + hint));
    r = program({ "frobnicate" }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(QString::fromUtf8(r.Err),
        QString::fromUtf8("bilinmeyen komut ya da olmayan dosya: frobnicate\n" + hint));
    r = program({ "--frobnicate" }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(QString::fromUtf8(r.Err), QString::fromUtf8("bilinmeyen seçenek: --frobnicate\n" + hint));
    // A scene file that exists beside one that does not: the missing one is named.
    QFile scene(dir.filePath("a.vlm"));
    ASSERT_TRUE(scene.open(QIODevice::WriteOnly));
    scene.close();
    r = program({ dir.filePath("a.vlm"), dir.filePath("yok.vlm") }, dir.path());
    EXPECT_EQ(r.Code, 2);
    EXPECT_TRUE(r.Err.startsWith("bilinmeyen komut ya da olmayan dosya: " + dir.filePath("yok.vlm").toUtf8()))
        << r.Err.data();
    r = program({ "--version" }, dir.path());
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(QRegularExpression("^velmo [0-9]+(\\.[0-9]+)+\n$").match(QString::fromUtf8(r.Out)).hasMatch())
        << r.Out.data();
    EXPECT_EQ(r.Err, "");
}

// A picture larger than the memory allowed says so, as a picture and as vectors.
TEST(Program, APictureBeyondTheMemorySaysSo)
{
#if defined(__SANITIZE_ADDRESS__)
    // The address checker reserves its shadow memory up front: under a limit on the
    // address space the program cannot even start.
    GTEST_SKIP() << "a limit on the address space does not work with the address checker";
#endif
    QTemporaryDir dir;
    const auto limited = [] {
        const rlimit limit { 1024UL << 20, 1024UL << 20 };
        setrlimit(RLIMIT_AS, &limit);
    };
    for (const char* name : { "big.png", "big.svg", "big.pdf" }) {
        SCOPED_TRACE(name);
        const Result r = program(
            { "render", "--size", "20000x20000", "-o", dir.filePath(name) }, dir.path(), limited);
        EXPECT_EQ(r.Code, 1);
        EXPECT_EQ(r.Err, "Bellek yetmedi\n");
        EXPECT_FALSE(QFile::exists(dir.filePath(name)));
    }
}
