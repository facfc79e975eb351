#include "WordScan.h"

#include "TextUtilities.h"

namespace qingtan {

std::vector<bool> CharacterStarts(std::string_view title) {
    std::vector<bool> starts(title.size(), false);
    for (std::size_t pos = 0; pos < title.size(); pos += CharacterLength(title, pos)) {
        starts[pos] = true;
    }
    return starts;
}

std::vector<std::size_t> ScanWordList(const WordList& words, std::string_view title) {
    const std::vector<bool> starts = CharacterStarts(title);
    std::vector<std::size_t> found;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string_view word = words[index];
        if (word.empty()) {
            continue;
        }
        for (std::size_t hit = title.find(word); hit != std::string_view::npos; hit = title.find(word, hit + 1)) {
            if (starts[hit]) {
                found.push_back(index);
                break;
            }
        }
    }
    return found;
}

} // namespace qingtan
