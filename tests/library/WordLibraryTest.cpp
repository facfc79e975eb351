#include "WordLibrary.h"

#include "LibraryCheck.h"
#include "LibraryFileText.h"
#include "SupportGroup.h"
#include "TempDir.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace qingtan {
namespace {

using test::gbk;

// A library line in the file's syntax, from a UTF-8 name and words.
AnsiText line(std::string_view name, std::string_view words) {
    return gbk("<" + std::string(name) + ">|" + std::string(words) + "|<");
}

std::vector<AnsiText> sevenLines() {
    return {line("不文明用语", "妈的|SB"), line("疑似欺骗", "祖传"), line("刺激消费", "秒杀"), line("歧视用语", "瞎子"),
            line("通用", "最|第一"),       line("化妆品", "特效"),   line("普通商品", "神器")};
}

AnsiText join(const std::vector<AnsiText>& lines, std::string_view separator = "\r\n") {
    AnsiText text;
    for (const AnsiText& l : lines) {
        text += l;
        text += separator;
    }
    return text;
}

struct Status {
    AnsiText text;
    ColorRef colour = 0xFFFFFFFF;
    int calls = 0;
};

class LoadWordLibraryTest : public testing::Test {
protected:
    LibraryLoadResult load(const std::string& fileContent) {
        dir.write(kLibraryFileName, fileContent);
        return LoadWordLibrary(dir.path(), library, lines, [this](const AnsiText& text, ColorRef colour) {
            status = {text, colour, status.calls + 1};
        });
    }

    test::TempDir dir;
    WordLibrary library;
    TextArray lines;
    Status status;
};

TEST_F(LoadWordLibraryTest, SevenLinesInAnyOrderGoToTheirCategories) {
    auto shuffled = sevenLines();
    std::rotate(shuffled.begin(), shuffled.begin() + 3, shuffled.end());
    ASSERT_TRUE(load(join(shuffled)));
    EXPECT_EQ(library[Category::Uncivil], (TextArray{gbk("妈的"), "SB"}));
    EXPECT_EQ(library[Category::General], (TextArray{gbk("最"), gbk("第一")}));
    EXPECT_EQ(library[Category::Goods], (TextArray{gbk("神器")}));
    EXPECT_EQ(lines.size(), 7u);
    EXPECT_EQ(status.calls, 0) << "a successful load shows nothing";
}

TEST_F(LoadWordLibraryTest, EmptyLinesAnywhereAreDropped) {
    const auto l = sevenLines();
    ASSERT_TRUE(load("\r\n" + l[0] + "\r\n\r\n" + join({l.begin() + 1, l.end()}) + "\r\n"));
    EXPECT_EQ(library[Category::Cosmetics], (TextArray{gbk("特效")}));
}

TEST_F(LoadWordLibraryTest, DamagedFilesShowRedErrorAndChangeNothing) {
    const auto l = sevenLines();
    auto eight = l;
    eight.push_back("anything");
    auto withNul = join(l);
    withNul.insert(join({l.begin(), l.begin() + 3}).size() + 4, 1, '\0'); // inside the fourth line
    const std::vector<std::pair<const char*, AnsiText>> cases{
        {"LfOnly", join(l, "\n")},
        {"SixLines", join({l.begin(), l.end() - 1})},
        {"EightLines", join(eight)},
        {"NulInFourthLine", withNul},
        {"Empty", ""},
    };
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        library = {};
        library[Category::General] = {"kept"};
        status = {};
        EXPECT_FALSE(load(content));
        EXPECT_EQ(status.text, gbk("加载词库可能出错，请联系作者，Q群：") + AnsiText(SupportGroupNumber));
        EXPECT_EQ(status.colour, kRed);
        EXPECT_EQ(library[Category::General], TextArray{"kept"});
        EXPECT_TRUE(library[Category::Uncivil].empty());
    }
}

TEST_F(LoadWordLibraryTest, MissingFileShowsTheError) {
    ASSERT_FALSE(LoadWordLibrary(dir / "nowhere", library, lines, [this](const AnsiText& text, ColorRef colour) {
        status = {text, colour, 1};
    }));
    EXPECT_EQ(status.colour, kRed);
}

