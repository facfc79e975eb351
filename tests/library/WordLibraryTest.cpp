#include "WordLibrary.h"

#include "SupportGroup.h"
#include "TempDir.h"
#include "TestText.h"

#include <gtest/gtest.h>

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
    bool load(const AnsiText& fileContent) {
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
    EXPECT_EQ(library[Category::General], (TextArray{"late", "later"}));
    EXPECT_EQ(library[Category::Cosmetics], TextArray{"before"});
    EXPECT_EQ(library[Category::Deception], TextArray{"before"});
    EXPECT_TRUE(library[Category::Consumption].empty());
    EXPECT_EQ(library[Category::Discrimination], TextArray{gbk(" 瞎子 ")});
    EXPECT_EQ(library[Category::Goods], TextArray{gbk("神器")});
}

TEST(DefaultLibrary, ShippedFileLoadsWithWordsInEveryCategory) {
    WordLibrary library;
    TextArray lines;
    ASSERT_TRUE(LoadWordLibraryFile(QINGTAN_DEFAULT_LIBRARY, library, lines, [](const AnsiText&, ColorRef) {}));
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
