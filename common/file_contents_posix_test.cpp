// Files a user names are read only when they are regular files, and a file
// that is to be replaced is checked before anything cannot be undone.
#include "common/file_contents.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "common/file_replace.h"
#include "testing/temp_folder.h"

namespace common {
namespace {

TEST(FileContents, OnlyARegularFileIsRead) {
    test_support::TempFolder folder;
    const std::string bytes("A\r\nB\0\xFF", 6);
    folder.Write("items.txt", bytes);
    EXPECT_EQ(ReadRegularFile(folder.File("items.txt")), bytes);
    folder.Write("empty.txt", "");
    EXPECT_EQ(ReadRegularFile(folder.File("empty.txt")), std::string());

    EXPECT_EQ(ReadRegularFile(folder.File("missing.txt")), std::nullopt);
    EXPECT_EQ(ReadRegularFile(folder.Path()), std::nullopt);
    // A pipe nobody writes to would be waited on for ever.
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadRegularFile(folder.File("pipe")), std::nullopt);
    EXPECT_EQ(ReadRegularFile("/dev/zero"), std::nullopt);
    // A link to a regular file is read through.
    folder.Link("link.txt", folder.File("items.txt"));
    EXPECT_EQ(ReadRegularFile(folder.File("link.txt")), bytes);
}

TEST(FileContents, AFileThatFailsToReadIsRefused) {
    // The kernel's view of this process's memory opens as a regular file,
    // but reading it from its start fails.
    if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc on this system";
    EXPECT_EQ(ReadRegularFile("/proc/self/mem"), std::nullopt);
}

TEST(FileReplace, ReplaceabilityIsCheckedWithoutChangingAnything) {
    test_support::TempFolder folder;
    folder.Write("data.txt", "old");
    EXPECT_TRUE(CheckReplaceable(folder.File("data.txt")).ok);
    EXPECT_TRUE(CheckReplaceable(folder.File("new.txt")).ok);
    // Nothing is left behind, and nothing is created.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    std::filesystem::create_directory(folder.File("sub"));
    const ReplaceResult intoFolder = CheckReplaceable(folder.File("sub"));
    EXPECT_FALSE(intoFolder.ok);
    EXPECT_EQ(intoFolder.error, "it is a folder");
    const ReplaceResult noFolder = CheckReplaceable(folder.File("none/data.txt"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.error, "cannot create a file in the folder: No such file or directory");
}

}  // namespace
}  // namespace common
