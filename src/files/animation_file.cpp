#include "files/animation_file.h"

#include "base/exception.h"
#include "files/safe_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <gif_lib.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {
// Qt's PNG quality 80 is zlib's fastest level, as the single pictures are written.
constexpr int PngQuality = 80;

[[noreturn]] void fail(const QString& fileName, const QString& reason)
{
    throw Exception(QCoreApplication::translate("TOutputFile", "\"%1\" dosyası yazılamadı: %2")
                        .arg(QDir::toNativeSeparators(fileName), reason)
                        .toStdString());
}

// The one printf-style number of a pattern: "%d", "%3d" or "%03d".
const QRegularExpression& numberPattern()
{
    static const QRegularExpression pattern("%(0?)([1-9]?)d");
    return pattern;
}

QImage asRgb32(const QImage& frame)
{
    return frame.format() == QImage::Format_RGB32 ? frame
                                                   : frame.convertToFormat(QImage::Format_RGB32);
}

// ---- GIF ------------------------------------------------------------------------------

// A frame of the GIF: the part that differs from the frame before it, as indexes into the
// shared palette (Palette empty) or into a palette of its own.
struct TGifFrame {
    QRect Rect;
    std::vector<QRgb> Palette;
    std::vector<std::uint8_t> Indexes;
};

// The colours of all frames while they are at most 256 together; a colour's index is found
// through a small open table, and a run of one colour (most of a picture) asks it once.
class TSharedPalette {
public:
    // The index of colour, added when new; -1 when the palette is full.
    int IndexOf(QRgb colour)
    {
        std::size_t slot = hash(colour);
        while (FSlots[slot].Used) {
            if (FSlots[slot].Colour == colour)
                return FSlots[slot].Index;
            slot = (slot + 1) & (FSlots.size() - 1);
        }
        if (FColours.size() == 256)
            return -1;
        FSlots[slot] = { colour, static_cast<std::uint8_t>(FColours.size()), true };
        FColours.push_back(colour);
        return static_cast<int>(FColours.size() - 1);
    }
    const std::vector<QRgb>& Colours() const { return FColours; }

private:
    struct TSlot {
        QRgb Colour = 0;
        std::uint8_t Index = 0;
        bool Used = false;
    };
    static std::size_t hash(QRgb colour) { return ((colour & 0xffffffu) * 2654435761u) >> 22; }
    std::array<TSlot, 1024> FSlots {};
    std::vector<QRgb> FColours;
};

