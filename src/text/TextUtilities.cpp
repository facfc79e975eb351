#include "TextUtilities.h"

#include "GbkCodec.h"

#include <algorithm>

namespace qingtan {
namespace {

bool equalAt(std::string_view text, std::size_t pos, std::string_view needle, bool ignoreCase) {
    if (!ignoreCase) {
        return text.compare(pos, needle.size(), needle) == 0;
    }
    return std::equal(needle.begin(), needle.end(), text.begin() + static_cast<std::ptrdiff_t>(pos),
                      [](char a, char b) { return LowerAsciiLetter(a) == LowerAsciiLetter(b); });
}

// The marker with every "#引号" replaced by a double quote.
AnsiText expandQuoteToken(std::string_view marker) {
    static const AnsiText token = GbkCodec::fromUtf8("#引号");
    AnsiText result;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = marker.find(token, pos)) != std::string_view::npos; pos = hit + token.size()) {
        result.append(marker.substr(pos, hit - pos)).push_back('"');
    }
    result.append(marker.substr(pos));
    return result;
}

std::string_view upToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

std::size_t FindAtCharacterStart(std::string_view text, std::string_view needle, std::size_t from, bool ignoreCase) {
    if (needle.empty()) {
        return from < text.size() ? from : std::string_view::npos;
    }
    if (from >= text.size() || needle.size() > text.size() - from) {
        return std::string_view::npos;
    }
    if (!ignoreCase) {
        // The hot loop of library loading: one compare and one step per character, no calls.
        const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
        const auto first = static_cast<unsigned char>(needle.front());
        const std::size_t lastPos = text.size() - needle.size(); // the last place a match can begin
        // Markers and delimiters are one or two bytes: those are compared inline.
        const auto second = static_cast<unsigned char>(needle.size() > 1 ? needle[1] : 0);
        for (std::size_t pos = from; pos <= lastPos; pos += 1 + IsLeadByte(static_cast<char>(bytes[pos]))) {
            if (bytes[pos] == first &&
                (needle.size() == 1 ||
                 (bytes[pos + 1] == second && (needle.size() == 2 || text.compare(pos, needle.size(), needle) == 0)))) {
                return pos;
            }
        }
        return std::string_view::npos;
    }

    const char firstFolded = LowerAsciiLetter(needle.front());
    const std::size_t lastPos = text.size() - needle.size();
    for (std::size_t pos = from; pos <= lastPos; pos += CharacterLength(text, pos)) {
        if (LowerAsciiLetter(text[pos]) == firstFolded && equalAt(text, pos, needle, true)) {
            return pos;
        }
    }
    return std::string_view::npos;
}

std::string_view ViewBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                             std::size_t from, bool ignoreCase) {
    const std::size_t startAt = FindAtCharacterStart(text, startMarker, from, ignoreCase);
    if (startAt == std::string_view::npos) {
        return {};
    }
    const std::size_t contentAt = startAt + startMarker.size();
    const std::size_t endAt = FindAtCharacterStart(text, endMarker, contentAt, ignoreCase);
    if (endAt == std::string_view::npos) {
        return {};
    }
    return text.substr(contentAt, endAt - contentAt);
}

AnsiText TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker, int startPosition,
                     bool ignoreCase) {
    const std::size_t from = static_cast<std::size_t>(std::max(startPosition, 1) - 1);
    return AnsiText(ViewBetween(text, expandQuoteToken(startMarker), expandQuoteToken(endMarker), from, ignoreCase));
}

int SplitNonEmpty(std::string_view text, std::string_view delimiter, int pieceLimit, TextArray& pieces) {
    pieces.clear();
    if (delimiter.empty()) {
        delimiter = ",";
    }
    int cut = 0;
    std::size_t pieceStart = 0;
    for (std::size_t pos; (pos = FindAtCharacterStart(text, delimiter, pieceStart)) != std::string_view::npos;) {
        if (pos > pieceStart) {
            pieces.emplace_back(text.substr(pieceStart, pos - pieceStart));
        }
        if (pieceLimit > 0 && ++cut == pieceLimit) {
            return static_cast<int>(pieces.size());
        }
        pieceStart = pos + delimiter.size();
    }
    if (pieceStart < text.size()) {
        pieces.emplace_back(text.substr(pieceStart));
    }
    return static_cast<int>(pieces.size());
}

int FindTextFrom(std::string_view text, std::string_view needle, int startPosition, bool caseFold) {
    const std::size_t from = static_cast<std::size_t>(std::max(startPosition, 1) - 1);
    if (text.empty() || needle.empty() || from >= text.size()) {
        return -1;
    }
    std::size_t hit;
    if (caseFold) {
        AnsiText foldedText(text);
        AnsiText foldedNeedle(needle);
        std::transform(foldedText.begin(), foldedText.end(), foldedText.begin(), LowerAsciiLetter);
        std::transform(foldedNeedle.begin(), foldedNeedle.end(), foldedNeedle.begin(), LowerAsciiLetter);
        hit = foldedText.find(foldedNeedle, from);
    } else {
        hit = text.find(needle, from);
    }
    return hit == std::string_view::npos ? -1 : static_cast<int>(hit + 1);
}

WideText AnsiToWide(std::string_view text) {
    return GbkCodec::toWide(upToNul(text));
}

AnsiText WideToOemText(std::u16string_view text) {
    return GbkCodec::fromWide(text.substr(0, text.find(u'\0')));
}

} // namespace qingtan
