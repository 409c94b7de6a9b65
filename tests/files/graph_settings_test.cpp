#include "files/graph_settings.h"
#include "files/ini_file.h"
#include "render/draw_function.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString& name)
{
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void writeAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
}

TEST(GraphSettings, DefaultsWithoutAFile)
{
    QTemporaryDir dir;
    TIniFile file(dir.filePath("Norvadeks.ini"));
    TDrawFunction r;
    int interval = 10;
    LoadGraphSettings(file, r, interval);
    EXPECT_EQ(r.LAxisesColor(), 0u);
    EXPECT_TRUE(r.LAxisesVisible());
    EXPECT_EQ(r.BrushColor(), 16777215u);
    EXPECT_TRUE(r.Perspective());
    EXPECT_EQ(interval, 10);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(r.Planes().Items(i).Visible());
        EXPECT_EQ(r.Planes().Items(i).Color(), 8421504u);
        EXPECT_EQ(r.Planes().Items(i).Thickness(), 1);
    }
}

TEST(GraphSettings, WrittenInOrderAndReadBack)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    writeAll(name, "; kept\r\n[Other]\r\nKey=5\r\n");
    TIniFile file(name);
    TGraphSettings s;
    s.LAxisesColor = 255;
    s.LAxisesVisible = false;
    s.Background = 0xFFFF00;
    s.Perspective = false;
    s.AnimInterval = 40;
    s.Planes[0] = { 0xFF, 0, false };
    s.Planes[1] = { 0x8000, 3, true };
    s.Planes[2] = { 0x800000, 20, false };
    WriteGraphSettings(file, s);

    const QByteArray bytes = readAll(name);
    EXPECT_TRUE(bytes.contains("; kept"));
    EXPECT_TRUE(bytes.contains("Key=5"));
    EXPECT_TRUE(bytes.contains("CizgiKal\xFDnl\xFDg\xFD=0")) << bytes.constData();
    const QByteArray order[]
        = { "[Eksencikler]", "Color=255", "Gorunurluk=0", "[Ekran]", "ArkapilanRengi=16776960",
              "Perspektif=0", "AnimInterval=40", "[XYDuzlemi]", "IzgaraRengi=255", "[XZDuzlemi]",
              "IzgaraRengi=32768", "Gorunurluk=1", "[YZDuzlemi]", "IzgaraRengi=8388608" };
    qsizetype at = 0;
    for (const QByteArray& piece : order) {
        const qsizetype found = bytes.indexOf(piece, at);
        EXPECT_GE(found, at) << piece.constData();
        at = found;
    }

    TDrawFunction r;
    int interval = 10;
    LoadGraphSettings(file, r, interval);
    EXPECT_EQ(r.LAxisesColor(), 255u);
    EXPECT_FALSE(r.LAxisesVisible());
    EXPECT_EQ(r.BrushColor(), 0xFFFF00u);
    EXPECT_FALSE(r.Perspective());
    EXPECT_EQ(interval, 40);
    EXPECT_FALSE(r.Planes().Items(1).Visible());
    EXPECT_EQ(r.Planes().Items(1).Thickness(), 0) << "a thickness of 0 is applied unchanged";
    EXPECT_TRUE(r.Planes().Items(2).Visible());
    EXPECT_EQ(r.Planes().Items(2).Thickness(), 3);
    EXPECT_EQ(r.Planes().Items(3).Thickness(), 20);
}

TEST(GraphSettings, MissingKeysKeepValuesAndBooleansReadTrue)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    writeAll(name, "[XYDuzlemi]\nGorunurluk=0\n[Ekran]\nPerspektif=7\n");
    TIniFile file(name);
    TGraphSettings current;
    current.AnimInterval = 250;
    current.LAxisesVisible = false;
    current.Planes[2].Thickness = 9;
    const TGraphSettings s = ReadGraphSettings(file, current);
    EXPECT_FALSE(s.Planes[0].Visible);
    EXPECT_TRUE(s.Perspective) << "any non-zero integer";
    EXPECT_TRUE(s.LAxisesVisible) << "a missing Boolean counts as true";
    EXPECT_EQ(s.AnimInterval, 250);
    EXPECT_EQ(s.Planes[2].Thickness, 9);
}

TEST(GraphSettings, AHiddenPlaneMadeVisibleIsProjected)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    writeAll(name, "[XZDuzlemi]\nGorunurluk=1\n");
    TDrawFunction r;
    r.SetPerspective(false);
    r.BuildMatrix();
    r.Planes().Items(2).SetVisible(false);
    int interval = 10;
    LoadGraphSettings(TIniFile(name), r, interval);
    EXPECT_TRUE(r.Planes().Items(2).Visible());
    EXPECT_EQ(r.Planes().Items(2).Grid().ScreenPoints(TPlanes::FirstAxisEnd).X, 160);
}

TEST(GraphSettings, KeysOffWhenMissing)
{
    // Each of these is off without its key, whatever the renderer held; written after the
    // fourteen keys only when on or already there.
    struct Row {
        const char* Key;
        bool TGraphSettings::*Field;
        bool (TDrawFunction::*Get)() const;
        void (TDrawFunction::*Set)(bool);
    };
    const Row rows[] = {
        { "YumusakCizgiler", &TGraphSettings::SmoothLines, &TDrawFunction::SmoothLines,
            &TDrawFunction::SetSmoothLines },
        { "Gosterge", &TGraphSettings::Legend, &TDrawFunction::Legend, &TDrawFunction::SetLegend },
        { "EksenSayilari", &TGraphSettings::AxisNumbers, &TDrawFunction::AxisNumbers,
            &TDrawFunction::SetAxisNumbers },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Key);
        QTemporaryDir dir;
        const QString name = dir.filePath("Norvadeks.ini");
        writeAll(name, "[Ekran]\nPerspektif=0\n");
        TDrawFunction r;
        (r.*row.Set)(true);
        int interval = 10;
        LoadGraphSettings(TIniFile(name), r, interval);
        EXPECT_FALSE((r.*row.Get)());

        TGraphSettings s;
        s.*row.Field = true;
        TIniFile file(name);
        WriteGraphSettings(file, s);
        const QByteArray bytes = readAll(name);
        EXPECT_GT(bytes.indexOf(QByteArray(row.Key) + "=1"), bytes.indexOf("AnimInterval="));
        LoadGraphSettings(file, r, interval);
        EXPECT_TRUE((r.*row.Get)());
        // Off, it overwrites a key there; in a file without one it writes none.
        s.*row.Field = false;
        WriteGraphSettings(file, s);
        EXPECT_TRUE(readAll(name).contains(QByteArray(row.Key) + "=0"));
        TIniFile other(dir.filePath("Other.ini"));
        WriteGraphSettings(other, s);
        EXPECT_FALSE(readAll(dir.filePath("Other.ini")).contains(row.Key));
    }
}