// A palette of at most 256 colours for the pixels of rect of picture, and each pixel's index:
// the colours themselves when there are at most 256, otherwise the most frequent colour (the
// background) exactly and the others by a median cut weighted by their counts, each pixel
// taking its nearest colour (no dithering).
void quantize(const QImage& picture, const QRect& rect, TGifFrame& frame)
{
    std::unordered_map<QRgb, std::uint32_t> counts;
    counts.reserve(1024);
    {
        QRgb last = 0;
        std::uint32_t* lastCount = nullptr;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb c = line[x] | 0xff000000u;
                if (lastCount == nullptr || c != last) {
                    last = c;
                    lastCount = &counts[c];
                }
                ++*lastCount;
            }
        }
    }
    std::unordered_map<QRgb, std::uint8_t> indexOf;
    indexOf.reserve(counts.size());
    frame.Palette.clear();
    if (counts.size() <= 256) {
        for (const auto& [colour, count] : counts) {
            indexOf[colour] = static_cast<std::uint8_t>(frame.Palette.size());
            frame.Palette.push_back(colour);
        }
    } else {
        struct TEntry {
            QRgb Colour;
            std::uint32_t Count;
        };
        std::vector<TEntry> entries;
        entries.reserve(counts.size());
        for (const auto& [colour, count] : counts)
            entries.push_back({ colour, count });
        const auto background = std::max_element(entries.begin(), entries.end(),
            [](const TEntry& a, const TEntry& b) { return a.Count < b.Count; });
        const QRgb backgroundColour = background->Colour;
        std::swap(*background, entries.back());
        entries.pop_back();
        frame.Palette.push_back(backgroundColour);

        // Boxes of entries, split at the weighted median of their widest channel until
        // there are 255 or none can be split.
        struct TBox {
            std::size_t Begin, End;
        };
        const auto channel = [](QRgb c, int k) {
            return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
        };
        const auto widest = [&](const TBox& box, int& range) {
            int best = 0;
            range = -1;
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (std::size_t i = box.Begin; i < box.End; ++i) {
                    lo = std::min(lo, channel(entries[i].Colour, k));
                    hi = std::max(hi, channel(entries[i].Colour, k));
                }
                if (hi - lo > range) {
                    range = hi - lo;
                    best = k;
                }
            }
            return best;
        };
        std::vector<TBox> boxes { { 0, entries.size() } };
        while (boxes.size() < 255) {
            std::size_t chosen = boxes.size();
            long long chosenScore = 0;
            int chosenChannel = 0;
            for (std::size_t b = 0; b < boxes.size(); ++b) {
                if (boxes[b].End - boxes[b].Begin < 2)
                    continue;
                int range = 0;
                const int k = widest(boxes[b], range);
                long long weight = 0;
                for (std::size_t i = boxes[b].Begin; i < boxes[b].End; ++i)
                    weight += entries[i].Count;
                const long long score = static_cast<long long>(range) * weight;
                if (range > 0 && score > chosenScore) {
                    chosenScore = score;
                    chosen = b;
                    chosenChannel = k;
                }
            }
            if (chosen == boxes.size())
                break;
            TBox box = boxes[chosen];
            std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.Begin),
                entries.begin() + static_cast<std::ptrdiff_t>(box.End),
                [&](const TEntry& a, const TEntry& b) {
                    return channel(a.Colour, chosenChannel) < channel(b.Colour, chosenChannel);
                });
            long long total = 0;
            for (std::size_t i = box.Begin; i < box.End; ++i)
                total += entries[i].Count;
            long long running = 0;
            std::size_t split = box.Begin + 1;
            for (std::size_t i = box.Begin; i + 1 < box.End; ++i) {
                running += entries[i].Count;
                split = i + 1;
                if (2 * running >= total)
                    break;
            }
            boxes[chosen] = { box.Begin, split };
            boxes.push_back({ split, box.End });
        }
        for (const TBox& box : boxes) {
            double r = 0, g = 0, b = 0, weight = 0;
            for (std::size_t i = box.Begin; i < box.End; ++i) {
                const double w = entries[i].Count;
                r += w * qRed(entries[i].Colour);
                g += w * qGreen(entries[i].Colour);
                b += w * qBlue(entries[i].Colour);
                weight += w;
            }
            frame.Palette.push_back(qRgb(static_cast<int>(std::lround(r / weight)),
                static_cast<int>(std::lround(g / weight)),
                static_cast<int>(std::lround(b / weight))));
        }
        indexOf[backgroundColour] = 0;
        for (const TEntry& e : entries) {
            int best = 1;
            long long bestDistance = -1;
            for (std::size_t p = 1; p < frame.Palette.size(); ++p) {
                const long long dr = qRed(e.Colour) - qRed(frame.Palette[p]);
                const long long dg = qGreen(e.Colour) - qGreen(frame.Palette[p]);
                const long long db = qBlue(e.Colour) - qBlue(frame.Palette[p]);
                const long long d = dr * dr + dg * dg + db * db;
                if (bestDistance < 0 || d < bestDistance) {
                    bestDistance = d;
                    best = static_cast<int>(p);
                }
            }
            indexOf[e.Colour] = static_cast<std::uint8_t>(best);
        }
    }
    frame.Indexes.resize(static_cast<std::size_t>(rect.width()) * rect.height());
    std::uint8_t* out = frame.Indexes.data();
    QRgb last = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            if (!haveLast || c != last) {
                last = c;
                lastIndex = indexOf[c];
                haveLast = true;
            }
            *out++ = lastIndex;
        }
    }
}

