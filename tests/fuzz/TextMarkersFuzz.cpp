// TextBetween and SplitNonEmpty on any text, markers and delimiter: results are always pieces of the text.
#include "FuzzInput.h"
#include "TextUtilities.h"

#include <cstdlib>

namespace {

// The character-start search as plainly as it can be written: step character by character and compare.
std::size_t referenceFind(std::string_view text, std::string_view needle, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); pos += qingtan::CharacterLength(text, pos)) {
        if (text.substr(pos, needle.size()) == needle && needle.size() <= text.size() - pos) {
            return pos;
        }
    }
    return std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const auto fields = fuzz::Fields(data, size, 4);
    const std::string_view text = fields[0];

    for (const std::size_t from : {std::size_t{0}, text.size() / 3}) {
        if (FindAtCharacterStart(text, fields[1], from) != referenceFind(text, fields[1], from)) {
            std::abort();
        }
    }

    const AnsiText between = TextBetween(text, fields[1], fields[2]);
    if (!between.empty() && text.find(between) == std::string_view::npos) {
        std::abort();
    }

    TextArray pieces;
    const int count = SplitNonEmpty(text, fields[3], pieces);
    std::size_t total = 0;
    for (const AnsiText& piece : pieces) {
        if (piece.empty() || text.find(piece) == std::string_view::npos) {
            std::abort();
        }
        total += piece.size();
    }
    if (count != static_cast<int>(pieces.size()) || total > text.size()) {
        std::abort();
    }
    return 0;
}
