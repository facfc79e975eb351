// Not a test by itself: prints what the GBK converter makes of every one- and two-byte input and of every UTF-16
// unit, one line each, so that a Windows build's table can be compared with a Linux build's byte for byte.
#include "GbkCodec.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using qingtan::GbkCodec;

void printBytes(const std::string& bytes) {
    for (const unsigned char byte : bytes) {
        std::printf(" %02X", byte);
    }
}

void printUnits(const std::u16string& wide) {
    for (const char16_t unit : wide) {
        std::printf(" %04X", static_cast<unsigned>(unit));
    }
}

void printToWide(const std::string& gbk) {
    printBytes(gbk);
    std::printf(" ->");
    printUnits(GbkCodec::toWide(gbk));
    std::printf("\n");
}

void printFromWide(const std::u16string& wide) {
    printUnits(wide);
    std::printf(" ->");
    printBytes(GbkCodec::fromWide(wide));
    std::printf("\n");
}

} // namespace

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    for (unsigned first = 1; first <= 0xFF; ++first) {
        const std::string one(1, static_cast<char>(first));
        printToWide(one);
        if (first < 0x80) {
            continue;
        }
        for (unsigned second = 1; second <= 0xFF; ++second) {
            // Followed by "Z", a valid trail byte, to show where the converter resumes after the pair.
            printToWide(one + static_cast<char>(second) + 'Z');
        }
    }
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        printFromWide(std::u16string{u'a', static_cast<char16_t>(unit), u'b'});
    }
    for (const char32_t code : {U'\U00010000', U'\U0001F600', U'\U000E0001', U'\U000E007F', U'\U0010FFFF'}) {
        const char32_t offset = code - 0x10000;
        printFromWide(std::u16string{u'a', static_cast<char16_t>(0xD800 + (offset >> 10)),
                                     static_cast<char16_t>(0xDC00 + (offset & 0x3FF)), u'b'});
    }
    return 0;
}