// The smallest rectangle holding every pixel of current that differs from previous; an
// empty previous gives the whole picture, equal pictures one pixel (a GIF frame has one).
QRect changedRect(const QImage& previous, const QImage& current)
{
    const QRect whole = current.rect();
    if (previous.isNull())
        return whole;
    int top = -1, bottom = -1, left = current.width(), right = -1;
    for (int y = 0; y < current.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(previous.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(current.constScanLine(y));
        int x = 0;
        while (x < current.width() && ((a[x] ^ b[x]) & 0xffffffu) == 0)
            ++x;
        if (x == current.width())
            continue;
        int xr = current.width() - 1;
        while (((a[xr] ^ b[xr]) & 0xffffffu) == 0)
            --xr;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, x);
        right = std::max(right, xr);
    }
    if (top < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

ColorMapObject* makeMap(const std::vector<QRgb>& colours)
{
    int size = 2;
    while (size < static_cast<int>(colours.size()))
        size *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < colours.size(); ++i)
        entries[i] = { static_cast<GifByteType>(qRed(colours[i])),
            static_cast<GifByteType>(qGreen(colours[i])),
            static_cast<GifByteType>(qBlue(colours[i])) };
    return GifMakeMapObject(size, entries.data());
}

int writeToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(data), length));
}
}

bool AnimationFileTypeOf(const QString& fileName, TAnimationFileType& type)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "gif") {
        type = TAnimationFileType::Gif;
        return true;
    }
    if (suffix == "webp") {
        type = TAnimationFileType::WebP;
        return true;
    }
    if (suffix == "png" && QFileInfo(fileName).fileName().count(numberPattern()) == 1
        && QFileInfo(fileName).fileName().count('%') == 1) {
        type = TAnimationFileType::NumberedPng;
        return true;
    }
    return false;
}

QString NumberedFrameName(const QString& pattern, int number)
{
    const QFileInfo info(pattern);
    QString name = info.fileName();
    const QRegularExpressionMatch match = numberPattern().match(name);
    if (!match.hasMatch())
        return pattern;
    const int width = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    const QChar fill = match.captured(1).isEmpty() ? QChar(' ') : QChar('0');
    name.replace(match.capturedStart(), match.capturedLength(),
        QString::number(number).rightJustified(width, fill));
    return info.dir() == QDir(".") && !pattern.contains('/') ? name : info.dir().filePath(name);
}

int GifFrameDelay(int index, int framesPerSecond)
{
    const auto at = [framesPerSecond](int i) {
        return static_cast<int>(std::lround(100.0 * i / framesPerSecond));
    };
    return at(index + 1) - at(index);
}

int WebPFrameTimestamp(int index, int framesPerSecond)
{
    return static_cast<int>(std::lround(1000.0 * index / framesPerSecond));
}

struct TAnimationWriter::TImpl {
    QString FileName;
    TAnimationFileType Type;
    int Fps;
    QSize Size;
    int Frames = 0;
    bool Finished = false;

    // GIF
    TSharedPalette Shared;
    bool SharedFull = false;
    QImage Previous;
    std::vector<TGifFrame> GifFrames;

    // WebP
    WebPAnimEncoder* Encoder = nullptr;
    WebPConfig Config {};

    // Numbered PNG: the finished frames under temporary names, and the names they take.
    std::vector<std::pair<QString, QString>> Pngs;

    ~TImpl()
    {
        if (Encoder != nullptr)
            WebPAnimEncoderDelete(Encoder);
        if (!Finished)
            for (const auto& [temporary, name] : Pngs)
                QFile::remove(temporary);
    }

