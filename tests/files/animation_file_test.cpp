#include "files/animation_file.h"

#include "base/exception.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {
// Frames of a moving thing: a background, a line and a square that walk with index. Smooth
// frames draw anti-aliased circles, which give far more than 256 colours.
std::vector<QImage> frames(int count, bool smooth, QSize size = QSize(120, 90))
{
    std::vector<QImage> result;
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(255, 255, 240));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.setPen(QPen(QColor(0, 128, 128), smooth ? 2.5 : 1));
        painter.drawLine(5, 5 + 3 * i, size.width() - 5, size.height() - 5 - 2 * i);
        painter.fillRect(10 + 4 * i, 30, 12, 12, QColor(200, 0, 0));
        if (smooth)
            for (int k = 0; k < 6; ++k) {
                painter.setPen(QPen(QColor::fromHsv((40 * k + 11 * i) % 360, 220, 200), 3.3));
                painter.drawEllipse(QPointF(60 + i, 45), 8.3 + 5.1 * k, 7.7 + 4.3 * k);
            }
        painter.end();
        result.push_back(image);
    }
    return result;
}

struct TDecoded {
    std::vector<QImage> Frames;
    std::vector<int> Delays;
};

TDecoded decode(const QString& fileName)
{
    TDecoded d;
    QImageReader reader(fileName);
    reader.setAutoDetectImageFormat(true);
    for (int i = 0; i < 1000; ++i) {
        QImage image = reader.read();
        if (image.isNull())
            break;
        d.Delays.push_back(reader.nextImageDelay());
        d.Frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    }
    return d;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff);
    return n;
}

void write(const QString& fileName, TAnimationFileType type, const std::vector<QImage>& images,
    int fps)
{
    TAnimationWriter writer(fileName, type, fps);
    for (const QImage& image : images)
        writer.AddFrame(image);
    writer.Finish();
}
}

TEST(AnimationFile, TypesAndNumberedNames)
{
    struct TRow {
        const char* Name;
        bool Known;
        TAnimationFileType Type;
    };
    const TRow rows[] = {
        { "a.gif", true, TAnimationFileType::Gif },
        { "a.GIF", true, TAnimationFileType::Gif },
        { "b.webp", true, TAnimationFileType::WebP },
        { "ad_%03d.png", true, TAnimationFileType::NumberedPng },
        { "dir/ad_%d.png", true, TAnimationFileType::NumberedPng },
        { "ad.png", false, TAnimationFileType::Gif },
        { "ad_%03d_%03d.png", false, TAnimationFileType::Gif },
        { "ad_%s.png", false, TAnimationFileType::Gif },
        { "ad.bmp", false, TAnimationFileType::Gif },
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TAnimationFileType type = TAnimationFileType::Gif;
        EXPECT_EQ(AnimationFileTypeOf(row.Name, type), row.Known);
        if (row.Known) {
            EXPECT_EQ(type, row.Type);
        }
    }
    EXPECT_EQ(NumberedFrameName("ad_%03d.png", 7), "ad_007.png");
    EXPECT_EQ(NumberedFrameName("ad_%d.png", 12), "ad_12.png");
    EXPECT_EQ(NumberedFrameName("out/ad_%03d.png", 1), "out/ad_001.png");
    EXPECT_EQ(NumberedFrameName("ad_%03d.png", 1234), "ad_1234.png");

    // The delays keep the rate over the whole: 30 frames a second are 3, 4 and 3 hundredths.
    int total = 0;
    for (int i = 0; i < 30; ++i)
        total += GifFrameDelay(i, 30);
    EXPECT_EQ(total, 100);
    EXPECT_EQ(GifFrameDelay(0, 20), 5);
    EXPECT_EQ(WebPFrameTimestamp(3, 20), 150);
}

TEST(AnimationFile, GifAndWebPFramesComeBackAsWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<QImage> images = frames(8, false);
    for (const char* name : { "a.gif", "a.webp" }) {
        SCOPED_TRACE(name);
        const QString fileName = dir.filePath(name);
        TAnimationFileType type {};
        ASSERT_TRUE(AnimationFileTypeOf(fileName, type));
        write(fileName, type, images, 20);
        const TDecoded decoded = decode(fileName);
        ASSERT_EQ(decoded.Frames.size(), images.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(differingPixels(decoded.Frames[i], images[i]), 0);
            EXPECT_EQ(decoded.Delays[i], 50);
        }
    }
    // A single frame is an animation too.
    write(dir.filePath("one.gif"), TAnimationFileType::Gif, { images[0] }, 20);
    EXPECT_EQ(differingPixels(decode(dir.filePath("one.gif")).Frames.at(0), images[0]), 0);
}

