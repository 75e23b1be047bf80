#include "common/whole_file.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace common {
namespace {

TEST(WholeFile, WhatAUserMayNameInsteadOfAFile) {
    test_support::TempFolder folder;
    folder.Write("four.txt", "abcd");
    folder.Write("empty.txt", "");
    std::filesystem::create_directory(folder.File("folder.txt"));
    folder.Write("huge.txt", "");
    std::filesystem::resize_file(folder.File("huge.txt"), 3ull << 30);

    const WholeFile four = ReadWholeFile(folder.File("four.txt"), 4);
    EXPECT_EQ(four.status, WholeFileStatus::Ok);
    EXPECT_EQ(four.bytes, "abcd");
    EXPECT_EQ(ReadWholeFile(folder.File("four.txt"), 3).status, WholeFileStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder.File("four.txt"), 3).bytes, "");
    const WholeFile empty = ReadWholeFile(folder.File("empty.txt"), 0);
    EXPECT_EQ(empty.status, WholeFileStatus::Ok);
    EXPECT_EQ(empty.bytes, "");

    EXPECT_EQ(ReadWholeFile(folder.File("folder.txt"), 100).status, WholeFileStatus::CannotRead);
    EXPECT_EQ(ReadWholeFile(folder.File("missing.txt"), 100).status, WholeFileStatus::CannotRead);
    // Only the limit and one byte more are read from a file of gigabytes.
    EXPECT_EQ(ReadWholeFile(folder.File("huge.txt"), 1 << 20).status, WholeFileStatus::TooLarge);
    // A device that never ends and a pipe nobody writes to are no files to read.
    EXPECT_EQ(ReadWholeFile("/dev/zero", 1 << 20).status, WholeFileStatus::CannotRead);
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(folder.File("pipe"), 100).status, WholeFileStatus::CannotRead);
    // A link to a file is read through.
    folder.Link("link.txt", folder.File("four.txt"));
    EXPECT_EQ(ReadWholeFile(folder.File("link.txt"), 4).bytes, "abcd");
}

TEST(WholeFile, AFileThatFailsToReadIsRefused) {
    // The kernel's view of this process's memory opens as a regular file,
    // but reading it from its start fails.
    if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc on this system";
    EXPECT_EQ(ReadWholeFile("/proc/self/mem", 1 << 20).status, WholeFileStatus::CannotRead);
}

}  // namespace
}  // namespace common
