#include "SyntheticLibrary.h"

#include <map>

namespace qingtan::bench {

// A character of the GB2312 hanzi block: lead byte B0-F7, trail byte A1-FE.
AnsiText SyntheticData::character() {
    std::uniform_int_distribution<int> lead(0xB0, 0xF7);
    std::uniform_int_distribution<int> trail(0xA1, 0xFE);
    return {static_cast<char>(lead(m_random)), static_cast<char>(trail(m_random))};
}

AnsiText SyntheticData::word() {
    std::uniform_int_distribution<int> length(2, 5);
    AnsiText word;
    for (int n = length(m_random); n > 0; --n) {
        word += character();
    }
    return word;
}

WordLibrary SyntheticData::library(std::size_t wordCount) {
    WordLibrary library;
    for (std::size_t i = 0; i < wordCount; ++i) {
        library.lists[i % kCategoryCount].push_back(word());
    }
    return library;
}

std::vector<AnsiText> SyntheticData::titles(const WordLibrary& library, std::size_t count, std::size_t characters) {
    std::uniform_int_distribution<std::size_t> category(0, kCategoryCount - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<AnsiText> titles;
    titles.reserve(count);
    for (std::size_t t = 0; t < count; ++t) {
        AnsiText title;
        while (title.size() < characters * 2) {
            const WordList& words = library.lists[category(m_random)];
            // A planted word of about 3.5 characters every ~35 characters keeps ~10% of the title planted.
            if (!words.empty() && percent(m_random) < 3) {
                title += words[m_random() % words.size()];
            } else {
                title += character();
            }
        }
        title.resize(characters * 2);
        titles.push_back(std::move(title));
    }
    return titles;
}

AnsiText SyntheticData::libraryFile(std::size_t bytes) {
    AnsiText lines[kCategoryCount];
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        lines[i] = "<" + CategoryName(kAllCategories[i]) + ">";
    }
    std::size_t size = 0;
    for (std::size_t i = 0; size < bytes; ++i) {
        const AnsiText w = word();
        lines[i % kCategoryCount] += "|" + w;
        size += w.size() + 1;
    }
    AnsiText file;
    for (const AnsiText& line : lines) {
        file += line + "|<\r\n";
    }
    return file;
}

const WordLibrary& CachedLibrary(std::size_t words) {
    static std::map<std::size_t, WordLibrary> libraries;
    auto it = libraries.find(words);
    if (it == libraries.end()) {
        it = libraries.emplace(words, SyntheticData(static_cast<std::uint32_t>(words)).library(words)).first;
    }
    return it->second;
}

std::vector<AnsiText> TitlesFor(const WordLibrary& library, std::size_t count, std::size_t characters) {
    return SyntheticData(static_cast<std::uint32_t>(characters)).titles(library, count, characters);
}

} // namespace qingtan::bench