TEST_F(LoadWordLibraryTest, LineRulesAtTheEdges) {
    auto l = sevenLines();
    l[0] = line("通用", "early");            // replaced by the later 通用 line
    l[5] = line("通用", "late|later");       // no line names 化妆品
    l[1] = gbk("<疑似欺骗 >|x|<");           // a trailing blank makes the name unknown
    l[2] = gbk("<刺激消费>||a||b|");         // no closing |<: empty word text
    l[3] = gbk("<歧视用语>|| 瞎子 |<ab|<");  // a word starting with < ends the word text
    l[6] = gbk("junk<普通商品>|神器|<tail"); // text around the markers is ignored
    library[Category::Cosmetics] = {"before"};
    library[Category::Deception] = {"before"};
    ASSERT_TRUE(load(join(l)));
    EXPECT_EQ(status.text, LibraryLoadErrorText()) << "the words load as before, and the damage is shown";
    EXPECT_EQ(status.colour, kRed);
    EXPECT_EQ(library[Category::General], (TextArray{"late", "later"}));
    EXPECT_EQ(library[Category::Cosmetics], TextArray{"before"});
    EXPECT_EQ(library[Category::Deception], TextArray{"before"});
    EXPECT_TRUE(library[Category::Consumption].empty());
    EXPECT_EQ(library[Category::Discrimination], TextArray{gbk(" 瞎子 ")});
    EXPECT_EQ(library[Category::Goods], TextArray{gbk("神器")});
}

// The euro sign is one byte (0x80) in code page 936: it must not swallow the separator or the closing marker after
// it, which emptied the whole category.
TEST_F(LoadWordLibraryTest, EuroSignAndFFAreOneByteCharactersInWords) {
    auto l = sevenLines();
    l[4] = gbk("<通用>|第一|") + "a\x80|b\xFF|c\x80|<";
    ASSERT_TRUE(load(join(l)));
    EXPECT_EQ(library[Category::General], (TextArray{gbk("第一"), "a\x80", "b\xFF", "c\x80"}));
    EXPECT_EQ(status.calls, 0);
}

// Most editors save UTF-8; such a library is read as UTF-8, converted in memory and left as it is on disk.
TEST_F(LoadWordLibraryTest, Utf8LibrariesWithAndWithoutByteOrderMarkLoadAsTheirGbkForm) {
    const std::string utf8 = "<不文明用语>|妈的|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n<歧视用语>|瞎子|<\r\n"
                             "<通用>|最|第一|€|😀|<\r\n<化妆品>|特效|<\r\n<普通商品>|神器|<\r\n";
    for (const std::string& file : {utf8, "\xEF\xBB\xBF" + utf8}) {
        library = {};
        status = {};
        ASSERT_TRUE(load(file));
        EXPECT_EQ(library[Category::General], (TextArray{gbk("最"), gbk("第一"), "\x80", "?"}));
        EXPECT_EQ(library[Category::Uncivil], (TextArray{gbk("妈的"), "SB"}));
        EXPECT_EQ(status.calls, 0);
        EXPECT_EQ(dir.read(kLibraryFileName), file);
    }
}

TEST_F(LoadWordLibraryTest, Utf8LibraryWithAMisspeltNameLoadsTheRestAndShowsTheError) {
    const std::string utf8 = "<不文明用语>|妈的|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n<歧视用语>|瞎子|<\r\n"
                             "<通 用>|最|<\r\n<化妆品>|特效|<\r\n<普通商品>|神器|<\r\n";
    EXPECT_TRUE(load(utf8));
    EXPECT_EQ(library[Category::Cosmetics], TextArray{gbk("特效")});
    EXPECT_TRUE(library[Category::General].empty());
    EXPECT_EQ(status.text, LibraryLoadErrorText());
    EXPECT_EQ(status.colour, kRed);
}

TEST_F(LoadWordLibraryTest, SevenLinesNamingNoCategoryShowTheErrorInsteadOfLoadingNothing) {
    const std::vector<AnsiText> unnamed(7, gbk("<未知>|词|<"));
    EXPECT_FALSE(load(join(unnamed)));
    EXPECT_EQ(status.text, LibraryLoadErrorText());
    EXPECT_EQ(status.colour, kRed);
}

TEST_F(LoadWordLibraryTest, DirectoryInPlaceOfTheFileIsAMissingFile) {
    std::filesystem::create_directory(dir / kLibraryFileName);
    EXPECT_FALSE(LoadWordLibrary(dir.path(), library, lines, [this](const AnsiText& text, ColorRef colour) {
        status = {text, colour, status.calls + 1};
    }));
    EXPECT_EQ(status.text, LibraryLoadErrorText());
}

