#include "designer/shell/recent_files.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(RecentFiles, NewestFirstAtMostFourWithoutDuplicates) {
    std::vector<std::string> list;
    for (const char* path : {"/a", "/b", "/c", "/d"}) list = WithRecentFile(list, path);
    EXPECT_EQ(list, (std::vector<std::string>{"/d", "/c", "/b", "/a"}));

    list = WithRecentFile(list, "/e");  // a fifth file pushes the oldest out
    EXPECT_EQ(list, (std::vector<std::string>{"/e", "/d", "/c", "/b"}));

    list = WithRecentFile(list, "/c");  // re-opening the third moves it up, the count stays
    EXPECT_EQ(list, (std::vector<std::string>{"/c", "/e", "/d", "/b"}));

    EXPECT_EQ(WithRecentFile(list, "/c"), list);
}

TEST(RecentFiles, MenuTextKeepsShortPathsAndShortensLongOnes) {
    const std::string forty(40, 'p');
    EXPECT_EQ(RecentMenuText(1, "/t/a.UZX"), "&1:  /t/a.UZX");
    EXPECT_EQ(RecentMenuText(4, forty), "&4:  " + forty);

    const std::string longPath = "/home/someone/tasks/warehouse/inventory.UZX";  // 43 characters
    ASSERT_EQ(longPath.size(), 43u);
    EXPECT_EQ(RecentMenuText(2, longPath), "&2:  /home/someone/t...arehouse/inventory.UZX");

    const std::string exactly41 = "/" + std::string(40, 'x');
    EXPECT_EQ(RecentMenuText(3, exactly41), "&3:  /" + std::string(14, 'x') + "..." + std::string(22, 'x'));

    // An ampersand is the path's own character, not the menu's shortcut mark;
    // it counts once when the path is measured.
    EXPECT_EQ(RecentMenuText(1, "/R&D/a.UZX"), "&1:  /R&&D/a.UZX");
    const std::string withAmpersand = "/" + std::string(13, 'x') + "&" + std::string(27, 'y');  // 42 characters
    EXPECT_EQ(RecentMenuText(2, withAmpersand), "&2:  /" + std::string(13, 'x') + "&&..." + std::string(22, 'y'));
}

}  // namespace
}  // namespace shell
