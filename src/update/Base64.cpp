#include "Base64.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace qingtan {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of each byte in the alphabet, or -1 for every byte that ends a group.
constexpr std::array<std::int8_t, 256> kValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    }
    return values;
}();

enum class ByteClass : std::uint8_t { Keep, Skip, Lead };

// Single-byte blanks and line ends are skipped; a byte 0x80 or above starts a double-byte character.
constexpr std::array<ByteClass, 256> kClasses = [] {
    std::array<ByteClass, 256> classes{};
    for (std::size_t byte = 0x80; byte < 256; ++byte) {
        classes[byte] = ByteClass::Lead;
    }
    for (const unsigned char blank : {' ', '\t', '\r', '\n'}) {
        classes[blank] = ByteClass::Skip;
    }
    return classes;
}();

// The payload without single-byte blanks, tabs and line ends and without the full-width blank A1 A1. A double-byte
// character is kept whole (so a CR in its second byte survives) and a lead byte with nothing after it is dropped.
std::string removeBlanks(std::string_view text) {
    std::string cleaned(text.size(), '\0');
    char* out = cleaned.data();
    const char* in = text.data();
    const char* const end = in + text.size();
    while (in < end) {
        // Copy the run of ordinary characters (a payload line) in one go.
        const char* run = in;
        while (run < end && kClasses[static_cast<unsigned char>(*run)] == ByteClass::Keep) {
            ++run;
        }
        std::memcpy(out, in, static_cast<std::size_t>(run - in));
        out += run - in;
        in = run;
        if (in == end) {
            break;
        }
        if (kClasses[static_cast<unsigned char>(*in)] == ByteClass::Skip) {
            ++in;
            continue;
        }
        if (in + 1 == end) {
            break;
        }
        if (static_cast<unsigned char>(in[0]) != 0xA1 || static_cast<unsigned char>(in[1]) != 0xA1) {
            *out++ = in[0];
            *out++ = in[1];
        }
        in += 2;
    }
    cleaned.resize(static_cast<std::size_t>(out - cleaned.data()));
    return cleaned;
}

} // namespace

ByteBuffer Base64Decode(std::string_view payload, const std::function<void()>& processEvents) {
    const std::string text = removeBlanks(payload);
    const std::size_t size = text.size();
    const std::size_t groups = (size + 3) / 4;

    ByteBuffer output(groups * 3, '\0');
    // Slots keep their values from one group to the next: a group that stops early computes its bytes from the
    // slots it did not reach as the earlier group left them.
    std::uint8_t slots[4] = {0, 0, 0, 0};
    int lastStop = 0;
    char* out = output.data();
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t group = 0; group < groups; ++group) {
        const std::size_t base = group * 4;
        if (base + 4 <= size) {
            // The common case: four alphabet characters fill all slots.
            const int v0 = kValues[bytes[base]];
            const int v1 = kValues[bytes[base + 1]];
            const int v2 = kValues[bytes[base + 2]];
            const int v3 = kValues[bytes[base + 3]];
            if ((v0 | v1 | v2 | v3) >= 0) {
                slots[0] = static_cast<std::uint8_t>(v0);
                slots[1] = static_cast<std::uint8_t>(v1);
                slots[2] = static_cast<std::uint8_t>(v2);
                slots[3] = static_cast<std::uint8_t>(v3);
                const unsigned bits = static_cast<unsigned>(v0 << 18 | v1 << 12 | v2 << 6 | v3);
                *out++ = static_cast<char>(bits >> 16);
                *out++ = static_cast<char>(bits >> 8);
                *out++ = static_cast<char>(bits);
                lastStop = 5;
                if (processEvents) {
                    processEvents();
                }
                continue;
            }
        }
        int stop = 5;
        for (int k = 0; k < 4; ++k) {
            const std::size_t pos = base + static_cast<std::size_t>(k);
            if (pos >= size) {
                // The text ran out: the group keeps only the bytes its characters carry.
                slots[k] = 0;
                stop = k + 1;
                break;
            }
            const unsigned char byte = bytes[pos];
            const std::int8_t value = kValues[byte];
            if (value < 0) {
                slots[k] = byte;
                stop = k + 1;
                break;
            }
            slots[k] = static_cast<std::uint8_t>(value);
        }
        *out++ = static_cast<char>((slots[0] << 2) | (slots[1] >> 4));
        *out++ = static_cast<char>((slots[1] << 4) | (slots[2] >> 2));
        *out++ = static_cast<char>((slots[2] << 6) | slots[3]);
        lastStop = stop;
        if (processEvents) {
            processEvents();
        }
    }
    if (groups > 0 && lastStop < 5) {
        const std::size_t drop = static_cast<std::size_t>(5 - lastStop);
        output.resize(output.size() > drop ? output.size() - drop : 0);
    }
    return output;
}

bool IsBase64Text(std::string_view text) {
    const std::string cleaned = removeBlanks(text);
    return std::all_of(cleaned.begin(), cleaned.end(),
                       [](char c) { return c == '=' || kValues[static_cast<unsigned char>(c)] >= 0; });
}

std::string Base64Encode(std::string_view bytes, std::size_t lineLength) {
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        const auto b2 = static_cast<unsigned char>(bytes[i + 2]);
        encoded.push_back(kAlphabet[b0 >> 2]);
        encoded.push_back(kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)]);
        encoded.push_back(kAlphabet[((b1 & 0x0F) << 2) | (b2 >> 6)]);
        encoded.push_back(kAlphabet[b2 & 0x3F]);
    }
    if (const std::size_t rest = bytes.size() - i; rest > 0) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = rest > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        encoded.push_back(kAlphabet[b0 >> 2]);
        encoded.push_back(kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)]);
        encoded.push_back(rest > 1 ? kAlphabet[(b1 & 0x0F) << 2] : '=');
        encoded.push_back('=');
    }
    if (encoded.empty()) {
        return encoded;
    }
    if (lineLength == 0) {
        return encoded + "\r\n";
    }
    std::string lines;
    lines.reserve(encoded.size() + encoded.size() / lineLength * 2 + 2);
    for (std::size_t pos = 0; pos < encoded.size(); pos += lineLength) {
        lines.append(encoded, pos, lineLength).append("\r\n");
    }
    return lines;
}

} // namespace qingtan