struct FaultCase {
    const char* name;
    AnsiText text;
    std::string reason; // a part of the fault's text; empty for a whole library
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

class LibraryFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(LibraryFaultTest, NamesTheLineAtFault) {
    const std::optional<std::string> fault = LibraryFault(GetParam().text);
    if (GetParam().reason.empty()) {
        EXPECT_EQ(fault, std::nullopt);
    } else {
        ASSERT_TRUE(fault.has_value());
        EXPECT_NE(fault->find(GetParam().reason), std::string::npos) << *fault;
    }
}

std::vector<AnsiText> withLine(std::size_t index, const AnsiText& text) {
    auto lines = sevenLines();
    lines[index] = text;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LibraryFaultTest,
    testing::Values(
        FaultCase{"Whole", join(sevenLines()), ""},
        FaultCase{"WholeWithoutFinalLineEnd", join(sevenLines()).substr(0, join(sevenLines()).size() - 2), ""},
        FaultCase{"NameTwiceNumberedWithEmptyLines", "\r\n" + join(withLine(6, gbk("<通用>|x|<")), "\r\n\r\n"),
                  "line 14 names 通用 again (line 10 already does)"},
        FaultCase{"WholeWithEmptyLines", "\r\n\r\n" + join(sevenLines(), "\r\n\r\n"), ""},
        FaultCase{"WholeWithoutWordsInALine", join(withLine(2, gbk("<刺激消费>||<"))), ""},
        FaultCase{"WordEndingInEuroSign", join(withLine(4, gbk("<通用>|最|") + "a\x80|<")), ""},
        FaultCase{"SixLines", join(withLine(6, "")), "holds 6 non-empty lines"},
        FaultCase{"LfOnly", join(sevenLines(), "\n"), "lines ending in LF alone"},
        FaultCase{"Garbage", "\x01\x02\xFF\xFE binary", "holds 1 non-empty lines"},
        FaultCase{"PlainTextAnswer", "ServiceUnavailable", "holds 1 non-empty lines"},
        FaultCase{"NoClosingMarker", join(withLine(2, gbk("<刺激消费>|秒杀|"))), "line 3 has no closing |<"},
        FaultCase{"TextAfterClosingMarker", join(withLine(3, gbk("<歧视用语>|瞎子|<ab|<"))),
                  "line 4 goes on after its closing |<"},
        FaultCase{"TextBeforeOpeningMarker", join(withLine(6, gbk("junk<普通商品>|神器|<"))),
                  "line 7 must begin with <普通商品>|"},
        FaultCase{"UnknownName", join(withLine(1, gbk("<疑似欺骗 >|x|<"))), "line 2 names \"疑似欺骗 \""},
        FaultCase{"NameTwice", join(withLine(5, gbk("<通用>|又|<"))), "line 6 names 通用 again (line 5 already does)"},
        FaultCase{"NulByte", join(sevenLines()).insert(3, 1, '\0'), "byte 4 is a NUL byte"}),
    [](const testing::TestParamInfo<FaultCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(LibraryFileText, GbkFilesAreTakenByteForByte) {
    const AnsiText gbkLibrary = join(sevenLines());
    EXPECT_EQ(LibraryFileText(gbkLibrary), gbkLibrary);
    EXPECT_FALSE(IsUtf8LibraryFile(gbkLibrary));
    // Valid UTF-8 that names no category in UTF-8 is not taken for UTF-8.
    EXPECT_EQ(LibraryFileText("<abc>|x|<"), "<abc>|x|<");
}

TEST(DefaultLibrary, ShippedFileLoadsWithWordsInEveryCategory) {
    WordLibrary library;
    TextArray lines;
    const LibraryLoadResult result =
        LoadWordLibraryFile(QINGTAN_DEFAULT_LIBRARY, library, lines, [](const AnsiText&, ColorRef) {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result.fault, std::nullopt);
    for (const Category category : kAllCategories) {
        EXPECT_GE(library[category].size(), 20u) << test::utf8(CategoryName(category));
    }
}

TEST(Category, NamesAreCodePage936InFixedOrder) {
    EXPECT_EQ(test::hex(CategoryName(Category::General)), "CD A8 D3 C3");
    EXPECT_EQ(CategoryName(kAllCategories.front()), gbk("不文明用语"));
    EXPECT_EQ(CategoryName(kAllCategories.back()), gbk("普通商品"));
    EXPECT_EQ(CategoryFromName(gbk("化妆品")), Category::Cosmetics);
    EXPECT_EQ(CategoryFromName(gbk("通用 ")), std::nullopt);
}

} // namespace
} // namespace qingtan
