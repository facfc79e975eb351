#include "FileHelpers.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qingtan {
namespace {

TEST(FileHelpers, ReadGivesAllBytesIncludingNulAndEmptyWhenMissing) {
    test::TempDir dir;
    const std::string bytes("a\0b\r\n", 5);
    ASSERT_TRUE(WriteWholeFile(dir / "f.bin", bytes));
    EXPECT_EQ(ReadWholeFile(dir / "f.bin"), bytes);
    EXPECT_EQ(ReadWholeFile(dir / "missing"), "");
    EXPECT_TRUE(NameExists(dir.path()));
    EXPECT_FALSE(NameExists(dir / "missing"));
}

TEST(FileHelpers, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    test::TempDir dir;
    dir.write("lib.txt", "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(dir / "lib.txt", "new"));
    EXPECT_EQ(dir.read("lib.txt"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A directory opens as a stream on Linux and reports an absurd size: reading one must not allocate that.
TEST(FileHelpers, ReadTakesRegularFilesOnly) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "douyin_ck.txt");
    EXPECT_EQ(ReadWholeFile(dir / "douyin_ck.txt"), "");
    EXPECT_FALSE(IsRegularFile(dir / "douyin_ck.txt"));
    dir.write("f.txt", "x");
    EXPECT_TRUE(IsRegularFile(dir / "f.txt"));
    EXPECT_FALSE(IsRegularFile(dir / "missing"));
}

TEST(FileHelpers, LeftoverTemporariesOfTheFileAreRemovedAndNothingElse) {
    test::TempDir dir;
    const std::vector<std::string> leftovers{"lib.txt.part123-4", "lib.txt.part9-17"};
    const std::vector<std::string> others{"lib.txt",           "lib.txt.partial",  "lib.txt.part12",
                                          "lib.txt.part1-1x",  "lib.txt.part-1",   "lib.txt.part1-",
                                          "other.txt.part1-1", "xlib.txt.part1-1", "lib.txt.part1-1.bak"};
    for (const auto& name : leftovers) {
        dir.write(name, "partial");
    }
    for (const auto& name : others) {
        dir.write(name, "keep");
    }
    std::filesystem::create_directory(dir / "lib.txt.part5-5"); // not a file this program wrote

    RemoveLeftoverTemporaries(dir / "lib.txt");

    for (const auto& name : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    }
    for (const auto& name : others) {
        EXPECT_EQ(dir.read(name), "keep") << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "lib.txt.part5-5"));
}

TEST(FileHelpers, AtomicWriteIntoMissingDirectoryFailsCleanly) {
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "no-such-dir" / "lib.txt", "x"));
}

TEST(FileHelpers, Utf8PathReachesAChineseFolder) {
    test::TempDir dir;
    const std::u8string folder = dir.path().u8string() + u8"/词库";
    const std::filesystem::path file = PathFromUtf8(std::string(folder.begin(), folder.end())) / u8"douyin_ck.txt";
    std::filesystem::create_directories(file.parent_path());
    ASSERT_TRUE(WriteFileAtomically(file, "x"));
    EXPECT_EQ(ReadWholeFile(dir.path() / u8"词库" / u8"douyin_ck.txt"), "x");
}

} // namespace
} // namespace qingtan
