#include "base/number_text.h"
#include "cli/commands.h"
#include "command_run.h"
#include "geometry/transform_matrix.h"
#include "files/scene_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace {
TRun inspect(const QTemporaryDir& dir, const QStringList& arguments)
{
    return run(dir, QStringList { "inspect" } + arguments);
}

std::string n(long double v) { return FloatToText(v); }

class Inspect : public testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
    QTemporaryDir dir;
};
}

TEST_F(Inspect, RowsOfPointsSortedByTheFreeVariable)
{
    TRun r = inspect(dir, { "--curve", "type=0;fy=x^3-3*x" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::string root = n(std::sqrt(3.0L));
    EXPECT_EQ(r.Out,
        "kind,of,at,x,y,z\r\n"
        "zero,y,-"
            + root + ",-" + root
            + ",0,0\r\n"
              "maximum,y,-1,-1,2,0\r\n"
              "zero,y,0,0,0,0\r\n"
              "minimum,y,1,1,-2,0\r\n"
              "zero,y,"
            + root + "," + root + ",0,0\r\n");

    // Intersections with two other curves, numbered from 2, among the points; the
    // decimal comma of the user still prints the point.
    const std::string expected = "kind,of,at,x,y,z\r\nzero,y,0,0,0,0\r\n"
        + ("intersection,3," + n(Pi / 6) + "," + n(Pi / 6) + ",0.5,0\r\n")
        + ("intersection,2," + n(Pi / 4) + "," + n(Pi / 4) + "," + n(std::sin(Pi / 4)) + ",0\r\n")
        + ("maximum,y," + n(Pi / 2) + "," + n(Pi / 2) + ",1,0\r\n");
    SetDecimalSeparator(',');
    r = inspect(dir,
        { "--curve", "type=0;fy=sin(x)", "--with", "type=0;fy=cos(x)", "--with", "type=0;fy=0,5",
            "--from", "0", "--to", "1,6" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, expected);
    SetDecimalSeparator('.');

    // A break, and a polar curve's coordinates; written to a file with -o.
    const QString out = dir.filePath("p.csv");
    r = inspect(dir, { "--curve", "type=0;fy=abs(x)", "-o", out });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "kind,of,at,x,y,z\r\nbreak,y,0,0,0,0\r\n");
    r = inspect(dir, { "--curve", "type=5;fz=1+a", "--from", "1", "--to", "2" });
    EXPECT_EQ(r.Out.substr(r.Out.find('\n') + 1, 6), "zero,x") << r.Out;

    // A parameter's value, and a scene's curve by its number.
    r = inspect(dir, { "--curve", "type=0;fy=x-k", "--param", "k=2.5" });
    EXPECT_EQ(r.Out, "kind,of,at,x,y,z\r\nzero,y,2.5,2.5,0,0\r\n") << r.Err;
    TScene scene;
    TEditorValues line;
    line.CurveType = 1;
    line.Fz = "2*x-1";
    scene.Curves = { line };
    WriteSceneFile(dir.filePath("s.vlm"), scene);
    r = inspect(dir, { "--scene", dir.filePath("s.vlm"), "--index", "1" });
    EXPECT_EQ(r.Out, "kind,of,at,x,y,z\r\nzero,z,0.5,0.5,0,0\r\n") << r.Err;
}

TEST_F(Inspect, MeasuresWithTheirBounds)
{
    TRun r = inspect(dir, { "--curve", "type=6;fx=4*sin(t);fy=4*cos(t);fz=t/2", "--measure" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out.substr(0, 45), "measure,value,error\r\nlength,80.6225774829855,");
    EXPECT_EQ(r.Out.find("area"), std::string::npos) << "no area off the plane types";
    r = inspect(dir,
        { "--curve", "type=0;fy=sin(x)", "--from", "0", "--to", "3.14159265358979323846",
            "--measure" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("\r\narea,2,"), std::string::npos) << r.Out;
    // An area that cancels out is 0 to the digits its bound leaves; the length of a
    // curve through a pole has none.
    r = inspect(dir, { "--curve", "type=0;fy=sin(x)", "--measure" });
    EXPECT_NE(r.Out.find("\r\narea,0,"), std::string::npos) << r.Out;
    r = inspect(dir, { "--curve", "type=0;fy=1/x", "--measure" });
    EXPECT_EQ(r.Out.substr(0, 29), "measure,value,error\r\nlength,,") << r.Out;
    // ln on (0, 1]: its area is -1.
    r = inspect(dir, { "--curve", "type=0;fy=ln(x)", "--to", "1", "--measure" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("\r\narea,-1,"), std::string::npos) << r.Out;
}

TEST_F(Inspect, ExitCodes)
{
    const std::string hint = "Seçenekler için: velmo inspect --help\n";
    struct Row {
        QStringList Arguments;
        int Code;
        std::string Err;
    };
    const std::vector<Row> rows {
        { { "--curve", "type=4;fx=a;fy=b;fz=1" }, 1,
            "curve 1: Önemli noktalar ve ölçüler yalnızca bir değişkenli eğrilerde bulunur\n" },
        { { "--curve", "type=0;fy=sin(x" }, 1, "curve 1 fy: Kapatılmamış parantez mevcut \n" },
        { { "--curve", "type=0;fy=x", "--with", "type=1;fz=x" }, 1,
            "curve 2: kesişimler yalnızca aynı düzlem türündeki iki eğri arasında bulunur\n" },
        { { "--curve", "type=0;fy=x", "--param", "q=1" }, 2,
            "bilinmeyen parametre: \"q\"\n" + hint },
        { { "--curve", "type=0;fy=x", "--from", "abc" }, 2,
            "aralık ucu bir sayı olmalı: abc\n" + hint },
        { { "--curve", "type=0;fy=x", "--from", "2", "--to", "1" }, 2,
            "--from, --to'dan küçük olmalı\n" + hint },
        { {}, 2, "bir eğri verilmeli: ya --curve TANIM ya da --scene FILE.vlm\n" + hint },
        { { "--curve", "type=0;fy=x", "--frob" }, 2, "bilinmeyen seçenek: --frob\n" + hint },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Arguments.join(' ').toStdString());
        const TRun r = inspect(dir, row.Arguments);
        EXPECT_EQ(r.Code, row.Code);
        EXPECT_EQ(r.Err, row.Err);
        EXPECT_EQ(r.Out, "");
    }
    EXPECT_EQ(inspect(dir, { "--help" }).Code, 0);
}