TEST(AnimationFile, GifOfManyColoursKeepsTheBackgroundAndComesClose)
{
    QTemporaryDir dir;
    const std::vector<QImage> images = frames(5, true);
    QSet<QRgb> colours;
    for (const QImage& image : images)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
    ASSERT_GT(colours.size(), 256);
    write(dir.filePath("s.gif"), TAnimationFileType::Gif, images, 10);
    const TDecoded decoded = decode(dir.filePath("s.gif"));
    ASSERT_EQ(decoded.Frames.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(decoded.Delays[i], 100);
        long long error = 0;
        for (int y = 0; y < images[i].height(); ++y)
            for (int x = 0; x < images[i].width(); ++x) {
                const QRgb a = images[i].pixel(x, y), b = decoded.Frames[i].pixel(x, y);
                if (a == qRgb(255, 255, 240)) {
                    ASSERT_EQ(b & 0xffffff, a & 0xffffff) << x << "," << y;
                }
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                    + std::abs(qBlue(a) - qBlue(b));
            }
        // A good palette: well under two levels a channel on the average.
        EXPECT_LT(error, 2LL * 3 * images[i].width() * images[i].height());
    }
}

TEST(AnimationFile, NumberedPngFiles)
{
    QTemporaryDir dir;
    const std::vector<QImage> images = frames(3, true);
    write(dir.filePath("ad_%03d.png"), TAnimationFileType::NumberedPng, images, 20);
    for (int i = 0; i < 3; ++i) {
        const QImage back(dir.filePath(QString("ad_%1.png").arg(i + 1, 3, 10, QChar('0'))));
        EXPECT_EQ(differingPixels(back.convertToFormat(QImage::Format_RGB32), images[i]), 0);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(AnimationFile, CancelAndFailureLeaveNothingBehind)
{
    QTemporaryDir dir;
    const std::vector<QImage> images = frames(3, false);
    // An old file is there before: a cancelled write keeps it byte for byte.
    const QString old = dir.filePath("old.gif");
    {
        QFile file(old);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old contents");
    }
    for (const char* name : { "old.gif", "new.webp", "ad_%02d.png" }) {
        SCOPED_TRACE(name);
        TAnimationFileType type {};
        ASSERT_TRUE(AnimationFileTypeOf(name, type));
        TAnimationWriter writer(dir.filePath(name), type, 20);
        writer.AddFrame(images[0]);
        writer.AddFrame(images[1]);
    }
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "old.gif" });

    // A folder that is not there: the message names the file, nothing is written.
    for (const char* name : { "none/a.gif", "none/a.webp", "none/ad_%d.png" }) {
        SCOPED_TRACE(name);
        TAnimationFileType type {};
        ASSERT_TRUE(AnimationFileTypeOf(name, type));
        try {
            write(dir.filePath(name), type, images, 20);
            ADD_FAILURE() << "written";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.Message()).find("yazılamadı"), std::string::npos)
                << e.Message();
        }
    }
    // Numbered files that cannot all take their names: the old files of the pattern stay as
    // they were, and no new one is left (here the second name is a folder).
    {
        QTemporaryDir numbered;
        QFile first(numbered.filePath("ad_1.png"));
        ASSERT_TRUE(first.open(QIODevice::WriteOnly));
        first.write("old first");
        first.close();
        ASSERT_TRUE(QDir(numbered.path()).mkdir("ad_2.png"));
        EXPECT_THROW(
            write(numbered.filePath("ad_%d.png"), TAnimationFileType::NumberedPng, images, 20),
            Exception);
        ASSERT_TRUE(first.open(QIODevice::ReadOnly));
        EXPECT_EQ(first.readAll(), "old first");
        QStringList left = QDir(numbered.path())
                               .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        left.sort();
        EXPECT_EQ(left, (QStringList { "ad_1.png", "ad_2.png" }));
    }

    // Frames of another size are refused.
    TAnimationWriter writer(dir.filePath("size.gif"), TAnimationFileType::Gif, 20);
    writer.AddFrame(images[0]);
    EXPECT_THROW(writer.AddFrame(frames(1, false, QSize(10, 10))[0]), Exception);
}