    void addGif(const QImage& frame)
    {
        const QRect rect = changedRect(Previous, frame);
        TGifFrame record;
        record.Rect = rect;
        if (!SharedFull) {
            record.Indexes.resize(static_cast<std::size_t>(rect.width()) * rect.height());
            std::uint8_t* out = record.Indexes.data();
            QRgb last = 0;
            int lastIndex = -1;
            for (int y = rect.top(); y <= rect.bottom() && !SharedFull; ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QRgb c = line[x] | 0xff000000u;
                    if (lastIndex < 0 || c != last) {
                        last = c;
                        lastIndex = Shared.IndexOf(c);
                        if (lastIndex < 0) {
                            SharedFull = true;
                            break;
                        }
                    }
                    *out++ = static_cast<std::uint8_t>(lastIndex);
                }
            }
        }
        if (SharedFull)
            quantize(frame, rect, record);
        GifFrames.push_back(std::move(record));
        Previous = frame;
    }

    void writeGif(QIODevice& device)
    {
        int error = 0;
        GifFileType* gif = EGifOpen(&device, writeToDevice, &error);
        if (gif == nullptr)
            fail(FileName, GifErrorString(error));
        bool ok = true;
        EGifSetGifVersion(gif, true);
        ColorMapObject* global = makeMap(Shared.Colours().empty() ? std::vector<QRgb> { 0 }
                                                                   : Shared.Colours());
        ok = EGifPutScreenDesc(gif, Size.width(), Size.height(), 8, 0, global) == GIF_OK;
        GifFreeMapObject(global);
        // Played in a loop, as a slide shows it.
        if (ok) {
            const GifByteType loop[3] = { 1, 0, 0 };
            ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
                && EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK
                && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK
                && EGifPutExtensionTrailer(gif) == GIF_OK;
        }
        for (std::size_t i = 0; ok && i < GifFrames.size(); ++i) {
            const TGifFrame& frame = GifFrames[i];
            GraphicsControlBlock control {};
            control.DisposalMode = DISPOSE_DO_NOT;
            control.UserInputFlag = false;
            control.DelayTime = GifFrameDelay(static_cast<int>(i), Fps);
            control.TransparentColor = NO_TRANSPARENT_COLOR;
            GifByteType extension[4];
            const std::size_t length = EGifGCBToExtension(&control, extension);
            ok = EGifPutExtension(
                     gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension)
                == GIF_OK;
            ColorMapObject* local = frame.Palette.empty() ? nullptr : makeMap(frame.Palette);
            ok = ok
                && EGifPutImageDesc(gif, frame.Rect.left(), frame.Rect.top(), frame.Rect.width(),
                       frame.Rect.height(), false, local)
                    == GIF_OK;
            if (local != nullptr)
                GifFreeMapObject(local);
            for (int y = 0; ok && y < frame.Rect.height(); ++y)
                ok = EGifPutLine(gif,
                         const_cast<GifPixelType*>(frame.Indexes.data()
                             + static_cast<std::size_t>(y) * frame.Rect.width()),
                         frame.Rect.width())
                    == GIF_OK;
        }
        const int lastError = gif->Error;
        if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
            fail(FileName,
                device.errorString().isEmpty() || device.errorString() == "Unknown error"
                    ? QString(GifErrorString(lastError != 0 ? lastError : error))
                    : device.errorString());
    }

    void addWebP(const QImage& frame)
    {
        if (Encoder == nullptr) {
            WebPAnimEncoderOptions options;
            if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&Config))
                fail(FileName, "WebP");
            options.anim_params.loop_count = 0;
            // Lossless, at the encoder's quickest effort: the frames come back exactly.
            Config.lossless = 1;
            Config.method = 0;
            Config.quality = 10;
            Encoder = WebPAnimEncoderNew(Size.width(), Size.height(), &options);
            if (Encoder == nullptr)
                fail(FileName, "WebP");
        }
        WebPPicture picture;
        if (!WebPPictureInit(&picture))
            fail(FileName, "WebP");
        picture.use_argb = 1;
        picture.width = frame.width();
        picture.height = frame.height();
        const bool imported = WebPPictureImportBGRX(
            &picture, frame.constBits(), static_cast<int>(frame.bytesPerLine()));
        const bool added = imported
            && WebPAnimEncoderAdd(Encoder, &picture, WebPFrameTimestamp(Frames, Fps), &Config);
        WebPPictureFree(&picture);
        if (!added)
            fail(FileName, QString(WebPAnimEncoderGetError(Encoder)));
    }

    void finishWebP()
    {
        if (Encoder == nullptr)
            fail(FileName, QCoreApplication::translate("TOutputFile", "resim yok"));
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAdd(Encoder, nullptr, WebPFrameTimestamp(Frames, Fps), nullptr)
            || !WebPAnimEncoderAssemble(Encoder, &data))
            fail(FileName, QString(WebPAnimEncoderGetError(Encoder)));
        const QByteArray bytes = QByteArray::fromRawData(
            reinterpret_cast<const char*>(data.bytes), static_cast<qsizetype>(data.size));
        try {
            writeWhole(bytes);
        } catch (...) {
            WebPDataClear(&data);
            throw;
        }
        WebPDataClear(&data);
    }

    // The whole file or, on any failure, the old one untouched: a short write is
    // never committed.
    void writeWhole(const QByteArray& bytes)
    {
        TSafeFile file(FileName);
        if (!file.Open())
            fail(FileName, file.ErrorString());
        if (file.Device().write(bytes) != bytes.size())
            fail(FileName, file.Device().errorString());
        if (!file.Commit())
            fail(FileName, file.ErrorString());
    }

    void addPng(const QImage& frame)
    {
        const QString name = NumberedFrameName(FileName, Frames + 1);
        QTemporaryFile file(QFileInfo(name).absoluteDir().filePath(".velmo-XXXXXX.png"));
        if (!file.open())
            fail(name, file.errorString());
        file.setAutoRemove(false);
        Pngs.emplace_back(file.fileName(), name);
        QImageWriter writer(&file, "png");
        writer.setQuality(PngQuality);
        if (!writer.write(frame) || !file.flush())
            fail(name, writer.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError)
            fail(name, file.errorString());
    }

    // Every frame takes its name, or none does: an old file of a name is kept aside until all
    // are in place, and put back when one cannot be.
    void finishPngs()
    {
        struct TPlaced {
            QString Name;
            QString Old; // where the old file of the name waits; empty when there was none
        };
        std::vector<TPlaced> placed;
        const auto move = [](const QString& from, const QString& to) {
            return std::rename(
                       QFile::encodeName(from).constData(), QFile::encodeName(to).constData())
                == 0;
        };
        const auto undo = [&] {
            for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
                QFile::remove(it->Name);
                if (!it->Old.isEmpty())
                    move(it->Old, it->Name);
            }
        };
        for (const auto& [temporary, name] : Pngs) {
            TPlaced place { name, {} };
            if (QFileInfo(name).isFile()) {
                QTemporaryFile aside(QFileInfo(name).absoluteDir().filePath(".velmo-XXXXXX.old"));
                const bool opened = aside.open();
                if (!opened || !move(name, aside.fileName())) {
                    const QString reason = opened ? QString::fromLocal8Bit(std::strerror(errno))
                                                  : aside.errorString();
                    undo();
                    fail(name, reason);
                }
                aside.setAutoRemove(false);
                place.Old = aside.fileName();
            }
            if (!move(temporary, name)) {
                const QString reason = QString::fromLocal8Bit(std::strerror(errno));
                if (!place.Old.isEmpty())
                    move(place.Old, name);
                undo();
                fail(name, reason);
            }
            placed.push_back(place);
        }
        for (const TPlaced& place : placed)
            if (!place.Old.isEmpty())
                QFile::remove(place.Old);
    }
};

