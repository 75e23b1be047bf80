// On POSIX a path is UTF-8: its menu text is cut between characters, never
// inside one.
#include "designer/shell/recent_files.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(RecentFiles, MenuTextCountsUtf8Characters) {
    // 41 characters, the Cyrillic ones two bytes each: cut between characters.
    const std::string path = "/задачи/" + std::string(24, 'a') + "склад.UZX";
    const std::string text = RecentMenuText(1, path);
    EXPECT_EQ(text, "&1:  /задачи/" + std::string(7, 'a') + "..." + std::string(13, 'a') + "склад.UZX");
}

}  // namespace
}  // namespace shell
