#include "base/exception.h"
#include "files/picture_file.h"
#include "render/draw_function.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
void writeAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// A 300 x 200 scene with a visible line curve (red), a visible point curve (blue) and a hidden
// curve (green), drawn once.
struct Scene {
    TDrawFunction R;
    Scene()
    {
        R.SetSize(300, 200);
        R.SetX0(150);
        R.SetY0(100);
        R.SetAngles(15, 30);
        R.Objects().Append(ctXYPlane, "X", "sin(x)*3", "0", 0x0000FF, csLine, 2, 0.1L, true);
        R.Objects().Append(ctXYPlane, "X", "x/2", "0", 0xFF0000, csPoints, 1, 0.5L, true);
        R.Objects().Append(ctXYPlane, "X", "x*x/10", "0", 0x00FF00, csLine, 1, 0.5L, false);
        // Leaves the picture at the top and bottom and comes back, again and again.
        R.Objects().Append(ctXYPlane, "X", "sin(x)*8", "0", 0x00FFFF, csLine, 1, 0.1L, true);
        R.Render(true);
    }
    void Write(const QString& name, TPictureFileType type)
    {
        WriteVectorPicture(
            QSize(R.Width(), R.Height()),
            [this](QPainter& p) { R.Paint(p, R.Width(), R.Height(), true); }, name, type);
    }
};
}

TEST(PictureFile, SvgHoldsOnePathPerVisibleCurve)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("sahne.svg");
    Scene scene;
    scene.Write(name, TPictureFileType::Svg);

    QXmlStreamReader xml(readAll(name));
    int curvePaths = 0, hidden = 0, longPolylines = 0;
    QStringList texts;
    QString width, height, viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"svg") {
            width = a.value("width").toString();
            height = a.value("height").toString();
            viewBox = a.value("viewBox").toString();
        } else if (xml.name() == u"polyline") {
            longPolylines += a.value("points").trimmed().count(' ') > 1;
        } else if (xml.name() == u"path") {
            ++curvePaths;
            // The style of a path stands on the group around it or on the path itself.
            if (a.value("stroke") == u"#00ff00" || a.value("fill") == u"#00ff00")
                ++hidden;
        } else if (xml.name() == u"text") {
            texts << xml.readElementText().trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(curvePaths, 3) << "one path per visible curve, whether it leaves the picture or not";
    EXPECT_EQ(longPolylines, 0) << "no curve drawn as polylines";
    const QByteArray bytes = readAll(name);
    EXPECT_TRUE(bytes.contains("#ff0000")) << "the line curve";
    EXPECT_TRUE(bytes.contains("#0000ff")) << "the squares of the point curve";
    EXPECT_FALSE(bytes.contains("#00ff00")) << "no hidden curve";
    EXPECT_EQ(hidden, 0);
    EXPECT_EQ(viewBox, "0 0 300 200");
    EXPECT_FALSE(width.isEmpty());
    EXPECT_FALSE(height.isEmpty());
    EXPECT_TRUE(texts.contains("x") && texts.contains("y") && texts.contains("z"))
        << texts.join(',').toStdString();
}

TEST(PictureFile, PdfIsOnePageOfThePicturesSize)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("sahne.pdf");
    Scene scene;
    scene.Write(name, TPictureFileType::Pdf);
    const QByteArray bytes = readAll(name);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r")
            + bytes.count("/Type /Page>") + bytes.count("/Type /Page "),
        1)
        << "one page";
    const QRegularExpression box("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]");
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(bytes));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), 300, 0.5);
    EXPECT_NEAR(m.captured(2).toDouble(), 200, 0.5);
}

