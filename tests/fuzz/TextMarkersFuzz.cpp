// TextBetween and SplitNonEmpty on any text, markers and delimiter: results are always pieces of the text.
#include "FuzzInput.h"
#include "TextUtilities.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const auto fields = fuzz::Fields(data, size, 4);
    const std::string_view text = fields[0];

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
