#include "common/whole_file.h"

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
    // Only the limit and one byte more are read, from a sparse file or a device that never ends.
    EXPECT_EQ(ReadWholeFile(folder.File("huge.txt"), 1 << 20).status, WholeFileStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile("/dev/zero", 1 << 20).status, WholeFileStatus::TooLarge);
}

}  // namespace
}  // namespace common
