#include "cli/png_picture.h"

#include <QList>

QImage PngPicture(const QImage& picture)
{
    const QImage rgb = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    QImage indexed(width, height, QImage::Format_Indexed8);
    if (indexed.isNull())
        return picture;
    QList<QRgb> colors;
    colors.reserve(256);
    QRgb last = 0;
    int lastIndex = -1;
    for (int y = 0; y < height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb c = in[x];
            // Runs of one colour are the rule: the last colour found is tried first.
            if (c != last || lastIndex < 0) {
                lastIndex = static_cast<int>(colors.indexOf(c));
                if (lastIndex < 0) {
                    if (colors.size() == 256)
                        return picture;
                    lastIndex = static_cast<int>(colors.size());
                    colors.append(c);
                }
                last = c;
            }
            out[x] = static_cast<uchar>(lastIndex);
        }
    }
    indexed.setColorTable(colors);
    return indexed;
}
