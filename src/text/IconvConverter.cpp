#include "IconvConverter.h"

#include "TextUtilities.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qingtan {
namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

std::size_t unitLength(const char* in, std::size_t left, InputUnit unit) {
    if (unit == InputUnit::GbkCharacter) {
        // iconv would resume at the byte after a bad lead byte and read a character that is not there.
        return left >= 2 && IsLeadByte(in[0]) ? 2 : 1;
    }
    if (left >= 4) {
        char16_t units[2];
        std::memcpy(units, in, sizeof units);
        if (units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF) {
            return 4; // a surrogate pair is one character
        }
    }
    return 2;
}

} // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (ok()) {
        iconv_close(m_cd);
    }
}

bool IconvConverter::ok() const {
    return m_cd != kNoDescriptor;
}

std::string IconvConverter::convert(std::string_view input, InputUnit unit, std::string_view replacement) {
    if (!ok()) {
        return {};
    }
    std::string output;
    output.resize(input.size() * 2 + 16);
    // iconv's interface takes a non-const input pointer but does not write through it.
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
        const std::size_t skip = std::min(inLeft, unitLength(in, inLeft, unit));
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

} // namespace qingtan
