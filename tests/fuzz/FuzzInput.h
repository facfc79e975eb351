#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qingtan::fuzz {

// Cuts fuzz input into fields at 0xFF bytes, a byte that GBK text never needs, so one input can carry a title,
// markers or a word list; missing fields are empty.
inline std::vector<std::string_view> Fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t cut = rest.find('\xFF');
        if (cut == std::string_view::npos) {
            break;
        }
        fields.push_back(rest.substr(0, cut));
        rest.remove_prefix(cut + 1);
    }
    fields.push_back(rest);
    fields.resize(count);
    return fields;
}

} // namespace qingtan::fuzz
