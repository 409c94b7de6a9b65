#include "ui/main/filename_edit.h"
#include "ui/main/mdi_client.h"
#include "ui/main/tiler.h"
#include "ui/main/wall_p_dialog_frm.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>

#include <functional>
#include <gtest/gtest.h>

namespace {

const QRgb clientGrey = qRgb(153, 153, 153);

// A Windows bitmap file written byte by byte, so that the tests do not lean on the
// reader they check: 40-byte header, no compression, rows bottom up.
QByteArray makeBmp(int width, int height, int bitCount, const QList<QRgb>& palette,
    const std::function<QRgb(int x, int y)>& pixel)
{
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    const int dataOffset = 14 + 40 + 4 * int(palette.size());
    QByteArray bytes(dataOffset + rowBytes * height, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, quint32(dataOffset));
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, quint16(bitCount));
    put32(46, quint32(palette.size()));
    for (int i = 0; i < palette.size(); ++i)
        put32(54 + 4 * i, palette[i] & 0xffffff);
    for (int y = 0; y < height; ++y) {
        char* row = bytes.data() + dataOffset + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixel(x, y);
            if (bitCount == 24) {
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            } else { // 8-bit: the pixel's blue byte is its palette index
                row[x] = char(qBlue(c));
            }
        }
    }
    return bytes;
}

// 4 x 2 blocks of 10 x 10 pixels in eight plain colours.
QRgb blockColour(int column, int row)
{
    return qRgb(40 + 60 * column, 200 - 120 * row, 30 + 50 * column + 70 * row);
}

QByteArray blockBmp()
{
    return makeBmp(40, 20, 24, {}, [](int x, int y) { return blockColour(x / 10, y / 10); });
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// A client area whose viewport is exactly size, shown offscreen.
void showClient(TMdiClient& client, QSize size)
{
    client.resize(size);
    client.show();
    client.resize(size + (client.size() - client.viewport()->size()));
    QApplication::processEvents();
    ASSERT_EQ(client.viewport()->size(), size);
}

QImage shot(TMdiClient& client)
{
    return client.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The client area as it should look with one copy of picture at its top left.
QImage oneCopy(QSize area, const QImage& picture, QPoint at)
{
    QImage expected(area, QImage::Format_RGB32);
    expected.fill(clientGrey);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (expected.rect().contains(at.x() + x, at.y() + y))
                expected.setPixel(at.x() + x, at.y() + y, picture.pixel(x, y));
    return expected;
}

// Answers the wallpaper dialog once it is shown modally; closes it if answer did not.
void whenDialogOpens(std::function<void(TWallPDialogFrm&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<TWallPDialogFrm*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the wallpaper dialog is not shown";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Chooses file in the browse dialog of edit, checking where it starts and what it offers.
void browse(TFilenameEdit& edit, const QString& expectedDir, const QString& file)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the browse dialog is not shown";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(expectedDir).absolutePath());
        EXPECT_EQ(dialog->nameFilters(), QStringList { "Bitmap files (*.bmp)" });
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept checks the file
        if (dialog->isVisible())
            dialog->reject();
    });
    edit.Button()->click();
}

struct TMessages {
    QStringList Messages;
    TScopedErrorSink Sink { [this](const QString& m) { Messages << m; } };
};

} // namespace

TEST(Tiler, StartsActiveWithItsOwnPictureTiled)
{
    TTiler tiler;
    EXPECT_TRUE(tiler.Active());
    EXPECT_EQ(tiler.TileMode(), tmTile);

    const QImage builtIn = TTiler::BuiltInPicture();
    EXPECT_EQ(builtIn.size(), QSize(238, 83));
    EXPECT_EQ(builtIn.depth(), 24);
    EXPECT_EQ(tiler.Bitmap().convertToFormat(QImage::Format_RGB888), builtIn);
    // A picture, not a plain fill.
    EXPECT_GT(builtIn.convertToFormat(QImage::Format_Indexed8).colorCount(), 16);
}

