#pragma once

#include <QImage>
#include <QString>

#include <memory>

// The kinds of file an animation is written as: an animated GIF, an animated WebP, or one
// PNG file a frame named by a pattern with a printf-style number ("ad_%03d.png").
enum class TAnimationFileType { Gif, WebP, NumberedPng };

// The type a file name asks for: .gif, .webp, or a .png name holding one printf-style
// number (%d, %3d, %03d); false for any other name.
bool AnimationFileTypeOf(const QString& fileName, TAnimationFileType& type);

// The file name of frame number (counted from 1) of a numbered pattern.
QString NumberedFrameName(const QString& pattern, int number);

// The delay before frame index + 1 in hundredths of a second (GIF) and the time frame index
// starts at in milliseconds (WebP), so that the frames keep framesPerSecond on the whole
// even where one frame's delay cannot.
int GifFrameDelay(int index, int framesPerSecond);
int WebPFrameTimestamp(int index, int framesPerSecond);

// Writes an animation frame by frame, whole or not at all: nothing is in place of the file
// (or of any numbered file) until Finish succeeds, an old file is replaced only by a complete
// new one, and a writer destroyed before Finish (cancelled, or after a failure) leaves nothing
// behind. The frames are pictures of one size; an animated GIF keeps them exactly when they
// have at most 256 colours together, and otherwise gives each frame a palette of its own
// without dithering. Every failure raises Exception with a message naming the file.
class TAnimationWriter {
public:
    TAnimationWriter(const QString& fileName, TAnimationFileType type, int framesPerSecond);
    ~TAnimationWriter();
    TAnimationWriter(const TAnimationWriter&) = delete;
    TAnimationWriter& operator=(const TAnimationWriter&) = delete;

    void AddFrame(const QImage& frame);
    void Finish();
    int FrameCount() const;

    struct TImpl;

private:
    std::unique_ptr<TImpl> F;
};
