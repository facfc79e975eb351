// The URL, header and cookie operations on any text: no crash, no read past the end, and the shapes their callers
// rely on.
#include "FuzzInput.h"
#include "TextUtilities.h"
#include "WebTextUtilities.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const auto fields = fuzz::Fields(data, size, 3);
    const std::string_view url = fields[0];

    const AnsiText host = UrlHost(url);
    if (FindAtCharacterStart(host, ":") != std::string_view::npos) {
        std::abort(); // without keep-port the port is always cut off (a ":" inside a GBK character is no colon)
    }
    UrlHost(url, true);
    UrlPort(url);
    const AnsiText path = UrlPath(url);
    if (path.empty() || path.front() != '/') {
        std::abort();
    }

    const AnsiText headers = CapitalizeHeaderNames(fields[1]);
    for (const AnsiText& line : SplitKeepingEmpty(headers, "\r\n")) {
        if (line.find(':') == AnsiText::npos) {
            std::abort(); // lines without a colon are dropped
        }
    }
    TextAfterColon(fields[1]);
    TextBefore(fields[1], ": ");
    CapitalizeFirst(fields[1]);
    UniqueItems(fields[1], "; ");

    AnsiText oldCookies(fields[1]);
    AnsiText newCookies(fields[2]);
    const AnsiText merged = MergeCookies(oldCookies, newCookies);
    if (merged != oldCookies) {
        std::abort(); // the merged list is also left in the old list
    }
    return 0;
}
