#include "SettingsFile.h"

#include "FileHelpers.h"
#include "LibraryFiles.h"
#include "TempDir.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace qingtan {
namespace {

using test::gbk;

TEST(SettingsFile, WriteCreatesAProfileFileInCodePage936) {
    test::TempDir dir;
    const SettingsFile settings(dir.path());
    EXPECT_FALSE(settings.exists());
    ASSERT_TRUE(settings.write(gbk("在线词库")));
    EXPECT_EQ(settings.path(), dir.path() / u8"配置.ini");
#ifdef _WIN32
    const std::string newline = "\r\n";
#else
    const std::string newline = "\n";
#endif
    EXPECT_EQ(ReadWholeFile(settings.path()), gbk("[词库配置]") + newline + gbk("词库配置=在线词库") + newline);
    EXPECT_EQ(settings.read(), gbk("在线词库"));
}

TEST(SettingsFile, ReadOfAMissingFileSectionOrKeyIsEmpty) {
    for (const std::string& content :
         {std::string(), gbk("[别的]\r\n词库配置=在线词库\r\n"), gbk("[词库配置]\r\n别的=在线词库\r\n")}) {
        test::TempDir dir;
        const SettingsFile settings(dir.path());
        if (!content.empty()) {
            WriteWholeFile(settings.path(), content);
        }
        EXPECT_EQ(settings.read(), AnsiText()) << test::utf8(content);
    }
}

TEST(SettingsFile, ReadReturnsAForeignValueByteForByte) {
    test::TempDir dir;
    const SettingsFile settings(dir.path());
    WriteWholeFile(settings.path(), gbk("[词库配置]\r\n词库配置=在线词库X\r\n"));
    EXPECT_EQ(settings.read(), gbk("在线词库X"));
}

TEST(SettingsFile, WriteKeepsOtherSectionsAndKeysAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    const SettingsFile settings(dir.path());
    WriteWholeFile(settings.path(), gbk("[窗口]\r\n宽=550\r\n[词库配置]\r\n其他=1\r\n词库配置=abc\r\n"));
    ASSERT_TRUE(settings.write(LocalSourceValue()));
    EXPECT_EQ(settings.read(), gbk("本地词库"));
    const std::string bytes = ReadWholeFile(settings.path());
    EXPECT_NE(bytes.find(gbk("宽=550")), std::string::npos);
    EXPECT_NE(bytes.find(gbk("其他=1")), std::string::npos);
    EXPECT_EQ(bytes.find("abc"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace qingtan