TAnimationWriter::TAnimationWriter(
    const QString& fileName, TAnimationFileType type, int framesPerSecond)
    : F(std::make_unique<TImpl>())
{
    F->FileName = fileName;
    F->Type = type;
    F->Fps = std::max(1, framesPerSecond);
}

TAnimationWriter::~TAnimationWriter() = default;

int TAnimationWriter::FrameCount() const { return F->Frames; }

void TAnimationWriter::AddFrame(const QImage& picture)
{
    const QImage frame = asRgb32(picture);
    if (F->Frames == 0)
        F->Size = frame.size();
    else if (frame.size() != F->Size)
        fail(F->FileName, QCoreApplication::translate("TOutputFile", "resimlerin boyutu farklı"));
    switch (F->Type) {
    case TAnimationFileType::Gif:
        F->addGif(frame);
        break;
    case TAnimationFileType::WebP:
        F->addWebP(frame);
        break;
    case TAnimationFileType::NumberedPng:
        F->addPng(frame);
        break;
    }
    ++F->Frames;
}

void TAnimationWriter::Finish()
{
    if (F->Frames == 0)
        fail(F->FileName, QCoreApplication::translate("TOutputFile", "resim yok"));
    switch (F->Type) {
    case TAnimationFileType::Gif: {
        // Encoded in memory, then written in one piece: the writer is unbuffered.
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        F->writeGif(encoded);
        F->writeWhole(encoded.data());
        break;
    }
    case TAnimationFileType::WebP:
        F->finishWebP();
        break;
    case TAnimationFileType::NumberedPng:
        F->finishPngs();
        break;
    }
    F->Finished = true;
}
