#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace render_test {

using Pixel = std::pair<std::int64_t, std::int64_t>; // x, y

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Guard = 0xFFABCDEFu;

inline std::string text(const Pixel& a, const Pixel& b)
{
    return "(" + std::to_string(a.first) + "," + std::to_string(a.second) + ")-("
        + std::to_string(b.first) + "," + std::to_string(b.second) + ")";
}

// A white image inside a larger buffer whose margin must stay untouched: a write outside
// the image shows in the margin.
class GuardedImage {
public:
    static constexpr int Margin = 4;

    GuardedImage(int width, int height)
        : FWidth(width)
        , FHeight(height)
        , FBuffer(std::size_t(width + 2 * Margin) * (height + 2 * Margin), Guard)
        , FImage(reinterpret_cast<uchar*>(&FBuffer[Margin * rowLength() + Margin]), width, height,
              rowLength() * qsizetype(sizeof(QRgb)), QImage::Format_RGB32)
    {
        FImage.fill(White);
    }

    QImage& Image() { return FImage; }

    bool MarginIntact() const
    {
        for (int y = -Margin; y < FHeight + Margin; ++y)
            for (int x = -Margin; x < FWidth + Margin; ++x) {
                const bool inImage = x >= 0 && x < FWidth && y >= 0 && y < FHeight;
                if (!inImage
                    && FBuffer[std::size_t(y + Margin) * rowLength() + x + Margin] != Guard)
                    return false;
            }
        return true;
    }

private:
    int rowLength() const { return FWidth + 2 * Margin; }

    int FWidth;
    int FHeight;
    std::vector<QRgb> FBuffer;
    QImage FImage;
};

} // namespace render_test
