#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qingtan {

// One character of a converted text and the characters of the original it stands for, [first, last).
struct ConvertedCharacter {
    char32_t codePoint;
    std::uint32_t first;
    std::uint32_t last;
};

// OpenCC's Traditional-to-Simplified conversion (phrases first, then characters), with each resulting character
// traced back to the characters it came from. Titles without a character that the dictionaries change, which are
// most, are told apart without calling OpenCC.
class TraditionalToSimplified {
public:
    // Loads an OpenCC configuration: a file name, looked up as OpenCC looks it up (the working directory, then
    // OpenCC's data directory). Nothing when it cannot be loaded.
    static std::unique_ptr<TraditionalToSimplified> Load(const std::string& config = "t2s.json");
    ~TraditionalToSimplified();

    TraditionalToSimplified(const TraditionalToSimplified&) = delete;
    TraditionalToSimplified& operator=(const TraditionalToSimplified&) = delete;

    // Fills `out` with OpenCC's conversion of `text` and returns true; returns false, leaving `out` as it is, when
    // the conversion would not change the text.
    bool convert(std::u32string_view text, std::vector<ConvertedCharacter>& out) const;

private:
    // The conversion of a whole text by OpenCC itself, without the shortcuts of convert().
    void convertWithOpenCC(std::u32string_view text, std::vector<ConvertedCharacter>& out) const;

    struct OpenCC;
    explicit TraditionalToSimplified(std::unique_ptr<OpenCC> openCC);
    void readDictionaries();
    std::uint8_t flagsOf(char32_t codePoint) const;
    const std::u32string* characterTarget(char32_t codePoint) const;
    bool phraseAt(std::u32string_view text, std::size_t pos) const;

    std::unique_ptr<OpenCC> m_openCC;
    bool m_alwaysOpenCC = false;
    std::vector<std::uint8_t> m_bmpFlags; // per BMP code point
    // Characters the character dictionary changes, sorted, with what they become where no phrase applies.
    std::vector<std::pair<char32_t, std::u32string>> m_characters;
    // Phrases whose conversion differs from converting their characters one by one, sorted.
    std::vector<std::u32string> m_phrases;
};

} // namespace qingtan
