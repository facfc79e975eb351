#include "AppState.h"

#include "TempDir.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace qingtan {
namespace {

using test::gbk;

// A copy's matcher would read the original's words.
static_assert(!std::is_copy_constructible_v<AppState> && !std::is_copy_assignable_v<AppState>);

AnsiText libraryWith(std::string_view generalWord) {
    return gbk("<不文明用语>|a|<\r\n<疑似欺骗>|b|<\r\n<刺激消费>|c|<\r\n<歧视用语>|d|<\r\n<通用>|" +
               std::string(generalWord) + "|<\r\n<化妆品>|e|<\r\n<普通商品>|f|<\r\n");
}

TEST(AppState, LoadingALibraryRebuildsTheMatcherWithItsWords) {
    test::TempDir dir;
    AppState state;
    const ShowStatusFn ignore = [](const AnsiText&, ColorRef) {};
    dir.write("douyin_ck.txt", libraryWith("第一"));
    ASSERT_TRUE(state.loadLibrary(dir.path(), ignore));
    EXPECT_EQ(state.matcher().occurrences(gbk("第一")).size(), 1u);

    dir.write("douyin_ck.txt", libraryWith("最好"));
    ASSERT_TRUE(state.loadLibrary(dir.path(), ignore));
    EXPECT_TRUE(state.matcher().occurrences(gbk("第一")).empty());
    EXPECT_EQ(state.matcher().occurrences(gbk("最好")).size(), 1u);
    EXPECT_EQ(state.library()[Category::General], TextArray{gbk("最好")});
}

} // namespace
} // namespace qingtan
