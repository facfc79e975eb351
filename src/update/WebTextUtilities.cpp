#include "WebTextUtilities.h"

#include "TextUtilities.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace qingtan {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Calls change(byte) on every byte that begins a character, leaving double-byte characters whole.
template <typename Change>
AnsiText mapCharacterStarts(std::string_view text, Change change) {
    AnsiText result(text);
    for (std::size_t pos = 0; pos < result.size(); pos += CharacterLength(result, pos)) {
        result[pos] = change(result[pos]);
    }
    return result;
}

bool isBlankAt(std::string_view text, std::size_t pos) {
    return text[pos] == ' ' || (pos + 1 < text.size() && static_cast<unsigned char>(text[pos]) == 0xA1 &&
                                static_cast<unsigned char>(text[pos + 1]) == 0xA1);
}

std::size_t find(std::string_view text, std::string_view needle, std::size_t from = 0, bool ignoreCase = false) {
    if (text.empty()) {
        return kNone;
    }
    return FindAtCharacterStart(text, needle, from, ignoreCase);
}

bool contains(std::string_view text, std::string_view needle) {
    return find(text, needle) != kNone;
}

// "x-a--b" -> "X-A--B": every piece between hyphens capitalised. A hyphen is never the second byte of a character.
AnsiText capitalizeWords(std::string_view name) {
    AnsiText result;
    for (std::size_t start = 0;;) {
        const std::size_t hyphen = name.find('-', start);
        result.append(CapitalizeFirst(name.substr(start, hyphen == kNone ? kNone : hyphen - start)));
        if (hyphen == kNone) {
            return result;
        }
        result.push_back('-');
        start = hyphen + 1;
    }
}

} // namespace

int FindText(std::string_view text, std::string_view needle, int from, bool ignoreCase) {
    const std::size_t start = static_cast<std::size_t>(std::max(from, 1) - 1);
    const std::size_t hit = find(text, needle, start, ignoreCase);
    return hit == kNone ? -1 : static_cast<int>(hit + 1);
}

TextArray SplitKeepingEmpty(std::string_view text, std::string_view delimiter) {
    TextArray pieces;
    if (text.empty()) {
        return pieces;
    }
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t pieceStart = 0;
    for (std::size_t hit; (hit = find(text, delimiter, pieceStart)) != kNone;) {
        pieces.emplace_back(text.substr(pieceStart, hit - pieceStart));
        pieceStart = hit + delimiter.size();
    }
    if (pieceStart < text.size()) {
        pieces.emplace_back(text.substr(pieceStart));
    }
    return pieces;
}

AnsiText TrimBlanks(std::string_view text) {
    std::size_t first = kNone;
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos)) {
        if (!isBlankAt(text, pos)) {
            if (first == kNone) {
                first = pos;
            }
            end = std::min(pos + CharacterLength(text, pos), text.size());
        }
    }
    return first == kNone ? AnsiText() : AnsiText(text.substr(first, end - first));
}

AnsiText AsciiLower(std::string_view text) {
    return mapCharacterStarts(text, LowerAsciiLetter);
}

AnsiText AsciiUpper(std::string_view text) {
    return mapCharacterStarts(text, UpperAsciiLetter);
}

int TextToInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = std::min<long long>(value * 10 + (text[pos] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

AnsiText UrlHost(std::string_view url, bool keepPort) {
    AnsiText address = AsciiLower(url);
    if (address.empty() || address.back() != '/') {
        address.push_back('/');
    }
    AnsiText host;
    if (address.compare(0, 8, "https://") == 0) {
        host = TextBetween(address, "https://", "/");
    } else {
        if (!contains(address, "http://")) {
            address.insert(0, "http://");
        }
        host = TextBetween(address, "http://", "/");
    }
    if (!keepPort) {
        if (const std::size_t colon = find(host, ":"); colon != kNone) {
            host.resize(colon);
        }
    }
    return host;
}

int UrlPort(std::string_view url) {
    const AnsiText host = UrlHost(url, true);
    std::size_t lastColon = kNone;
    for (std::size_t hit = find(host, ":"); hit != kNone; hit = find(host, ":", hit + 1)) {
        lastColon = hit;
    }
    if (lastColon != kNone) {
        return TextToInteger(std::string_view(host).substr(lastColon + 1));
    }
    return AsciiLower(url.substr(0, 5)) == "https" ? 443 : 80;
}

AnsiText UrlPath(std::string_view url) {
    const std::size_t hostAt = find(url, UrlHost(url), 0, true);
    const std::size_t slash = find(url, "/", hostAt == kNone ? 0 : hostAt);
    return slash == kNone ? AnsiText("/") : AnsiText(url.substr(slash));
}

AnsiText CapitalizeHeaderNames(std::string_view headers) {
    AnsiText result;
    for (const AnsiText& line : SplitKeepingEmpty(headers, "\r\n")) {
        const std::size_t colon = find(line, ":");
        if (colon == kNone) {
            continue;
        }
        result.append(capitalizeWords(std::string_view(line).substr(0, colon)))
            .append(std::string_view(line).substr(colon))
            .append("\r\n");
    }
    if (!result.empty()) {
        result.resize(result.size() - 2);
    }
    return result;
}

AnsiText CapitalizeFirst(std::string_view text) {
    AnsiText result(text);
    if (!result.empty()) {
        result[0] = UpperAsciiLetter(result[0]);
    }
    return result;
}

AnsiText TextAfterColon(std::string_view text) {
    const std::size_t colon = find(text, ":");
    return colon == kNone ? AnsiText() : TrimBlanks(text.substr(colon + 1));
}

AnsiText TextBefore(std::string_view text, std::string_view separator) {
    const std::size_t hit = find(text, separator);
    return (hit == kNone || hit == 0) ? AnsiText() : AnsiText(text.substr(0, hit));
}

AnsiText CookieName(std::string_view item) {
    const std::size_t equals = find(item, "=");
    return TrimBlanks(equals == kNone ? item : item.substr(0, equals));
}

bool HasCookieNamed(const TextArray& items, std::string_view name) {
    return std::any_of(items.begin(), items.end(), [&](const AnsiText& item) { return CookieName(item) == name; });
}

int IndexOfText(const TextArray& items, std::string_view text) {
    const auto hit = std::find(items.begin(), items.end(), text);
    return hit == items.end() ? -1 : static_cast<int>(hit - items.begin()) + 1;
}

AnsiText UniqueItems(std::string_view text, std::string_view separator) {
    TextArray seen;
    AnsiText result;
    for (const AnsiText& piece : SplitKeepingEmpty(text, separator)) {
        if (IndexOfText(seen, piece) == -1) {
            seen.push_back(piece);
            result.append(piece).append(separator);
        }
    }
    result.resize(result.size() >= separator.size() ? result.size() - separator.size() : 0);
    return result;
}

AnsiText MergeCookies(AnsiText& oldCookies, AnsiText& newCookies) {
    for (AnsiText* list : {&oldCookies, &newCookies}) {
        *list = TrimBlanks(*list);
        if (!list->empty() && list->back() == ';') {
            list->push_back(' ');
        }
    }
    const TextArray oldItems = SplitKeepingEmpty(oldCookies, "; ");
    TextArray merged = SplitKeepingEmpty(newCookies, "; ");
    for (const AnsiText& item : oldItems) {
        if (!HasCookieNamed(merged, CookieName(item))) {
            merged.push_back(item);
        }
    }
    constexpr std::string_view kDeleted = "=deleted";
    AnsiText joined;
    for (const AnsiText& item : merged) {
        if (!std::string_view(item).ends_with(kDeleted)) {
            joined.append(item).append("; ");
        }
    }
    joined.resize(joined.size() >= 2 ? joined.size() - 2 : 0);
    oldCookies = UniqueItems(joined, "; ");
    return oldCookies;
}

} // namespace qingtan