TEST(MdiClient, PaintsTheWallpaperInItsPlacement)
{
    TMessages report;
    TMdiClient client;
    const QSize area(600, 300);
    showClient(client, area);
    const QImage picture = client.Tiler().Bitmap(); // 238 x 83

    // Repeated from the top left over the whole area.
    {
        QImage expected(area, QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                expected.setPixel(x, y, picture.pixel(x % 238, y % 83));
        EXPECT_EQ(shot(client), expected);
    }

    // One copy: 600 - 238 = 362 and 300 - 83 = 217, halved to 181 and 108.
    const struct {
        TTileMode Mode;
        QPoint At;
    } placements[] = {
        { tmCenter, { 181, 108 } },
        { tmLeftVCenter, { 0, 108 } },
        { tmLeftVTop, { 0, 0 } },
        { tmLeftVBottom, { 0, 217 } },
        { tmRightVCenter, { 362, 108 } },
        { tmRightVTop, { 362, 0 } },
        { tmRightVBottom, { 362, 217 } },
        { tmCenterVTop, { 181, 0 } },
        { tmCenterVBottom, { 181, 217 } },
    };
    for (const auto& p : placements) {
        SCOPED_TRACE(int(p.Mode));
        client.Tiler().SetTileMode(p.Mode);
        EXPECT_EQ(shot(client), oneCopy(area, picture, p.At));
    }

    // Stretched over the whole area: each 10 x 10 block becomes 150 x 150.
    client.Tiler().SetBitmap(QImage::fromData(blockBmp(), "BMP"));
    client.Tiler().SetTileMode(tmStretch);
    const QImage stretched = shot(client);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            for (const QPoint inside : { QPoint(20, 20), QPoint(75, 75), QPoint(130, 130) }) {
                SCOPED_TRACE(testing::Message() << column << "," << row);
                EXPECT_EQ(stretched.pixel(QPoint(150 * column, 150 * row) + inside),
                    blockColour(column, row));
            }
    EXPECT_EQ(stretched.pixel(0, 0), blockColour(0, 0));
    EXPECT_EQ(stretched.pixel(599, 299), blockColour(3, 1));

    // Switched off, the grey of the client area alone.
    client.Tiler().SetActive(false);
    QImage grey(area, QImage::Format_RGB32);
    grey.fill(clientGrey);
    EXPECT_EQ(shot(client), grey);
    EXPECT_TRUE(report.Messages.isEmpty());
}

TEST(MdiClient, CentresAPictureLargerThanTheArea)
{
    TMdiClient client;
    showClient(client, QSize(200, 60));
    client.Tiler().SetTileMode(tmCenter);
    // (200 - 238) / 2 and (60 - 83) / 2, truncated toward zero: -19 and -11.
    EXPECT_EQ(shot(client), oneCopy(QSize(200, 60), client.Tiler().Bitmap(), QPoint(-19, -11)));
}

TEST(MdiClient, ChildWindowsStayAboveTheWallpaperAndDoubleClicksOnThemDoNotCount)
{
    TMdiClient client;
    showClient(client, QSize(400, 300));
    int dblClicks = 0;
    QObject::connect(&client, &TMdiClient::EmptyAreaDblClick, [&] { ++dblClicks; });

    auto* content = new QWidget;
    content->setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    content->setPalette(palette);
    QMdiSubWindow* child = client.addSubWindow(content);
    child->setGeometry(200, 150, 150, 120);
    child->show();
    QApplication::processEvents();

    const QImage image = shot(client);
    const QPoint inChild = child->geometry().center();
    EXPECT_EQ(image.pixel(inChild), qRgb(10, 200, 30));
    EXPECT_EQ(image.pixel(10, 10), client.Tiler().Bitmap().pixel(10, 10));

    const auto dblClick = [&](QWidget* target, QPoint at, Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(at),
            QPointF(target->mapToGlobal(at)), button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    dblClick(client.viewport(), QPoint(20, 20), Qt::RightButton);
    EXPECT_EQ(dblClicks, 0);
    dblClick(content, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(dblClicks, 0);
    dblClick(client.viewport(), QPoint(20, 20), Qt::LeftButton);
    EXPECT_EQ(dblClicks, 1);
}

TEST(WallPDialog, ControlsAndTheirStateAtStart)
{
    TMessages report;
    TTiler tiler;
    QString fileName;
    bool shown = false;
    int helpAsked = 0;
    whenDialogOpens([&](TWallPDialogFrm& d) {
        shown = true;
        EXPECT_EQ(d.windowTitle(), "Duvar Kağıdı Özellikleri");
        EXPECT_EQ(d.GroupBox1()->title(), " Duvar Kağıdı Seçimi ");
        QStringList items;
        for (int i = 0; i < d.GorunumuComboBox()->count(); ++i)
            items << d.GorunumuComboBox()->itemText(i);
        EXPECT_EQ(items,
            QStringList({ "Ortada", "Orta Alt Köşede", "Orta Üst Köşede", "Sol Alt Köşede",
                "Sol Ortada", "Sol Üst Köşede", "Sag Alt Köşede", "Sag Ortada", "Sag Üst Köşede",
                "Döşeli Şekilde", "Yayılmış Şekilde" }));
        EXPECT_EQ(d.GorunumuComboBox()->currentText(), "Döşeli Şekilde");
        EXPECT_EQ(d.FilenameEdit()->Text(), "");
        EXPECT_EQ(d.FilenameEdit()->Filter(), "Bitmap files (*.bmp)");
        EXPECT_EQ(d.CheckBox()->text(), "Duvar Kağıdı Kullanma");
        EXPECT_FALSE(d.CheckBox()->isChecked());
        EXPECT_EQ(d.BtnTamam()->text(), "&Tamam");
        EXPECT_FALSE(d.BtnTamam()->isEnabled());
        EXPECT_EQ(d.BtnTamam()->toolTip(), "Yapılan değişiklikleri onaylamak için bu butona basın");
        EXPECT_EQ(d.BtnVazgec()->text(), "&Vazgeç");
        EXPECT_EQ(
            d.BtnVazgec()->toolTip(), "Yapılan değişiklikleri geri almak için bu butona basın");
        EXPECT_EQ(d.BtnYardim()->text(), "&Yardım");
        d.BtnYardim()->click();

        // Typing a name enables "&Tamam"; clearing it disables it again.
        d.FilenameEdit()->Edit()->setText("x.bmp");
        EXPECT_TRUE(d.BtnTamam()->isEnabled());
        d.FilenameEdit()->Edit()->clear();
        EXPECT_FALSE(d.BtnTamam()->isEnabled());

        // No wallpaper: "&Tamam" enabled, the two fields disabled.
        d.CheckBox()->click();
        EXPECT_TRUE(d.BtnTamam()->isEnabled());
        EXPECT_FALSE(d.FilenameEdit()->isEnabled());
        EXPECT_FALSE(d.GorunumuComboBox()->isEnabled());
        d.CheckBox()->click();
        EXPECT_FALSE(d.BtnTamam()->isEnabled());
        EXPECT_TRUE(d.FilenameEdit()->isEnabled());
        EXPECT_TRUE(d.GorunumuComboBox()->isEnabled());
        d.CheckBox()->click();
        d.BtnTamam()->click();
    });
    DuvarKagidiClick(nullptr, tiler, fileName, "/", [&](int context) {
        EXPECT_EQ(context, 12);
        ++helpAsked;
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(helpAsked, 1);
    EXPECT_FALSE(tiler.Active());
    EXPECT_EQ(fileName, "");
    EXPECT_EQ(tiler.TileMode(), tmTile);

    // Opened again: the check box shows the wallpaper off, and "&Tamam" may confirm that.
    whenDialogOpens([&](TWallPDialogFrm& d) {
        EXPECT_TRUE(d.CheckBox()->isChecked());
        EXPECT_TRUE(d.BtnTamam()->isEnabled());
        EXPECT_FALSE(d.FilenameEdit()->isEnabled());
    });
    DuvarKagidiClick(nullptr, tiler, fileName, "/");
    EXPECT_FALSE(tiler.Active());
    EXPECT_TRUE(report.Messages.isEmpty());
}

TEST(WallPDialog, ChoosingAFileAndAPlacement)
{
    TMessages report;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString programDirectory = dir.path() + "/";
    const QString path = writeFile(dir, "blocks.bmp", blockBmp());
    TMdiClient client;
    showClient(client, QSize(600, 300));
    TTiler& tiler = client.Tiler();
    const QImage builtIn = tiler.Bitmap();
    QString fileName;

    // "&Vazgeç" leaves everything as it was, whatever the dialog held.
    whenDialogOpens([&](TWallPDialogFrm& d) {
        d.FilenameEdit()->SetText(path);
        d.GorunumuComboBox()->setCurrentIndex(10);
        d.BtnVazgec()->click();
    });
    DuvarKagidiClick(&client, tiler, fileName, programDirectory);
    EXPECT_EQ(fileName, "");
    EXPECT_EQ(tiler.TileMode(), tmTile);
    EXPECT_EQ(tiler.Bitmap(), builtIn);

    // Browsed for and stretched.
    whenDialogOpens([&](TWallPDialogFrm& d) {
        browse(*d.FilenameEdit(), programDirectory, path);
        EXPECT_EQ(d.FilenameEdit()->Text(), QDir::toNativeSeparators(path));
        EXPECT_TRUE(d.BtnTamam()->isEnabled());
        d.GorunumuComboBox()->setCurrentIndex(10);
        d.BtnTamam()->click();
    });
    DuvarKagidiClick(&client, tiler, fileName, programDirectory);
    EXPECT_EQ(fileName, QDir::toNativeSeparators(path));
    EXPECT_TRUE(tiler.Active());
    EXPECT_EQ(tiler.TileMode(), tmStretch);
    const QImage blocks = tiler.Bitmap();
    EXPECT_EQ(blocks.size(), QSize(40, 20));
    EXPECT_EQ(shot(client).pixel(75 + 450, 75 + 150), blockColour(3, 1));

    // The dialog shows them again; the same file in a new placement changes only the
    // placement: the file, gone from the disk meanwhile, is not read again.
    ASSERT_TRUE(QFile::remove(path));
    whenDialogOpens([&](TWallPDialogFrm& d) {
        EXPECT_EQ(d.FilenameEdit()->Text(), QDir::toNativeSeparators(path));
        EXPECT_EQ(d.GorunumuComboBox()->currentText(), "Yayılmış Şekilde");
        EXPECT_FALSE(d.CheckBox()->isChecked());
        EXPECT_TRUE(d.BtnTamam()->isEnabled());
        d.GorunumuComboBox()->setCurrentIndex(0);
        d.BtnTamam()->click();
    });
    DuvarKagidiClick(&client, tiler, fileName, programDirectory);
    EXPECT_EQ(tiler.TileMode(), tmCenter);
    EXPECT_EQ(tiler.Bitmap(), blocks);
    EXPECT_EQ(shot(client), oneCopy(QSize(600, 300), blocks, QPoint(280, 140)));

    // Off, then on again with the same file: back without reading it.
    for (const bool off : { true, false }) {
        whenDialogOpens([&](TWallPDialogFrm& d) {
            d.CheckBox()->setChecked(off);
            d.BtnTamam()->click();
        });
        DuvarKagidiClick(&client, tiler, fileName, programDirectory);
        EXPECT_EQ(tiler.Active(), !off);
    }
    EXPECT_EQ(tiler.Bitmap(), blocks);
    EXPECT_EQ(fileName, QDir::toNativeSeparators(path));
    EXPECT_TRUE(report.Messages.isEmpty()) << report.Messages.join('\n').toStdString();

    // A double click on the empty client area opens the same dialog.
    bool shown = false;
    QObject::connect(&client, &TMdiClient::EmptyAreaDblClick,
        [&] { DuvarKagidiClick(&client, tiler, fileName, programDirectory); });
    whenDialogOpens([&](TWallPDialogFrm& d) {
        shown = d.GorunumuComboBox()->currentText() == "Ortada";
        d.BtnVazgec()->click();
    });
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5),
        QPointF(client.viewport()->mapToGlobal(QPoint(5, 5))), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(client.viewport(), &event);
    EXPECT_TRUE(shown);
}

TEST(Tiler, ReadsWindowsBitmaps)
{
    QTemporaryDir dir;
    // 8-bit with a short palette, its blue byte the index.
    const QList<QRgb> palette { qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(9, 99, 199) };
    const QString indexed = writeFile(dir, "indexed.bmp",
        makeBmp(5, 3, 8, palette, [](int x, int y) { return qRgb(0, 0, (x + y) % 3); }));
    TTiler tiler;
    tiler.LoadFromFile(indexed);
    ASSERT_EQ(tiler.Bitmap().size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(tiler.Bitmap().pixel(x, y), palette[(x + y) % 3]);

    tiler.LoadFromFile(writeFile(dir, "blocks.bmp", blockBmp()));
    EXPECT_EQ(tiler.Bitmap().pixel(35, 15), blockColour(3, 1));
    EXPECT_EQ(tiler.Bitmap().pixel(0, 0), blockColour(0, 0));
}

TEST(Tiler, RefusesAFileThatIsNotAReadableBitmap)
{
    QTemporaryDir dir;
    const QByteArray good = blockBmp(); // 40 x 20, 24-bit: 120 bytes a row from byte 54
    const auto patched = [&](std::initializer_list<std::pair<int, quint32>> fields) {
        QByteArray bytes = good;
        for (const auto& [at, value] : fields)
            qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    QByteArray paletted = makeBmp(
        4, 4, 8, QList<QRgb>(16, qRgb(1, 2, 3)), [](int x, int) { return qRgb(0, 0, x); });
    QByteArray hugePalette = paletted;
    qToLittleEndian(quint32(1000), hugePalette.data() + 46);

    const struct {
        const char* Name;
        QByteArray Bytes;
        const char* Reason;
    } cases[] = {
        { "empty.bmp", {}, "it is not a Windows bitmap file." },
        { "text.bmp", "BM, too short", "it is not a Windows bitmap file." },
        { "truncated.bmp", good.left(54 + 120 * 10), "the file ends before its picture data." },
        { "header-only.bmp", good.left(30), "the file ends before its picture data." },
        { "huge.bmp", patched({ { 18, 30000 }, { 22, 30000 } }).left(54),
            "the picture is too large." },
        { "wide.bmp", patched({ { 18, 0x40000000 } }), "the picture is too large." },
        { "negative-width.bmp", patched({ { 18, quint32(-40) } }), "its header is damaged." },
        { "zero-height.bmp", patched({ { 22, 0 } }), "its header is damaged." },
        { "bit-count.bmp", patched({ { 28, 7 } }), "its header is damaged." },
        { "info-size.bmp", patched({ { 14, 41 } }), "its header is damaged." },
        { "offset.bmp", patched({ { 10, 1 << 20 } }), "its header is damaged." },
        { "compression.bmp", patched({ { 30, 9 } }), "its header is damaged." },
        { "palette.bmp", hugePalette, "its colour table is damaged." },
        { "palette-cut.bmp", paletted.left(54 + 20), "the file ends before its picture data." },
    };
    TTiler tiler;
    const QImage before = tiler.Bitmap();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = writeFile(dir, c.Name, c.Bytes);
        try {
            tiler.LoadFromFile(path);
            ADD_FAILURE() << "read without an error";
        } catch (const ETilerError& e) {
            EXPECT_EQ(
                e.Message(), "Unable to read the bitmap " + path.toStdString() + ": " + c.Reason);
        }
        EXPECT_EQ(tiler.Bitmap(), before);
    }
    try {
        tiler.LoadFromFile(dir.filePath("missing.bmp"));
        ADD_FAILURE() << "a missing file read";
    } catch (const ETilerError& e) {
        EXPECT_EQ(e.Message(),
            "Unable to read the bitmap " + dir.filePath("missing.bmp").toStdString()
                + ": the file cannot be opened.");
    }

    // A picture in another format, named as a bitmap, is not taken for one.
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    const QString pngPath = dir.filePath("png.bmp");
    ASSERT_TRUE(png.save(pngPath, "PNG"));
    EXPECT_THROW(tiler.LoadFromFile(pngPath), ETilerError);
    EXPECT_EQ(tiler.Bitmap(), before);
}

namespace {

// An 8-bit run-length bitmap of the given size whose data end at once: the
// reader leaves every pixel at palette index 0. A few dozen bytes for any size.
QByteArray emptyRle8Bmp(qint32 width, qint32 height)
{
    const QByteArray data("\x00\x01", 2); // end of bitmap
    const int dataOffset = 14 + 40 + 8;
    QByteArray bytes(dataOffset + data.size(), '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, quint32(dataOffset));
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(8), bytes.data() + 28);
    put32(30, 1); // RLE8
    put32(34, quint32(data.size()));
    put32(46, 2);
    put32(54, 0x0000ff); // index 0: blue
    put32(58, 0xffffff);
    bytes.replace(dataOffset, data.size(), data);
    return bytes;
}

} // namespace

TEST(Tiler, SizeLimitOfTheLoader)
{
    QTemporaryDir dir;
    TTiler tiler;
    const QImage before = tiler.Bitmap();
    const auto reason = [&](const char* name, const QByteArray& bytes) -> std::string {
        const QString path = writeFile(dir, name, bytes);
        try {
            tiler.LoadFromFile(path);
        } catch (const ETilerError& e) {
            const std::string prefix = "Unable to read the bitmap " + path.toStdString() + ": ";
            EXPECT_EQ(e.Message().substr(0, prefix.size()), prefix);
            return e.Message().substr(std::min(prefix.size(), e.Message().size()));
        }
        return "read";
    };

    // Width times height times 4 beyond 64 bits (and rows times height too): the
    // header alone, 54 bytes, is refused for its size, not as damaged or foreign.
    QByteArray giant = emptyRle8Bmp(1, 1).left(54);
    qToLittleEndian(quint32(1885339647), giant.data() + 18);
    qToLittleEndian(quint32(-2132212736), giant.data() + 22);
    qToLittleEndian(quint16(24), giant.data() + 28);
    qToLittleEndian(quint32(0), giant.data() + 30);
    EXPECT_EQ(reason("giant.bmp", giant), "the picture is too large.");
    qToLittleEndian(quint32(0x7fffffff), giant.data() + 18);
    qToLittleEndian(quint32(0x80000000), giant.data() + 22);
    EXPECT_EQ(reason("extreme.bmp", giant), "the picture is too large.");
    EXPECT_EQ(tiler.Bitmap(), before);

    // 5793 x 5793 decodes to 134 MB: above the image reader's default limit of
    // 128 MB, within the loader's 256 MB. The reader's limit is left as it was.
    const int readerLimit = QImageReader::allocationLimit();
    ASSERT_EQ(reason("large.bmp", emptyRle8Bmp(5793, 5793)), "read");
    EXPECT_EQ(tiler.Bitmap().size(), QSize(5793, 5793));
    EXPECT_EQ(tiler.Bitmap().pixel(5792, 0), qRgb(0, 0, 255));
    EXPECT_EQ(QImageReader::allocationLimit(), readerLimit);
    tiler.SetBitmap(before);

    // Exactly 256 MB reads; one row more is too large.
    EXPECT_EQ(reason("limit.bmp", emptyRle8Bmp(8192, 8192)), "read");
    EXPECT_EQ(tiler.Bitmap().size(), QSize(8192, 8192));
    tiler.SetBitmap(before);
    EXPECT_EQ(reason("over.bmp", emptyRle8Bmp(8192, 8193)), "the picture is too large.");
    EXPECT_EQ(tiler.Bitmap(), before);

    // A narrower limit set by someone else does not stand in for the loader's.
    QImageReader::setAllocationLimit(16);
    EXPECT_EQ(reason("large-again.bmp", emptyRle8Bmp(5793, 5793)), "read");
    EXPECT_EQ(QImageReader::allocationLimit(), 16);
    QImageReader::setAllocationLimit(readerLimit);
}

TEST(WallPDialog, AFileThatFailsIsReportedAndKeepsItsName)
{
    TMessages report;
    QTemporaryDir dir;
    const QString bad = writeFile(dir, "bad.bmp", blockBmp().left(100));
    TMdiClient client;
    showClient(client, QSize(300, 200));
    const QImage builtIn = client.Tiler().Bitmap();
    const QImage before = shot(client);
    QString fileName;

    const auto confirm = [&](int index) {
        whenDialogOpens([&](TWallPDialogFrm& d) {
            d.FilenameEdit()->SetText(bad);
            d.GorunumuComboBox()->setCurrentIndex(index);
            d.BtnTamam()->click();
        });
        DuvarKagidiClick(&client, client.Tiler(), fileName, dir.path() + "/");
    };

    // The command stops at the failed read: the name is taken over, the painter stays
    // active with its picture and placement.
    confirm(10);
    EXPECT_EQ(report.Messages,
        QStringList {
            "Unable to read the bitmap " + bad + ": the file ends before its picture data." });
    EXPECT_EQ(fileName, bad);
    EXPECT_TRUE(client.Tiler().Active());
    EXPECT_EQ(client.Tiler().Bitmap(), builtIn);
    EXPECT_EQ(client.Tiler().TileMode(), tmTile);
    EXPECT_EQ(shot(client), before);

    // Confirmed again, the name is the one taken over: nothing is read, the
    // placement changes.
    confirm(10);
    EXPECT_EQ(report.Messages.size(), 1);
    EXPECT_EQ(client.Tiler().Bitmap(), builtIn);
    EXPECT_EQ(client.Tiler().TileMode(), tmStretch);
}
