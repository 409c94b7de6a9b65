#include "base/exception.h"
#include "files/animation_file.h"
#include "files/ini_file.h"
#include "files/picture_file.h"
#include "files/safe_file.h"
#include "files/scene_file.h"

#include "../full_disk.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {
QByteArray readAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
}

// Every writer on a full file system: the old file stays whole and the failure is
// reported, even for a new file smaller than any buffer.
TEST(FullDisk, EveryWriterLeavesTheOldFileAndSaysSo)
{
    TFullDisk disk;
    if (!disk.Ready())
        GTEST_SKIP() << "neither a small file system nor a file-size limit can be had";
    const QByteArray old = "the old file, whole";
    struct Writer {
        const char* Name;
        std::function<void(const QString&)> Write;
    };
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const auto writeAnimation = [&](const QString& f, TAnimationFileType type) {
        TAnimationWriter writer(f, type, 10);
        writer.AddFrame(picture);
        QImage second = picture;
        second.fill(Qt::blue);
        writer.AddFrame(second);
        writer.Finish();
    };
    TScene scene;
    const Writer writers[] = {
        { "scene.vlm", [&](const QString& f) { WriteSceneFile(f, scene); } },
        { "Norvadeks.ini", [&](const QString& f) { TIniFile(f).WriteInteger("Ekran", "A", 5); } },
        { "p.png", [&](const QString& f) { WriteRasterPicture(picture, f, TPictureFileType::Png); } },
        { "p.bmp",
            [&](const QString& f) { WriteRasterPicture(picture, f, TPictureFileType::Bitmap); } },
        { "p.svg",
            [&](const QString& f) {
                WriteVectorPicture(
                    QSize(64, 48), [](QPainter& p) { p.drawLine(0, 0, 60, 40); }, f,
                    TPictureFileType::Svg);
            } },
        { "p.pdf",
            [&](const QString& f) {
                WriteVectorPicture(
                    QSize(64, 48), [](QPainter& p) { p.drawLine(0, 0, 60, 40); }, f,
                    TPictureFileType::Pdf);
            } },
        { "a.gif", [&](const QString& f) { writeAnimation(f, TAnimationFileType::Gif); } },
        { "a.webp", [&](const QString& f) { writeAnimation(f, TAnimationFileType::WebP); } },
    };
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.Name);
        const QString name = disk.FilePath(w.Name);
        {
            QFile f(name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        disk.Fill();
        EXPECT_THROW(w.Write(name), Exception);
        disk.Empty();
        EXPECT_EQ(readAll(name), old);
        // With room the same writer replaces it.
        EXPECT_NO_THROW(w.Write(name));
        EXPECT_NE(readAll(name), old);
    }
}

// An output that exists and is no regular file is written into, never replaced.
TEST(SafeFile, SpecialFilesAreWrittenIntoNotReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QByteArray read;
    std::thread reader([&] {
        QFile f(fifo);
        if (f.open(QIODevice::ReadOnly))
            read = f.readAll();
    });
    TSafeFile out(fifo);
    ASSERT_TRUE(out.Open());
    out.Device().write("through the pipe");
    EXPECT_TRUE(out.Commit());
    reader.join();
    EXPECT_EQ(read, "through the pipe");
    struct stat info {};
    ASSERT_EQ(stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "still the FIFO";

    TSafeFile null(QStringLiteral("/dev/null"));
    ASSERT_TRUE(null.Open());
    null.Device().write("nothing");
    EXPECT_TRUE(null.Commit());
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    TSafeFile folder(dir.path());
    EXPECT_FALSE(folder.Open());
    EXPECT_EQ(folder.ErrorString(), QString::fromUtf8("bir klasör"));
}
