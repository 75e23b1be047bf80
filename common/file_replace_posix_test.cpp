// A replaced file keeps the permissions its user gave it: the designer's
// task files and the loader's converted files go through here.
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

}  // namespace
}  // namespace common
