// The wallpaper's bitmap loader: any bytes read as a Windows bitmap file. A file
// is either refused with the loader's own error or read into a picture of the
// size its header gives, within the loader's limit.

#include "fuzz_target.h"
#include "ui/main/tiler.h"

#include <QBuffer>
#include <QByteArray>

namespace {

// Far below the loader's own 256 MB, so that one input decodes in milliseconds.
constexpr int harnessMegabytes = 4;

} // namespace

VELMO_FUZZ_TARGET(bitmap)
{
    QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QImage picture = ReadBitmap(buffer, QStringLiteral("fuzz.bmp"), harnessMegabytes);
        if (picture.isNull() || picture.format() != QImage::Format_RGB32)
            fuzz::Finding("a picture read that is empty or not 32-bit");
        if (qint64(picture.width()) * picture.height() * 4 > qint64(harnessMegabytes) << 20)
            fuzz::Finding("a picture beyond the limit");
    } catch (const ETilerError&) {
    }
    return 0;
}
