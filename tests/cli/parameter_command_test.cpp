#include "../ui/graph/graph_test_host.h"
#include "base/number_text.h"
#include "cli/commands.h"
#include "command_run.h"
#include "files/scene_file.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sstream>

namespace {
TEditorValues plane(const std::string& fy)
{
    TEditorValues v;
    v.CurveType = ctXYPlane;
    v.Fx = "X";
    v.Fy = fy;
    v.Fz = "0";
    v.Color = 0x0000FF;
    v.Step = 0.1L;
    v.Thickness = 2;
    return v;
}

class ParameterCommands : public testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
    QTemporaryDir dir;

    // The picture render writes with arguments (a PNG of 200x150).
    QImage picture(const QStringList& arguments)
    {
        const QString out = dir.filePath("p.png");
        QFile::remove(out);
        const TRun r = run(dir, QStringList { "render", "-o", out, "--size", "200x150" } + arguments);
        EXPECT_EQ(r.Code, 0) << r.Err;
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }
    // The rows of a table, the line of the values and the header left out.
    static std::string rowsOf(const std::string& table)
    {
        const std::size_t header = table.find("n,x,y,z\r\n");
        return header == std::string::npos ? "?" : table.substr(header + 9);
    }
};
}

// A value given is the number written in place of the name: the same pixels and digits.
TEST_F(ParameterCommands, AValueGivenIsTheNumberWrittenInPlaceOfTheName)
{
    const char* wave = "type=0;fy=k*sin(x)+m;color=Kırmızı";
    const char* sphere = "type=4;fx=r*sin(a)*cos(b);fy=r*sin(a)*sin(b);fz=r*cos(a);step=0.2";
    const QImage given
        = picture({ "--curve", wave, "--curve", sphere, "--param", "k=2.5", "--param", "M=-0.75",
            "--param", "r=3", "--zoom", "200" });
    EXPECT_EQ(given,
        picture({ "--curve", "type=0;fy=2.5*sin(x)+(-0.75);color=Kırmızı", "--curve",
            "type=4;fx=3*sin(a)*cos(b);fy=3*sin(a)*sin(b);fz=3*cos(a);step=0.2", "--zoom",
            "200" }));
    EXPECT_NE(given, picture({ "--curve", wave, "--curve", sphere, "--zoom", "200" }));

    // The user's separator; the table names the values before its header.
    SetDecimalSeparator(',');
    TRun r = run(dir, { "table", "--curve", "type=0;fy=k*sin(x)+m;step=0,5", "--param", "k=0,3" });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "curve 1: m için değer verilmedi, 0 alındı\n") << "only the name not given";
    EXPECT_TRUE(r.Out.starts_with("# k = 0.3; m = 0\r\nn,x,y,z\r\n")) << r.Out;
    const TRun written = run(dir, { "table", "--curve", "type=0;fy=0,3*sin(x)+0;step=0,5" });
    EXPECT_EQ(rowsOf(r.Out), rowsOf(written.Out));
    EXPECT_TRUE(written.Out.starts_with("n,x,y,z\r\n")) << "no line without parameters";
    r = run(dir, { "table", "--curve", "type=0;fy=k*x;step=5", "--param", "k=1.5", "--format",
                     "tsv" });
    EXPECT_EQ(r.Out,
        "# k = 1,5\nn\tx\ty\tz\n1\t-10\t-15\t0\n2\t-5\t-7,5\t0\n3\t0\t0\t0\n4\t5\t7,5\t0\n");
    EXPECT_EQ(r.Err, "");
}

