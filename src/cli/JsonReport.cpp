#include "JsonReport.h"

#include "GbkCodec.h"
#include "TextUtilities.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace qingtan {
namespace {

// Maps each byte offset where a character begins to its 1-based character number.
std::vector<std::size_t> characterNumbers(std::string_view title) {
    std::vector<std::size_t> numbers(title.size() + 1, 0);
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < title.size(); pos += CharacterLength(title, pos)) {
        numbers[pos] = ++count;
    }
    return numbers;
}

} // namespace

std::string JsonReportLine(std::string_view titleUtf8, const CheckState& state, const WordMatcher& matcher,
                           const CategoryTicks& ticked) {
    const std::vector<std::size_t> numbers = characterNumbers(state.currentTitle);
    std::map<std::pair<Category, std::size_t>, std::vector<std::size_t>> positions;
    for (const WordOccurrence& occurrence : state.occurrences) {
        positions[{occurrence.category, occurrence.entry}].push_back(numbers[occurrence.byteOffset]);
    }

    nlohmann::ordered_json categories = nlohmann::ordered_json::object();
    for (const Category category : kAllCategories) {
        if (!ticked[IndexOf(category)]) {
            continue;
        }
        // A ticked category was always matched; the map's order is word-list order within the category.
        nlohmann::ordered_json words = nlohmann::ordered_json::array();
        for (auto it = positions.lower_bound({category, 0}); it != positions.end() && it->first.first == category;
             ++it) {
            std::sort(it->second.begin(), it->second.end());
            words.push_back(
                {{"word", GbkCodec::toUtf8(matcher.library()[category][it->first.second])}, {"positions", it->second}});
        }
        categories[std::string(CategoryNameUtf8(category))] = std::move(words);
    }
    nlohmann::ordered_json variants = nlohmann::ordered_json::object();
    for (const Category category : kAllCategories) {
        if (!ticked[IndexOf(category)]) {
            continue;
        }
        nlohmann::ordered_json words = nlohmann::ordered_json::array();
        std::size_t lastEntry = SIZE_MAX;
        for (const VariantFinding& variant : state.variants) { // ordered by category, entry and span
            if (variant.category != category) {
                continue;
            }
            if (variant.entry != lastEntry) {
                words.push_back({{"word", GbkCodec::toUtf8(matcher.library()[category][variant.entry])},
                                 {"spans", nlohmann::ordered_json::array()}});
                lastEntry = variant.entry;
            }
            const CharacterSpan span = CharacterPositions(state.currentTitle, variant.begin, variant.end);
            words.back()["spans"].push_back({span.first, span.last});
        }
        variants[std::string(CategoryNameUtf8(category))] = std::move(words);
    }
    nlohmann::ordered_json record{
        {"title", std::string(titleUtf8)}, {"categories", std::move(categories)}, {"variants", std::move(variants)}};
    return record.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace qingtan
