// The payload decoder against a plain, step-by-step reading of its rules: the fast paths (whole lines copied at
// once, full groups decoded in one step) must give the same bytes for any payload.
#include "Base64.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string referenceDecode(std::string_view payload) {
    // Blanks, tabs and line ends outside a double-byte character go, and so does the full-width blank A1 A1; a lead
    // byte at the very end is dropped.
    std::string text;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(payload[i]);
        if (byte >= 0x80) {
            if (i + 1 < payload.size() && !(byte == 0xA1 && static_cast<unsigned char>(payload[i + 1]) == 0xA1)) {
                text += payload.substr(i, 2);
            }
            ++i;
        } else if (byte != ' ' && byte != '\t' && byte != '\r' && byte != '\n') {
            text += static_cast<char>(byte);
        }
    }
    static const std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    unsigned slots[4] = {0, 0, 0, 0};
    int stop = 0;
    std::string out;
    for (std::size_t base = 0; base < text.size(); base += 4) {
        stop = 5;
        for (int k = 0; k < 4; ++k) {
            const std::size_t pos = base + static_cast<std::size_t>(k);
            if (pos >= text.size()) {
                slots[k] = 0;
                stop = k + 1;
                break;
            }
            const std::size_t value = alphabet.find(text[pos]);
            if (value == std::string_view::npos) {
                slots[k] = static_cast<unsigned char>(text[pos]);
                stop = k + 1;
                break;
            }
            slots[k] = static_cast<unsigned>(value);
        }
        out += static_cast<char>((slots[0] * 4) | (slots[1] / 16));
        out += static_cast<char>((slots[1] * 16) | (slots[2] / 4));
        out += static_cast<char>((slots[2] * 64) | slots[3]);
    }
    if (stop > 0 && stop < 5) {
        out.resize(out.size() > static_cast<std::size_t>(5 - stop) ? out.size() - static_cast<std::size_t>(5 - stop)
                                                                   : 0);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view payload(reinterpret_cast<const char*>(data), size);
    std::size_t groups = 0;
    const std::string decoded = qingtan::Base64Decode(payload, [&groups] { ++groups; });
    if (decoded != referenceDecode(payload) || groups * 3 < decoded.size()) {
        std::abort();
    }
    // What the publisher writes must come back whole.
    if (qingtan::Base64Decode(qingtan::Base64Encode(payload)) != payload) {
        std::abort();
    }
    return 0;
}
