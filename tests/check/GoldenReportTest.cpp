// Whole reports, byte for byte, for a fixed library and fixed titles: the check and the report together, as the
// window and qingtan-check show them. The expected bytes (GBK, CR LF) are in golden/reports.txt.
#include "CheckReport.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "TestText.h"
#include "TitleCheck.h"
#include "WordLibrary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qingtan {
namespace {

const std::filesystem::path kGolden = QINGTAN_GOLDEN_DIR;

// Each title's report after a line "# " and the title, all in code page 936.
AnsiText reportsOf(const WordMatcher& matcher, const std::string& titlesUtf8) {
    AnsiText reports;
    CheckState state;
    std::istringstream titles(titlesUtf8);
    const ShowStatusFn ignore = [](const AnsiText&, ColorRef) {};
    for (std::string title; std::getline(titles, title);) {
        EXPECT_TRUE(RunCheck(state, matcher, GbkCodec::utf8ToWide(title), {}, ignore)) << title;
        ComposeReport(state, kAllTicked, ignore);
        reports += "# " + GbkCodec::fromUtf8(title) + "\r\n";
        reports += state.checkReport;
    }
    return reports;
}

TEST(GoldenReport, FixedLibraryAndTitlesGiveTheRecordedBytes) {
    WordLibrary library;
    TextArray lines;
    ASSERT_TRUE(LoadWordLibraryFile(kGolden / "library.txt", library, lines, [](const AnsiText&, ColorRef) {}));
    const WordMatcher matcher(library);
    const AnsiText actual = reportsOf(matcher, ReadWholeFile(kGolden / "titles.txt"));
    const ByteBuffer expected = ReadWholeFile(kGolden / "reports.txt");
    ASSERT_FALSE(expected.empty());
    const std::size_t firstDifference =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin();
    EXPECT_EQ(actual, expected) << "first difference at byte " << firstDifference << ", after:\n"
                                << test::utf8(actual.substr(0, firstDifference));
}

} // namespace
} // namespace qingtan
