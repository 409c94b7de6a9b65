#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class TDrawFunction;

// The kinds of file a graph window's "Farklı Kaydet..." writes, in the order of its filters.
enum class TPictureFileType { Bitmap, Scene, Png, Jpeg, Svg, Pdf };

// The save dialog's filter of each type and its extension (without the dot).
QString PictureFileFilter(TPictureFileType type);
QString PictureFileSuffix(TPictureFileType type);
// The type a file name's extension names (case-insensitive: bmp, vlm, png, jpg, jpeg, svg,
// pdf); false for none or another extension.
bool PictureFileTypeOf(const QString& fileName, TPictureFileType& type);
bool IsVectorType(TPictureFileType type);

// Writes a picture as BMP, PNG or JPEG, whole or not at all: the old file is replaced only by a
// complete new one. Raises Exception with one message naming the file.
void WriteRasterPicture(const QImage& picture, const QString& fileName, TPictureFileType type);

// Writes a drawing of size pixels as SVG or PDF, one unit per pixel (the PDF page sized to the
// picture at 72 units per inch), whole or not at all; paint draws it. Raises Exception with one
// message naming the file.
void WriteVectorPicture(QSize size, const std::function<void(QPainter&)>& paint,
    const QString& fileName, TPictureFileType type);

// Writes the scene of renderer as SVG or PDF as a graph window shows it, as WriteVectorPicture
// writes: the one view at the renderer's size, or with fourView the four views in a picture
// of fourViewSize, each rendered again in turn as the four-view layout renders them.
void WriteSceneVectorPicture(TDrawFunction& renderer, bool fourView, QSize fourViewSize,
    const QString& fileName, TPictureFileType type);

// Where a printed picture goes on the page (page: the printable area in printer dots): at the
// physical size it has on a screen of screenDpi dots per inch, centred; a picture larger than
// the page is scaled down, keeping its proportions, to fit whole.
QRect PrintTarget(QSize picture, QSizeF screenDpi, QSizeF printerDpi, const QRect& page);
