// A replaced file keeps the permissions its user gave it (the designer's
// task files and the loader's converted files go through here), and a file
// that is to be replaced is checked before anything cannot be undone.
#include "common/file_replace.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace common {
namespace {

TEST(ReplaceFileContents, KeepsTheOldFilesPermissions) {
    test_support::TempFolder folder;
    const std::string path = folder.File("task.UZX");
    folder.Write("task.UZX", "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);

    ASSERT_TRUE(ReplaceFileContents(path, "new").ok);
    std::ifstream in(path, std::ios::binary);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "new");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file is left behind";
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
