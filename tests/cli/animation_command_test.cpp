#include "base/number_text.h"
#include "cli/commands.h"
#include "command_run.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sstream>

namespace {
const char* const Wave = "type=0;fy=k*sin(x);color=Kırmızı";
const char* const Helix = "type=6;fx=4*cos(t);fy=4*sin(t);fz=t/2;step=0.05;color=#0000ff";

struct TFrames {
    std::vector<QImage> Images;
    std::vector<int> Delays;
};

TFrames decode(const QString& fileName)
{
    TFrames f;
    QImageReader reader(fileName);
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        f.Delays.push_back(reader.nextImageDelay());
        f.Images.push_back(image.convertToFormat(QImage::Format_RGB32));
    }
    return f;
}

// The single picture `velmo render` gives with arguments.
QImage single(const QTemporaryDir& dir, QStringList arguments)
{
    const QString file = dir.filePath("single.png");
    arguments = QStringList { "render", "-o", file } + arguments;
    const TRun r = run(dir, arguments);
    EXPECT_EQ(r.Code, 0) << r.Err;
    QImage image(file);
    QFile::remove(file);
    return image.convertToFormat(QImage::Format_RGB32);
}

class AnimationCommand : public testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
    QTemporaryDir dir;
};
}

TEST_F(AnimationCommand, TurningViewFramesAreTheSingleRenders)
{
    const QString gif = dir.filePath("turn.gif");
    const QStringList common { "--curve", Helix, "--size", "200x150", "--perspective" };
    TRun r = run(dir,
        QStringList { "render", "-o", gif, "--angles", "15,30", "--turn", "90:6", "--fps", "10" }
            + common);
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    const TFrames frames = decode(gif);
    ASSERT_EQ(frames.Images.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames.Delays[static_cast<std::size_t>(i)], 100);
        const QString angles = QString("15,%1").arg(30 + 15 * i);
        EXPECT_EQ(frames.Images[static_cast<std::size_t>(i)],
            single(dir, QStringList { "--angles", angles } + common));
    }

    // Numbered PNG files of the four-view layout.
    const QString pattern = dir.filePath("ad_%03d.png");
    r = run(dir,
        QStringList { "render", "-o", pattern, "--angles", "0,10", "--turn", "-20:2",
            "--four-view" }
            + common);
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(QImage(dir.filePath("ad_001.png")).convertToFormat(QImage::Format_RGB32),
        single(dir, QStringList { "--angles", "0,10", "--four-view" } + common));
    EXPECT_EQ(QImage(dir.filePath("ad_002.png")).convertToFormat(QImage::Format_RGB32),
        single(dir, QStringList { "--angles", "0,0", "--four-view" } + common));
    EXPECT_FALSE(QFile::exists(dir.filePath("ad_003.png")));
}

TEST_F(AnimationCommand, SweptParameterFramesAreTheCurvesWithTheValueWritten)
{
    for (const char* name : { "sweep.gif", "sweep.webp" }) {
        SCOPED_TRACE(name);
        const QString out = dir.filePath(name);
        const TRun r = run(dir,
            { "render", "-o", out, "--curve", Wave, "--size", "160x120", "--zoom", "200",
                "--sweep", "k=-1:2:4" });
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(r.Err, "") << "the swept name is given";
        const TFrames frames = decode(out);
        ASSERT_EQ(frames.Images.size(), 4u);
        const char* written[4] = { "-1", "0", "1", "2" };
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(frames.Delays[static_cast<std::size_t>(i)], 50);
            const QString curve = QString("type=0;fy=(%1)*sin(x);color=Kırmızı").arg(written[i]);
            EXPECT_EQ(frames.Images[static_cast<std::size_t>(i)],
                single(dir, { "--curve", curve, "--size", "160x120", "--zoom", "200" }));
        }
    }
}

TEST_F(AnimationCommand, UsageErrorsWriteNothing)
{
    struct TRow {
        QStringList Arguments;
        const char* Message;
    };
    const QString gif = dir.filePath("a.gif");
    const TRow rows[] = {
        { { "--sweep", "k=0:1" }, "--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı" },
        { { "--sweep", "=0:1:5" }, "--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı" },
        { { "--sweep", "k=0:1:0" }, "--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı" },
        { { "--sweep", "k=a:1:5" }, "--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı" },
        { { "--turn", "360" }, "--turn DERECE:RESİM biçiminde olmalı" },
        { { "--turn", "360:20001" }, "--turn DERECE:RESİM biçiminde olmalı" },
        { { "--turn", "360:5", "--sweep", "k=0:1:5" }, "--sweep ile --turn birlikte verilemez" },
        { { "--turn", "360:5", "--fps", "0" }, "--fps 1 ile 100 arasında bir tam sayı olmalı: 0" },
        { { "--fps", "20" }, "--fps yalnızca --sweep ya da --turn ile verilir" },
        { { "--sweep", "q=0:1:5" }, "bilinmeyen parametre: \"q\"" },
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Arguments.join(' ').toStdString());
        const TRun r = run(dir, QStringList { "render", "-o", gif, "--curve", Wave } + row.Arguments);
        EXPECT_EQ(r.Code, 2);
        // The usage error is the first line, or follows the line naming the names nothing sets.
        EXPECT_TRUE(r.Err.rfind(row.Message, 0) == 0
            || r.Err.find(std::string("\n") + row.Message) != std::string::npos)
            << r.Err;
    }
    // An output an animation cannot be written to.
    const TRun r = run(dir,
        { "render", "-o", dir.filePath("a.png"), "--curve", Wave, "--turn", "90:3" });
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(r.Err.rfind("bilinmeyen animasyon türü", 0), 0u) << r.Err;
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