TEST(PictureFile, RasterTypesAndTypeNames)
{
    QTemporaryDir dir;
    Scene scene;
    const QImage picture = scene.R.Image();
    WriteRasterPicture(picture, dir.filePath("a.png"), TPictureFileType::Png);
    QImageReader png(dir.filePath("a.png"));
    EXPECT_EQ(png.format(), "png");
    EXPECT_EQ(png.read().convertToFormat(QImage::Format_RGB32), picture);
    WriteRasterPicture(picture, dir.filePath("a.jpg"), TPictureFileType::Jpeg);
    QImageReader jpeg(dir.filePath("a.jpg"));
    EXPECT_EQ(jpeg.format(), "jpeg");
    EXPECT_EQ(jpeg.size(), picture.size());

    TPictureFileType type {};
    const std::pair<const char*, TPictureFileType> names[]
        = { { "a.BMP", TPictureFileType::Bitmap }, { "a.vlm", TPictureFileType::Scene },
              { "b/a.Png", TPictureFileType::Png }, { "a.jpeg", TPictureFileType::Jpeg },
              { "a.jpg", TPictureFileType::Jpeg }, { "a.svg", TPictureFileType::Svg },
              { "a.pdf", TPictureFileType::Pdf } };
    for (const auto& [name, expected] : names) {
        ASSERT_TRUE(PictureFileTypeOf(name, type)) << name;
        EXPECT_EQ(type, expected) << name;
    }
    EXPECT_FALSE(PictureFileTypeOf("a.txt", type));
    EXPECT_FALSE(PictureFileTypeOf("Ekran1", type));
}

TEST(PictureFile, FailuresGiveOneMessageAndKeepTheOldFile)
{
    QTemporaryDir dir;
    Scene scene;
    const auto message = [](const std::function<void()>& write) {
        try {
            write();
        } catch (const Exception& e) {
            return QString::fromStdString(e.Message());
        }
        return QString();
    };
    for (TPictureFileType type : { TPictureFileType::Png, TPictureFileType::Svg,
             TPictureFileType::Pdf, TPictureFileType::Jpeg }) {
        SCOPED_TRACE(int(type));
        // A folder that does not exist, and a name that is a folder.
        const QString missing = dir.filePath("yok/a." + PictureFileSuffix(type));
        const QString m1 = message([&] {
            if (IsVectorType(type))
                scene.Write(missing, type);
            else
                WriteRasterPicture(scene.R.Image(), missing, type);
        });
        EXPECT_TRUE(
            m1.startsWith("\"" + QDir::toNativeSeparators(missing) + "\" dosyası yazılamadı"))
            << m1.toStdString();
        EXPECT_FALSE(message([&] {
            if (IsVectorType(type))
                scene.Write(dir.path(), type);
            else
                WriteRasterPicture(scene.R.Image(), dir.path(), type);
        }).isEmpty());
        // A picture of no size cannot be written: the old file stays.
        const QString old = dir.filePath("eski." + PictureFileSuffix(type));
        writeAll(old, "eski");
        const QString m2 = message([&] {
            if (IsVectorType(type))
                WriteVectorPicture(
                    QSize(0, 0), [](QPainter&) {}, old, type);
            else
                WriteRasterPicture(QImage(), old, type);
        });
        EXPECT_FALSE(m2.isEmpty());
        EXPECT_EQ(readAll(old), "eski");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4) << "no temporary file left";
}

TEST(PictureFile, PrintedAtTheScreensSizeCentred)
{
    // 96 dots per inch on screen, 600 on paper: 300 x 200 pixels become 1875 x 1250 dots,
    // centred on a page of 4800 x 6600 dots starting at (100, 50).
    EXPECT_EQ(PrintTarget({ 300, 200 }, { 96, 96 }, { 600, 600 }, QRect(100, 50, 4800, 6600)),
        QRect(100 + (4800 - 1875) / 2, 50 + (6600 - 1250) / 2, 1875, 1250));
    // Too wide for the page: scaled down whole, proportions kept.
    const QRect fit = PrintTarget({ 2000, 500 }, { 96, 96 }, { 300, 300 }, QRect(0, 0, 2400, 3300));
    EXPECT_EQ(fit.width(), 2400);
    EXPECT_EQ(fit.height(), 600);
    EXPECT_EQ(fit.top(), (3300 - 600) / 2);
    EXPECT_TRUE(PrintTarget({ 0, 0 }, { 96, 96 }, { 300, 300 }, QRect(0, 0, 10, 10)).isEmpty());
}
