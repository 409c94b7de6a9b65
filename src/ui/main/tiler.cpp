#include "ui/main/tiler.h"

#include "base/message.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace {

// Little-endian fields of a bitmap file's headers.
std::uint32_t u32(const char* at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16
        | std::uint32_t(b[3]) << 24;
}

std::uint16_t u16(const char* at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint16_t(b[0] | b[1] << 8);
}

std::int32_t i32(const char* at) { return static_cast<std::int32_t>(u32(at)); }

[[noreturn]] void fail(const QString& fileName, const char* reason)
{
    throw ETilerError(FormatText("Unable to read the bitmap %s: ",
                          QDir::toNativeSeparators(fileName).toStdString())
        + reason);
}

constexpr std::int64_t fileHeaderSize = 14;

// The decoder accepts a file cut short and leaves the missing rows blank, and its
// own checks of a header come after it has sized the picture; so the headers are
// checked here first against the file's real length. Compressed pixel data have no
// fixed length: their end is checked only where the header states their size.
void checkHeaders(QIODevice& file, const QString& fileName, int maxMegabytes)
{
    const std::int64_t fileSize = file.size();
    std::array<char, fileHeaderSize + 40> head {};
    const std::int64_t got = file.read(head.data(), head.size());
    if (got < fileHeaderSize + 12 || head[0] != 'B' || head[1] != 'M')
        fail(fileName, "it is not a Windows bitmap file.");

    const std::int64_t dataOffset = u32(&head[10]);
    const std::int64_t infoSize = u32(&head[14]);
    const bool core = infoSize == 12;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64
        && infoSize != 108 && infoSize != 124)
        fail(fileName, "its header is damaged.");
    if (fileHeaderSize + infoSize > fileSize || (!core && got < fileHeaderSize + 40))
        fail(fileName, "the file ends before its picture data.");

    std::int64_t width, height;
    unsigned bitCount;
    std::uint32_t compression = 0, imageSize = 0, colorsUsed = 0;
    if (core) {
        width = u16(&head[18]);
        height = u16(&head[20]);
        bitCount = u16(&head[24]);
    } else {
        width = i32(&head[18]);
        height = i32(&head[22]);
        bitCount = u16(&head[28]);
        compression = u32(&head[30]);
        imageSize = u32(&head[34]);
        colorsUsed = u32(&head[46]);
    }
    // A negative height stands for rows stored top down.
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0)
        fail(fileName, "its header is damaged.");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24
        && bitCount != 32)
        fail(fileName, "its header is damaged.");
    const bool rle = compression == 1 || compression == 2;
    if (compression > 3 || (compression == 1 && bitCount != 8)
        || (compression == 2 && bitCount != 4)
        || (compression == 3 && bitCount != 16 && bitCount != 32))
        fail(fileName, "its header is damaged.");

    // The picture is decoded to 32 bits a pixel. Width and height reach 2^31 each,
    // so their product is compared by division: it may not fit in 64 bits.
    const std::int64_t maxPixels = std::int64_t(maxMegabytes) * 1024 * 1024 / 4;
    if (width > maxPixels / height)
        fail(fileName, "the picture is too large.");

    std::int64_t paletteEnd = fileHeaderSize + infoSize;
    if (infoSize == 40 && compression == 3)
        paletteEnd += 12; // the three colour masks follow a short header
    if (bitCount <= 8) {
        const std::int64_t maxColors = std::int64_t(1) << bitCount;
        const std::int64_t colors = colorsUsed == 0 ? maxColors : colorsUsed;
        if (colors > maxColors)
            fail(fileName, "its colour table is damaged.");
        paletteEnd += colors * (core ? 3 : 4);
    }
    if (paletteEnd > fileSize)
        fail(fileName, "the file ends before its picture data.");
    if (dataOffset < fileHeaderSize + infoSize || dataOffset > fileSize)
        fail(fileName, "its header is damaged.");

    const std::int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    const std::int64_t dataSize = rle ? std::int64_t(imageSize) : rowBytes * height;
    if (dataOffset + dataSize > fileSize)
        fail(fileName, "the file ends before its picture data.");
}

} // namespace

QImage ReadBitmap(QIODevice& device, const QString& fileName, int maxMegabytes)
{
    checkHeaders(device, fileName, maxMegabytes);
    device.seek(0);

    // The headers have kept the picture within maxMegabytes; the reader's own limit,
    // process-wide and 128 MB by default, is set to the same for this read only, so
    // that a picture the headers allow is not refused for its size. The reader
    // counts the bytes of the picture it decodes into, never more than 4 a pixel.
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(maxMegabytes);
    struct TRestore {
        int limit;
        ~TRestore() { QImageReader::setAllocationLimit(limit); }
    } restore { previousLimit };

    // Only the bitmap format, as the file's name promises; never a guess from content.
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        fail(fileName, "it is not a Windows bitmap file.");
    QImage converted = picture.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull())
        fail(fileName, "the picture is too large.");
    return converted;
}

