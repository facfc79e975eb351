#include "WordMatcher.h"

#include "TestText.h"
#include "WordScan.h"

#include <gtest/gtest.h>

#include <random>

namespace qingtan {
namespace {

using test::gbk;

// Bytes drawn from a small alphabet so that words overlap, nest and repeat often: ASCII letters, the "|" and "@"
// that can be trail bytes, and lead bytes that pair with them.
std::string randomBytes(std::mt19937& random, std::size_t maxLength) {
    static constexpr char kAlphabet[] = {'a', 'b', '|', '@', '\x81', '\xD6', '\xD0', '\xCE'};
    std::uniform_int_distribution<std::size_t> length(1, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 1);
    std::string bytes(length(random), ' ');
    for (char& byte : bytes) {
        byte = kAlphabet[pick(random)];
    }
    return bytes;
}

TEST(WordMatcher, AgreesWithThePerWordScanOnRandomLibrariesAndTitles) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        WordLibrary library;
        for (auto& list : library.lists) {
            const std::size_t count = random() % 12;
            for (std::size_t i = 0; i < count; ++i) {
                // Duplicates and empty members on purpose.
                list.push_back(random() % 8 == 0 ? AnsiText() : randomBytes(random, 4));
                if (random() % 6 == 0) {
                    list.push_back(list.back());
                }
            }
        }
        const WordMatcher matcher(library);
        for (int t = 0; t < 20; ++t) {
            const std::string title = randomBytes(random, 24);
            const TitleMatches matches = FoundEntries(matcher.occurrences(title));
            for (const Category category : kAllCategories) {
                ASSERT_EQ(matches[IndexOf(category)], ScanWordList(library[category], title))
                    << "title " << test::hex(title) << " category " << IndexOf(category);
            }
        }
    }
}

TEST(WordMatcher, OccurrencesAreEveryAlignedPlaceOfEveryEntry) {
    WordLibrary library;
    library[Category::General] = {gbk("最"), gbk("最好"), gbk("形")};
    library[Category::Goods] = {gbk("最好")};
    const WordMatcher matcher(library);
    // 最 is D7 EE, 好 is BA C3; 中文 (D6 D0 CE C4) hides 形 (D0 CE) across its characters.
    const auto found = matcher.occurrences(gbk("最好中文最"));
    std::vector<std::tuple<Category, std::size_t, std::size_t>> flat;
    for (const auto& o : found) {
        flat.emplace_back(o.category, o.entry, o.byteOffset);
    }
    EXPECT_EQ(flat, (std::vector<std::tuple<Category, std::size_t, std::size_t>>{
                        {Category::General, 0, 0},
                        {Category::General, 1, 0},
                        {Category::Goods, 0, 0},
                        {Category::General, 0, 8},
                    }));
}

// The library users get: every word, alone and among all the words of its line, is found as the scan finds it.
TEST(WordMatcher, DefaultLibraryWordsAreFoundAsThePerWordScanFindsThem) {
    WordLibrary library;
    TextArray lines;
    ASSERT_TRUE(LoadWordLibraryFile(QINGTAN_DEFAULT_LIBRARY, library, lines, [](const AnsiText&, ColorRef) {}));
    const WordMatcher matcher(library);
    std::vector<AnsiText> titles;
    for (const WordList& words : library.lists) {
        AnsiText all;
        for (const AnsiText& word : words) {
            titles.push_back(word);
            all += word + "\xA3\xAC"; // ，
        }
        titles.push_back(all);
    }
    ASSERT_GT(titles.size(), 100u);
    for (const AnsiText& title : titles) {
        const TitleMatches matches = FoundEntries(matcher.occurrences(title));
        for (const Category category : kAllCategories) {
            ASSERT_EQ(matches[IndexOf(category)], ScanWordList(library[category], title)) << test::utf8(title);
        }
    }
}

// Words that end inside a character come only from damaged libraries; they still count where a character begins.
TEST(WordMatcher, WordEndingInALeadByteIsFoundWhereACharacterBegins) {
    WordLibrary library;
    library[Category::General] = {"a\xD6", "\xD6"};
    const WordMatcher matcher(library);
    for (const std::string title : {"a\xD6\xD0", "xa\xD6", "\xD6\xD6"}) {
        EXPECT_EQ(FoundEntries(matcher.occurrences(title))[IndexOf(Category::General)],
                  ScanWordList(library[Category::General], title))
            << test::hex(title);
    }
}

TEST(WordMatcher, EmptyLibraryAndEmptyTitleFindNothing) {
    WordLibrary empty;
    EXPECT_TRUE(WordMatcher(empty).occurrences("abc").empty());
    WordLibrary library;
    library[Category::Uncivil] = {"a"};
    EXPECT_TRUE(WordMatcher(library).occurrences("").empty());
}

} // namespace
} // namespace qingtan
