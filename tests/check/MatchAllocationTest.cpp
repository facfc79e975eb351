// The exact check of a title allocates nothing once its scratch has grown: counted by replacing the global
// operator new of this test program.
#include "TestText.h"
#include "WordMatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

namespace {
std::atomic<std::size_t> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace qingtan {
namespace {

TEST(MatchAllocation, ExactMatchOfATitleAllocatesNothingOnceTheScratchHasGrown) {
    std::mt19937 random(936);
    const auto character = [&random] {
        return AnsiText{static_cast<char>(0xB0 + random() % 0x48), static_cast<char>(0xA1 + random() % 0x5E)};
    };
    WordLibrary library;
    for (std::size_t i = 0; i < 3000; ++i) {
        library.lists[i % kCategoryCount].push_back(character() + character() + (i % 3 == 0 ? "TOP" : ""));
    }
    std::vector<AnsiText> titles;
    for (std::size_t t = 0; t < 200; ++t) {
        AnsiText title;
        while (title.size() < 120) {
            title += random() % 8 == 0 ? library.lists[random() % kCategoryCount][random() % 400] : character();
        }
        titles.push_back(title);
    }
    const WordMatcher matcher(library);
    MatchScratch scratch;
    for (const AnsiText& title : titles) {
        matcher.match(title, scratch);
    }

    std::size_t found = 0;
    const std::size_t before = allocations;
    for (const AnsiText& title : titles) {
        matcher.match(title, scratch);
        found += scratch.occurrences().size();
    }
    EXPECT_EQ(allocations - before, 0u);
    EXPECT_GT(found, titles.size()) << "the titles must hold words for the count to mean anything";
}

} // namespace
} // namespace qingtan