// A scene file's values come first and --param overrides them; what either gives is not
// named as unset.
TEST_F(ParameterCommands, ASceneGivesItsValuesAndParamOverridesThem)
{
    TScene scene;
    scene.Curves = { plane("k*sin(x)"), plane("q*x/10") };
    scene.CurrentCurve = 0;
    scene.Parameters = { { "k", 3, -5, 5, 0.5L } };
    const QString file = dir.filePath("s.vlm");
    WriteSceneFile(file, scene);

    const QImage three = picture({ "--curve", "type=0;fy=3*sin(x)" });
    const QImage two = picture({ "--curve", "type=0;fy=2*sin(x)" });
    EXPECT_NE(three, two);
    const QString out = dir.filePath("p.png");
    TRun r = run(dir,
        { "render", "-o", out, "--size", "200x150", "--scene", file, "--param", "q=0" });
    EXPECT_EQ(r.Err, "") << "k from the scene, q from the command";
    r = run(dir, { "table", "--scene", file });
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(r.Out.starts_with("# k = 3\r\n")) << r.Out;
    EXPECT_EQ(rowsOf(r.Out), rowsOf(run(dir, { "table", "--curve", "type=0;fy=3*sin(x)" }).Out));
    r = run(dir, { "table", "--scene", file, "--param", "K=2" });
    EXPECT_TRUE(r.Out.starts_with("# k = 2\r\n")) << r.Out;
    EXPECT_EQ(rowsOf(r.Out), rowsOf(run(dir, { "table", "--curve", "type=0;fy=2*sin(x)" }).Out));
    r = run(dir, { "table", "--scene", file, "--index", "2" });
    EXPECT_EQ(r.Err, "curve 2: q için değer verilmedi, 0 alındı\n");
    r = run(dir, { "inspect", "--scene", file, "--index", "2", "--param", "q=1", "--from", "-1",
                     "--to", "1" });
    EXPECT_EQ(r.Out, "kind,of,at,x,y,z\r\nzero,y,0,0,0,0\r\n");
    EXPECT_EQ(r.Err, "");

    // The window's own picture of a scene it saved with a value moved.
    TRecordingHost host;
    TGrafikMChildFrm w(host, dir.filePath("Norvadeks.ini"));
    w.resize(200, 150);
    w.CentreView();
    w.ApplyCurve(plane("k*sin(x)"));
    w.NewCurve();
    w.ApplyCurve(plane("k*cos(x)/2+m"));
    w.CommitParameters(w.Parameters().Items(), { { "k", -1.5L, -2, 2, 0.25L }, { "m", 1 } });
    w.RedrawViews(true);
    WriteSceneFile(file, w.Scene());
    EXPECT_EQ(picture({ "--scene", file }), w.Picture());
    r = run(dir, { "table", "--scene", file, "--index", "2" });
    EXPECT_TRUE(r.Out.starts_with("# k = -1.5; m = 1\r\n")) << r.Out;
    EXPECT_EQ(r.Err, "");
}

TEST_F(ParameterCommands, ANameNoCurveUsesIsAUsageError)
{
    const QString out = dir.filePath("p.png");
    struct Row {
        QStringList Arguments;
        int Code;
        std::string Err;
    };
    const std::vector<Row> rows {
        { { "render", "-o", out, "--curve", "type=0;fy=k*x", "--param", "q=1" }, 2,
            "bilinmeyen parametre: \"q\"\nSeçenekler için: velmo render --help\n" },
        { { "render", "-o", out, "--curve", "type=0;fy=k=2", "--param", "k=1" }, 2,
            "bilinmeyen parametre: \"k\"\nSeçenekler için: velmo render --help\n" },
        { { "table", "--curve", "type=0;fy=k*x", "--param", "x=1" }, 2,
            "bilinmeyen parametre: \"x\"\nSeçenekler için: velmo table --help\n" },
        { { "table", "--curve", "type=0;fy=k*x", "--param", "=1" }, 2,
            "parametre AD=DEĞER biçiminde verilmeli: =1\nSeçenekler için: velmo table --help\n" },
        { { "render", "-o", out, "--curve", "type=0;fy=k*x", "--param", "k" }, 2,
            "parametre AD=DEĞER biçiminde verilmeli: k\nSeçenekler için: velmo render --help\n" },
        { { "table", "--curve", "type=0;fy=k*x", "--param", "k=iki" }, 1,
            "k: 'iki' is not a valid floating point value\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Arguments.join(' ').toStdString());
        const TRun r = run(dir, row.Arguments);
        EXPECT_EQ(r.Code, row.Code);
        EXPECT_EQ(r.Err, row.Err);
        EXPECT_EQ(r.Out, "");
        EXPECT_FALSE(QFile::exists(out));
    }
}
