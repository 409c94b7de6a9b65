#include "files/code_page.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

class TIconv {
public:
    TIconv(const char* to, const char* from)
        : FHandle(iconv_open(to, from))
    {
        if (FHandle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP1254");
    }
    ~TIconv() { iconv_close(FHandle); }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    // Converts all of text; at each input sequence iconv rejects, appends
    // replacement and skips skip(sequence) bytes.
    template <class Skip>
    std::string Convert(std::string_view text, std::string_view replacement, Skip skip)
    {
        std::string result;
        char buffer[256];
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(FHandle, &in, &inLeft, &out, &outLeft);
            result.append(buffer, out);
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ (invalid or unmappable) and EINVAL (cut off at the end) alike.
            result.append(replacement);
            const std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
            in += n;
            inLeft -= n;
        }
        return result;
    }

private:
    iconv_t FHandle;
};

// The length of the UTF-8 sequence at the start of text, at least one byte, so a
// malformed sequence is replaced by one "?" per lead byte.
std::size_t utf8SequenceLength(std::string_view text)
{
    std::size_t n = 1;
    while (n < text.size() && n < 4 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

} // namespace

std::string Utf8ToCp1254(std::string_view text)
{
    TIconv converter("CP1254", "UTF-8");
    return converter.Convert(text, "?", utf8SequenceLength);
}

std::string Cp1254ToUtf8(std::string_view text)
{
    TIconv converter("UTF-8", "CP1254");
    return converter.Convert(text, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t(1); });
}
