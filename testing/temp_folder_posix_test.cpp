#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test_support {
namespace {

namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(TempFolder, LivesUnderTheSystemsTemporaryFolderAndGoesWithEverythingInIt) {
    std::string path;
    {
        TempFolder folder;
        path = folder.Path();
        EXPECT_EQ(fs::path(path).parent_path(), fs::temp_directory_path());
        folder.Write("a/b/c.txt", std::string("x\0y\r\n", 5));
        folder.Link("ports/COM1", "/dev/null");
        EXPECT_EQ(Contents(folder.File("a/b/c.txt")), std::string("x\0y\r\n", 5));
        EXPECT_EQ(fs::read_symlink(folder.File("ports/COM1")), "/dev/null");

        TempFolder second;
        EXPECT_NE(second.Path(), path);
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST(TempFolder, FollowsTmpdir) {
    TempFolder outer;
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", outer.Path().c_str(), 1);
    {
        TempFolder inner;
        EXPECT_EQ(fs::path(inner.Path()).parent_path(), fs::path(outer.Path()));
    }
    if (previous) setenv("TMPDIR", saved.c_str(), 1);
    else unsetenv("TMPDIR");
}

}  // namespace
}  // namespace test_support
