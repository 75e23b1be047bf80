#include "designer/shell/popup_menu.h"

#include <fstream>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/shell/commands.h"
#include "designer/strings/english_table.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

std::vector<int> Commands(const std::vector<MenuEntry>& entries) {
    std::vector<int> ids;
    for (const auto& e : entries) ids.push_back(e.command);
    return ids;
}

TEST(PopupMenu, BuiltInOrderAndRecentFilesBeforeAbout) {
    text::StringTable strings = strings::MakeStringTable();
    const auto plain = PopupMenuEntries(strings, {});
    EXPECT_EQ(Commands(plain), (std::vector<int>{1010, 1020, 1030, 1040, 0, 2000, 2100, 0, 3020, 3040, 3030, 0,
                                                  9030, 1090}));
    EXPECT_EQ(plain[0].text, "&New\tCtrl+N");
    EXPECT_EQ(plain[13].text, "E&xit\tAlt+F4");

    const auto withRecent = PopupMenuEntries(strings, {"&1:  /a.UZX", "&2:  /b.UZX"});
    EXPECT_EQ(Commands(withRecent), (std::vector<int>{1010, 1020, 1030, 1040, 0, 2000, 2100, 0, 3020, 3040, 3030, 0,
                                                       3300, 3301, 0, 9030, 1090}));
    EXPECT_EQ(withRecent[13].text, "&2:  /b.UZX");
}

TEST(PopupMenu, LanguageReplacesItemTextsKeepingCommands) {
    test_support::TempFolder folder;
    std::ofstream(folder.File("ru.lng"), std::ios::binary)
        << common::Utf8ToCp1251("Русский\r\n1101=&Новая\r\n1110=&О программе...\r\n");
    text::StringTable strings = strings::MakeStringTable();
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    const auto entries = PopupMenuEntries(strings, {"&1:  /a.UZX"});
    EXPECT_EQ(common::Cp1251ToUtf8(entries[0].text), "&Новая");
    EXPECT_EQ(entries[0].command, kCommandNew);
    EXPECT_EQ(common::Cp1251ToUtf8(entries[14].text), "&О программе...");
    EXPECT_EQ(entries[14].command, kCommandAbout);
    EXPECT_EQ(entries[1].text, "&Open...\tCtrl+O");  // no entry in the file: the built-in text
}

}  // namespace
}  // namespace shell
