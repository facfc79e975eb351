#pragma once

#include <cstddef>
#include <iconv.h>
#include <string>
#include <string_view>

namespace qingtan {

// What one unconvertible piece of input is, to be replaced and skipped as a whole.
enum class InputUnit {
    GbkCharacter, // a lead byte and the byte after it, or one byte
    Utf16,        // a UTF-16 unit, or a whole surrogate pair
};

// One iconv descriptor for one direction. A pair of encodings that iconv cannot open gives a converter that is not
// ok() and converts everything to nothing: it never throws, so no caller (a Qt slot among them) can be ended by it.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool ok() const;

    // Converts all of input; each unconvertible input unit is replaced by `replacement` and skipped.
    std::string convert(std::string_view input, InputUnit unit, std::string_view replacement);

private:
    iconv_t m_cd;
};

} // namespace qingtan
