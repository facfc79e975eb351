#include "GbkCodec.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace qingtan {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One iconv descriptor per direction and thread, opened on first use: opening costs far more than a short title.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; each unconvertible input unit (inputStep bytes, or a whole surrogate pair) is replaced
    // by `replacement` and skipped.
    std::string convert(std::string_view input, std::size_t inputStep, std::string_view replacement) {
        std::string output;
        output.resize(input.size() * 2 + 16);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t outUsed = 0;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* out = output.data() + outUsed;
            std::size_t outLeft = output.size() - outUsed;
            const std::size_t rc = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            outUsed = output.size() - outLeft;
            if (rc != static_cast<std::size_t>(-1)) {
                break;
            }
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL: skip the offending unit and put the replacement in its place.
            std::size_t skip = std::min(inLeft, unitLength(in, inLeft, inputStep));
            in += skip;
            inLeft -= skip;
            if (output.size() - outUsed < replacement.size()) {
                output.resize(output.size() * 2 + replacement.size());
            }
            output.replace(outUsed, replacement.size(), replacement);
            outUsed += replacement.size();
        }
        output.resize(outUsed);
        return output;
    }

private:
    static std::size_t unitLength(const char* in, std::size_t left, std::size_t step) {
        if (step == 2 && left >= 4) {
            char16_t units[2];
            std::memcpy(units, in, sizeof units);
            if (units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF) {
                return 4; // a surrogate pair is one character
            }
        }
        return step;
    }

    iconv_t m_cd;
};

std::string asBytes(std::u16string_view wide) {
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
}

WideText asWide(const std::string& bytes) {
    WideText wide(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(char16_t));
    return wide;
}

const std::string kWideQuestionMark = asBytes(u"?");

} // namespace

WideText GbkCodec::toWide(std::string_view gbk) {
    thread_local Converter converter(kUtf16, "CP936");
    return asWide(converter.convert(gbk, 1, kWideQuestionMark));
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    thread_local Converter converter("CP936", kUtf16);
    return converter.convert(asBytes(wide), 2, "?");
}

WideText GbkCodec::utf8ToWide(std::string_view utf8) {
    thread_local Converter converter(kUtf16, "UTF-8");
    return asWide(converter.convert(utf8, 1, kWideQuestionMark));
}

std::string GbkCodec::wideToUtf8(std::u16string_view wide) {
    thread_local Converter converter("UTF-8", kUtf16);
    return converter.convert(asBytes(wide), 2, "?");
}

} // namespace qingtan
