#include "FileHelpers.h"

#include "TempDir.h"

#include <gtest/gtest.h>

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

TEST(FileHelpers, AtomicWriteIntoMissingDirectoryFailsCleanly) {
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "no-such-dir" / "lib.txt", "x"));
}

} // namespace
} // namespace qingtan
