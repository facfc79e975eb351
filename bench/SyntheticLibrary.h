#pragma once

#include "TextTypes.h"
#include "WordLibrary.h"

#include <cstdint>
#include <random>
#include <vector>

namespace qingtan::bench {

// Reproducible test data: GBK words of 2 to 5 characters spread over the seven categories, and titles in which
// about one character in ten belongs to a planted library word.
class SyntheticData {
public:
    explicit SyntheticData(std::uint32_t seed = 936) : m_random(seed) {}

    WordLibrary library(std::size_t wordCount);
    std::vector<AnsiText> titles(const WordLibrary& library, std::size_t count, std::size_t characters);

    // Library file text (seven CR LF lines) of at least `bytes` bytes.
    AnsiText libraryFile(std::size_t bytes);

private:
    AnsiText character();
    AnsiText word();

    std::mt19937 m_random;
};

// The library of `words` words, made once per size with the same seed whatever the order of the benchmarks.
const WordLibrary& CachedLibrary(std::size_t words);

// `count` titles of `characters` characters for `library`, the same for the same arguments.
std::vector<AnsiText> TitlesFor(const WordLibrary& library, std::size_t count, std::size_t characters);

} // namespace qingtan::bench
