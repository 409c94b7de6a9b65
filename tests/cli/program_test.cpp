#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Result {
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};

// The program itself, with no display and no platform named: the commands must
// find their way without either.
Result program(const QStringList& arguments, const QString& workingDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("LC_ALL", "C");
    QProcess p;
    p.setProcessEnvironment(env);
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