QImage ReadBitmapFile(const QString& fileName, int maxMegabytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(fileName, "the file cannot be opened.");
    return ReadBitmap(file, fileName, maxMegabytes);
}

TTiler::TTiler(QWidget* surface)
    : FSurface(surface)
{
    SetBitmap(BuiltInPicture());
}

void TTiler::Changed()
{
    if (FSurface)
        FSurface->update();
}

void TTiler::SetActive(bool value)
{
    if (FActive == value)
        return;
    FActive = value;
    Changed();
}

void TTiler::SetBitmap(const QImage& picture)
{
    FBitmap = picture.convertToFormat(QImage::Format_RGB32);
    FPixmap = QPixmap::fromImage(FBitmap);
    FStretched = QPixmap();
    Changed();
}

void TTiler::SetTileMode(TTileMode value)
{
    if (FTileMode == value)
        return;
    FTileMode = value;
    FStretched = QPixmap();
    Changed();
}

void TTiler::LoadFromFile(const QString& fileName) { SetBitmap(ReadBitmapFile(fileName)); }

QRect TTiler::Placement(TTileMode mode, QSize pictureSize, const QRect& area)
{
    if (mode == tmStretch)
        return area;
    const int w = pictureSize.width(), h = pictureSize.height();
    // Integer halves truncate toward zero, also when the picture is the larger.
    const int left = area.left(), center = area.left() + (area.width() - w) / 2,
              right = area.left() + area.width() - w;
    const int top = area.top(), middle = area.top() + (area.height() - h) / 2,
              bottom = area.top() + area.height() - h;
    QPoint at;
    switch (mode) {
    case tmTile:
    case tmLeftVTop:
        at = { left, top };
        break;
    case tmCenter:
        at = { center, middle };
        break;
    case tmLeftVCenter:
        at = { left, middle };
        break;
    case tmLeftVBottom:
        at = { left, bottom };
        break;
    case tmRightVCenter:
        at = { right, middle };
        break;
    case tmRightVTop:
        at = { right, top };
        break;
    case tmRightVBottom:
        at = { right, bottom };
        break;
    case tmCenterVTop:
        at = { center, top };
        break;
    case tmCenterVBottom:
        at = { center, bottom };
        break;
    case tmStretch:
        break;
    }
    return QRect(at, pictureSize);
}

void TTiler::Paint(QPainter& painter, const QRect& area) const
{
    if (!FActive || FPixmap.isNull() || area.isEmpty())
        return;
    switch (FTileMode) {
    case tmTile:
        painter.drawTiledPixmap(area, FPixmap);
        break;
    case tmStretch:
        if (FStretched.size() != area.size())
            FStretched
                = FPixmap.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(area.topLeft(), FStretched);
        break;
    default:
        painter.drawPixmap(Placement(FTileMode, FPixmap.size(), area).topLeft(), FPixmap);
        break;
    }
}

QImage TTiler::BuiltInPicture()
{
    constexpr int width = 238, height = 83;
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(58, 84, 108));

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Graph paper whose lines fall on the same places in every copy, so tiles meet
    // without a seam.
    painter.setPen(QPen(QColor(68, 96, 122), 1));
    for (int x = 0; x < width; x += 17)
        painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
    for (const int y : { 0, 21, 42, 62 })
        painter.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));

    // Two curves of whole periods across the width, drawn past both edges so the
    // copies continue one another.
    const auto wave = [&](QColor color, int periods, double amplitude, double phase) {
        QPainterPath path;
        for (int i = -32; i <= 4 * width + 32; ++i) {
            const double x = i / 4.0;
            const double t = 2 * std::numbers::pi * periods * x / width + phase;
            const QPointF p(x, height / 2.0 - amplitude * std::sin(t));
            if (i == -32)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    };
    wave(QColor(122, 178, 204), 1, 27, 0);
    wave(QColor(226, 170, 86), 2, 17, std::numbers::pi / 3);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    const QRect textArea(0, 0, width, height);
    painter.setPen(QColor(30, 44, 58));
    painter.drawText(textArea.translated(2, 2), Qt::AlignCenter, QStringLiteral("Velmo"));
    painter.setPen(QColor(240, 244, 248));
    painter.drawText(textArea, Qt::AlignCenter, QStringLiteral("Velmo"));
    painter.end();
    return picture.convertToFormat(QImage::Format_RGB888);
}
