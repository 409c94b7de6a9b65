#pragma once

#include "base/exception.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <cstdint>

class QIODevice;
class QPainter;

// Where the wallpaper goes in the client area: repeated over it, stretched to it,
// or one copy at a horizontal and vertical position.
enum TTileMode : std::uint8_t {
    tmTile,
    tmStretch,
    tmCenter,
    tmLeftVCenter,
    tmLeftVTop,
    tmLeftVBottom,
    tmRightVCenter,
    tmRightVTop,
    tmRightVBottom,
    tmCenterVTop,
    tmCenterVBottom
};

// A wallpaper file that cannot be read as a bitmap.
class ETilerError : public Exception {
public:
    using Exception::Exception;
};

// The wallpaper painter of the main window's client area: a picture, its
// placement and whether it is shown. It repaints its surface whenever one of them
// changes; the surface's owner calls Paint from its paint event.
class TTiler {
public:
    // The largest picture a wallpaper file may hold, in megabytes of decoded pixels.
    static constexpr int MaxPictureMegabytes = 256;

    explicit TTiler(QWidget* surface = nullptr);

    bool Active() const { return FActive; }
    void SetActive(bool value);

    // The picture, opaque, in 32-bit RGB.
    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& picture);

    TTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TTileMode value);

    // Reads the picture of a Windows bitmap file. Raises ETilerError, naming the
    // file, when it cannot be read; the previous picture stays.
    void LoadFromFile(const QString& fileName);

    // Paints the picture in its placement over area (the painter's clip limits the
    // work to what is exposed); paints nothing while not active. Leaves the rest of
    // area alone.
    void Paint(QPainter& painter, const QRect& area) const;

    // Where the single copy of a picture of pictureSize goes in area (the first
    // copy for tmTile, the whole area for tmStretch).
    static QRect Placement(TTileMode mode, QSize pictureSize, const QRect& area);

    // The program's own picture, shown until the user chooses a file: 238 x 83, 24-bit.
    static QImage BuiltInPicture();

private:
    void Changed();

    QPointer<QWidget> FSurface;
    bool FActive = true;
    QImage FBitmap;
    QPixmap FPixmap;
    TTileMode FTileMode = tmTile;
    // The stretched copy for the last area size, so a repaint does not scale again.
    mutable QPixmap FStretched;
};

// Reads the picture of a Windows bitmap file whose decoded pixels (4 bytes each)
// take at most maxMegabytes; ETilerError "Unable to read the bitmap <name>: <reason>"
// otherwise. The device is read from its start; fileName only names it.
QImage ReadBitmap(
    QIODevice& device, const QString& fileName, int maxMegabytes = TTiler::MaxPictureMegabytes);
QImage ReadBitmapFile(const QString& fileName, int maxMegabytes = TTiler::MaxPictureMegabytes);
