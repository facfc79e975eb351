#include "LibraryCheck.h"

#include "Category.h"
#include "GbkCodec.h"
#include "TextUtilities.h"

#include <array>
#include <vector>

namespace qingtan {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Every line between CR LFs, empty ones included, split by the loader's character-start rule.
std::vector<std::string_view> allLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = FindAtCharacterStart(text, kLineEnd, start)) != std::string_view::npos;
         start = end + kLineEnd.size()) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string lineName(std::size_t number) {
    return "line " + std::to_string(number);
}

std::string allNames() {
    std::string names;
    for (const Category category : kAllCategories) {
        names += (names.empty() ? "" : " ") + std::string(CategoryNameUtf8(category));
    }
    return names;
}

// The fault of one line, or nothing when it is "<" name ">|" words "|<" with a known name.
std::optional<std::string> lineFault(std::string_view line, std::size_t number, std::optional<Category>& category) {
    const std::string_view name = ViewBetween(line, "<", ">|");
    category = CategoryFromName(name);
    if (!category) {
        if (name.empty()) {
            return lineName(number) + " names no category: it must begin with <category>| and end with |<";
        }
        return lineName(number) + " names \"" + GbkCodec::toUtf8(name) + "\", which is not one of " + allNames();
    }
    if (!line.starts_with('<')) {
        return lineName(number) + " must begin with <" + std::string(CategoryNameUtf8(*category)) +
               ">|; text before it is not loaded";
    }
    const std::size_t wordsAt = 1 + name.size() + 2;
    const std::size_t closingAt = FindAtCharacterStart(line, "|<", wordsAt);
    if (closingAt == std::string_view::npos) {
        return lineName(number) + " has no closing |< after its words, so none of them would be loaded";
    }
    if (closingAt + 2 != line.size()) {
        return lineName(number) + " goes on after its closing |<: a word may not begin with <, and text after |< " +
               "is not loaded";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> LibraryFault(std::string_view text) {
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        return "byte " + std::to_string(nul + 1) + " is a NUL byte; the program reads the library only up to it";
    }
    const std::vector<std::string_view> lines = allLines(text);
    std::vector<std::size_t> filled; // 1-based numbers of the non-empty lines
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            filled.push_back(i + 1);
        }
    }
    if (filled.size() != kCategoryCount) {
        std::string reason = "the file holds " + std::to_string(filled.size()) +
                             " non-empty lines ending in CR LF; a library needs exactly 7, one per category";
        if (filled.size() < kCategoryCount && text.find('\n') != std::string_view::npos) {
            reason += " (lines ending in LF alone do not count as separate lines)";
        }
        return reason;
    }
    std::array<std::size_t, kCategoryCount> seenOn{};
    for (const std::size_t number : filled) {
        std::optional<Category> category;
        if (auto fault = lineFault(lines[number - 1], number, category)) {
            return fault;
        }
        std::size_t& firstLine = seenOn[IndexOf(*category)];
        if (firstLine != 0) {
            return lineName(number) + " names " + std::string(CategoryNameUtf8(*category)) + " again (" +
                   lineName(firstLine) + " already does)";
        }
        firstLine = number;
    }
    return std::nullopt;
}

} // namespace qingtan
