// The automaton and the per-word scan must find the same words in any library and title, and the variant matcher
// the same variants as the reference variant scan.
#include "FuzzInput.h"
#include "GbkCodec.h"
#include "TextUtilities.h"
#ifdef QINGTAN_VARIANTS
#include "VariantScan.h"
#endif
#include "WordMatcher.h"
#include "WordScan.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    // Field 0 is the title; fields 1 to 7 are the categories' words, separated by "|".
    const auto fields = fuzz::Fields(data, size, 1 + kCategoryCount);
    WordLibrary library;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        for (std::string_view rest = fields[i + 1]; !rest.empty();) {
            const std::size_t cut = rest.find('|');
            library.lists[i].emplace_back(rest.substr(0, cut)); // empty words on purpose
            rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut + 1);
        }
    }
    static const VariantNormalizer normalizer(TraditionalToSimplified::Load());
    const WordMatcher matcher(library, &normalizer);
    const TitleMatches matches = FoundEntries(matcher.occurrences(fields[0]));
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (matches[i] != ScanWordList(library.lists[i], fields[0])) {
            std::abort();
        }
    }

#ifdef QINGTAN_VARIANTS
    // For variants the title is also read as UTF-8, as the command line gives it, and checked in code page 936.
    const WideText title = GbkCodec::utf8ToWide(fields[0]);
    const AnsiText gbkTitle = WideToOemText(title);
    MatchScratch scratch;
    matcher.match(gbkTitle, scratch);
    matcher.findVariants(title, gbkTitle, scratch);
    if (scratch.variants() != test::ScanVariants(library, title, normalizer.convertsTraditional())) {
        std::abort();
    }
#endif
    return 0;
}
